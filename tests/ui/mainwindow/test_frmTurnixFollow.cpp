// Following a solution: stepping back, the status bar, the keyboard
// shortcuts and the fewest-turns solve.

#include "FewestTurns.h"
#include "FollowTestSupport.h"
#include "dialogs/frmSolutionSteps.h"

#include <QApplication>
#include <QLineEdit>
#include <QSemaphore>
#include <QSignalSpy>
#include <QtTest>
#include <set>
#include <thread>

using namespace turnix;
using namespace turnix::test;

namespace {

QWidget* Focused() {
    return QApplication::focusWidget();
}

const QString Layer = "Layer by layer";
const QString Fewest = "Fewest turns";

} // namespace

class TestFrmTurnixFollow : public QObject {
    Q_OBJECT

private slots:
    void init() {
        s.emplace();
        s->fake.system.installFolder = s->folder.path();
    }

    void cleanup() { s.reset(); }

    // Forward by One Step or Enter, back by the menu, the toolbar or
    // Backspace, against the cube that the steps made so far give and the
    // solver's own places of the steps. One press past the last step returns
    // to edit mode; stepping back from there goes on from the last step.
    // (The stress test checks the controls and texts on the way.)
    void aRandomWalkBothWaysFollowsTheList() {
        Start();
        const clsCube scrambled = Scrambled(2024);
        const LayerSolution solution = LayerSolutionOf(scrambled);
        const std::size_t count = solution.codes.size();
        s->Load(scrambled);
        Trigger(Window(), "mnuCubeSolve");
        std::mt19937 random(99);
        std::size_t done = 0;
        bool finished = false;
        int returns = 0;
        std::set<std::size_t> reached;
        for (int n = 0; n < 600 && !QTest::currentTestFailed(); ++n) {
            const auto how = random() % 3;
            if (random() % 4 != 0) {
                how == 0 ? Button("cmdOneStep").click()
                         : QTest::keyClick(&Resting(), Qt::Key_Return);
                finished = finished || done == count;
                done = std::min(done + 1, count);
            } else {
                how == 0   ? Trigger(Window(), "mnuCubeStepBack")
                : how == 1 ? Trigger(Window(), "ToolbarButton12")
                           : QTest::keyClick(&Resting(), Qt::Key_Backspace);
                returns += finished ? 1 : 0;
                finished = false;
                done -= done > 0 ? 1 : 0;
            }
            clsCube expected;
            scrambled.Copy(expected);
            for (std::size_t i = 0; i < done; ++i) {
                ApplyStep(expected, solution.codes.at(i));
            }
            QCOMPARE(ColorsOf(Window().Cube()), ColorsOf(expected));
            QCOMPARE(Window().SolutionMode(), !finished);
            QCOMPARE(Window().Solver().Index(),
                     done < count ? solution.places.at(done) : solution.end);
            QVERIFY(done < count || IsSolved(Window().Cube()));
            reached.insert(done);
        }
        QVERIFY(reached.contains(0) && reached.contains(count) && returns > 0);
    }

