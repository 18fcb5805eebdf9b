#include "BruteForceDistance.h"
#include "FewestTestSupport.h"
#include "StepCodes.h"
#include "optimal/OptimalSolve.h"

#include <gtest/gtest.h>
#include <random>
#include <stdexcept>

using namespace turnix;
using namespace turnix::test;

namespace {

Arrangement Scrambled(const Steps& steps) {
    return test::ArrangementOf(Turned(Arrangement{}, steps));
}

OptimalOptions SmallTable(bool fromFewest, unsigned threads = 2) {
    OptimalOptions options;
    options.smallTable = true;
    options.startFromFewestTurns = fromFewest;
    options.threads = threads;
    return options;
}

// The search alone (no first answer) and from the fewest-turns answer, on
// one thread and two: each a proven solution of the brute force's length,
// and the search's own the first of them in the order of step codes.
void ExpectOptimal(const Arrangement& cube, const BruteForceDistance& brute, bool large) {
    const int distance = *brute.Distance(CubeOf(cube));
    const Steps first = brute.FirstShortest(CubeOf(cube), distance);
    for (const bool fromFewest : {false, true}) {
        for (const unsigned threads : {1U, 2U}) {
            OptimalOptions options = SmallTable(fromFewest, threads);
            options.smallTable = !large;
            const OptimalResult result = SolveOptimal(cube, options);
            ASSERT_EQ(result.outcome, OptimalResult::Outcome::Proven);
            ASSERT_TRUE(result.steps);
            EXPECT_EQ(static_cast<int>(result.steps->size()), distance);
            EXPECT_EQ(Fault(cube, *result.steps), "");
            EXPECT_EQ(result.depthSearched, distance - 1);
            if (!fromFewest) {
                EXPECT_EQ(*result.steps, first);
            }
        }
    }
}

} // namespace

TEST(OptimalSolve, ScramblesOfUpToSevenTurnsGetTheBruteForceLength) {
    const BruteForceDistance brute;
    std::mt19937 random(7);
    for (int length = 0; length <= BruteForceDistance::Reach; ++length) {
        for (const bool halfTurns : {false, true}) {
            const Steps scramble = Scramble(length, halfTurns, random);
            const Arrangement cube = Scrambled(scramble);
            SCOPED_TRACE(length);
            ExpectOptimal(cube, brute, false);
        }
    }
}

TEST(OptimalSolve, ProgressReportsEachDepthSearchedAndTheBestSoFar) {
    std::mt19937 random(3);
    const Arrangement cube = Scrambled(Scramble(6, false, random));
    OptimalOptions options = SmallTable(true);
    std::vector<OptimalProgress> reports;
    options.progress = [&](const OptimalProgress& p) {
        reports.push_back(p);
    };
    const OptimalResult result = SolveOptimal(cube, options);
    ASSERT_FALSE(reports.empty());
    for (std::size_t n = 0; n < reports.size(); ++n) {
        EXPECT_EQ(reports[n].tablePercent, -1);
        EXPECT_EQ(reports[n].bestTurns, static_cast<int>(result.steps->size()));
        if (n > 0) {
            EXPECT_EQ(reports[n].depthSearched, reports[n - 1].depthSearched + 1);
        }
    }
    EXPECT_EQ(reports.back().depthSearched, result.depthSearched);
}

// A random cube is far beyond what the small table searches in a moment.
TEST(OptimalSolve, StoppedSearchesKeepTheBestFoundAndSayNotProven) {
    std::mt19937 random(11);
    const Arrangement cube = RandomArrangement(random, true);
    const std::atomic<bool> cancelled{true};
    OptimalOptions cancel = SmallTable(false);
    cancel.cancel = &cancelled;
    OptimalOptions cancelFirstAnswer = SmallTable(true);
    cancelFirstAnswer.cancel = &cancelled;
    OptimalOptions timed = SmallTable(true);
    timed.timeLimit = std::chrono::milliseconds(100);
    for (const OptimalOptions& options : {cancel, cancelFirstAnswer, timed}) {
        const OptimalResult result = SolveOptimal(cube, options);
        EXPECT_EQ(result.outcome, OptimalResult::Outcome::Stopped);
        // A cancelled first answer is of no use.
        EXPECT_EQ(result.steps.has_value(),
                  options.startFromFewestTurns && options.cancel == nullptr);
        if (result.steps) {
            EXPECT_EQ(Fault(cube, *result.steps), "");
            EXPECT_LT(result.depthSearched, static_cast<int>(result.steps->size()));
        }
    }
}

TEST(OptimalSolve, ATableBeyondTheMemoryIsRefusedWithTheSizes) {
    OptimalOptions options;
    options.memoryBudget = 1000;
    const OptimalResult result = SolveOptimal(Arrangement{}, options);
    EXPECT_EQ(result.outcome, OptimalResult::Outcome::NoMemory);
    EXPECT_EQ(result.bytesNeeded, OptimalTableBytes());
    EXPECT_EQ(result.bytesFree, 1000U);
    EXPECT_FALSE(result.steps);
}

TEST(OptimalSolve, CubesTurningCannotReachAreRefused) {
    Arrangement twisted;
    twisted.twist[0] = 1;
    EXPECT_THROW(static_cast<void>(SolveOptimal(twisted, SmallTable(false))),
                 std::invalid_argument);
    clsCube cube;
    cube.Side(0).Square(0)->SetColorIndex(1);
    EXPECT_EQ(SolveOptimal(cube, SmallTable(false)), std::nullopt);
}

// The large table: built once (minutes) into the test cache, then loaded.
TEST(OptimalSolveLarge, ScramblesGetTheBruteForceLength) {
    const BruteForceDistance brute;
    std::mt19937 random(19);
    for (int length = 3; length <= BruteForceDistance::Reach; ++length) {
        const Arrangement cube = Scrambled(Scramble(length, false, random));
        ExpectOptimal(cube, brute, true);
    }
}

// The superflip needs 20 turns. Proving it means searching all of depth
// 19, days with this table; in a quarter of a minute every depth searched
// must come out empty, and a proof, if there is one, must be of 20.
TEST(OptimalSolveLarge, TheSuperflipGetsNoSolutionBelowTwenty) {
    Arrangement superflip;
    superflip.flip.fill(1);
    OptimalOptions options;
    options.timeLimit = std::chrono::seconds(15);
    const OptimalResult result = SolveOptimal(superflip, options);
    ASSERT_TRUE(result.steps);
    EXPECT_EQ(Fault(superflip, *result.steps), "");
    EXPECT_GE(result.steps->size(), 20U);
    EXPECT_LT(result.depthSearched, 20);
    EXPECT_GE(result.depthSearched, 13);
    if (result.outcome == OptimalResult::Outcome::Proven) {
        EXPECT_EQ(result.steps->size(), 20U);
    }
}
