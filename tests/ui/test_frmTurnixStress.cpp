// Thousands of random user actions on the main window, from a fixed seed,
// checked after every one against a cube and a mode kept here on the side.

#include "WindowTestSupport.h"
#include "frmSolutionSteps.h"

#include <QApplication>
#include <QtTest>
#include <set>

using namespace turnix;
using namespace turnix::test;

namespace {

constexpr int ActionCount = 20000;

enum class State { EditNoSolution, Solution, EditFinishedList };

const QStringList SideNames{"Top", "Bottom", "Front", "Back", "Left", "Right"};

class StressRun {
public:
    StressRun() {
        s.fake.system.installFolder = s.folder.path();
        for (const QByteArray& garbage :
             {QByteArray(), QByteArray(7, '\x02'), QByteArray(5000, '\xff'),
              QByteArray::fromHex("0700ffff00800500")}) {
            files << s.folder.filePath(QString("garbage%1.cub").arg(files.size()));
            WriteBytes(files.back(), garbage);
        }
        s.Start();
    }

    // How often the mix reached a solution, and the end of one.
    int solutionsStarted{0};
    int finishedSolutions{0};

    // Runs the actions; an empty result means every check held.
    QString Run() {
        struct Action {
            int weight;
            const char* name;
            void (StressRun::*perform)();
        };
        // Weighted: stepping through solutions dominates, as it does for a user.
        const std::array<Action, 13> actions{{
            {12, "turn", &StressRun::TurnSide},
            {4, "rotate", &StressRun::RotateCube},
            {8, "show", &StressRun::ShowSide},
            {6, "pick", &StressRun::PickColor},
            {3, "solve", &StressRun::Solve},
            {30, "one step", &StressRun::OneStep},
            {2, "previous steps", &StressRun::ListPrevious},
            {2, "steps to completion", &StressRun::ListToCompletion},
            {1, "clear", &StressRun::Clear},
            {1, "new", &StressRun::NewCube},
            {2, "open", &StressRun::Open},
            {2, "save", &StressRun::Save},
            {1, "define colors", &StressRun::DefineColors},
        }};
        int total = 0;
        for (const Action& action : actions) {
            total += action.weight;
        }
        for (int n = 0; n < ActionCount && failure.isEmpty(); ++n) {
            int pick = Uniform(0, total - 1);
            const Action* chosen = actions.data();
            while (pick >= chosen->weight) {
                pick -= chosen->weight;
                ++chosen;
            }
            (this->*chosen->perform)();
            Check(QString(" after action %1 (%2)").arg(n).arg(chosen->name));
        }
        return failure;
    }

private:
    frmTurnix& Window() { return *s.window; }
    int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }
    bool Chance(int percent) { return Uniform(1, 100) <= percent; }
    [[nodiscard]] bool Editing() const { return state != State::Solution; }

    void Fail(const QString& what) {
        if (failure.isEmpty()) {
            failure = what;
        }
    }

    // In solution mode the Turn and Rotate menus are disabled; Check()
    // proves it.
    void TurnSide() {
        if (Editing()) {
            const auto code = static_cast<std::int16_t>(Uniform(0, SideTurnCount - 1));
            static const QStringList groups{"Front", "Left", "Back", "Right", "Top", "Bottom"};
            static const QStringList kinds{"Clockwise", "Counterclockwise", "Twice"};
            Trigger(Window(), "mnuSideTurn" + groups.at(code / 3) + kinds.at(code % 3));
            ApplyStep(shadow, code);
        }
    }

    void RotateCube() {
        if (Editing()) {
            static const QStringList names{"Up", "Down", "Left", "Right"};
            const int k = Uniform(0, 3);
            Trigger(Window(), "mnuCubeRotate" + names.at(k));
            ApplyStep(shadow, static_cast<std::int16_t>(step::RotateUp + k));
        }
    }

    void ShowSide() {
        const int how = Uniform(0, 2);
        if (how == 0) {
            Trigger(Window(), "mnuSideShow" + SideNames.at(Uniform(0, 5)));
        } else if (how == 1) {
            Trigger(Window(), QString("ToolbarButton%1").arg(Uniform(4, 9)));
        } else {
            static const QStringList labels{"lblNorth", "lblSouth", "lblWest", "lblEast"};
            auto& label = Child<QLabel>(Window(), labels.at(Uniform(0, 3)));
            const QString named = label.text();
            QTest::mouseClick(&label, Qt::LeftButton);
            if (LabelText(Window(), "lblMain") != named + " Side") {
                Fail("label " + named + " brought up " + LabelText(Window(), "lblMain"));
            }
        }
    }

