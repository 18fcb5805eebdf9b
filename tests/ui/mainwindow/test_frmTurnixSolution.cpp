#include "WindowTestSupport.h"
#include "dialogs/frmSolutionSteps.h"

#include <QApplication>
#include <QLineEdit>
#include <QtTest>

using namespace turnix;
using namespace turnix::test;

class TestFrmTurnixSolution : public QObject {
    Q_OBJECT

private slots:
    void init() {
        s.emplace();
        s->fake.system.installFolder = s->folder.path();
        QVERIFY(QTest::qWaitForWindowActive(&s->Start()));
    }

    void cleanup() { s.reset(); }

    void theWholeCycleReplaysTheSolverStepsUntilTheCubeIsSolved() {
        const clsCube scrambled = Scrambled(2024);
        s->Load(scrambled);
        const std::vector<std::int16_t> codes = SolutionOf(scrambled);
        QVERIFY(codes.size() > 10);
        PressEnter(Qt::Key_Return);
        QCOMPARE(ColorsOf(Window().Cube()), ColorsOf(scrambled));
        QCOMPARE(Controls(Window()), EditNoSolution);

        Trigger(Window(), "mnuCubeSolve");
        QCOMPARE(Controls(Window()), ModeControls(false, false, true));
        QVERIFY(Text().text().isEmpty());
        QCOMPARE(Text().palette().color(QPalette::Base),
                 QApplication::palette(&Text()).color(QPalette::Active, QPalette::Base));
        QCOMPARE(ListOf("cmdStepsToCompletion", "Steps to Completion"),
                 Joined(codes, 0, codes.size()));

        clsCube expected;
        scrambled.Copy(expected);
        for (std::size_t done = 1; done <= codes.size(); ++done) {
            // Click, Enter and the keypad's Enter take turns.
            if (done % 3 == 0) {
                QTest::mouseClick(&Button("cmdOneStep"), Qt::LeftButton);
            } else {
                PressEnter(done % 3 == 1 ? Qt::Key_Return : Qt::Key_Enter,
                           done % 3 == 1 ? Qt::NoModifier : Qt::KeypadModifier);
            }
            ApplyStep(expected, codes.at(done - 1));
            QCOMPARE(ColorsOf(Window().Cube()), ColorsOf(expected));
            QCOMPARE(ShownSquares(Window()), s->Expected());
            QCOMPARE(Text().text(), Joined(codes, done - 1, done));
            QCOMPARE(Controls(Window()), ModeControls(false, true, done < codes.size()));
            QCOMPARE(QApplication::focusWidget(), &Child<QLineEdit>(Window(), "txtDummy"));

            const std::int16_t cursor = Window().Solver().Index();
            QCOMPARE(ListOf("cmdPreviousSteps", "Previous Steps"), Joined(codes, 0, done));
            if (done < codes.size()) {
                QCOMPARE(ListOf("cmdStepsToCompletion", "Steps to Completion"),
                         Joined(codes, done, codes.size()));
            }
            QCOMPARE(Window().Solver().Index(), cursor);
        }
        QVERIFY(IsSolved(Window().Cube()));

        // The press after the last step returns to edit mode with the list.
        PressEnter(Qt::Key_Return);
        QCOMPARE(Controls(Window()), EditFinishedList);
        QVERIFY(Text().text().isEmpty());
        QCOMPARE(Text().palette().color(QPalette::Base),
                 QApplication::palette(&Text()).color(QPalette::Inactive, QPalette::Window));
        QCOMPARE(ListOf("cmdPreviousSteps", "Previous Steps"), Joined(codes, 0, codes.size()));
        PressEnter(Qt::Key_Return);
        QCOMPARE(ColorsOf(Window().Cube()), ColorsOf(clsCube()));

        QTest::mouseClick(&Button("cmdClear"), Qt::LeftButton);
        ExpectDiscarded();
        QVERIFY(s->fake.messageBoxes.shown.empty());
    }

