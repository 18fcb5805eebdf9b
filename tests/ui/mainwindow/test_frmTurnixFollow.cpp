// Following a solution: stepping forward and back, the lists, the status
// bar, the keyboard shortcuts and the fewest-turns solve. The stress test
// checks the cube, the controls and the texts after every step.

#include "FollowTestSupport.h"
#include "dialogs/frmSolutionSteps.h"
#include "fewest/FewestTurns.h"

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

const QString Layer = "Layer by layer";
const QString Fewest = "Fewest turns";
const QString Previous = "Previous Steps";
const QString ToCompletion = "Steps to Completion";

// The cube after the steps.
CubeColors After(const clsCube& cube, const std::vector<std::int16_t>& codes) {
    clsCube copy;
    cube.Copy(copy);
    for (const std::int16_t code : codes) {
        ApplyStep(copy, code);
    }
    return ColorsOf(copy);
}

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
            QCOMPARE(
                ColorsOf(Window().Cube()),
                After(scrambled, {solution.codes.begin(),
                                  solution.codes.begin() + static_cast<std::ptrdiff_t>(done)}));
            QCOMPARE(Window().SolutionMode(), !finished);
            QCOMPARE(Window().Solver().Index(),
                     done < count ? solution.places.at(done) : solution.end);
            QVERIFY(done < count || IsSolved(Window().Cube()));
            reached.insert(done);
        }
        QVERIFY(reached.contains(0) && reached.contains(count) && returns > 0);
    }

    // Click, Enter and the keypad's Enter take turns, and the focus goes
    // back to its resting place; the lists show the steps done and those to
    // do. The press after the last step returns to edit mode with the list.
    void theStepsAreTakenByClickOrEnterAndListed() {
        Start();
        const clsCube scrambled = Scrambled(2024);
        const std::vector<std::int16_t> codes = LayerSolutionOf(scrambled).codes;
        s->Load(scrambled);
        QTest::keyClick(&Resting(), Qt::Key_Return);
        QCOMPARE(ColorsOf(Window().Cube()), ColorsOf(scrambled));
        Trigger(Window(), "mnuCubeSolve");
        QVERIFY(Text().text().isEmpty());
        QCOMPARE(Text().palette().color(QPalette::Base),
                 QApplication::palette(&Text()).color(QPalette::Active, QPalette::Base));
        QCOMPARE(ListOf(ToCompletion), Joined(codes, 0, codes.size()));
        clsCube expected;
        scrambled.Copy(expected);
        for (std::size_t done = 1; done <= codes.size(); ++done) {
            if (done % 3 == 0) {
                QTest::mouseClick(&Button("cmdOneStep"), Qt::LeftButton);
            } else {
                QTest::keyClick(&Resting(), done % 3 == 1 ? Qt::Key_Return : Qt::Key_Enter,
                                done % 3 == 1 ? Qt::NoModifier : Qt::KeypadModifier);
            }
            ApplyStep(expected, codes.at(done - 1));
            QCOMPARE(ColorsOf(Window().Cube()), ColorsOf(expected));
            QCOMPARE(Text().text(), Joined(codes, done - 1, done));
            QCOMPARE(Focused(), &Resting());
            if (done == 7) {
                QCOMPARE(ListOf(Previous), Joined(codes, 0, done));
                QCOMPARE(ListOf(ToCompletion), Joined(codes, done, codes.size()));
            }
        }
        Steps(1);
        QCOMPARE(Controls(Window()), EditFinishedList);
        QCOMPARE(Text().palette().color(QPalette::Base),
                 QApplication::palette(&Text()).color(QPalette::Inactive, QPalette::Window));
        QCOMPARE(ListOf(Previous), Joined(codes, 0, codes.size()));
        QVERIFY(s->fake.messageBoxes.shown.empty());
    }

    // Each attempt first writes "SaveLast.cub", whatever comes of it.
    void solvedAndUnsolvableCubesGiveTheirMessageAndStayInEditMode() {
        Start();
        const QString saveLast = s->folder.filePath("SaveLast.cub");
        Trigger(Window(), "ToolbarButton11");
        QCOMPARE(ReadBytes(saveLast), ReadBytes(s->Saved(clsCube())));
        // Ten squares of one colour, and a square of no colour.
        for (const std::int16_t colorIndex : {std::int16_t{0}, std::int16_t{7}}) {
            clsCube invalid = Scrambled(7);
            invalid.Side(side::Front).Square(0)->SetColorIndex(colorIndex);
            s->Load(invalid);
            Trigger(Window(), "mnuCubeSolve");
            QCOMPARE(ReadBytes(saveLast), ReadBytes(s->Saved(invalid)));
            QCOMPARE(ColorsOf(Window().Cube()), ColorsOf(invalid));
            QCOMPARE(Controls(Window()), EditNoSolution);
        }
        QCOMPARE(
            Messages(s->fake.messageBoxes),
            (QStringList{"!Turnix|Cube is already complete", "!Turnix|Invalid Cube Configuration",
                         "!Turnix|Invalid Cube Configuration"}));
    }

    // In solution mode, and with the list finished: the mode, both lists, the
    // cursor, the step text and the cube stay, and stepping goes on.
    void aCancelledOpenDialogKeepsTheSolution() {
        Start();
        const clsCube scrambled = Scrambled(5);
        const std::vector<std::int16_t> codes = LayerSolutionOf(scrambled).codes;
        s->Load(scrambled);
        Trigger(Window(), "mnuCubeSolve");
        Steps(2);
        QString before = Snapshot();
        s->Open(std::nullopt);
        QVERIFY(s->fake.fileDialogs.openAnswers.empty());
        QCOMPARE(Snapshot(), before);
        QVERIFY(Window().SolutionMode());

        Steps(1);
        QCOMPARE(ColorsOf(Window().Cube()),
                 After(scrambled, {codes.at(0), codes.at(1), codes.at(2)}));
        QCOMPARE(Text().text(), Joined(codes, 2, 3));

        Steps(codes.size() - 3 + 1);
        QCOMPARE(Controls(Window()), EditFinishedList);
        before = Snapshot();
        s->Open(std::nullopt);
        QCOMPARE(Snapshot(), before);
        QCOMPARE(ListOf(Previous), Joined(codes, 0, codes.size()));
    }

    // Exact texts at the start, in the middle and at the end, with %n for
    // the number of steps listed and %t for the words of the next one; in
    // edit mode the bar is empty. (The stress test checks it after every
    // action, in the form these rows pin.)
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
        QTest::newRow("fewest middle") << fewest << 5 << "Step 6 of %n " + next + "|" + Fewest;
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
        QVERIFY(Child<QAction>(Window(), "mnuEditUndo").isEnabled());

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
        const std::vector<std::int16_t> codes = ListedSteps();
        QVERIFY(!codes.empty() && codes.size() < LayerSolutionOf(scrambled).codes.size() / 3);
        Steps(codes.size());
        QVERIFY(IsSolved(Window().Cube()));

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
            QVERIFY(!Command(Window(), entry).isEnabled());
        }
        QTest::keyClick(&Resting(), Qt::Key_R);
        clsCube turned;
        Scrambled(12).Copy(turned);
        ApplyStep(turned, 9);
        QCOMPARE(ColorsOf(Window().Cube()), ColorsOf(turned));
        QTest::qWait(50);
        QVERIFY(!Window().SolutionMode());

        gate.release();
        QTRY_VERIFY_WITH_TIMEOUT(Window().SolutionMode(), TablesTimeoutMs);
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
    QPushButton& Button(const char* name) { return s->Button(name); }
    QLineEdit& Text() { return Child<QLineEdit>(Window(), "txtSolution"); }
    QLineEdit& Resting() { return s->Resting(); }
    void Steps(std::size_t count) { s->Steps(count); }

    // The window, active, with the fewest-turns tables built as given.
    void Start(std::function<void()> prepare = PrepareFewestTurnsTables) {
        s->window.emplace(s->fake.Services(), std::move(prepare));
        s->window->show();
        QVERIFY(QTest::qWaitForWindowActive(&Window()));
    }

    // Through the entry; a fewest-turns solve may first wait for its tables.
    void Solve(const QString& entry) {
        Trigger(Window(), entry);
        QTRY_COMPARE_WITH_TIMEOUT(QGuiApplication::overrideCursor(), nullptr, TablesTimeoutMs);
    }

    // The text a list button shows, checking the caption on the way.
    QString ListOf(const QString& caption) {
        QString steps;
        s->fake.modalRunner.scripts.push_back([&steps, caption](QDialog& dialog) {
            QCOMPARE(dialog.windowTitle(), caption);
            steps = static_cast<frmSolutionSteps&>(dialog).Steps();
        });
        Button(caption == Previous ? "cmdPreviousSteps" : "cmdStepsToCompletion").click();
        return steps;
    }

    std::vector<std::int16_t> ListedSteps() { return CodesOf(ListOf(ToCompletion)); }

    // The mode, the controls, the step text, the cursor, the cube and the
    // lists that can be shown.
    QString Snapshot() {
        QStringList state{Controls(Window()), Window().SolutionMode() ? "solving" : "editing",
                          Text().text(), QString::number(Window().Solver().Index()),
                          Encoded(EncodeConfiguration(Window().Cube())).toHex()};
        if (Button("cmdPreviousSteps").isEnabled()) {
            state << ListOf(Previous);
        }
        if (Button("cmdStepsToCompletion").isEnabled()) {
            state << ListOf(ToCompletion);
        }
        return state.join('|');
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
