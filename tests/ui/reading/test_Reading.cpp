// Reading a cube from photos and the camera in the main window, and mending
// a side entered turned.

#include "WindowTestSupport.h"
#include "diagnosis/Diagnosis.h"
#include "diagnosis/TurnedSides.h"
#include "reading/SideCollector.h"

#include <QAbstractButton>
#include <QLabel>
#include <QtTest>

using namespace turnix;
using namespace turnix::test;

namespace {

// A side found in a frame: the grid at offset, the centre in colour shade.
vision::SideReading Found(float offset, float shade) {
    vision::SideReading side;
    side.corners = {
        {{100 + offset, 100}, {300 + offset, 100}, {300 + offset, 300}, {100 + offset, 300}}};
    for (auto& sticker : side.stickers) {
        sticker.color = {200, 200, 200};
    }
    side.stickers[4].color = {shade, 40, 40};
    return side;
}

using Ms = SideCollector::Clock;

} // namespace

class TestReading : public QObject {
    Q_OBJECT

private slots:
    // Frames 100 ms apart: a side is taken after half a second of stillness,
    // once; a moving grid or a gap starts the wait again; a centre already
    // taken is turned away; the seventh side is never taken.
    void aSideIsTakenOnceItHasHeldStillForHalfASecond() {
        SideCollector collector;
        std::vector<SideCollector::Event> events;
        int t = 0;
        const auto show = [&](std::optional<vision::SideReading> found, int frames) {
            for (int k = 0; k < frames; ++k, t += 100) {
                events.push_back(collector.Add(found, Ms(t)));
            }
        };
        using E = SideCollector::Event;
        show(Found(0, 250), 5);
        QCOMPARE(events.back(), E::None);
        show(Found(0, 250), 1);
        QCOMPARE(events.back(), E::Captured);
        show(Found(0, 250), 10);
        QCOMPARE(std::count(events.begin(), events.end(), E::Captured), 1);
        QCOMPARE(collector.Sides().size(), std::size_t(1));

        show(Found(40, 120), 3);
        show(Found(80, 120), 3); // moved: waits again
        show(std::nullopt, 1);
        show(Found(80, 120), 5);
        QCOMPARE(collector.Sides().size(), std::size_t(1));
        show(Found(80, 120), 1);
        QCOMPARE(collector.Sides().size(), std::size_t(2));

        show(std::nullopt, 1);
        show(Found(0, 251), 6);
        QCOMPARE(events.back(), E::AlreadyTaken);
        for (const float shade : {20.0F, 60.0F, 90.0F, 160.0F, 200.0F}) {
            show(std::nullopt, 1);
            show(Found(0, shade), 6);
        }
        QCOMPARE(collector.Sides().size(), std::size_t(6));
        QVERIFY(collector.Complete());
        collector.Reset();
        QVERIFY(collector.Sides().empty());
    }

    // A side whose outer squares were entered turned: the panel says so in
    // a sentence and turns it back in one click, one step of the history.
    void aSideEnteredTurnedIsTurnedBackInOneClick_data() {
        QTest::addColumn<int>("side");
        QTest::addColumn<int>("entered");
        QTest::addColumn<QString>("sentence");
        QTest::newRow("bottom") << int(side::Bottom) << 2
                                << "The Bottom side looks entered turned half round.";
        QTest::newRow("left") << int(side::Left) << 1
                              << "The Left side looks entered turned a quarter clockwise.";
        QTest::newRow("back") << int(side::Back) << 3
                              << "The Back side looks entered turned a quarter counterclockwise.";
    }

    void aSideEnteredTurnedIsTurnedBackInOneClick() {
        QFETCH(int, side);
        QFETCH(int, entered);
        QFETCH(QString, sentence);
        Session s;
        frmTurnix& window = s.Start();
        const clsCube right = Scrambled(5);
        const CubeColorValues wrong =
            TurnOuterSquares(ColorValuesOf(right), {static_cast<std::int16_t>(side), entered});
        clsCube entry;
        SetColorValues(entry, wrong);
        s.Load(entry);
        QStringList texts;
        for (const QLabel* shown : window.findChildren<QLabel*>()) {
            texts << shown->text();
        }
        QVERIFY2(texts.contains(sentence), qPrintable(texts.join('|')));
        auto& back = Child<QAbstractButton>(window, QString("cmdTurnBack%1").arg(side));
        QCOMPARE(back.text(), QString("Turn It Back"));
        back.click();
        QCOMPARE(ColorsOf(window.Cube()), ColorsOf(right));
        QCOMPARE(Child<QLabel>(window, "lblDiagnosis").text(), QString("Ready to solve"));
        QVERIFY(!window.findChild<QAbstractButton*>(QString("cmdTurnBack%1").arg(side)));
        const QStringList sides{"Top", "Bottom", "Front", "Back", "Left", "Right"};
        QCOMPARE(Child<QAction>(window, "mnuEditUndo").text(),
                 "&Undo Turn Back " + sides.at(side) + " Side");
        Trigger(window, "mnuEditUndo");
        QCOMPARE(ColorValuesOf(window.Cube()), wrong);
    }
};

QTEST_MAIN(TestReading)
#include "test_Reading.moc"
