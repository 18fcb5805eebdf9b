// Docks that grow with the window, and give way on a screen too small for
// them.

#include "FakePlatform.h"
#include "mainwindow/CentralArea.h"
#include "mainwindow/DockGrowth.h"
#include "mainwindow/WindowStateStore.h"

#include <QAction>
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
    // Named in order, as a stored state finds them.
    dock->setObjectName(QString("dock%1").arg(window.findChildren<QDockWidget*>().size()));
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
        QCOMPARE(HideDocksBeyond(window, {10, 10}), (QList<QDockWidget*>{bottom, right}));
    }

    // Smallest sizes: 900x500 as it is, 700x500 without one part, 500x300
    // without two.
    void aWindowGivesUpTheFewestPartsThatLetItFit_data() {
        QTest::addColumn<QSize>("room");
        QTest::addColumn<QSize>("preferred");
        QTest::addColumn<int>("givenUp");
        QTest::addColumn<QSize>("size");

        QTest::newRow("room for all")
            << QSize(1200, 900) << QSize(1000, 600) << 0 << QSize(1000, 600);
        QTest::newRow("exactly the smallest")
            << QSize(900, 500) << QSize(1000, 600) << 0 << QSize(900, 500);
        QTest::newRow("preferred below the smallest")
            << QSize(1200, 900) << QSize(400, 200) << 0 << QSize(900, 500);
        QTest::newRow("one pixel too narrow")
            << QSize(899, 900) << QSize(1000, 600) << 1 << QSize(899, 600);
        QTest::newRow("one pixel too low")
            << QSize(1200, 499) << QSize(1000, 600) << 2 << QSize(1000, 499);
        QTest::newRow("nothing fits")
            << QSize(300, 200) << QSize(1000, 600) << 2 << QSize(500, 300);
    }

    void aWindowGivesUpTheFewestPartsThatLetItFit() {
        QFETCH(QSize, room);
        QFETCH(QSize, preferred);
        QFETCH(int, givenUp);
        QFETCH(QSize, size);
        const RoomFit fit = FitToRoom(room, preferred, {{900, 500}, {700, 500}, {500, 300}});
        QCOMPARE(fit.givenUp, static_cast<std::size_t>(givenUp));
        QCOMPARE(fit.size, size);
    }

    // The last made dock hides first, then the other, then the centre
    // scrolls; the window then fits, as large as the room allows.
    void aWindowFitsItsRoom() {
        for (const int hidden : {0, 1, 2, 3}) {
            QMainWindow window;
            auto* centre = new CentralArea(new Sized({400, 300}));
            window.setCentralWidget(centre);
            QDockWidget* first = AddDock(window, Qt::RightDockWidgetArea, {200, 300});
            QDockWidget* last = AddDock(window, Qt::LeftDockWidgetArea, {200, 300});
            const QList<QSize> rooms{window.minimumSizeHint(),
                                     window.minimumSizeHint() - QSize(100, 0),
                                     window.minimumSizeHint() - QSize(200, 0),
                                     {120, 120}};
            const QSize room = rooms.at(hidden);
            const QList<QDockWidget*> expected =
                QList<QDockWidget*>{last, first}.first(std::min(hidden, 2));
            QCOMPARE(FitWindowInto(window, {2000, 2000}, room), expected);
            QCOMPARE(last->isHidden(), hidden > 0);
            QCOMPARE(first->isHidden(), hidden > 1);
            QCOMPARE(centre->Scrolling(), hidden > 2);
            QCOMPARE(window.size(), room);
            QCOMPARE(HiddenForRoom(*last), hidden > 0);
            // A restore on a larger screen shows them again.
            QCOMPARE(HideDocksBeyond(window, {2000, 2000}), QList<QDockWidget*>{});
            QVERIFY(!last->isHidden() && !first->isHidden());
        }
        // Stored as shown, so that a larger screen shows it, unless the user
        // has shown or hidden it since.
        test::FakeSettingsStore settings;
        for (const int userToggles : {0, 2}) {
            QMainWindow window;
            window.setCentralWidget(new Sized({400, 300}));
            QDockWidget* dock = AddDock(window, Qt::RightDockWidgetArea, {200, 300});
            QCOMPARE(FitWindowInto(window, {2000, 2000}, {10, 10}), QList<QDockWidget*>{dock});
            for (int i = 0; i < userToggles; ++i) {
                dock->toggleViewAction()->trigger();
            }
            (new WindowStateStore(window, settings))->Store();
            QMainWindow again;
            QDockWidget* restored = AddDock(again, Qt::RightDockWidgetArea, {200, 300});
            (new WindowStateStore(again, settings))->Restore();
            QCOMPARE(restored->isHidden(), userToggles > 0);
        }
    }
};

QTEST_MAIN(TestDockGrowth)
#include "test_DockGrowth.moc"
