// Edits in the main window: the names Undo gives every turn, rotation and
// centre painted on the net (quickly; the stress test meets them slowly),
// and a line of turns typed in.

#include "TurnNotation.h"
#include "WindowTestSupport.h"
#include "wholecube/ColorPalette.h"
#include "wholecube/CubeNet.h"

#include <QLabel>
#include <QtTest>

using namespace turnix;
using namespace turnix::test;

class EditingTest : public QObject {
    Q_OBJECT

    QStringList shown; // after each OK: the problem named | the selection

    // Types each line into the dialog in turn and presses OK.
    std::function<void(QDialog&)> Type(const QStringList& lines) {
        return [this, lines](QDialog& dialog) {
            dialog.show();
            auto& turns = Child<QLineEdit>(dialog, "txtTurns");
            for (const QString& line : lines) {
                turns.setText(line);
                Click(Child(dialog, "cmdOK"));
                const auto& problem = Child<QLabel>(dialog, "lblProblem");
                shown << (problem.isVisible() ? problem.text() : "") + "|" + turns.selectedText();
            }
        };
    }

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
                Child<QAction>(window, "mnuEditUndo").text(),
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
        QCOMPARE(Child<QAction>(window, "mnuEditUndo").text(), QString("&Undo Paint"));
        Trigger(window, "mnuEditUndo");
        QCOMPARE(ColorsOf(window.Cube()), ColorsOf(clsCube()));
    }

    // The whole line is one step, undone at once; a bad token is named and
    // selected, and the dialog waits for a line that reads. Cancel, or a
    // line that changes nothing, is no step.
    void aLineOfTurnsIsOneUndoableEdit() {
        Session s;
        frmTurnix& window = s.Start();
        const clsCube start = Scrambled(4);
        s.Load(start);
        for (const QStringList& lines :
             {QStringList{"R U3 F'", "R’ y U2 (x)", "R U2 F' z"}, QStringList{"R U3"},
              QStringList{"x y x' y'  y x y' x'"}}) {
            s.fake.modalRunner.scripts.push_back(Type(lines));
            Trigger(window, "mnuEditApplyTurns");
        }
        QCOMPARE(s.fake.modalRunner.titles, QStringList(3, "Apply Turns"));
        const QString bad = "“%1” at position %2 is not a turn. Nothing was applied.|%1";
        QCOMPARE(shown, (QStringList{bad.arg("U3").arg(3), bad.arg("(x)").arg(9), "|",
                                     bad.arg("U3").arg(3), "|"}));
        clsCube expected;
        start.Copy(expected);
        QVERIFY(!ApplyNotation("R U2 F' z", expected));
        QCOMPARE(ColorsOf(window.Cube()), ColorsOf(expected));
        QCOMPARE(ShownSquares(window), s.Expected());
        QCOMPARE(Child<QAction>(window, "mnuEditUndo").text(), "&Undo Apply Turns");
        Trigger(window, "mnuEditUndo");
        QCOMPARE(ColorsOf(window.Cube()), ColorsOf(start));
        QCOMPARE(Child<QAction>(window, "mnuEditUndo").text(), "&Undo Open Configuration");
    }

    // Like the Turn entries, only in edit mode.
    void solutionModeTurnsTheEntryOff() {
        Session s;
        frmTurnix& window = s.Start();
        s.Load(Scrambled(5));
        auto& entry = Child<QAction>(window, "mnuEditApplyTurns");
        Trigger(window, "mnuCubeSolve");
        QVERIFY(!entry.isEnabled());
        s.Button("cmdClear").click();
        QVERIFY(entry.isEnabled());
    }
};

QTEST_MAIN(EditingTest)
#include "test_Editing.moc"
