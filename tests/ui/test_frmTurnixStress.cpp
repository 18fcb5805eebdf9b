// Thousands of random user actions on the main window, from a fixed seed,
// checked after every one against a cube, a colour scheme and a mode kept
// here on the side.

#include "WindowTestSupport.h"
#include "frmSolutionSteps.h"

#include <QApplication>
#include <QtTest>
#include <set>

using namespace turnix;
using namespace turnix::test;

namespace {

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

    int solutionsStarted{0};
    int solutionsFinished{0};

    // An empty result means every check held.
    QString Run(int count) {
        struct Action {
            int weight;
            void (StressRun::*perform)();
        };
        // Stepping through solutions dominates, as it does for a user.
        const std::array<Action, 12> actions{{
            {16, &StressRun::Turn},
            {8, &StressRun::ShowSide},
            {6, &StressRun::PickColor},
            {3, &StressRun::Solve},
            {30, &StressRun::OneStep},
            {2, &StressRun::ListPrevious},
            {2, &StressRun::ListToCompletion},
            {1, &StressRun::Clear},
            {1, &StressRun::New},
            {2, &StressRun::Open},
            {2, &StressRun::Save},
            {1, &StressRun::DefineColors},
        }};
        for (int n = 0; n < count && failure.isEmpty(); ++n) {
            int pick = Uniform(0, 73); // the weights add up to 74
            auto chosen = actions.begin();
            for (; pick >= chosen->weight; ++chosen) {
                pick -= chosen->weight;
            }
            (this->*chosen->perform)();
            Check(QString(" after action %1 (%2)").arg(n).arg(chosen - actions.begin()));
        }
        return failure;
    }

private:
    frmTurnix& Window() { return *s.window; }
    int Uniform(int low, int high) { return std::uniform_int_distribution(low, high)(random); }
    bool Solving() const { return steps.has_value(); }

    void Fail(const QString& what) { failure = failure.isEmpty() ? what : failure; }

    // The Turn and Rotate menus are off while solving.
    void Turn() {
        if (const auto code = static_cast<std::int16_t>(Uniform(0, 21)); !Solving()) {
            Trigger(Window(), CommandName(code));
            ApplyStep(shadow, code);
        }
    }

    void Clear() {
        QTest::mouseClick(&Child(Window(), "cmdClear"), Qt::LeftButton);
        Discard();
    }

    void New() {
        Trigger(Window(), "mnuFileNewConfiguration");
        clsCube().Copy(shadow);
        Discard();
    }

    void Discard() {
        steps.reset();
        list = 0;
    }

    void ShowSide() {
        static const QStringList labels{"lblNorth", "lblSouth", "lblWest", "lblEast"};
        switch (Uniform(0, 2)) {
        case 0:
            Trigger(Window(), QString("ToolbarButton%1").arg(Uniform(4, 9)));
            break;
        case 1:
            Trigger(Window(), "mnuSideShow" + QStringList{"Top", "Bottom", "Front", "Back", "Left",
                                                          "Right"}[Uniform(0, 5)]);
            break;
        default:
            auto& label = Child<QLabel>(Window(), labels.at(Uniform(0, 3)));
            const QString named = label.text();
            QTest::mouseClick(&label, Qt::LeftButton);
            if (LabelText(Window(), "lblMain") != named + " Side") {
                Fail("label " + named + " brought up " + LabelText(Window(), "lblMain"));
            }
        }
    }

    // Chosen and confirmed, double-clicked, chosen then cancelled, or closed
    // from the frame; the squares take no pick while solving.
    void PickColor() {
        const int square = Uniform(0, 8);
        const QString swatch = QString("picColor%1").arg(Uniform(0, 5));
        const int how = Solving() ? 3 : Uniform(0, 3);
        if (how < 3) {
            s.fake.modalRunner.scripts.push_back([swatch, how](QDialog& dialog) {
                if (how == 1) {
                    DoubleClick(Child(dialog, swatch));
                } else {
                    Click(Child(dialog, swatch));
                    Click(Child(dialog, how == 0 ? "cmdOK" : "cmdCancel"));
                }
            });
        }
        if (how < 2) {
            shadow.Side(Window().CurrentSide())
                .Square(static_cast<std::int16_t>(square))
                ->SetColorIndex(static_cast<std::int16_t>(swatch.back().digitValue()));
        }
        const qsizetype dialogs = s.fake.modalRunner.titles.size();
        QTest::mousePress(&Child(Window(), QString("cmdColor%1").arg(square)), Qt::LeftButton);
        if (Solving() && s.fake.modalRunner.titles.size() != dialogs) {
            Fail("a square took a pick during a solution");
        }
    }

    void Solve() {
        const std::size_t messages = s.fake.messageBoxes.shown.size();
        Trigger(Window(), Uniform(0, 1) == 0 ? "mnuCubeSolve" : "ToolbarButton11");
        if (Solving()) {
            return;
        }
        if (ReadBytes(s.folder.filePath("SaveLast.cub")) != ReadBytes(s.Saved(shadow))) {
            Fail("SaveLast.cub does not hold the cube that was solved");
        }
        Discard();
        const std::vector<std::int16_t> codes = SolutionOf(shadow);
        if (s.fake.messageBoxes.shown.size() != messages + (codes.empty() ? 1 : 0)) {
            Fail("a solvable cube gave a message, or another cube none");
        }
        if (!codes.empty()) {
            ++solutionsStarted;
            steps = codes;
            done = 0;
        }
    }

