#include "SolverProbe.h"
#include "SolverTestSupport.h"

#include <gtest/gtest.h>

using namespace turnix;
using namespace turnix::test;

namespace {

constexpr int CubeCount = 20000;

// Replays the active steps on a copy of the cube (held in replay, so that
// no cube is built per call): they must solve it, with no side turned twice
// in a row.
::testing::AssertionResult SolutionSolves(clsSolver& solver, const clsCube& cube, clsCube& replay) {
    const std::vector<std::int16_t> steps = ActiveSteps(solver);
    cube.Copy(replay);
    ApplySteps(replay, steps);
    if (!IsSolved(replay)) {
        return ::testing::AssertionFailure()
               << "the " << steps.size() << " steps leave it unsolved";
    }
    for (std::size_t k = 1; k < steps.size(); ++k) {
        if (steps[k - 1] / 3 == steps[k] / 3) {
            return ::testing::AssertionFailure()
                   << "steps " << k - 1 << " and " << k << " turn the same side";
        }
    }
    return ::testing::AssertionSuccess();
}

} // namespace

TEST(Solve, ASolvedCubeHeldAnyWayUpIsCompleteWithNoStep) {
    clsCube cube;
    clsSolver solver;
    EXPECT_TRUE(solver.Solve(cube));
    EXPECT_TRUE(solver.IsEOF() && solver.IsBOF());
    cube.RotateUp();
    cube.RotateLeft();
    EXPECT_TRUE(solver.Solve(cube));
    EXPECT_TRUE(solver.IsEOF());
}

TEST(Solve, TwoEqualCentresFailBeforeAnyStage) {
    clsCube cube;
    cube.Side(side::Back).Square(4)->SetColorIndex(side::Front);
    clsSolver solver;
    EXPECT_FALSE(solver.Solve(cube));
    EXPECT_EQ(SolverProbe::LastStep(solver), 0);
}

// Each holds all 20 pieces, so only the stages can tell; the last two
// would keep the bottom edge placement going for ever if nothing ended it.
TEST(Solve, UnreachableArrangementsFailAndKeepTheirStepsUntilCleared) {
    const std::array<Arrangement, 5> unreachable{{
        {.twist = {0, 0, 0, 0, 0, 0, 1, 0}},
        {.flip = {0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0}},
        {.corner = {1, 0, 2, 3, 4, 5, 6, 7}},
        {.edge = {1, 0, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}},
        {.edge = {0, 1, 2, 3, 5, 6, 7, 4, 8, 9, 10, 11}},
    }};
    std::mt19937 random(1);
    clsSolver solver;
    for (const Arrangement& arrangement : unreachable) {
        clsCube cube = CubeOf(arrangement);
        Scramble(cube, random, 25);
        EXPECT_FALSE(solver.Solve(cube));
        EXPECT_GT(SolverProbe::LastStep(solver), 0);
        solver.ClearSolution();
        EXPECT_EQ(SolverProbe::LastStep(solver), 0);
    }
}

TEST(Solve, ScrambledCubesAreSolvedWithoutTouchingTheCallersCube) {
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

TEST(Solve, PieceArrangementsAreSolvedExactlyWhenTurningCanReachThem) {
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

TEST(Solve, AnyAssignmentOfTheSixColoursToTheCentresWorks) {
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
        ApplySteps(cube, ActiveSteps(solver));
        ASSERT_TRUE(MatchesCenters(cube)) << "cube " << n;
    }
}

TEST(Solve, ColourGarbageIsInvalid) {
    std::mt19937 random(5);
    std::uniform_int_distribution<int> color(0, 5);
    std::uniform_int_distribution<int> anyValue(INT16_MIN, INT16_MAX);
    clsCube cube;
    clsSolver solver;
    for (int n = 0; n < 2000; ++n) {
        for (std::int16_t s = 0; s < 6; ++s) {
            for (std::int16_t q = 0; q < 9; ++q) {
                const int value = n % 2 == 0 ? color(random) : anyValue(random);
                cube.Side(s).Square(q)->SetColorIndex(static_cast<std::int16_t>(value));
            }
        }
        ASSERT_FALSE(solver.Solve(cube)) << "cube " << n;
    }
}
