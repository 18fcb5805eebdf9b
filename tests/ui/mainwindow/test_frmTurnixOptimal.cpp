// "Solve Optimally": the entry's state, the progress dialog and Cancel, and
// how each ending of the search is presented, with a fake search.

#include "FollowTestSupport.h"
#include "dialogs/frmOptimalProgress.h"
#include "dialogs/frmSolutionSteps.h"
#include "optimal/OptimalSolve.h"
#include "session/OptimalSolveRun.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSemaphore>
#include <QtTest>

using namespace turnix;
using namespace turnix::test;

namespace {

using Steps = std::vector<std::int16_t>;

// The scramble's turns undone, last first.
Steps Undone(const Steps& scramble) {
    Steps steps;
    for (auto it = scramble.rbegin(); it != scramble.rend(); ++it) {
        steps.push_back(InverseStep(*it));
    }
    return steps;
}

const Steps Scramble{0, 4, 11, 14};

clsCube ScrambledCube() {
    clsCube cube;
    for (const std::int16_t code : Scramble) {
        ApplyStep(cube, code);
    }
    return cube;
}

} // namespace

class TestFrmTurnixOptimal : public QObject {
    Q_OBJECT

private slots:
    void init() {
        s.emplace();
        s->fake.system.installFolder = s->folder.path();
        s->Start();
        searches = 0;
    }

    void cleanup() {
        gate.release(100);
        s.reset();
        gate.acquire(gate.available());
    }

    // Enabled exactly when Solve is: in edit mode, not while following a list.
    void theEntryIsEnabledExactlyWhenSolveIs() {
        s->Load(ScrambledCube());
        for (const bool following : {false, true}) {
            if (following) {
                Trigger(Window(), "mnuCubeSolve");
            }
            QCOMPARE(Entry().isEnabled(), !following);
            QCOMPARE(Entry().isEnabled(), Child<QAction>(Window(), "mnuCubeSolve").isEnabled());
        }
        QCOMPARE(Entry().text(), QString("Solve &Optimally"));
    }

    // The dialog shows the table's build, then each depth; the proven list
    // is presented as the other solvers' are, as "Optimal".
    void aProvenSolutionIsShownWithProgressAndCalledOptimal() {
        UseSearch([this](const Arrangement&, const OptimalOptions& options) {
            options.progress({40, -1, -1});
            gate.acquire();
            options.progress({-1, 2, 5});
            gate.acquire();
            return OptimalResult{OptimalResult::Outcome::Proven, Undone(Scramble), 3, 0, 0};
        });
        s->Load(ScrambledCube());
        Trigger(Window(), "mnuCubeSolveOptimally");
        QTRY_COMPARE(ProgressText(), QString("Making the table, once: 40%"));
        gate.release();
        QTRY_COMPARE(ProgressText(), QString("depth 2 searched, best 5 so far"));
        QVERIFY(!Window().SolutionMode());
        gate.release();
        QTRY_VERIFY(Window().SolutionMode());
        QCOMPARE(Run().Dialog(), nullptr);
        QCOMPARE(StatusBar(Window()).section('|', 2), QString("Optimal"));
        s->Steps(Scramble.size());
        QVERIFY(IsSolved(Window().Cube()));
        QCOMPARE(searches, 1);
    }

    // Cancel stops the search; the answer it started from is kept, and named
    // for the solver that found it, not "Optimal".
    void cancelKeepsTheBestFoundWithoutCallingItOptimal() {
        UseSearch([](const Arrangement&, const OptimalOptions& options) {
            options.progress({-1, 9, 4});
            while (!options.cancel->load()) {
                QThread::msleep(1);
            }
            return OptimalResult{OptimalResult::Outcome::Stopped, Undone(Scramble), 9, 0, 0};
        });
        s->Load(ScrambledCube());
        Trigger(Window(), "mnuCubeSolveOptimally");
        QTRY_COMPARE(ProgressText(), QString("depth 9 searched, best 4 so far"));
        auto& cancel = Child<QPushButton>(*Run().Dialog(), "cmdCancel");
        cancel.click();
        QTRY_VERIFY(Window().SolutionMode());
        QCOMPARE(StatusBar(Window()).section('|', 2), QString("Fewest turns"));
    }

