// Docks that grow with the window, and give way on a screen too small for
// them.

#include "mainwindow/DockGrowth.h"

#include <QDockWidget>
#include <QMainWindow>
#include <QtTest>

using namespace turnix;

namespace {

// Prefers a size, and makes do with half of it.
class Sized final : public QWidget {
public:
    explicit Sized(QSize preferred) : wanted(preferred) {}
    [[nodiscard]] QSize sizeHint() const override { return wanted; }
    [[nodiscard]] QSize minimumSizeHint() const override { return wanted / 2; }

private:
    QSize wanted;
};

QDockWidget* AddDock(QMainWindow& window, Qt::DockWidgetArea area, QSize preferred) {
    auto* dock = new QDockWidget(&window);
    dock->setWidget(new Sized(preferred));
    window.addDockWidget(area, dock);
    return dock;
}

} // namespace

class TestDockGrowth : public QObject {
    Q_OBJECT

private slots:
    // Up to the preferred lengths nothing changes; the centre prefers 400.
    void theExtraLengthIsSharedAsPreferred() {
        QCOMPARE(SharedDockLengths(600, 400, {200}), std::vector<int>{});
        QCOMPARE(SharedDockLengths(1200, 400, {200}), std::vector<int>{400});
        QCOMPARE(SharedDockLengths(1000, 400, {200, 150}), (std::vector<int>{266, 200}));
    }

    // Docks beside and below grow with the window, a floating one is left
    // alone. On a screen too small the last made gives way first, and only
    // as many as must.
    void theDocksGrowWithTheWindowAndGiveWayOnASmallScreen() {
        QMainWindow window;
        window.setCentralWidget(new Sized({400, 300}));
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

        QCOMPARE(HideDocksBeyond(window, window.minimumSizeHint()), QList<QDockWidget*>{});
        QCOMPARE(HideDocksBeyond(window, window.minimumSizeHint() - QSize(0, 10)),
                 QList<QDockWidget*>{bottom});
        QCOMPARE(HideDocksBeyond(window, {10, 10}), QList<QDockWidget*>{right});
    }
};

QTEST_MAIN(TestDockGrowth)
#include "test_DockGrowth.moc"