    void PickColor() {
        const int i = Uniform(0, 8);
        const QString swatch = QString("picColor%1").arg(Uniform(0, 5));
        const qsizetype dialogs = s.fake.modalRunner.titles.size();
        auto& square = Child<QPushButton>(Window(), QString("cmdColor%1").arg(i));
        if (!Editing()) {
            QTest::mousePress(&square, Qt::LeftButton);
            if (s.fake.modalRunner.titles.size() != dialogs) {
                Fail("a square took a pick during a solution");
            }
            return;
        }
        clsSquare& target =
            *shadow.Side(Window().CurrentSide()).Square(static_cast<std::int16_t>(i));
        const int how = Uniform(0, 3);
        if (how < 3) { // choose and confirm, double-click, or change one's mind
            s.fake.modalRunner.scripts.push_back([swatch, how](QDialog& dialog) {
                if (how == 1) {
                    DoubleClick(Child<QWidget>(dialog, swatch));
                    return;
                }
                Click(Child<QWidget>(dialog, swatch));
                Click(Child<QWidget>(dialog, how == 0 ? "cmdOK" : "cmdCancel"));
            });
        } // otherwise closed from its frame
        if (how < 2) {
            target.SetColorIndex(static_cast<std::int16_t>(swatch.back().digitValue()));
        }
        QTest::mousePress(&square, Qt::LeftButton);
    }

    void Solve() {
        const std::size_t messages = s.fake.messageBoxes.shown.size();
        Trigger(Window(), Chance(50) ? "mnuCubeSolve" : "ToolbarButton11");
        if (!Editing()) {
            return;
        }
        clsCube saved;
        if (ReadConfigurationFile(
                QFile::encodeName(s.folder.filePath("SaveLast.cub")).toStdString(), saved) != 54U ||
            ColorsOf(saved) != ColorsOf(shadow)) {
            Fail("SaveLast.cub does not hold the cube that was solved");
        }
        clsSolver solver;
        const bool solvable = solver.Solve(shadow);
        totalSteps = solvable ? static_cast<int>(SolutionOf(shadow).size()) : 0;
        stepsDone = 0;
        const std::size_t shown = s.fake.messageBoxes.shown.size();
        if (totalSteps == 0) {
            const QString text =
                solvable ? "Cube is already complete" : "Invalid Cube Configuration";
            if (shown != messages + 1 || s.fake.messageBoxes.shown.back().strText != text) {
                Fail("expected the message " + text);
            }
            state = State::EditNoSolution;
            return;
        }
        if (shown != messages) {
            Fail("a solvable cube gave a message");
        }
        ++solutionsStarted;
        state = State::Solution;
    }

    void OneStep() {
        const bool atEnd = Window().Solver().IsEOF();
        const std::int16_t code = Window().Solver().CurrentStep();
        if (Chance(50)) {
            QTest::mouseClick(&Child<QPushButton>(Window(), "cmdOneStep"), Qt::LeftButton);
        } else {
            // The user's Enter reaches the active window.
            Window().activateWindow();
            if (!QTest::qWaitForWindowActive(&Window())) {
                Fail("the main window could not be activated");
            }
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        }
        if (state != State::Solution) {
            return;
        }
        if (atEnd) {
            ++finishedSolutions;
            state = State::EditFinishedList;
            if (!IsSolved(shadow)) {
                Fail("a finished solution left the cube unsolved");
            }
            return;
        }
        ApplyStep(shadow, code);
        ++stepsDone;
    }

    void ListPrevious() {
        const bool enabled =
            (state == State::Solution && stepsDone > 0) || state == State::EditFinishedList;
        ListSteps("cmdPreviousSteps", enabled, state == State::Solution ? stepsDone : totalSteps);
    }

    void ListToCompletion() {
        const bool enabled = state == State::Solution && stepsDone < totalSteps;
        ListSteps("cmdStepsToCompletion", enabled, totalSteps - stepsDone);
    }

    void ListSteps(const QString& button, bool enabled, int expectedLines) {
        int lines = -1;
        if (enabled) {
            s.fake.modalRunner.scripts.push_back([&lines](QDialog& dialog) {
                lines = static_cast<int>(
                    static_cast<frmSolutionSteps&>(dialog).Steps().split("\r\n").size());
                Click(Child<QWidget>(dialog, "cmdClose"));
            });
        }
        const std::int16_t cursor = Window().Solver().Index();
        QTest::mouseClick(&Child<QPushButton>(Window(), button), Qt::LeftButton);
        if (enabled && lines != expectedLines) {
            Fail(QString("%1 listed %2 steps, not %3").arg(button).arg(lines).arg(expectedLines));
        }
        if (Window().Solver().Index() != cursor) {
            Fail(button + " moved the cursor");
        }
    }

    void Clear() {
        QTest::mouseClick(&Child<QPushButton>(Window(), "cmdClear"), Qt::LeftButton);
        state = State::EditNoSolution;
    }

    void NewCube() {
        Trigger(Window(), "mnuFileNewConfiguration");
        clsCube().Copy(shadow);
        state = State::EditNoSolution;
    }