    // Exact texts at the start, in the middle and at the end, for both
    // solvers, with %n for the number of steps listed and %t for the words
    // of the next one; in edit mode the bar is empty.
    void theStatusBarTellsTheStepTheStageAndTheSolver_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("steps"); // -1 all of them, -2 one press more
        QTest::addColumn<QString>("status");
        const QString layer = "mnuCubeSolve";
        const QString fewest = "mnuCubeSolveInFewestTurns";
        const QString next = "\u2014 next: %t|";
        QTest::newRow("layer start") << layer << 0 << "Step 1 of %n " + next + "Top edges|" + Layer;
        QTest::newRow("layer middle")
            << layer << 60 << "Step 61 of %n " + next + "Bottom corners|" + Layer;
        QTest::newRow("layer end") << layer << -1 << "Solved in %n steps||" + Layer;
        QTest::newRow("layer edit") << layer << -2 << "||";
        QTest::newRow("fewest start") << fewest << 0 << "Step 1 of %n " + next + "|" + Fewest;
        QTest::newRow("fewest middle") << fewest << 5 << "Step 6 of %n " + next + "|" + Fewest;
        QTest::newRow("fewest end") << fewest << -1 << "Solved in %n steps||" + Fewest;
        QTest::newRow("fewest edit") << fewest << -2 << "||";
    }

    void theStatusBarTellsTheStepTheStageAndTheSolver() {
        QFETCH(QString, entry);
        QFETCH(int, steps);
        QFETCH(QString, status);
        Start();
        QCOMPARE(StatusBar(Window()), QString("||"));
        s->Load(Scrambled(2024));
        Solve(entry);
        const std::vector<std::int16_t> codes = ListedSteps();
        const std::size_t done = steps >= 0 ? std::size_t(steps) : codes.size();
        Steps(done + (steps == -2 ? 1 : 0));
        status.replace("%n", QString::number(codes.size()));
        if (done < codes.size()) {
            status.replace("%t", QString::fromUtf8(StepText(codes.at(done))));
        }
        QCOMPARE(StatusBar(Window()), status);
    }

    // Each notation letter does what its menu entry does, and the entry
    // shows it; in solution mode and under a dialog nothing happens.
    void theNotationLettersTurnSidesInEditModeOnly_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("code");
        const QStringList letters{"F", "L", "B", "R", "U", "D"};
        for (int side = 0; side < 6; ++side) {
            for (const bool shift : {false, true}) {
                const QString keys = (shift ? "Shift+" : "") + letters.at(side);
                QTest::newRow(qPrintable(keys)) << keys << 3 * side + (shift ? 1 : 0);
            }
        }
    }

    void theNotationLettersTurnSidesInEditModeOnly() {
        QFETCH(QString, keys);
        QFETCH(int, code);
        Start();
        const auto shortcut = QKeySequence(keys);
        const auto press = [&shortcut](QWidget* target) {
            QTest::keySequence(target, shortcut);
        };
        QCOMPARE(Child<QAction>(Window(), CommandName(std::int16_t(code))).shortcut(), shortcut);
        clsCube expected;
        ApplyStep(expected, std::int16_t(code));
        press(&Resting());
        QCOMPARE(ColorsOf(Window().Cube()), ColorsOf(expected));

        // About is open: the key goes to it, or even to the window below.
        s->fake.modalRunner.scripts.push_back([press](QDialog& dialog) {
            ShowModal(dialog);
            press(Focused());
            press(&Child<QLineEdit>(*dialog.parentWidget(), "txtDummy"));
        });
        Trigger(Window(), "mnuHelpAbout");
        QCOMPARE(ColorsOf(Window().Cube()), ColorsOf(expected));

        Window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&Window()));
        Trigger(Window(), "mnuCubeSolve");
        QVERIFY(!Child<QAction>(Window(), CommandName(std::int16_t(code))).isEnabled());
        press(&Resting());
        QCOMPARE(ColorsOf(Window().Cube()), ColorsOf(expected));
        QCOMPARE(s->fake.modalRunner.titles, QStringList{"About Turnix"});
    }

    void theFileAndHelpKeysTriggerTheirEntries_data() {
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QString>("entry");
        QTest::newRow("new") << QKeySequence(QKeySequence::New) << "mnuFileNewConfiguration";
        QTest::newRow("open") << QKeySequence(QKeySequence::Open) << "mnuFileOpenConfiguration";
        QTest::newRow("save") << QKeySequence(QKeySequence::Save) << "mnuFileSaveConfiguration";
        QTest::newRow("help") << QKeySequence(QKeySequence::HelpContents) << "mnuHelpInstructions";
    }

    void theFileAndHelpKeysTriggerTheirEntries() {
        QFETCH(QKeySequence, keys);
        QFETCH(QString, entry);
        WriteBytes(s->folder.filePath("Instructions.rtf"), "{\\rtf1 Guide}");
        Start();
        QSignalSpy triggered(&Child<QAction>(Window(), entry), &QAction::triggered);
        QTest::keySequence(&Resting(), keys);
        QCOMPARE(triggered.count(), 1);
    }

    // In the hidden resting place, in the step text, on a button or a label;
    // never from a dialog.
    void backspaceStepsBackWhereverTheFocusIsInTheWindow() {
        Start();
        const clsCube scrambled = Scrambled(8);
        s->Load(scrambled);
        Trigger(Window(), "mnuCubeSolve");
        Steps(5);
        const auto stepsDone = [this] {
            return StatusBar(Window()).section(' ', 1, 1).toInt() - 1;
        };
        int done = 5;
        for (const char* name : {"txtDummy", "txtSolution", "cmdClear", "lblNorth"}) {
            QWidget& place = Child(Window(), name);
            place.setFocus(Qt::TabFocusReason);
            QCOMPARE(Focused(), &place);
            QTest::keyClick(&place, Qt::Key_Backspace);
            QCOMPARE(stepsDone(), --done);
        }
        QVERIFY(Window().SolutionMode());

        s->fake.modalRunner.scripts.push_back([](QDialog& dialog) {
            ShowModal(dialog);
            QTest::keyClick(Focused(), Qt::Key_Backspace);
            QTest::keyClick(&Child<QLineEdit>(*dialog.parentWidget(), "txtDummy"),
                            Qt::Key_Backspace);
        });
        Button("cmdPreviousSteps").click();
        QCOMPARE(stepsDone(), done);
    }

    // "SaveLast.cub" first, then the list, which solves the cube in far
    // fewer steps than the layer solver's; the same messages as Solve.
    void aFewestTurnsSolveIsPresentedAsASolveIs() {
        Start();
        const QString saveLast = s->folder.filePath("SaveLast.cub");
        const clsCube scrambled = Scrambled(31);
        s->Load(scrambled);
        Solve("mnuCubeSolveInFewestTurns");
        QCOMPARE(ReadBytes(saveLast), ReadBytes(s->Saved(scrambled)));
        QCOMPARE(Controls(Window()), ModeControls(false, false, true));
        QVERIFY(!Child<QAction>(Window(), "mnuCubeSolveInFewestTurns").isEnabled());
        const std::vector<std::int16_t> codes = ListedSteps();
        QVERIFY(!codes.empty() && codes.size() < SolutionOf(scrambled).size() / 3);
        Steps(codes.size());
        QVERIFY(IsSolved(Window().Cube()));
        QCOMPARE(StatusBar(Window()),
                 QString("Solved in %1 steps||%2").arg(codes.size()).arg(Fewest));

        // From the finished list: a solved cube, then one that cannot be.
        Steps(1);
        Solve("mnuCubeSolveInFewestTurns");
        clsCube invalid = Scrambled(7);
        invalid.Side(side::Front).Square(0)->SetColorIndex(0);
        s->Load(invalid);
        Solve("mnuCubeSolveInFewestTurns");
        QCOMPARE(ReadBytes(saveLast), ReadBytes(s->Saved(invalid)));
        QCOMPARE(Controls(Window()), EditNoSolution);
        QCOMPARE(Messages(s->fake.messageBoxes),
                 (QStringList{"!Turnix|Cube is already complete",
                              "!Turnix|Invalid Cube Configuration"}));
    }

    // Until the tables are built: a busy cursor, no second solve, and a
    // window that still turns the cube, which is then solved as it stands.
    void aSolveBeforeTheTablesAreReadyWaitsUnderABusyCursor() {
        QSemaphore gate;
        // Never leave the worker, and so the window's end, waiting, and let
        // both end before the gate does.
        const auto opened = qScopeGuard([this, &gate] {
            gate.release();
            s->window.reset();
        });
        Start([&gate] {
            gate.acquire();
            PrepareFewestTurnsTables();
        });
        s->Load(Scrambled(12));
        Trigger(Window(), "mnuCubeSolveInFewestTurns");
        QVERIFY(QGuiApplication::overrideCursor() != nullptr);
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        for (const char* entry : {"mnuCubeSolve", "mnuCubeSolveInFewestTurns", "ToolbarButton11"}) {
            QVERIFY(!Child<QAction>(Window(), entry).isEnabled());
        }
        QTest::keyClick(&Resting(), Qt::Key_R);
        clsCube turned;
        Scrambled(12).Copy(turned);
        ApplyStep(turned, 9);
        QCOMPARE(ColorsOf(Window().Cube()), ColorsOf(turned));
        QTest::qWait(50);
        QVERIFY(!Window().SolutionMode());

        gate.release();
        QTRY_VERIFY(Window().SolutionMode());
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
        QCOMPARE(ReadBytes(s->folder.filePath("SaveLast.cub")), ReadBytes(s->Saved(turned)));
        Steps(StatusBar(Window()).section(' ', 3, 3).toUInt());
        QVERIFY(IsSolved(Window().Cube()));
        QVERIFY(s->fake.messageBoxes.shown.empty());
    }

    void closingWhileTheTablesAreBuiltNeitherCrashesNorHangs() {
        Start([] { std::this_thread::sleep_for(std::chrono::milliseconds(300)); });
        s->Load(Scrambled(13));
        Trigger(Window(), "mnuCubeSolveInFewestTurns");
        QVERIFY(QGuiApplication::overrideCursor() != nullptr);
        Trigger(Window(), "mnuFileExit");
        s->window.reset();
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    }

