#include "SolverTestSupport.h"

#include <gtest/gtest.h>

using namespace turnix;
using namespace turnix::test;

namespace {

constexpr int CubeCount = 20000;

::testing::AssertionResult NoSideTurnedTwiceInARow(const std::vector<std::int16_t>& steps) {
    for (std::size_t k = 1; k < steps.size(); ++k) {
        if (steps[k - 1] / 3 == steps[k] / 3) {
            return ::testing::AssertionFailure()
                   << "steps " << k - 1 << " and " << k << " (" << steps[k - 1] << ", " << steps[k]
                   << ") turn the same side";
        }
    }
    return ::testing::AssertionSuccess();
}

// Replays the active steps on a copy of the cube, held in replay so that no
// cube is built per call.
::testing::AssertionResult SolutionSolves(clsSolver& solver, const clsCube& cube, clsCube& replay) {
    const std::vector<std::int16_t> steps = ActiveSteps(solver);
    cube.Copy(replay);
    ApplySteps(replay, steps);
    if (!IsSolved(replay)) {
        return ::testing::AssertionFailure()
               << "the " << steps.size() << " steps leave it unsolved";
    }
    return NoSideTurnedTwiceInARow(steps);
}

} // namespace

TEST(SolveRandom, ScrambledCubesAreSolvedWithoutTouchingTheCallersCube) {
    std::mt19937 random(20240601);
    std::uniform_int_distribution<int> length(1, 40);
    const clsCube solved;
    clsCube cube;
    clsCube replay;
    clsSolver solver;
    for (int n = 0; n < CubeCount; ++n) {
        solved.Copy(cube);
        Scramble(cube, random, length(random));
        const CubeColors before = ColorsOf(cube);
        ASSERT_TRUE(solver.Solve(cube)) << "cube " << n;
        ASSERT_EQ(ColorsOf(cube), before) << "cube " << n;
        ASSERT_TRUE(solver.IsBOF()) << "cube " << n;
        ASSERT_TRUE(SolutionSolves(solver, cube, replay)) << "cube " << n;
    }
}

TEST(SolveRandom, PieceArrangementsAreSolvedExactlyWhenTurningCanReachThem) {
    std::mt19937 random(77);
    std::bernoulli_distribution mend(0.5);
    clsCube cube;
    clsCube replay;
    clsSolver solver;
    int reachable = 0;
    for (int n = 0; n < CubeCount; ++n) {
        const Arrangement arrangement = RandomArrangement(random, mend(random));
        SetArrangement(cube, arrangement);
        const bool expected = IsReachable(arrangement);
        ASSERT_EQ(solver.Solve(cube), expected) << "arrangement " << n;
        if (expected) {
            ++reachable;
            ASSERT_TRUE(SolutionSolves(solver, cube, replay)) << "arrangement " << n;
        }
    }
    EXPECT_GT(reachable, CubeCount / 3);
}

TEST(SolveRandom, ColourGarbageIsInvalid) {
    std::mt19937 random(5);
    std::uniform_int_distribution<int> color(0, 5);
    std::uniform_int_distribution<int> anyValue(INT16_MIN, INT16_MAX);
    clsSolver solver;
    for (int n = 0; n < 2000; ++n) {
        clsCube cube;
        for (std::int16_t s = 0; s < 6; ++s) {
            for (std::int16_t q = 0; q < 9; ++q) {
                const int value = n % 2 == 0 ? color(random) : anyValue(random);
                cube.Side(s).Square(q)->SetColorIndex(static_cast<std::int16_t>(value));
            }
        }
        ASSERT_FALSE(solver.Solve(cube)) << "cube " << n;
    }
}

TEST(SolveRandom, AnyAssignmentOfTheSixColoursToTheCentresWorks) {
    std::mt19937 random(11);
    std::array<std::int16_t, 6> relabel{0, 1, 2, 3, 4, 5};
    clsSolver solver;
    for (int n = 0; n < 200; ++n) {
        std::shuffle(relabel.begin(), relabel.end(), random);
        clsCube cube;
        Scramble(cube, random, 30);
        for (std::int16_t s = 0; s < 6; ++s) {
            for (std::int16_t q = 0; q < 9; ++q) {
                const auto& square = cube.Side(s).Square(q);
                square->SetColorIndex(relabel[static_cast<std::size_t>(square->ColorIndex())]);
            }
        }
        ASSERT_TRUE(solver.Solve(cube)) << "cube " << n;
        clsCube replay = CopyOf(cube);
        ApplySteps(replay, ActiveSteps(solver));
        ASSERT_TRUE(MatchesCenters(replay)) << "cube " << n;
    }
}