    void Open() {
        if (Chance(20)) {
            s.Open(std::nullopt);
            return;
        }
        const QString path = files.at(Uniform(0, static_cast<int>(files.size()) - 1));
        s.Open(path);
        (void)ReadConfigurationFile(QFile::encodeName(path).toStdString(), shadow);
        state = State::EditNoSolution;
    }

    void Save() {
        const bool cancel = Chance(20);
        const QString path = s.folder.filePath(QString("saved%1.cub").arg(Uniform(0, 9)));
        s.fake.fileDialogs.saveAnswers.push_back(cancel ? std::nullopt : std::optional(path));
        const QByteArray before = ReadBytes(path);
        Trigger(Window(), Chance(50) ? "mnuFileSaveConfiguration" : "ToolbarButton2");
        const ConfigurationBytes bytes = EncodeConfiguration(shadow);
        const QByteArray expected = cancel ? before
                                           : QByteArray(reinterpret_cast<const char*>(bytes.data()),
                                                        static_cast<qsizetype>(bytes.size()));
        if (ReadBytes(path) != expected) {
            Fail("the saved file does not hold the cube");
        }
        if (!cancel && !files.contains(path)) {
            files << path;
        }
    }

    void DefineColors() {
        const int swatch = Uniform(0, 5);
        const QColor chosen(Uniform(0, 255), Uniform(0, 255), Uniform(0, 255));
        const int how = Uniform(0, 2);
        if (how == 0) {
            s.fake.modalRunner.scripts.push_back([](QDialog& dialog) {
                Click(Child<QWidget>(dialog, "cmdDefaults"));
                Click(Child<QWidget>(dialog, "cmdOK"));
            });
            colors = DefaultScreenColors;
        } else {
            const bool confirm = how == 1;
            s.fake.colorChooser.answers.push_back(chosen);
            s.fake.modalRunner.scripts.push_back([swatch, confirm](QDialog& dialog) {
                Click(Child<QWidget>(dialog, QString("picColor%1").arg(swatch)));
                Click(Child<QWidget>(dialog, confirm ? "cmdOK" : "cmdCancel"));
            });
            ColorScheme proposed = colors;
            proposed.at(static_cast<std::size_t>(swatch)) = FromQColor(chosen);
            const bool unique = std::set(proposed.begin(), proposed.end()).size() == 6;
            if (confirm && unique) {
                colors = proposed;
            }
            if (confirm && !unique) {
                ++expectedUniqueMessages;
            }
        }
        Trigger(Window(), "mnuCubeDefine");
    }

    void Check(const QString& where) {
        if (ColorsOf(Window().Cube()) != ColorsOf(shadow)) {
            Fail("the cube differs from the expected one" + where);
        }
        if (ShownSquares(Window()) != ExpectedSquares(shadow, Window().CurrentSide(), colors)) {
            Fail("the squares do not show the shown side in the current colours" + where);
        }
        if (Controls(Window()) != ExpectedControls() ||
            Window().SolutionMode() != (state == State::Solution)) {
            Fail("controls " + Controls(Window()) + " instead of " + ExpectedControls() + where);
        }
        if (!s.fake.modalRunner.scripts.empty() || !s.fake.fileDialogs.openAnswers.empty() ||
            !s.fake.fileDialogs.saveAnswers.empty() || !s.fake.colorChooser.answers.empty()) {
            Fail("a prepared answer was not used" + where);
        }
        const auto unique =
            std::count_if(s.fake.messageBoxes.shown.begin(), s.fake.messageBoxes.shown.end(),
                          [](const auto& message) {
                              return message.strText == "Error: All colors must be unique";
                          });
        if (unique != expectedUniqueMessages) {
            Fail("the uniqueness message count is wrong" + where);
        }
    }

    [[nodiscard]] QString ExpectedControls() const {
        switch (state) {
        case State::EditNoSolution:
            return EditNoSolution;
        case State::EditFinishedList:
            return EditFinishedList;
        case State::Solution:
            break;
        }
        return Stepping(stepsDone > 0, stepsDone < totalSteps);
    }

    std::mt19937 random{20261206};
    Session s;
    QStringList files;

    clsCube shadow;
    ColorScheme colors{DefaultScreenColors};
    State state{State::EditNoSolution};
    int stepsDone{0};
    int totalSteps{0};
    qsizetype expectedUniqueMessages{0};
    QString failure;
};

} // namespace

class TestFrmTurnixStress : public QObject {
    Q_OBJECT

private slots:
    void twentyThousandRandomActionsKeepTheWindowConsistent() {
        StressRun run;
        const QString failure = run.Run();
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        // The mix must keep reaching the interesting states.
        QVERIFY(run.solutionsStarted > 20);
        QVERIFY(run.finishedSolutions > 5);
        qInfo("%d solutions started, %d finished", run.solutionsStarted, run.finishedSolutions);
    }
};

QTEST_MAIN(TestFrmTurnixStress)
#include "test_frmTurnixStress.moc"
