#include "TurnNotation.h"
#include "WindowTestSupport.h"

#include <QLabel>
#include <QtTest>

using namespace turnix;
using namespace turnix::test;

class frmApplyTurnsTest : public QObject {
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

QTEST_MAIN(frmApplyTurnsTest)
#include "test_frmApplyTurns.moc"
