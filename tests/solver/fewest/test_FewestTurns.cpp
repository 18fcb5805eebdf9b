#include "BruteForceDistance.h"
#include "FewestTestSupport.h"
#include "StepCodes.h"
#include "fewest/FewestSearch.h"
#include "fewest/FewestTurns.h"
#include "layers/clsSolver.h"

#include <atomic>
#include <gtest/gtest.h>
#include <stdexcept>
#include <thread>

using namespace turnix;
using namespace turnix::test;

namespace {

constexpr int RandomCubeCount = Sanitized ? 100 : 300;

FewestTurnsLimits NoTimeLimit(int maxTurns) {
    return {maxTurns, std::chrono::milliseconds{0}};
}

std::vector<Arrangement> RandomCubes(int count, unsigned seed) {
    std::mt19937 random(seed);
    std::vector<Arrangement> cubes;
    cubes.reserve(static_cast<std::size_t>(count));
    for (int n = 0; n < count; ++n) {
        cubes.push_back(RandomArrangement(random, true));
    }
    return cubes;
}

// Every reading a millisecond after the one before, on any thread; Advance
// stands for time that passes meanwhile.
class FakeClock final : public SearchClock {
public:
    [[nodiscard]] std::chrono::steady_clock::time_point Now() const override {
        return std::chrono::steady_clock::time_point(std::chrono::milliseconds(ticks++));
    }
    void Advance(std::chrono::milliseconds by) { ticks += by.count(); }

private:
    mutable std::atomic<std::int64_t> ticks{0};
};

// Solves the cubes on two threads, each cube on its own.
std::vector<Steps> SolveAll(const std::vector<Arrangement>& cubes,
                            const FewestTurnsLimits& limits) {
    std::vector<Steps> solutions(cubes.size());
    const auto part = [&](std::size_t first) {
        for (std::size_t n = first; n < cubes.size(); n += 2) {
            solutions[n] = SolveFewestTurns(cubes[n], limits);
        }
    };
    std::thread other(part, 1);
    part(0);
    other.join();
    return solutions;
}

} // namespace

TEST(FewestTurns, RandomCubesAreSolvedInFewTurns) {
    PrepareFewestTurnsTables();
    const std::vector<Arrangement> cubes = RandomCubes(RandomCubeCount, 2024);
    const std::vector<Steps> solutions = SolveAll(cubes, {});
    std::size_t total = 0;
    for (std::size_t n = 0; n < cubes.size(); ++n) {
        ASSERT_EQ(Fault(cubes[n], solutions[n]), "") << "cube " << n;
        ASSERT_LE(solutions[n].size(), 30U) << "cube " << n;
        total += solutions[n].size();
    }
    EXPECT_LE(static_cast<double>(total) / static_cast<double>(cubes.size()), 21.5);
}

// Every edge flipped in place: among the hardest cubes, 20 turns at the
// fewest.
TEST(FewestTurns, TheSuperflipIsSolvedInTwentyTurns) {
    if (Sanitized) {
        GTEST_SKIP() << "a minute under the sanitizers, on paths the random cubes cover";
    }
    Arrangement superflip;
    superflip.flip.fill(1);
    const Steps steps = SolveFewestTurns(superflip, NoTimeLimit(20));
    EXPECT_EQ(Fault(superflip, steps), "");
    EXPECT_EQ(steps.size(), 20U);
}

// Within ten turns the direct search finds the fewest, checked by brute
// force up to seven.
TEST(FewestTurns, ScramblesOfUpToTenTurnsGetNoLongerSolutionsAndUpToSevenTheShortest) {
    const BruteForceDistance bruteForce;
    std::mt19937 random(10);
    for (int length = 1; length <= 10; ++length) {
        for (int n = 0; n < (Sanitized ? 4 : 16); ++n) {
            const bool halfTurns = n % 4 == 3;
            const Steps scramble = Scramble(length, halfTurns, random);
            const clsCube cube = Turned(Arrangement{}, scramble);
            const Arrangement a = ArrangementOf(cube);
            const Steps steps = SolveFewestTurns(a);
            ASSERT_EQ(Fault(a, steps), "") << length;
            ASSERT_LE(steps.size(), scramble.size()) << length << (halfTurns ? " half turns" : "");
            if (length <= BruteForceDistance::Reach) {
                ASSERT_EQ(static_cast<int>(steps.size()), bruteForce.Distance(cube)) << length;
            }
        }
    }
    EXPECT_TRUE(SolveFewestTurns(Arrangement{}).empty());
}

