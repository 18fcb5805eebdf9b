// The solution session without a window: its states as tables of action
// sequences, and random walks along the list checked against the steps the
// solver found.

#include "CubeTestSupport.h"
#include "StepCodes.h"
#include "session/SolutionSession.h"

#include <QtTest>
#include <random>

using namespace turnix;
using namespace turnix::test;

namespace {

clsCube Scrambled(unsigned seed) {
    clsCube cube;
    std::mt19937 random(seed);
    for (int i = 0; i < 30; ++i) {
        ApplyStep(cube, static_cast<std::int16_t>(random() % SideTurnCount));
    }
    return cube;
}

// What the window reads, in one line.
QString State(const SolutionSession& session) {
    QStringList state{session.SolutionMode() ? "solution" : "edit"};
    const std::array<std::pair<bool, const char*>, 4> flags{{{session.HasStepList(), "list"},
                                                             {session.HasStepsMade(), "made"},
                                                             {session.HasStepsToMake(), "toMake"},
                                                             {session.CanStepBack(), "back"}}};
    for (const auto& [on, name] : flags) {
        if (on) {
            state << name;
        }
    }
    return state.join(' ');
}

// The session and the cube it is followed on, driven as the window does.
struct Driver {
    SolutionSession session;
    clsCube cube = Scrambled(7);
    SolveOutcome outcome{};

    void Do(const QString& action) {
        if (action == "solve") {
            outcome = session.Solve(SolverKind::LayerByLayer, cube);
        } else if (action == "step") {
            Step();
        } else if (action == "last" || action == "end") {
            for (qsizetype left = session.RemainingStepTexts().size(); left > 0; --left) {
                Step();
            }
            if (action == "end") {
                Step();
            }
        } else if (action == "back") {
            if (const auto code = session.TakeStepBack()) {
                ApplyStep(cube, InverseStep(*code));
            }
        } else if (action == "turn" || action == "unturn") {
            ApplyStep(cube, action == "turn" ? 0 : InverseStep(0));
            session.CubeChanged(cube);
        } else if (action == "same") {
            session.CubeChanged(cube);
        } else if (action == "invalid") {
            clsCube broken;
            broken.Side(0).Square(0)->SetColorIndex(1);
            outcome = session.Solve(SolverKind::LayerByLayer, broken);
        } else if (action == "discard") {
            session.Discard();
        } else if (action == "stop") {
            session.StopFollowing();
        } else {
            QFAIL(qPrintable("unknown action " + action));
        }
    }

    void Step() {
        if (const auto code = session.TakeStep(cube)) {
            ApplyStep(cube, *code);
        }
    }
};

} // namespace

class SolutionSessionTest : public QObject {
    Q_OBJECT

private slots:
    void actionsLeadToTheirState_data() {
        QTest::addColumn<QString>("actions");
        QTest::addColumn<QString>("state");
        QTest::newRow("start") << ""
                               << "edit";
        QTest::newRow("solved") << "solve"
                                << "solution list toMake";
        QTest::newRow("one step") << "solve step"
                                  << "solution list made toMake back";
        QTest::newRow("back at the first step") << "solve back"
                                                << "solution list toMake";
        QTest::newRow("back to the first") << "solve step back"
                                           << "solution list toMake";
        QTest::newRow("last step made") << "solve last"
                                        << "solution list made back";
        QTest::newRow("finished list") << "solve end"
                                       << "edit list made back";
        QTest::newRow("finished, cube unchanged") << "solve end same"
                                                  << "edit list made back";
        QTest::newRow("finished, cube turned") << "solve end turn"
                                               << "edit list made";
        QTest::newRow("turned and back stays lost") << "solve end turn unturn"
                                                    << "edit list made";
        QTest::newRow("back from the finished list") << "solve end back"
                                                     << "solution list made toMake back";
        QTest::newRow("a turn while solving is the steps'") << "solve step turn unturn"
                                                            << "solution list made toMake back";
        QTest::newRow("stopped following") << "solve step stop"
                                           << "solution list made toMake";
        QTest::newRow("discarded") << "solve step discard"
                                   << "edit";
        QTest::newRow("finished, discarded") << "solve end discard"
                                             << "edit";
        QTest::newRow("solved cube drops the finished list") << "solve end solve"
                                                             << "edit";
        QTest::newRow("invalid cube drops the finished list") << "solve end invalid"
                                                              << "edit";
    }

    void actionsLeadToTheirState() {
        QFETCH(QString, actions);
        QFETCH(QString, state);
        Driver driver;
        for (const QString& action : actions.split(' ', Qt::SkipEmptyParts)) {
            driver.Do(action);
        }
        QCOMPARE(State(driver.session), state);
    }

    void solvingReportsItsOutcome() {
        Driver driver;
        driver.Do("invalid");
        QCOMPARE(driver.outcome, SolveOutcome::Invalid);
        driver.Do("solve");
        QCOMPARE(driver.outcome, SolveOutcome::Started);
        QCOMPARE(driver.session.Kind(), SolverKind::LayerByLayer);
        driver.Do("end");
        driver.Do("solve");
        QCOMPARE(driver.outcome, SolveOutcome::AlreadyComplete);
    }

    // Random walks forward and back: the lists split at the cursor, the last
    // step made and the next are their neighbours there, and the cube solved
    // at the end comes back to the scramble at the start.
    void theListsFollowTheCursor() {
        for (unsigned seed = 1; seed <= 20; ++seed) {
            Driver driver;
            driver.cube = Scrambled(seed);
            const CubeColors scramble = ColorsOf(driver.cube);
            driver.Do("solve");
            const QStringList all = driver.session.RemainingStepTexts();
            std::mt19937 random(seed);
            for (int move = 0; move < 200; ++move) {
                driver.Do(random() % 3 == 0 ? "back" : "step");
                const SolutionSession& session = driver.session;
                const SolutionProgress progress = session.Progress();
                const auto done = static_cast<qsizetype>(progress.done);
                QCOMPARE(progress.total, all.size());
                QCOMPARE(session.PreviousStepTexts(), all.mid(0, done));
                QCOMPARE(session.RemainingStepTexts(), all.mid(done));
                QCOMPARE(session.LastStepText(), done > 0 ? all.at(done - 1) : QString());
                if (session.SolutionMode()) {
                    QCOMPARE(progress.next, done < all.size() ? all.at(done) : QString());
                    QCOMPARE(session.NextStep().has_value(), done < all.size());
                }
                if (done == all.size()) {
                    QVERIFY(IsSolved(driver.cube));
                }
                if (done == 0) {
                    QCOMPARE(ColorsOf(driver.cube), scramble);
                }
            }
        }
    }
};

QTEST_GUILESS_MAIN(SolutionSessionTest)
#include "test_SolutionSession.moc"
