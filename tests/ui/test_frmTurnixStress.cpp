// Thousands of random user actions on the main window, from a fixed seed,
// checked after every one against a cube and a mode kept here on the side.

#include "WindowTestSupport.h"
#include "clsSolver.h"
#include "frmSolutionSteps.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <random>
#include <set>

using namespace turnix;
using namespace turnix::test;

namespace {

constexpr int ActionCount = 20000;

enum class State { EditNoSolution, Solution, EditFinishedList };

const QStringList SideNames{"Top", "Bottom", "Front", "Back", "Left", "Right"};

bool IsSolved(const clsCube& cube) {
    for (std::int16_t s = 0; s < 6; ++s) {
        for (std::int16_t q = 0; q < 9; ++q) {
            if (cube.Side(s).Square(q)->ColorIndex() != cube.Side(s).Square(4)->ColorIndex()) {
                return false;
            }
        }
    }
    return true;
}

class StressRun {
public:
    StressRun() : random(20261206) {
        fake.system.installFolder = folder.path();
        AddGarbageFiles();
        window.emplace(fake.Services());
        window->show();
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
            for (const Action& action : actions) {
                if (pick < action.weight) {
                    (this->*action.perform)();
                    Check(QString("after action %1 (%2)").arg(n).arg(action.name));
                    break;
                }
                pick -= action.weight;
            }
        }
        return failure;
    }

private:
    int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }
    bool Chance(int percent) { return Uniform(1, 100) <= percent; }
    [[nodiscard]] bool Editing() const { return state != State::Solution; }

    void Fail(const QString& what) {
        if (failure.isEmpty()) {
            failure = what;
        }
    }

    void AddGarbageFiles() {
        const std::vector<QByteArray> contents{
            QByteArray(),
            QByteArray(7, '\x02'),
            QByteArray(5000, '\xff'),
            QByteArray::fromHex("0700ffff00800500"),
        };
        for (const QByteArray& content : contents) {
            const QString path = folder.filePath(QString("garbage%1.cub").arg(files.size()));
            WriteBytes(path, content);
            files << path;
        }
    }

    void TurnSide() {
        if (!Editing()) {
            return; // the Turn menu is disabled; Check() proves it
        }
        static const QStringList turns{"Clockwise", "Counterclockwise", "Twice"};
        const int s = Uniform(0, 5);
        const int kind = Uniform(0, 2);
        Trigger(*window, "mnuSideTurn" + SideNames[s] + turns[kind]);
        clsSide& turned = shadow.Side(static_cast<std::int16_t>(s));
        if (kind == 0) {
            turned.RotateClockwise();
        } else if (kind == 1) {
            turned.RotateCounterclockwise();
        } else {
            turned.RotateDouble();
        }
    }

    void RotateCube() {
        if (!Editing()) {
            return;
        }
        static const QStringList names{"Left", "Right", "Up", "Down"};
        const std::array<void (clsCube::*)() noexcept, 4> rotations{
            &clsCube::RotateLeft, &clsCube::RotateRight, &clsCube::RotateUp, &clsCube::RotateDown};
        const int k = Uniform(0, 3);
        Trigger(*window, "mnuCubeRotate" + names[k]);
        (shadow.*rotations[static_cast<std::size_t>(k)])();
    }

    void ShowSide() {
        const int how = Uniform(0, 2);
        if (how == 0) {
            Trigger(*window, "mnuSideShow" + SideNames[Uniform(0, 5)]);
        } else if (how == 1) {
            Trigger(*window, QString("ToolbarButton%1").arg(Uniform(4, 9)));
        } else {
            static const QStringList labels{"lblNorth", "lblSouth", "lblWest", "lblEast"};
            auto& label = Child<QLabel>(*window, labels[Uniform(0, 3)]);
            const QString named = label.text();
            QTest::mouseClick(&label, Qt::LeftButton);
            if (LabelText(*window, "lblMain") != named + " Side") {
                Fail("label " + named + " brought up " + LabelText(*window, "lblMain"));
            }
        }
    }

    void PickColor() {
        const int i = Uniform(0, 8);
        auto& square = Child<QPushButton>(*window, QString("cmdColor%1").arg(i));
        const qsizetype dialogs = fake.modalRunner.titles.size();
        if (!Editing()) {
            QTest::mousePress(&square, Qt::LeftButton);
            if (fake.modalRunner.titles.size() != dialogs) {
                Fail("a square took a pick during a solution");
            }
            return;
        }
        clsSquare& target =
            *shadow.Side(window->CurrentSide()).Square(static_cast<std::int16_t>(i));
        const int swatch = Uniform(0, 5);
        const QString swatchName = QString("picColor%1").arg(swatch);
        switch (Uniform(0, 3)) {
        case 0: // choose and confirm
            fake.modalRunner.scripts.push_back([swatchName](QDialog& dialog) {
                Click(Child<QWidget>(dialog, swatchName));
                Click(Child<QWidget>(dialog, "cmdOK"));
            });
            target.SetColorIndex(static_cast<std::int16_t>(swatch));
            break;
        case 1: // a double click chooses and confirms at once
            fake.modalRunner.scripts.push_back(
                [swatchName](QDialog& dialog) { DoubleClick(Child<QWidget>(dialog, swatchName)); });
            target.SetColorIndex(static_cast<std::int16_t>(swatch));
            break;
        case 2: // choose, then change one's mind
            fake.modalRunner.scripts.push_back([swatchName](QDialog& dialog) {
                Click(Child<QWidget>(dialog, swatchName));
                Click(Child<QWidget>(dialog, "cmdCancel"));
            });
            break;
        default: // closed from its frame
            break;
        }
        QTest::mousePress(&square, Qt::LeftButton);
    }

    void Solve() {
        const qsizetype messages = static_cast<qsizetype>(fake.messageBoxes.shown.size());
        Trigger(*window, Chance(50) ? "mnuCubeSolve" : "ToolbarButton11");
        if (!Editing()) {
            return;
        }
        clsCube saved;
        if (ReadConfigurationFile(QFile::encodeName(folder.filePath("SaveLast.cub")).toStdString(),
                                  saved) != 54U ||
            ColorsOf(saved) != ColorsOf(shadow)) {
            Fail("SaveLast.cub does not hold the cube that was solved");
        }
        clsSolver solver;
        const bool solvable = solver.Solve(shadow);
        std::int16_t steps = 0;
        for (solver.MoveFirst(); solvable && !solver.IsEOF(); solver.MoveNext()) {
            ++steps;
        }
        const qsizetype shown = static_cast<qsizetype>(fake.messageBoxes.shown.size());
        if (!solvable || steps == 0) {
            const QString text =
                solvable ? "Cube is already complete" : "Invalid Cube Configuration";
            if (shown != messages + 1 || fake.messageBoxes.shown.back().strText != text) {
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
        stepsDone = 0;
        totalSteps = steps;
    }

    void OneStep() {
        const bool atEnd = window->Solver().IsEOF();
        const std::int16_t code = window->Solver().CurrentStep();
        if (Chance(50)) {
            QTest::mouseClick(&Child<QPushButton>(*window, "cmdOneStep"), Qt::LeftButton);
        } else {
            // The user's Enter reaches the active window.
            window->activateWindow();
            if (!QTest::qWaitForWindowActive(&*window)) {
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
            fake.modalRunner.scripts.push_back([&lines](QDialog& dialog) {
                const QString steps = static_cast<frmSolutionSteps&>(dialog).Steps();
                lines = steps.isEmpty() ? 0 : static_cast<int>(steps.count("\r\n")) + 1;
                Click(Child<QWidget>(dialog, "cmdClose"));
            });
        }
        const std::int16_t cursor = window->Solver().Index();
        QTest::mouseClick(&Child<QPushButton>(*window, button), Qt::LeftButton);
        if (enabled && lines != expectedLines) {
            Fail(QString("%1 listed %2 steps, not %3").arg(button).arg(lines).arg(expectedLines));
        }
        if (window->Solver().Index() != cursor) {
            Fail(button + " moved the cursor");
        }
    }

    void Clear() {
        QTest::mouseClick(&Child<QPushButton>(*window, "cmdClear"), Qt::LeftButton);
        state = State::EditNoSolution;
    }

    void NewCube() {
        Trigger(*window, "mnuFileNewConfiguration");
        clsCube().Copy(shadow);
        state = State::EditNoSolution;
    }

    void Open() {
        if (Chance(20)) {
            fake.fileDialogs.openAnswers.push_back(std::nullopt);
            Trigger(*window, "mnuFileOpenConfiguration");
            return;
        }
        const QString path = files[Uniform(0, static_cast<int>(files.size()) - 1)];
        fake.fileDialogs.openAnswers.push_back(path);
        Trigger(*window, "mnuFileOpenConfiguration");
        (void)ReadConfigurationFile(QFile::encodeName(path).toStdString(), shadow);
        state = State::EditNoSolution;
    }

    void Save() {
        if (Chance(20)) {
            fake.fileDialogs.saveAnswers.push_back(std::nullopt);
            Trigger(*window, "mnuFileSaveConfiguration");
            return;
        }
        const QString path = folder.filePath(QString("saved%1.cub").arg(Uniform(0, 9)));
        fake.fileDialogs.saveAnswers.push_back(path);
        Trigger(*window, Chance(50) ? "mnuFileSaveConfiguration" : "ToolbarButton2");
        const ConfigurationBytes expected = EncodeConfiguration(shadow);
        if (ReadBytes(path) != QByteArray(reinterpret_cast<const char*>(expected.data()),
                                          static_cast<qsizetype>(expected.size()))) {
            Fail("the saved file does not hold the cube");
        }
        if (!files.contains(path)) {
            files << path;
        }
    }

    void DefineColors() {
        const int swatch = Uniform(0, 5);
        const QColor chosen(Uniform(0, 255), Uniform(0, 255), Uniform(0, 255));
        const int how = Uniform(0, 2);
        if (how == 0) {
            fake.modalRunner.scripts.push_back([](QDialog& dialog) {
                Click(Child<QWidget>(dialog, "cmdDefaults"));
                Click(Child<QWidget>(dialog, "cmdOK"));
            });
            colors = DefaultScreenColors;
        } else {
            fake.colorChooser.answers.push_back(chosen);
            const QString swatchName = QString("picColor%1").arg(swatch);
            const bool confirm = how == 1;
            fake.modalRunner.scripts.push_back([swatchName, confirm](QDialog& dialog) {
                Click(Child<QWidget>(dialog, swatchName));
                Click(Child<QWidget>(dialog, confirm ? "cmdOK" : "cmdCancel"));
            });
            ColorScheme proposed = colors;
            proposed.at(static_cast<std::size_t>(swatch)) = FromQColor(chosen);
            const bool unique = std::set<ScreenColor>(proposed.begin(), proposed.end()).size() == 6;
            if (confirm && unique) {
                colors = proposed;
            }
            if (confirm && !unique) {
                ++expectedUniqueMessages;
            }
        }
        Trigger(*window, "mnuCubeDefine");
    }

    void Check(const QString& after) {
        const QString where = " " + after;
        if (ColorsOf(window->Cube()) != ColorsOf(shadow)) {
            Fail("the cube differs from the expected one" + where);
        }
        if (ShownTags(*window) != TagsOf(shadow, window->CurrentSide())) {
            Fail("the squares do not show the shown side" + where);
        }
        const QList<QColor> shown = ShownColors(*window);
        for (std::int16_t q = 0; q < 9; ++q) {
            const std::int16_t index = shadow.Side(window->CurrentSide()).Square(q)->ColorIndex();
            const QColor expected = index >= 0 && index <= 5
                                        ? ToQColor(colors.at(static_cast<std::size_t>(index)))
                                        : NeutralSquareColor;
            if (shown.at(q) != expected) {
                Fail(QString("square %1 has the wrong colour").arg(q) + where);
            }
        }
        if (window->Colors() != colors) {
            Fail("the colour scheme differs" + where);
        }
        if (Controls(*window) != ExpectedControls()) {
            Fail("controls " + Controls(*window) + " instead of " + ExpectedControls() + where);
        }
        if (window->SolutionMode() != (state == State::Solution)) {
            Fail("the window is in the wrong mode" + where);
        }
        if (!fake.modalRunner.scripts.empty() || !fake.fileDialogs.openAnswers.empty() ||
            !fake.fileDialogs.saveAnswers.empty() || !fake.colorChooser.answers.empty()) {
            Fail("a prepared answer was not used" + where);
        }
        const auto unique =
            std::count_if(fake.messageBoxes.shown.begin(), fake.messageBoxes.shown.end(),
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

    std::mt19937 random;
    QTemporaryDir folder;
    FakePlatform fake;
    std::optional<frmTurnix> window;
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
