#include "TurnNotation.h"
#include "WindowTestSupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QtTest>

using namespace turnix;
using namespace turnix::test;

namespace {

// Types each line into the dialog in turn and presses OK; returns what the
// dialog showed after each.
std::function<void(QDialog&)> Type(const QStringList& lines, QStringList& problems,
                                   QStringList& selections) {
    return [&, lines](QDialog& dialog) {
        dialog.show();
        auto& turns = Child<QLineEdit>(dialog, "txtTurns");
        for (const QString& line : lines) {
            turns.setText(line);
            Click(Child(dialog, "cmdOK"));
            const auto& problem = Child<QLabel>(dialog, "lblProblem");
            problems << (problem.isVisible() ? problem.text() : QString());
            selections << turns.selectedText();
        }
    };
}

clsCube After(const clsCube& start, const char* line) {
    clsCube cube;
    start.Copy(cube);
    static_cast<void>(ApplyNotation(line, cube));
    return cube;
}

} // namespace

class frmApplyTurnsTest : public QObject {
    Q_OBJECT

private slots:
    // The whole line is one step, undone at once; a bad token is named and
    // selected, and the dialog waits for a line that reads.
    void aLineOfTurnsIsOneUndoableEdit() {
        Session s;
        frmTurnix& window = s.Start();
        const clsCube start = Scrambled(4);
        s.Load(start);
        QStringList problems;
        QStringList selections;
        s.fake.modalRunner.scripts.push_back(
            Type({"R U3 F'", "R’ y U2 (x)", "R U2 F' z"}, problems, selections));
        Trigger(window, "mnuEditApplyTurns");
        QCOMPARE(s.fake.modalRunner.titles, QStringList{"Apply Turns"});
        QCOMPARE(problems,
                 (QStringList{"“U3” at position 3 is not a turn. Nothing was applied.",
                              "“(x)” at position 9 is not a turn. Nothing was applied.", ""}));
        QCOMPARE(selections, (QStringList{"U3", "(x)", ""}));
        QCOMPARE(ColorsOf(window.Cube()), ColorsOf(After(start, "R U2 F' z")));
        QCOMPARE(ShownSquares(window), s.Expected());
        QCOMPARE(Child<QAction>(window, "mnuEditUndo").text(), "&Undo Apply Turns");
        Trigger(window, "mnuEditUndo");
        QCOMPARE(ColorsOf(window.Cube()), ColorsOf(start));
    }

    // Cancel, or a line that leaves the cube as it was, is no step.
    void cancelOrNoChangeLeavesTheHistoryAlone() {
        Session s;
        frmTurnix& window = s.Start();
        QStringList problems;
        QStringList selections;
        s.fake.modalRunner.scripts.push_back(Type({"R U3"}, problems, selections));
        s.fake.modalRunner.scripts.push_back(Type({"x y x' y'  y x y' x'"}, problems, selections));
        Trigger(window, "mnuEditApplyTurns");
        Trigger(window, "mnuEditApplyTurns");
        QCOMPARE(ColorsOf(window.Cube()), ColorsOf(clsCube()));
        QVERIFY(!Child<QAction>(window, "mnuEditUndo").isEnabled());
    }

    // Like the Turn entries, only in edit mode.
    void solutionModeTurnsTheEntryOff() {
        Session s;
        frmTurnix& window = s.Start();
        s.Load(Scrambled(5));
        auto& entry = Child<QAction>(window, "mnuEditApplyTurns");
        QVERIFY(entry.isEnabled());
        Trigger(window, "mnuCubeSolve");
        QVERIFY(!entry.isEnabled());
        s.Button("cmdClear").click();
        QVERIFY(entry.isEnabled());
    }
};

QTEST_MAIN(frmApplyTurnsTest)
#include "test_frmApplyTurns.moc"
