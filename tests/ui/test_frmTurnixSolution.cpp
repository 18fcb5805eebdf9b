#include "WindowTestSupport.h"
#include "clsSolver.h"
#include "frmSolutionSteps.h"

#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>
#include <random>

using namespace turnix;
using namespace turnix::test;

namespace {

QString Joined(const std::vector<std::int16_t>& codes, std::size_t from, std::size_t to) {
    QStringList texts;
    for (std::size_t i = from; i < to; ++i) {
        texts << Description(codes.at(i));
    }
    return texts.join("\r\n");
}

// A cube reached by random turns, so the solver always finds a solution.
void RandomScramble(clsCube& cube, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> code(0, SideTurnCount - 1);
    for (int i = 0; i < 30; ++i) {
        ApplyStep(cube, static_cast<std::int16_t>(code(random)));
    }
}

std::vector<std::int16_t> SolutionOf(const clsCube& cube) {
    clsSolver solver;
    std::vector<std::int16_t> codes;
    if (solver.Solve(cube)) {
        for (solver.MoveFirst(); !solver.IsEOF(); solver.MoveNext()) {
            codes.push_back(solver.CurrentStep());
        }
    }
    return codes;
}

// One corner turned in place, or one edge flipped: a cube no turning solves.
void TwistFrontTopLeftCorner(clsCube& cube) {
    clsSquare& front = *cube.Side(side::Front).Square(0);
    clsSquare& top = *cube.Side(side::Front).NorthWestPtrToNorth();
    clsSquare& left = *cube.Side(side::Front).NorthWestPtrToWest();
    const std::int16_t kept = front.ColorIndex();
    front.SetColorIndex(left.ColorIndex());
    left.SetColorIndex(top.ColorIndex());
    top.SetColorIndex(kept);
}

void FlipFrontTopEdge(clsCube& cube) {
    clsSquare& front = *cube.Side(side::Front).Square(1);
    clsSquare& top = *cube.Side(side::Front).NorthPtr();
    const std::int16_t kept = front.ColorIndex();
    front.SetColorIndex(top.ColorIndex());
    top.SetColorIndex(kept);
}

bool HasNoStepList(const clsSolver& solver) {
    return solver.IsBOF() && solver.IsEOF();
}

} // namespace

