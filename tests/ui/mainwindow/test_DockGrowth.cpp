// Docks that grow with the window, and give way on a screen too small for
// them.

#include "mainwindow/DockGrowth.h"

#include <QDockWidget>
#include <QMainWindow>
#include <QtTest>

using namespace turnix;

namespace {

class Sized final : public QWidget {
public:
    Sized(QSize preferred, QSize smallest) : wanted(preferred), least(smallest) {}
    [[nodiscard]] QSize sizeHint() const override { return wanted; }
    [[nodiscard]] QSize minimumSizeHint() const override { return least; }

private:
    QSize wanted;
    QSize least;
};

QDockWidget* AddDock(QMainWindow& window, Qt::DockWidgetArea area, QSize preferred) {
    auto* dock = new QDockWidget(&window);
    dock->setWidget(new Sized(preferred, preferred / 2));
    window.addDockWidget(area, dock);
    return dock;
}

} // namespace

class TestDockGrowth : public QObject {
    Q_OBJECT

private slots:
    void sharedDockLengths_data() {
        QTest::addColumn<int>("total");
        QTest::addColumn<std::vector<int>>("docks");
        QTest::addColumn<std::vector<int>>("expected");
        QTest::newRow("no docks") << 2000 << std::vector<int>{} << std::vector<int>{};
        QTest::newRow("at the preferred size")
            << 600 << std::vector<int>{200} << std::vector<int>{};
        QTest::newRow("smaller") << 500 << std::vector<int>{200} << std::vector<int>{};
        QTest::newRow("twice as wide") << 1200 << std::vector<int>{200} << std::vector<int>{400};
        QTest::newRow("two docks, a third more")
            << 1000 << std::vector<int>{200, 150} << std::vector<int>{266, 200};
    }

    // The centre prefers 400 in every row.
    void sharedDockLengths() {
        QFETCH(int, total);
        QFETCH(std::vector<int>, docks);
        QFETCH(std::vector<int>, expected);
        QCOMPARE(SharedDockLengths(total, 400, docks), expected);
    }

    // Docks on either side and below all grow; a floating one is left alone.
    void theDocksGrowWithTheWindow() {
        QMainWindow window;
        window.setCentralWidget(new Sized({400, 300}, {200, 150}));
        QDockWidget* right = AddDock(window, Qt::RightDockWidgetArea, {200, 300});
        QDockWidget* bottom = AddDock(window, Qt::BottomDockWidgetArea, {600, 100});
        QDockWidget* floating = AddDock(window, Qt::LeftDockWidgetArea, {100, 100});
        floating->setFloating(true);
        new DockGrowth(window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QSize before(right->width(), bottom->height());
        const QSize floatingBefore = floating->size();

        window.resize(window.size() * 2);
        QTRY_VERIFY(right->width() > before.width() * 3 / 2);
        QTRY_VERIFY(bottom->height() > before.height() * 3 / 2);
        QCOMPARE(floating->size(), floatingBefore);
    }

    // The last made goes first, and only as many as must.
    void docksGiveWayOnASmallScreen() {
        QMainWindow window;
        window.setCentralWidget(new Sized({400, 300}, {200, 150}));
        QDockWidget* first = AddDock(window, Qt::RightDockWidgetArea, {200, 300});
        QDockWidget* second = AddDock(window, Qt::RightDockWidgetArea, {400, 300});
        HideDocksBeyond(window, window.minimumSizeHint());
        QVERIFY(!first->isHidden() && !second->isHidden());
        HideDocksBeyond(window, window.minimumSizeHint() - QSize(100, 0));
        QVERIFY(!first->isHidden());
        QVERIFY(second->isHidden());
        HideDocksBeyond(window, {210, 160});
        QVERIFY(first->isHidden());
    }
};

QTEST_MAIN(TestDockGrowth)
#include "test_DockGrowth.moc"