    // Each attempt first writes "SaveLast.cub", whatever comes of it.
    void solvedAndUnsolvableCubesGiveTheirMessageAndStayInEditMode() {
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
            ExpectDiscarded();
        }
        QCOMPARE(
            Messages(s->fake.messageBoxes),
            (QStringList{"!Turnix|Cube is already complete", "!Turnix|Invalid Cube Configuration",
                         "!Turnix|Invalid Cube Configuration"}));
    }

    // In solution mode, and with the list finished: the mode, both lists, the
    // cursor, the step text and the cube stay, and stepping goes on.
    void aCancelledOpenDialogKeepsTheSolution() {
        const clsCube scrambled = Scrambled(5);
        const std::vector<std::int16_t> codes = SolutionOf(scrambled);
        s->Load(scrambled);
        Trigger(Window(), "mnuCubeSolve");
        Steps(2);
        QString before = Snapshot();
        s->Open(std::nullopt);
        QVERIFY(s->fake.fileDialogs.openAnswers.empty());
        QCOMPARE(Snapshot(), before);
        QVERIFY(Window().SolutionMode());

        clsCube expected;
        scrambled.Copy(expected);
        for (std::size_t done = 0; done < 3; ++done) {
            ApplyStep(expected, codes.at(done));
        }
        Steps(1);
        QCOMPARE(ColorsOf(Window().Cube()), ColorsOf(expected));
        QCOMPARE(Text().text(), Joined(codes, 2, 3));

        Steps(codes.size() - 3 + 1);
        QCOMPARE(Controls(Window()), EditFinishedList);
        before = Snapshot();
        s->Open(std::nullopt);
        QCOMPARE(Snapshot(), before);
        QCOMPARE(ListOf("cmdPreviousSteps", "Previous Steps"), Joined(codes, 0, codes.size()));
        QVERIFY(s->fake.messageBoxes.shown.empty());
    }

    // A listed solution never outlives the cube it belongs to.
    void newAndOpenDiscardAnyStepList() {
        const clsCube scrambled = Scrambled(5);
        s->Load(scrambled);
        Trigger(Window(), "mnuCubeSolve");
        Steps(2);
        const clsCube other = Scrambled(6);
        s->Load(other);
        ExpectDiscarded();
        QCOMPARE(ColorsOf(Window().Cube()), ColorsOf(other));
        Trigger(Window(), "mnuCubeSolve");
        Steps(1);
        Trigger(Window(), "mnuFileNewConfiguration");
        ExpectDiscarded();

        // The same from the finished list, after the last step.
        for (const bool open : {false, true}) {
            s->Load(scrambled);
            Trigger(Window(), "mnuCubeSolve");
            Steps(SolutionOf(scrambled).size() + 1);
            QCOMPARE(Controls(Window()), EditFinishedList);
            if (open) {
                s->Load(other);
            } else {
                Trigger(Window(), "mnuFileNewConfiguration");
            }
            ExpectDiscarded();
        }
        QVERIFY(s->fake.messageBoxes.shown.empty());
    }

private:
    frmTurnix& Window() { return *s->window; }
    QPushButton& Button(const char* name) { return Child<QPushButton>(Window(), name); }
    QLineEdit& Text() { return Child<QLineEdit>(Window(), "txtSolution"); }

    void PressEnter(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(&Child<QLineEdit>(Window(), "txtDummy"), key, modifiers);
    }

    void Steps(std::size_t count) {
        for (std::size_t i = 0; i < count; ++i) {
            Button("cmdOneStep").click();
        }
    }

    // The text a list button shows, checking the caption on the way.
    QString ListOf(const char* button, const QString& caption) {
        QString steps;
        s->fake.modalRunner.scripts.push_back([&steps, caption](QDialog& dialog) {
            QCOMPARE(dialog.windowTitle(), caption);
            steps = qobject_cast<frmSolutionSteps*>(&dialog)->Steps();
        });
        QTest::mouseClick(&Button(button), Qt::LeftButton);
        return steps;
    }

    // The mode, the controls, the step text, the cursor, the cube and the
    // lists that can be shown.
    QString Snapshot() {
        QStringList state{Controls(Window()), Window().SolutionMode() ? "solving" : "editing",
                          Text().text(), QString::number(Window().Solver().Index()),
                          Encoded(EncodeConfiguration(Window().Cube())).toHex()};
        if (Button("cmdPreviousSteps").isEnabled()) {
            state << ListOf("cmdPreviousSteps", "Previous Steps");
        }
        if (Button("cmdStepsToCompletion").isEnabled()) {
            state << ListOf("cmdStepsToCompletion", "Steps to Completion");
        }
        return state.join('|');
    }

    void ExpectDiscarded() {
        QCOMPARE(Controls(Window()), EditNoSolution);
        QVERIFY(!Window().SolutionMode());
        QVERIFY(Text().text().isEmpty());
        QVERIFY(Window().Solver().IsBOF() && Window().Solver().IsEOF());
    }

    std::optional<Session> s;
};

QTEST_MAIN(TestFrmTurnixSolution)
#include "test_frmTurnixSolution.moc"
