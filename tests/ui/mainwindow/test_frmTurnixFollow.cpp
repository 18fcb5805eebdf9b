// Following a solution: the messages, the keyboard shortcuts and the
// fewest-turns solve. The stress test steps both ways through solutions and
// checks the cube, the controls, the lists and the texts after every step.

#include "FollowTestSupport.h"
#include "dialogs/frmSolutionSteps.h"
#include "fewest/FewestTurns.h"

#include <QApplication>
#include <QLineEdit>
#include <QSemaphore>
#include <QSignalSpy>
#include <QtTest>
#include <thread>

using namespace turnix;
using namespace turnix::test;

namespace {

const QString Previous = "Previous Steps";
const QString ToCompletion = "Steps to Completion";

} // namespace

class TestFrmTurnixFollow : public QObject {
    Q_OBJECT

private slots:
    void init() {
        s.emplace();
        s->fake.system.installFolder = s->folder.path();
    }

    void cleanup() { s.reset(); }

    // Each solver first writes "SaveLast.cub", whatever comes of it; a solved
    // cube and one with a square of no colour give their message and stay
    // in edit mode.
    void solvedAndUnsolvableCubesGiveTheirMessageAndStayInEditMode_data() {
        QTest::addColumn<QString>("entry");
        QTest::newRow("layers") << "mnuCubeSolve";
        QTest::newRow("fewest turns") << "mnuCubeSolveInFewestTurns";
    }

    void solvedAndUnsolvableCubesGiveTheirMessageAndStayInEditMode() {
        QFETCH(QString, entry);
        Start();
        const QString saveLast = s->folder.filePath("SaveLast.cub");
        Solve(entry);
        QCOMPARE(ReadBytes(saveLast), ReadBytes(s->Saved(clsCube())));
        clsCube invalid = Scrambled(7);
        invalid.Side(side::Front).Square(0)->SetColorIndex(7);
        s->Load(invalid);
        Solve(entry);
        QCOMPARE(ReadBytes(saveLast), ReadBytes(s->Saved(invalid)));
        QCOMPARE(ColorsOf(Window().Cube()), ColorsOf(invalid));
        QCOMPARE(Controls(Window()), EditNoSolution);
        QCOMPARE(Messages(s->fake.messageBoxes),
                 (QStringList{"!Turnix|Cube is already complete",
                              "!Turnix|Invalid Cube Configuration"}));
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

    // A list that solves the cube in far fewer steps than the layer
    // solver's.
    void aFewestTurnsSolveIsPresentedAsASolveIs() {
        Start();
        const clsCube scrambled = Scrambled(31);
        s->Load(scrambled);
        Solve("mnuCubeSolveInFewestTurns");
        const std::vector<std::int16_t> codes = ListedSteps();
        QVERIFY(!codes.empty() && codes.size() < LayerSolutionOf(scrambled).codes.size() / 3);
        Steps(codes.size());
        QVERIFY(IsSolved(Window().Cube()));
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
