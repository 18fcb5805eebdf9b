#include "SolverProbe.h"
#include "SolverTestSupport.h"

#include <gtest/gtest.h>

using namespace turnix;
using namespace turnix::test;
using namespace turnix::side;

namespace {

constexpr int CubeCount = 20000;

// The active steps solve the cube, with no side turned twice in a row.
bool SolutionSolves(clsSolver& solver, const clsCube& cube) {
    const Steps steps = ActiveSteps(solver);
    const auto group = [](std::int16_t code) {
        return code / 3;
    };
    return std::ranges::adjacent_find(steps, {}, group) == steps.end() &&
           IsSolved(After(cube, steps));
}

} // namespace

// Validation wants every piece, so these fail before any step; pieces in an
// unreachable arrangement pass it and fail in the last stages (below).
TEST(Solve, IncompleteCubesFailBeforeAnyStep) {
    clsSolver solver;
    using Change = std::array<std::int16_t, 3>; // side, square, colour
    for (const std::vector<Change>& changes : std::vector<std::vector<Change>>{
             {{Back, 4, Front}},                 // two front centres
             {{Top, 8, Right}, {Right, 0, Top}}, // a corner's colours no longer run clockwise
             {{Top, 0, 6}}}) {                   // a colour outside 0..5
        clsCube cube;
        for (const auto& [s, q, color] : changes) {
            cube.Side(s).Square(q)->SetColorIndex(color);
        }
        EXPECT_FALSE(solver.Solve(cube));
        EXPECT_EQ(SolverProbe::LastStep(solver), 0);
    }
}

// Each scramble also gets its own assignment of the six colours, since the
// solver must go by the centres and never by the colour indices.
TEST(Solve, ScrambledCubesAreSolved) {
    std::mt19937 random(20240601);
    std::uniform_int_distribution<int> length(1, 40);
    std::array<std::int16_t, 6> relabel{0, 1, 2, 3, 4, 5};
    clsSolver solver;
    for (int n = 0; n < CubeCount; ++n) {
        clsCube cube;
        Scramble(cube, random, length(random));
        std::shuffle(relabel.begin(), relabel.end(), random);
        for (std::int16_t s = 0; s < 6; ++s) {
            for (std::int16_t q = 0; q < 9; ++q) {
                const auto& square = cube.Side(s).Square(q);
                square->SetColorIndex(relabel[static_cast<std::size_t>(square->ColorIndex())]);
            }
        }
        ASSERT_TRUE(solver.Solve(cube)) << "cube " << n;
        ASSERT_TRUE(SolutionSolves(solver, cube)) << "cube " << n;
    }
}

// Many unreachable arrangements are odd (two pieces exchanged on their own),
// which would keep
// the bottom edge placement going for ever if nothing ended it.
TEST(Solve, PieceArrangementsAreSolvedExactlyWhenTurningCanReachThem) {
    std::mt19937 random(77);
    std::bernoulli_distribution mend(0.5);
    clsCube cube;
    clsSolver solver;
    int reachable = 0;
    for (int n = 0; n < CubeCount; ++n) {
        const Arrangement arrangement = RandomArrangement(random, mend(random));
        SetArrangement(cube, arrangement);
        const bool expected = IsReachable(arrangement);
        ASSERT_EQ(solver.Solve(cube), expected) << "arrangement " << n;
        if (expected) {
            ++reachable;
            ASSERT_TRUE(SolutionSolves(solver, cube)) << "arrangement " << n;
        }
    }
    EXPECT_GT(reachable, CubeCount / 3);
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
