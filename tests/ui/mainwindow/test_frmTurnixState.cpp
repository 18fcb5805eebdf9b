// Where the user left off comes back at the next start: the cube, its
// history, the solution and the step reached, the side and the window.

#include "Facelets.h"
#include "FollowTestSupport.h"
#include "session/StateFile.h"

#include <QUndoStack>
#include <QtTest>

using namespace turnix;
using namespace turnix::test;

class TestFrmTurnixState : public QObject {
    Q_OBJECT

private slots:
    void init() {
        s.emplace();
        s->fake.system.stateFolder = s->folder.filePath("state");
        Start();
    }

    void cleanup() { s.reset(); }

    // Undo and Redo work across the restart; each change is written soon
    // after it is made, before any Exit.
    void theCubeItsHistoryAndTheSideComeBack() {
        const clsCube scrambled = Scrambled(21);
        s->fake.clipboard.text = QString::fromStdString(FaceletString(scrambled));
        Trigger(Window(), "mnuEditPasteFacelets");
        Trigger(Window(), "mnuSideTurnTopClockwise");
        Trigger(Window(), "mnuSideShowLeft");
        Trigger(Window(), "mnuEditUndo");
        QTRY_VERIFY(Kept() && Kept()->cube == ColorValuesOf(scrambled));

        Restart();
        QCOMPARE(ColorsOf(Window().Cube()), ColorsOf(scrambled));
        QCOMPARE(Window().CurrentSide(), side::Left);
        QCOMPARE(ShownSquares(Window()), s->Expected());
        QCOMPARE(Child<QAction>(Window(), "mnuEditRedo").text(),
                 QString("&Redo Turn Top Side Clockwise"));
        Trigger(Window(), "mnuEditRedo");
        clsCube turned;
        scrambled.Copy(turned);
        turned.Side(side::Top).RotateClockwise();
        QCOMPARE(ColorsOf(Window().Cube()), ColorsOf(turned));
        Trigger(Window(), "mnuEditUndo");
        Trigger(Window(), "mnuEditUndo");
        QCOMPARE(ColorsOf(Window().Cube()), ColorsOf(clsCube()));
    }

    // The list goes on from the step reached; a finished list can still be
    // viewed; a list found elsewhere comes back as plain turns.
    void theSolutionAndTheStepReachedComeBack_data() {
        QTest::addColumn<int>("done");
        QTest::addColumn<bool>("finished");
        QTest::newRow("before the first step") << 0 << false;
        QTest::newRow("three steps made") << 3 << false;
        QTest::newRow("the finished list") << -1 << true;
    }

    void theSolutionAndTheStepReachedComeBack() {
        QFETCH(int, done);
        QFETCH(bool, finished);
        const clsCube scrambled = Scrambled(8);
        s->Load(scrambled);
        Trigger(Window(), "mnuCubeSolve");
        const std::vector<std::int16_t> codes = LayerSolutionOf(scrambled).codes;
        const auto made = finished ? codes.size() : static_cast<std::size_t>(done);
        s->Steps(made + (finished ? 1 : 0));
        const QString controls = Controls(Window());
        const QString status = StatusBar(Window());
        const QString stepText = Child<QLineEdit>(Window(), "txtSolution").text();

        Restart();
        QCOMPARE(Controls(Window()), controls);
        QCOMPARE(StatusBar(Window()), status);
        QCOMPARE(Child<QLineEdit>(Window(), "txtSolution").text(), stepText);
        if (finished) {
            Trigger(Window(), "mnuCubeStepBack");
            QVERIFY(Window().SolutionMode());
            s->Steps(1);
        } else {
            s->Steps(codes.size() - made);
        }
        QCOMPARE(ColorsOf(Window().Cube()), ColorsOf(clsCube()));
    }

    // A list that no longer solves the cube is dropped.
    void aListFoundElsewhereComesBackAsPlainTurns() {
        const std::vector<std::int16_t> codes{12, 0, 7};
        clsCube cube; // the first step made
        ApplyStep(cube, InverseStep(codes.at(2)));
        ApplyStep(cube, InverseStep(codes.at(1)));
        SessionState state;
        state.cube = ColorValuesOf(cube);
        state.solution = SessionSolution{true, codes, 1, true, true};
        StartWith(state);
        QCOMPARE(Controls(Window()), ModeControls(false, true, true));
        s->Steps(2);
        QCOMPARE(ColorsOf(Window().Cube()), ColorsOf(clsCube()));
        QCOMPARE(StatusBar(Window()), ExpectedStatus(codes, {}, 3, "Fewest turns"));

        state.solution->codes.back() = 8; // no longer solves it
        StartWith(state);
        QCOMPARE(Controls(Window()), EditNoSolution);
    }

    // Put back where it was, maximised or not; a place on no screen is
    // moved onto the screen, and made small enough to fit it.
    void theWindowComesBackInItsPlaceOnTheScreen() {
        const QRect place(4, 40, 1000, 460);
        Window().setGeometry(place);
        Restart();
        QCOMPARE(Window().geometry(), place);

        Window().showMaximized();
        QTRY_VERIFY(Window().isMaximized());
        Restart();
        QVERIFY(Window().isMaximized());
        Window().showNormal();
        QTRY_COMPARE(Window().geometry(), place);

        SessionState far;
        far.window = SessionWindow{QRect(5000, -3000, 4000, 3000), false};
        StartWith(far);
        QVERIFY(Window().screen()->availableGeometry().contains(Window().frameGeometry()));
    }

private:
    frmTurnix& Window() { return *s->window; }

    std::optional<SessionState> Kept() { return StateFile(s->fake.system.stateFolder).Load(); }

    void Start() { QVERIFY(QTest::qWaitForWindowExposed(&s->Start())); }

    // A new start from a state written by hand.
    void StartWith(const SessionState& state) {
        Window().close();
        s->window.reset();
        QVERIFY(StateFile(s->fake.system.stateFolder).Save(state));
        Start();
    }

    // Exit, then a new start on the same services.
    void Restart() {
        Trigger(Window(), "mnuFileExit");
        s->window.reset();
        Start();
    }

    std::optional<Session> s;
};

QTEST_MAIN(TestFrmTurnixState)
#include "test_frmTurnixState.moc"
