#include "SolverProbe.h"
#include "SolverTestSupport.h"

#include <gtest/gtest.h>

using namespace turnix;
using namespace turnix::test;

namespace {

constexpr std::int16_t Top = 0, Bottom = 1, Front = 2, Back = 3, Left = 4, Right = 5;
const SquareLocation NotFound{0, 0, false};

SquareLocation At(std::int16_t s, std::int16_t q) {
    return {s, q, true};
}

void SetColor(clsCube& cube, std::int16_t s, std::int16_t q, std::int16_t color) {
    cube.Side(s).Square(q)->SetColorIndex(color);
}

bool Validates(const clsCube& cube) {
    clsSolver solver;
    SolverProbe::Load(solver, cube);
    return SolverProbe::ValidateCube(solver);
}

} // namespace

TEST(SolverLookup, PiecesAreFoundByTheirColoursInAnyTurnButNeverMirrored) {
    clsSolver solver;
    SolverProbe::Load(solver, clsCube{});
    EXPECT_EQ(SolverProbe::FindCorner(solver, Top, Right, Front), At(0, 8));
    EXPECT_EQ(SolverProbe::FindCorner(solver, Right, Front, Top), At(5, 0));
    EXPECT_EQ(SolverProbe::FindCorner(solver, Bottom, Back, Left), At(1, 6));
    EXPECT_EQ(SolverProbe::FindCorner(solver, Top, Front, Right), NotFound);
    EXPECT_EQ(SolverProbe::FindEdge(solver, Top, Front), At(0, 7));
    EXPECT_EQ(SolverProbe::FindEdge(solver, Front, Top), At(2, 1));
    EXPECT_EQ(SolverProbe::FindEdge(solver, Top, Bottom), NotFound);
    EXPECT_EQ(SolverProbe::FindCenter(solver, Left), At(4, 4));
    EXPECT_EQ(SolverProbe::FindCenter(solver, 6), NotFound);
}

// Only an invalid cube can match twice: the lowest side wins, then edges
// north, east, south, west and corners 0, 2, 8, 6.
TEST(SolverLookup, TiesGoToTheLowestSideThenTheFixedSquareOrder) {
    clsCube cube;
    for (std::int16_t s = 0; s < 6; ++s) {
        for (std::int16_t q = 0; q < 9; ++q) {
            SetColor(cube, s, q, 0);
        }
    }
    const std::array<std::array<std::int16_t, 2>, 4> expected{{{1, 0}, {5, 2}, {7, 8}, {3, 6}}};
    clsSolver solver;
    for (const auto& [edge, corner] : expected) {
        SolverProbe::Load(solver, cube);
        EXPECT_EQ(SolverProbe::FindEdge(solver, 0, 0), At(0, edge));
        EXPECT_EQ(SolverProbe::FindCorner(solver, 0, 0, 0), At(0, corner));
        SetColor(cube, 0, edge, 9);
        SetColor(cube, 0, corner, 9);
    }
}

TEST(SolverLookup, ValidationWantsEveryPieceButNotAReachableArrangement) {
    EXPECT_TRUE(Validates(clsCube{}));
    EXPECT_TRUE(Validates(CubeOf({.corner = {1, 0, 2, 3, 4, 5, 6, 7},
                                  .twist = {1, 0, 0, 0, 0, 0, 0, 0},
                                  .flip = {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}})));
    clsCube cube;
    SetColor(cube, 0, 8, Right); // a corner's colours no longer run clockwise
    SetColor(cube, 5, 0, Top);
    EXPECT_FALSE(Validates(cube));
    cube = clsCube{};
    SetColor(cube, 1, 4, Top);
    EXPECT_FALSE(Validates(cube)) << "two top centres";
    cube = clsCube{};
    SetColor(cube, 0, 0, 6);
    EXPECT_FALSE(Validates(cube)) << "a colour outside 0..5";
}