    // Cancelled before anything was found (the table still building): the
    // window stays as it was.
    void cancelBeforeAnySolutionLeavesTheCube() {
        UseSearch([](const Arrangement&, const OptimalOptions& options) {
            while (!options.cancel->load()) {
                QThread::msleep(1);
            }
            return OptimalResult{};
        });
        s->Load(ScrambledCube());
        Trigger(Window(), "mnuCubeSolveOptimally");
        QTRY_VERIFY(Run().Dialog() != nullptr && Run().Dialog()->isVisible());
        QTest::keyClick(Run().Dialog(), Qt::Key_Escape);
        QTRY_COMPARE(Run().Dialog(), nullptr);
        QCOMPARE(Controls(Window()), EditNoSolution);
        QVERIFY(s->fake.messageBoxes.shown.empty());
    }

    // Short of memory: a question; Yes solves in fewest turns, No leaves
    // the cube.
    void withoutTheMemoryTheFewestTurnsSolverIsOffered() {
        UseSearch([](const Arrangement&, const OptimalOptions&) {
            return OptimalResult{OptimalResult::Outcome::NoMemory, std::nullopt, -1, 300ULL << 20,
                                 100ULL << 20};
        });
        s->Load(ScrambledCube());
        for (const bool yes : {false, true}) {
            QString question;
            s->fake.modalRunner.scripts.push_back([&question, yes](QDialog& dialog) {
                question = static_cast<QMessageBox&>(dialog).text();
                dialog.done(yes ? QMessageBox::Yes : QMessageBox::No);
            });
            Trigger(Window(), "mnuCubeSolveOptimally");
            QTRY_VERIFY(!question.isEmpty());
            QCOMPARE(question, QString("The optimal solver needs 300 MB of memory for its table, "
                                       "and only 100 MB are free.\n\nSolve in fewest turns "
                                       "instead?"));
            QTRY_COMPARE_WITH_TIMEOUT(Window().SolutionMode(), yes, TablesTimeoutMs);
        }
        QCOMPARE(StatusBar(Window()).section('|', 2), QString("Fewest turns"));
    }

    void aCubeThatCannotBeSolvedIsRefusedWithoutASearch() {
        UseSearch([](const Arrangement&, const OptimalOptions&) { return OptimalResult{}; });
        clsCube invalid = ScrambledCube();
        invalid.Side(0).Square(0)->SetColorIndex(3);
        s->Load(invalid);
        Trigger(Window(), "mnuCubeSolveOptimally");
        QCOMPARE(Messages(s->fake.messageBoxes), QStringList{"!Turnix|Invalid Cube Configuration"});
        QCOMPARE(searches, 0);
        QCOMPARE(Run().Dialog(), nullptr);
    }

    void theProgressTextNamesTheDepthAndTheBest() {
        QCOMPARE(frmOptimalProgress::SearchText(17, 18),
                 QString("depth 17 searched, best 18 so far"));
        QCOMPARE(frmOptimalProgress::SearchText(-1, -1), QString("depth 0 searched"));
    }

private:
    frmTurnix& Window() { return *s->window; }
    QAction& Entry() { return Child<QAction>(Window(), "mnuCubeSolveOptimally"); }
    OptimalSolveRun& Run() { return Window().OptimalSolver(); }

    void UseSearch(OptimalSolveRun::Search search) {
        Run().SetSearch([this, search](const Arrangement& cube, const OptimalOptions& options) {
            ++searches;
            return search(cube, options);
        });
    }

    QString ProgressText() {
        frmOptimalProgress* dialog = Run().Dialog();
        return dialog == nullptr ? QString() : Child<QLabel>(*dialog, "lblProgress").text();
    }

    std::optional<Session> s;
    QSemaphore gate;
    std::atomic<int> searches{0};
};

QTEST_MAIN(TestFrmTurnixOptimal)
#include "test_frmTurnixOptimal.moc"