private:
    frmTurnix& Window() { return *s->window; }
    QPushButton& Button(const char* name) { return Child<QPushButton>(Window(), name); }
    QLineEdit& Text() { return Child<QLineEdit>(Window(), "txtSolution"); }
    QLineEdit& Resting() { return Child<QLineEdit>(Window(), "txtDummy"); }

    // The window, active, with the fewest-turns tables built as given.
    void Start(std::function<void()> prepare = PrepareFewestTurnsTables) {
        s->window.emplace(s->fake.Services(), std::move(prepare));
        s->window->show();
        QVERIFY(QTest::qWaitForWindowActive(&Window()));
    }

    // Through the entry; a fewest-turns solve may first wait for its tables.
    void Solve(const QString& entry) {
        Trigger(Window(), entry);
        QTRY_COMPARE(QGuiApplication::overrideCursor(), nullptr);
    }

    // The steps that "Steps to Completion" lists.
    std::vector<std::int16_t> ListedSteps() {
        QString listed;
        s->fake.modalRunner.scripts.push_back([&listed](QDialog& dialog) {
            listed = static_cast<frmSolutionSteps&>(dialog).Steps();
        });
        Button("cmdStepsToCompletion").click();
        return CodesOf(listed);
    }

    void Steps(std::size_t count) {
        for (std::size_t i = 0; i < count; ++i) {
            Button("cmdOneStep").click();
        }
    }

    // As QDialog::exec shows a dialog: modal, active, with the focus.
    static void ShowModal(QDialog& dialog) {
        dialog.setWindowModality(Qt::ApplicationModal);
        dialog.show();
        dialog.activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), &dialog);
        QVERIFY(Focused() != nullptr && Focused()->window() == &dialog);
    }

    std::optional<Session> s;
};

QTEST_MAIN(TestFrmTurnixFollow)
#include "test_frmTurnixFollow.moc"
