#include "SolverProbe.h"
#include "SolverTestSupport.h"

#include <gtest/gtest.h>

using namespace turnix;
using namespace turnix::test;

TEST(Solve, ASolvedCubeIsCompleteWithNoStep) {
    clsSolver solver;
    EXPECT_TRUE(solver.Solve(clsCube{}));
    EXPECT_TRUE(solver.IsEOF());
    EXPECT_TRUE(solver.IsBOF());
    EXPECT_EQ(SolverProbe::LastStep(solver), 0);
}

TEST(Solve, ASolvedCubeHeldAnotherWayUpIsCompleteToo) {
    clsCube cube;
    cube.RotateUp();
    cube.RotateLeft();
    clsSolver solver;
    EXPECT_TRUE(solver.Solve(cube));
    EXPECT_TRUE(solver.IsEOF());
}

TEST(Solve, TwoEqualCentresFailBeforeAnyStage) {
    clsCube cube;
    cube.Side(side::Back).Square(4)->SetColorIndex(side::Front);
    clsSolver solver;
    EXPECT_FALSE(solver.Solve(cube));
    EXPECT_EQ(SolverProbe::LastStep(solver), 0);
    EXPECT_EQ(SolverProbe::Rotation(solver), 0);
}

// Each cube below holds all 20 pieces, so only the stages can tell.
TEST(Solve, UnreachableArrangementsFailAndKeepTheirStepsUntilCleared) {
    const std::array<Arrangement, 5> unreachable{{
        {.twist = {0, 0, 0, 0, 0, 0, 1, 0}},              // one corner twisted
        {.flip = {0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0}},   // one edge flipped
        {.corner = {1, 0, 2, 3, 4, 5, 6, 7}},             // two corners exchanged
        {.edge = {1, 0, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}}, // two edges exchanged
        {.edge = {0, 1, 2, 3, 5, 6, 7, 4, 8, 9, 10, 11}}, // four bottom edges cycled
    }};
    std::mt19937 random(1);
    clsSolver solver;
    for (std::size_t k = 0; k < unreachable.size(); ++k) {
        clsCube cube = CubeOf(unreachable[k]);
        Scramble(cube, random, 25);
        EXPECT_FALSE(solver.Solve(cube)) << "arrangement " << k;
        EXPECT_GT(SolverProbe::LastStep(solver), 0) << "arrangement " << k;
        solver.ClearSolution();
        EXPECT_EQ(SolverProbe::LastStep(solver), 0);
    }
}

TEST(Solve, SolvingTheSameCubeTwiceGivesTheSameSteps) {
    std::mt19937 random(12);
    clsCube cube;
    Scramble(cube, random, 30);
    clsSolver solver;
    ASSERT_TRUE(solver.Solve(cube));
    const std::vector<std::int16_t> first = ActiveSteps(solver);
    clsCube other;
    Scramble(other, random, 30);
    ASSERT_TRUE(solver.Solve(other));
    ASSERT_TRUE(solver.Solve(cube));
    EXPECT_EQ(ActiveSteps(solver), first);
    EXPECT_FALSE(first.empty());
}