class TestFrmTurnixSolution : public QObject {
    Q_OBJECT

private slots:
    void init() {
        folder.emplace();
        QVERIFY(folder->isValid());
        fake.emplace();
        fake->system.installFolder = folder->path();
        window.emplace(fake->Services());
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(&*window));
    }

    void cleanup() {
        window.reset();
        fake.reset();
        folder.reset();
    }

    void theWholeCycleReplaysTheSolverStepsUntilTheCubeIsSolved() {
        clsCube scrambled;
        RandomScramble(scrambled, 2024);
        LoadScrambled(scrambled);
        const std::vector<std::int16_t> codes = SolutionOf(scrambled);
        QVERIFY(codes.size() > 10);

        PressEnter(Qt::Key_Return);
        QCOMPARE(ColorsOf(window->Cube()), ColorsOf(scrambled));
        QCOMPARE(Controls(*window), EditNoSolution);

        Trigger(*window, "mnuCubeSolve");
        QVERIFY(fake->messageBoxes.shown.empty());
        QVERIFY(window->SolutionMode());
        QCOMPARE(Controls(*window), Stepping(false, true));
        QVERIFY(Text().text().isEmpty());
        QCOMPARE(Text().palette().color(QPalette::Base),
                 QApplication::palette(&Text()).color(QPalette::Active, QPalette::Base));
        QCOMPARE(ListOf("cmdStepsToCompletion", "Steps to Completion"),
                 Joined(codes, 0, codes.size()));

        clsCube expected;
        scrambled.Copy(expected);
        for (std::size_t done = 1; done <= codes.size(); ++done) {
            // Click, Enter and the keypad's Enter take turns.
            switch (done % 3) {
            case 0:
                QTest::mouseClick(&Button("cmdOneStep"), Qt::LeftButton);
                break;
            case 1:
                PressEnter(Qt::Key_Return);
                break;
            default:
                PressEnter(Qt::Key_Enter, Qt::KeypadModifier);
                break;
            }
            ApplyStep(expected, codes.at(done - 1));
            QCOMPARE(ColorsOf(window->Cube()), ColorsOf(expected));
            QCOMPARE(ShownTags(*window), TagsOf(expected, window->CurrentSide()));
            QCOMPARE(Text().text(), Description(codes.at(done - 1)));
            QCOMPARE(Controls(*window), Stepping(true, done < codes.size()));
            QCOMPARE(QApplication::focusWidget(), &Child<QLineEdit>(*window, "txtDummy"));

            const std::int16_t cursor = window->Solver().Index();
            QCOMPARE(ListOf("cmdPreviousSteps", "Previous Steps"), Joined(codes, 0, done));
            if (done < codes.size()) {
                QCOMPARE(ListOf("cmdStepsToCompletion", "Steps to Completion"),
                         Joined(codes, done, codes.size()));
            }
            QCOMPARE(window->Solver().Index(), cursor);
        }
        QCOMPARE(ColorsOf(window->Cube()), ColorsOf(clsCube()));

        // The click after the last step returns to edit mode with the list.
        PressEnter(Qt::Key_Return);
        QVERIFY(!window->SolutionMode());
        QCOMPARE(Controls(*window), EditFinishedList);
        QVERIFY(Text().text().isEmpty());
        QCOMPARE(Text().palette().color(QPalette::Base),
                 QApplication::palette(&Text()).color(QPalette::Inactive, QPalette::Window));
        QCOMPARE(ListOf("cmdPreviousSteps", "Previous Steps"), Joined(codes, 0, codes.size()));
        PressEnter(Qt::Key_Return);
        QCOMPARE(ColorsOf(window->Cube()), ColorsOf(clsCube()));
        QCOMPARE(fake->modalRunner.titles.size(), qsizetype(2 * codes.size() + 1));

        QTest::mouseClick(&Button("cmdClear"), Qt::LeftButton);
        QCOMPARE(Controls(*window), EditNoSolution);
        QVERIFY(HasNoStepList(window->Solver()));
        QVERIFY(fake->messageBoxes.shown.empty());
    }

    // Each attempt first writes "SaveLast.cub", whatever comes of it.
    void solvedAndUnsolvableCubesGiveTheirMessageAndStayInEditMode() {
        const QString saveLast = folder->filePath("SaveLast.cub");
        Child<QToolBar>(*window, "Toolbar").actions().at(10)->trigger();
        QCOMPARE(ReadBytes(saveLast), ReadBytes(SavedCopy(window->Cube())));

        using Spoil = void (*)(clsCube&);
        for (const Spoil spoil : {&TwistFrontTopLeftCorner, &FlipFrontTopEdge}) {
            clsCube invalid;
            RandomScramble(invalid, 7);
            spoil(invalid);
            LoadScrambled(invalid);
            Trigger(*window, "mnuCubeSolve");
            QCOMPARE(ReadBytes(saveLast), ReadBytes(SavedCopy(invalid)));
            QCOMPARE(ColorsOf(window->Cube()), ColorsOf(invalid));
        }

        const QStringList expected{"Cube is already complete", "Invalid Cube Configuration",
                                   "Invalid Cube Configuration"};
        QCOMPARE(fake->messageBoxes.shown.size(), std::size_t{3});
        for (std::size_t i = 0; i < 3; ++i) {
            const auto& message = fake->messageBoxes.shown.at(i);
            QCOMPARE(message.strText, expected.at(static_cast<qsizetype>(i)));
            QCOMPARE(message.strTitle, QString("Turnix"));
            QCOMPARE(message.icon, MessageIcon::Exclamation);
        }
        QCOMPARE(Controls(*window), EditNoSolution);
        QVERIFY(!window->SolutionMode());
        QVERIFY(HasNoStepList(window->Solver()));
    }

    void aSaveLastThatCannotBeWrittenIsSilentAndAnUnknownFolderGetsNone() {
        for (const QString& installFolder : {folder->filePath("missing"), QString()}) {
            FakePlatform other;
            other.system.installFolder = installFolder;
            frmTurnix solving(other.Services());
            clsCube scrambled;
            RandomScramble(scrambled, 11);
            LoadCube(solving, other, scrambled, folder->filePath("scrambled.cub"));
            const QString current = QDir::currentPath();
            QVERIFY(QDir::setCurrent(folder->path()));
            Trigger(solving, "mnuCubeSolve");
            QVERIFY(QDir::setCurrent(current));

            QVERIFY(solving.SolutionMode());
            QVERIFY(other.messageBoxes.shown.empty());
            QCOMPARE(QDir(folder->path()).entryList(QDir::Files), QStringList{"scrambled.cub"});
        }
    }

    // A listed solution never outlives the cube it belongs to; a cancelled
    // open dialog keeps everything.
    void newAndOpenDiscardAnyStepListButACancelledOpenKeepsIt() {
        clsCube scrambled;
        RandomScramble(scrambled, 5);
        LoadScrambled(scrambled);
        Trigger(*window, "mnuCubeSolve");
        Steps(2);
        const QString before = Controls(*window);
        const QString shownStep = Text().text();
        const std::int16_t cursor = window->Solver().Index();
        fake->fileDialogs.openAnswers.push_back(std::nullopt);
        Trigger(*window, "ToolbarButton1");
        QCOMPARE(Controls(*window), before);
        QCOMPARE(Text().text(), shownStep);
        QCOMPARE(window->Solver().Index(), cursor);

        clsCube other;
        RandomScramble(other, 6);
        LoadScrambled(other);
        ExpectDiscarded();
        QCOMPARE(ColorsOf(window->Cube()), ColorsOf(other));

        Trigger(*window, "mnuCubeSolve");
        Steps(1);
        Trigger(*window, "mnuFileNewConfiguration");
        ExpectDiscarded();
        QCOMPARE(ColorsOf(window->Cube()), ColorsOf(clsCube()));

        // The same from the finished list, after the last step.
        for (const char* command : {"mnuFileNewConfiguration", "mnuFileOpenConfiguration"}) {
            LoadScrambled(scrambled);
            Trigger(*window, "mnuCubeSolve");
            Steps(SolutionOf(scrambled).size() + 1);
            QCOMPARE(Controls(*window), EditFinishedList);
            if (QString(command).contains("Open")) {
                fake->fileDialogs.openAnswers.push_back(SavedCopy(other));
            }
            Trigger(*window, command);
            ExpectDiscarded();
        }
        QVERIFY(fake->messageBoxes.shown.empty());
    }

    // The list is replaced by the next solve, or dropped with it when that
    // solve finds nothing to do.
    void aNewSolveReplacesTheFinishedList() {
        clsCube scrambled;
        RandomScramble(scrambled, 9);
        LoadScrambled(scrambled);
        Trigger(*window, "mnuCubeSolve");
        Steps(SolutionOf(scrambled).size() + 1);

        Trigger(*window, "mnuSideTurnRightClockwise");
        const std::vector<std::int16_t> codes = SolutionOf(window->Cube());
        Trigger(*window, "mnuCubeSolve");
        QCOMPARE(Controls(*window), Stepping(false, true));
        QCOMPARE(ListOf("cmdStepsToCompletion", "Steps to Completion"),
                 Joined(codes, 0, codes.size()));

        Steps(codes.size() + 1);
        QCOMPARE(Controls(*window), EditFinishedList);
        Trigger(*window, "mnuCubeSolve");
        QCOMPARE(fake->messageBoxes.shown.size(), std::size_t{1});
        QCOMPARE(Controls(*window), EditNoSolution);
        QVERIFY(HasNoStepList(window->Solver()));
    }

    void showingAnotherSideDuringASolutionChangesNothingElse() {
        clsCube scrambled;
        RandomScramble(scrambled, 3);
        LoadScrambled(scrambled);
        Trigger(*window, "mnuCubeSolve");
        Steps(3);
        const QString controls = Controls(*window);
        const QString shownStep = Text().text();
        const std::int16_t cursor = window->Solver().Index();
        const CubeColors cube = ColorsOf(window->Cube());

        for (const char* show : {"mnuSideShowTop", "ToolbarButton7", "mnuSideShowLeft"}) {
            Trigger(*window, show);
            QTest::mouseClick(&Child<QLabel>(*window, "lblEast"), Qt::LeftButton);
            QCOMPARE(Controls(*window), controls);
            QCOMPARE(Text().text(), shownStep);
            QCOMPARE(window->Solver().Index(), cursor);
            QCOMPARE(ColorsOf(window->Cube()), cube);
            QCOMPARE(ShownTags(*window), TagsOf(window->Cube(), window->CurrentSide()));
        }
        QCOMPARE(window->CurrentSide(), side::Front);
    }

