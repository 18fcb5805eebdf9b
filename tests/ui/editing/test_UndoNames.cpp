// The names Undo gives the edits, quickly: every turn and rotation, and a
// centre painted on the net. The stress test meets them too, but slowly.

#include "WindowTestSupport.h"
#include "wholecube/ColorPalette.h"
#include "wholecube/CubeNet.h"

#include <QtTest>

using namespace turnix;
using namespace turnix::test;

namespace {

QString UndoText(const QWidget& window) {
    return Child<QAction>(window, "mnuEditUndo").text();
}

} // namespace

class TestUndoNames : public QObject {
    Q_OBJECT

private slots:
    void everyTurnAndRotationIsNamed() {
        static const QStringList sides{"Front", "Left", "Back", "Right", "Top", "Bottom"};
        static const QStringList turns{"Clockwise", "Counterclockwise", "Twice"};
        static const QStringList rotations{"Up", "Down", "Left", "Right"};
        Session s;
        const frmTurnix& window = s.Start();
        s.Load(Scrambled(1)); // every rotation of it changes it
        for (std::int16_t code = 0; code < SideTurnCount + 4; ++code) {
            Trigger(window, CommandName(code));
            QCOMPARE(
                UndoText(window),
                "&Undo " +
                    (code < SideTurnCount
                         ? QString("Turn %1 Side %2").arg(sides.at(code / 3), turns.at(code % 3))
                         : "Rotate Cube " + rotations.at(code - SideTurnCount)));
        }
    }

    void aCentrePaintedOnTheNetIsOnePaintStep() {
        Session s;
        const frmTurnix& window = s.Start();
        auto& palette = Child<ColorPalette>(window, "WholeCubePalette");
        QTest::mouseClick(&palette, Qt::LeftButton, {}, palette.SwatchRect(5).center());
        auto& net = Child<CubeNet>(window, "WholeCubeNet");
        QTest::mouseClick(&net, Qt::LeftButton, {},
                          net.Geometry().SquareRect({side::Top, 4}).center());
        clsCube expected;
        expected.Side(side::Top).Square(4)->SetColorIndex(5);
        QCOMPARE(ColorsOf(window.Cube()), ColorsOf(expected));
        QCOMPARE(UndoText(window), QString("&Undo Paint"));
        Trigger(window, "mnuEditUndo");
        QCOMPARE(ColorsOf(window.Cube()), ColorsOf(clsCube()));
    }
};

QTEST_MAIN(TestUndoNames)
#include "test_UndoNames.moc"