    void OneStep() {
        if (Uniform(0, 1) == 0) {
            QTest::mouseClick(&Child(Window(), "cmdOneStep"), Qt::LeftButton);
        } else { // the user's Enter reaches the active window
            Window().activateWindow();
            if (!QTest::qWaitForWindowActive(&Window())) {
                Fail("the main window could not be activated");
            }
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        }
        if (Solving() && done < steps->size()) {
            ApplyStep(shadow, steps->at(done++));
        } else if (Solving()) {
            ++solutionsFinished;
            list = steps->size();
            steps.reset();
            if (!IsSolved(shadow)) {
                Fail("a finished solution left the cube unsolved");
            }
        }
    }

    // The list of the steps done, or of those still to do.
    void ListPrevious() { ListSteps(true); }
    void ListToCompletion() { ListSteps(false); }

    void ListSteps(bool previous) {
        const QString button = previous ? "cmdPreviousSteps" : "cmdStepsToCompletion";
        const std::size_t total = Solving() ? steps->size() : list;
        const bool enabled = previous ? (Solving() ? done : list) > 0 : Solving() && done < total;
        const std::size_t expected = previous ? (Solving() ? done : list) : total - done;
        std::size_t lines = 0;
        if (enabled) {
            s.fake.modalRunner.scripts.push_back([&lines](QDialog& dialog) {
                lines = static_cast<frmSolutionSteps&>(dialog).Steps().split("\r\n").size();
                Click(Child(dialog, "cmdClose"));
            });
        }
        const std::int16_t cursor = Window().Solver().Index();
        QTest::mouseClick(&Child(Window(), button), Qt::LeftButton);
        if (enabled && lines != expected) {
            Fail(QString("%1 listed %2 steps, not %3").arg(button).arg(lines).arg(expected));
        }
        if (Window().Solver().Index() != cursor) {
            Fail(button + " moved the cursor");
        }
    }

    // A garbage file or one saved before; sometimes cancelled.
    void Open() {
        if (Uniform(0, 4) == 0) {
            s.Open(std::nullopt);
            return;
        }
        const QString path = files.at(Uniform(0, static_cast<int>(files.size()) - 1));
        s.Open(path);
        (void)ReadConfigurationFile(QFile::encodeName(path).toStdString(), shadow);
        Discard();
    }

    void Save() {
        const bool cancel = Uniform(0, 4) == 0;
        const QString path = s.folder.filePath(QString("saved%1.cub").arg(Uniform(0, 9)));
        s.fake.fileDialogs.saveAnswers.push_back(cancel ? std::nullopt : std::optional(path));
        const QByteArray expected = cancel ? ReadBytes(path) : ReadBytes(s.Saved(shadow));
        Trigger(Window(), Uniform(0, 1) == 0 ? "mnuFileSaveConfiguration" : "ToolbarButton2");
        if (ReadBytes(path) != expected) {
            Fail("the saved file does not hold the cube");
        }
        if (!cancel && !files.contains(path)) {
            files << path;
        }
    }

    // Defaults, or one swatch chosen anew, then OK or Cancel; a colour that
    // is already in use is refused.
    void DefineColors() {
        const int swatch = Uniform(0, 5);
        const bool defaults = Uniform(0, 2) == 0;
        const bool confirm = Uniform(0, 1) == 0;
        ColorScheme proposed = defaults ? DefaultScreenColors : colors;
        if (!defaults) {
            proposed.at(swatch) = Uniform(0, 0xFFFFFF);
            s.fake.colorChooser.answers.push_back(ToQColor(proposed.at(swatch)));
        }
        s.fake.modalRunner.scripts.push_back([swatch, defaults, confirm](QDialog& dialog) {
            Click(Child(dialog,
                        defaults ? QString("cmdDefaults") : QString("picColor%1").arg(swatch)));
            Click(Child(dialog, confirm ? "cmdOK" : "cmdCancel"));
        });
        if (confirm && std::set(proposed.begin(), proposed.end()).size() == 6) {
            colors = proposed;
        }
        Trigger(Window(), "mnuCubeDefine");
    }

    void Check(const QString& where) {
        if (ColorsOf(Window().Cube()) != ColorsOf(shadow)) {
            Fail("the cube differs from the expected one" + where);
        }
        if (Window().Colors() != colors ||
            ShownSquares(Window()) != ExpectedSquares(shadow, Window().CurrentSide(), colors)) {
            Fail("the squares do not show the shown side in the current colours" + where);
        }
        const QString expected = Solving()  ? Stepping(done > 0, done < steps->size())
                                 : list > 0 ? EditFinishedList
                                            : EditNoSolution;
        if (Controls(Window()) != expected || Window().SolutionMode() != Solving()) {
            Fail("controls" + Controls(Window()) + " instead of" + expected + where);
        }
        if (!s.fake.modalRunner.scripts.empty() || !s.fake.fileDialogs.openAnswers.empty() ||
            !s.fake.fileDialogs.saveAnswers.empty() || !s.fake.colorChooser.answers.empty()) {
            Fail("a prepared answer was not used" + where);
        }
    }

    std::mt19937 random{20261206};
    Session s;
    QStringList files;
    clsCube shadow;
    ColorScheme colors{DefaultScreenColors};
    std::optional<std::vector<std::int16_t>> steps; // while solving
    std::size_t done{0};                            // steps done
    std::size_t list{0};                            // steps of a finished list
    QString failure;
};

} // namespace

class TestFrmTurnixStress : public QObject {
    Q_OBJECT

private slots:
    void twentyThousandRandomActionsKeepTheWindowConsistent() {
        StressRun run;
        const QString failure = run.Run(20000);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        // The mix must keep reaching the interesting states.
        QVERIFY(run.solutionsStarted > 20 && run.solutionsFinished > 5);
        qInfo("%d solutions started, %d finished", run.solutionsStarted, run.solutionsFinished);
    }
};

QTEST_MAIN(TestFrmTurnixStress)
#include "test_frmTurnixStress.moc"