private:
    QPushButton& Button(const char* name) { return Child<QPushButton>(*window, name); }
    QLineEdit& Text() { return Child<QLineEdit>(*window, "txtSolution"); }

    void PressEnter(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(&Child<QLineEdit>(*window, "txtDummy"), key, modifiers);
    }

    void Steps(std::size_t count) {
        for (std::size_t i = 0; i < count; ++i) {
            Button("cmdOneStep").click();
        }
    }

    // The text a list button shows, checking the caption on the way.
    QString ListOf(const char* button, const QString& caption) {
        QString steps;
        fake->modalRunner.scripts.push_back([&steps, caption](QDialog& dialog) {
            QCOMPARE(dialog.windowTitle(), caption);
            steps = qobject_cast<frmSolutionSteps*>(&dialog)->Steps();
        });
        QTest::mouseClick(&Button(button), Qt::LeftButton);
        return steps;
    }

    QString SavedCopy(const clsCube& cube) {
        const QString path = folder->filePath(QString("cube%1.cub").arg(++files));
        if (!WriteConfigurationFile(QFile::encodeName(path).toStdString(), cube)) {
            qFatal("cannot write %s", qPrintable(path));
        }
        return path;
    }

    void LoadScrambled(const clsCube& cube) {
        fake->fileDialogs.openAnswers.push_back(SavedCopy(cube));
        Trigger(*window, "mnuFileOpenConfiguration");
    }

    void ExpectDiscarded() {
        QCOMPARE(Controls(*window), EditNoSolution);
        QVERIFY(!window->SolutionMode());
        QVERIFY(Text().text().isEmpty());
        QVERIFY(HasNoStepList(window->Solver()));
    }

    std::optional<QTemporaryDir> folder;
    std::optional<FakePlatform> fake;
    std::optional<frmTurnix> window;
    int files{0};
};

QTEST_MAIN(TestFrmTurnixSolution)
#include "test_frmTurnixSolution.moc"
