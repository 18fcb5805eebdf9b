#include "FewestTestSupport.h"
#include "FewestTurns.h"
#include "StepCodes.h"
#include "clsSolver.h"

#include <gtest/gtest.h>
#include <stdexcept>
#include <thread>

using namespace turnix;
using namespace turnix::test;

namespace {

constexpr int RandomCubeCount = Sanitized ? 100 : 300;

constexpr FewestTurnsLimits NoTimeLimit(int maxTurns) {
    return {maxTurns, std::chrono::milliseconds{0}};
}

bool Opposite(int a, int b) {
    return a != b && (a >= 4 ? b >= 4 : b < 4 && a % 2 == b % 2);
}

// Empty when the steps solve the cube and keep the order rules, else why not.
std::string Fault(const Arrangement& a, const Steps& steps) {
    for (std::size_t i = 0; i + 1 < steps.size(); ++i) {
        const int first = steps[i] / 3;
        const int second = steps[i + 1] / 3;
        if (first == second || (Opposite(first, second) && second < first)) {
            return "neighbours out of order at " + std::to_string(i);
        }
    }
    for (const std::int16_t code : steps) {
        if (code < 0 || code >= SideTurnCount) {
            return "not a side turn: " + std::to_string(code);
        }
    }
    return IsSolved(Turned(a, steps)) ? "" : "not solved";
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

TEST(FewestTurns, ShortScramblesGetNoLongerSolutions) {
    const std::vector<Steps> scrambles{
        {0},
        {13},
        {11},
        {16, 5},
        {2, 17},
        {6, 14, 3, 10, 15},
        {1, 4, 7, 10, 13, 16, 0},
        {12, 15, 2, 8, 5, 11}, // U D F2 B2 L2 R2: a position of the subgroup
    };
    const Arrangement solved;
    for (const Steps& scramble : scrambles) {
        const Arrangement cube = ArrangementOf(Turned(solved, scramble));
        const auto length = static_cast<int>(scramble.size());
        const Steps steps = SolveFewestTurns(cube, NoTimeLimit(length));
        EXPECT_EQ(Fault(cube, steps), "") << length;
        EXPECT_LE(steps.size(), scramble.size()) << length;
    }
    EXPECT_TRUE(SolveFewestTurns(solved).empty());
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