// A search with no target on one thread, timed by a fake clock: the answer
// is the same whether the tables were there or took ten seconds to come,
// and a longer time never gives a longer one (nor, here, always the same).
TEST(FewestTurns, TheTimeLimitCountsFromWhenTheTablesAreThere) {
    const fewest::Tables& tables = fewest::Tables::Get();
    const auto solve = [&](const Arrangement& cube, int milliseconds, bool waitForTables) {
        FakeClock clock;
        const FewestTurnsLimits limits{0, std::chrono::milliseconds{milliseconds}, 1, &clock};
        return fewest::Solve(cube, limits, [&]() -> const fewest::Tables& {
            if (waitForTables) {
                clock.Advance(std::chrono::seconds{10});
            }
            return tables;
        });
    };
    std::size_t quick = 0;
    std::size_t slow = 0;
    for (const Arrangement& cube : RandomCubes(Sanitized ? 1 : 6, 77)) {
        const Steps waited = solve(cube, 16, true);
        EXPECT_EQ(Fault(cube, waited), "");
        EXPECT_EQ(solve(cube, 16, false), waited);
        std::size_t last = 99;
        for (const int milliseconds : {1, 4, 16}) {
            const std::size_t turns = solve(cube, milliseconds, false).size();
            EXPECT_LE(turns, last) << milliseconds << " ms";
            last = turns;
        }
        quick += solve(cube, 1, false).size();
        slow += waited.size();
    }
    EXPECT_LT(slow, quick) << "the time limit never came into it";
}

// Threads that meet on one cube give the first solution of at most
// maxTurns that one thread finds, when time is no limit.
TEST(FewestTurns, MoreThreadsFindTheSameSolutionAsOne) {
    for (const Arrangement& cube : RandomCubes(Sanitized ? 3 : 12, 99)) {
        const Steps alone = SolveFewestTurns(cube, NoTimeLimit(20));
        for (const unsigned threads : {2U, 3U}) {
            FewestTurnsLimits limits = NoTimeLimit(20);
            limits.threads = threads;
            EXPECT_EQ(SolveFewestTurns(cube, limits), alone) << threads;
        }
    }
}

// With no solution short enough, the time limit ends the search, and the
// best found so far is the answer.
TEST(FewestTurns, WhenTimeRunsOutTheBestSolutionFoundIsGiven) {
    for (const Arrangement& cube : RandomCubes(3, 5)) {
        const Steps steps = SolveFewestTurns(cube, {0, std::chrono::milliseconds{30}});
        EXPECT_EQ(Fault(cube, steps), "");
        EXPECT_GE(steps.size(), 15U);
    }
}

TEST(FewestTurns, ArrangementsThatTurningCannotReachAreRefused) {
    std::vector<Arrangement> bad(6);
    bad[0].twist[0] = 1;
    bad[1].flip[3] = 1;
    std::swap(bad[2].edge[0], bad[2].edge[1]);
    std::swap(bad[3].corner[2], bad[3].corner[5]);
    bad[4].corner[0] = 1; // piece 1 twice
    bad[5].twist[0] = 3;
    bad[5].twist[1] = 0;
    for (const Arrangement& cube : bad) {
        EXPECT_THROW(static_cast<void>(SolveFewestTurns(cube)), std::invalid_argument);
    }
}

// An entered cube is judged as the layer solver judges it, whatever colours
// its centres show: here arrangements half of which turning cannot reach,
// turned as a whole, and colour garbage.
TEST(FewestTurns, EnteredCubesAreRefusedExactlyWhenSolveRefusesThemAndOtherwiseSolved) {
    std::mt19937 random(31);
    std::uniform_int_distribution<int> rotation(step::RotateUp, step::RotateRight);
    std::uniform_int_distribution<int> garbage(-1, 6);
    clsSolver solver;
    for (int n = 0; n < (Sanitized ? 20 : 300); ++n) {
        clsCube cube = CubeOf(RandomArrangement(random, n % 2 == 0));
        for (int k = 0; k < 3; ++k) {
            ApplyStep(cube, static_cast<std::int16_t>(rotation(random)));
        }
        if (n % 10 == 9) {
            cube.Side(static_cast<std::int16_t>(n % 6))
                .Square(static_cast<std::int16_t>(n % 9))
                ->SetColorIndex(static_cast<std::int16_t>(garbage(random)));
        }
        const auto steps = SolveFewestTurns(cube);
        ASSERT_EQ(steps.has_value(), solver.Solve(cube)) << "cube " << n;
        if (steps) {
            for (const std::int16_t code : *steps) {
                ApplyStep(cube, code);
            }
            ASSERT_TRUE(IsSolved(cube)) << "cube " << n;
        }
    }
    EXPECT_EQ(SolveFewestTurns(clsCube{}), std::vector<std::int16_t>{});
}

TEST(FewestTurns, TablesAreReadyOnceAnyThreadHasPreparedThem) {
    std::thread first(PrepareFewestTurnsTables);
    std::thread second(PrepareFewestTurnsTables);
    first.join();
    second.join();
    EXPECT_TRUE(FewestTurnsTablesReady());
}
