#include "SolverProbe.h"
#include "SolverTestSupport.h"

#include <gtest/gtest.h>

using namespace turnix;
using namespace turnix::test;

namespace {

constexpr std::int16_t Top = 0, Bottom = 1, Front = 2, Back = 3, Left = 4, Right = 5;

SquareLocation At(std::int16_t s, std::int16_t q) {
    return {s, q, true};
}
const SquareLocation NotFound{0, 0, false};

class SolverLookupTest : public ::testing::Test {
protected:
    void Load() { SolverProbe::Load(solver, cube); }
    void SetColor(std::int16_t s, std::int16_t q, std::int16_t color) {
        cube.Side(s).Square(q)->SetColorIndex(color);
    }
    void Exchange(std::int16_t s1, std::int16_t q1, std::int16_t s2, std::int16_t q2) {
        const std::int16_t first = cube.Side(s1).Square(q1)->ColorIndex();
        SetColor(s1, q1, cube.Side(s2).Square(q2)->ColorIndex());
        SetColor(s2, q2, first);
    }
    bool Validate() {
        Load();
        return SolverProbe::ValidateCube(solver);
    }

    clsCube cube;
    clsSolver solver;
};

} // namespace

TEST_F(SolverLookupTest, PiecesOfTheSolvedCubeAreFoundAtHome) {
    Load();
    EXPECT_EQ(SolverProbe::FindCorner(solver, Top, Right, Front), At(0, 8));
    EXPECT_EQ(SolverProbe::FindCorner(solver, Top, Front, Left), At(0, 6));
    EXPECT_EQ(SolverProbe::FindCorner(solver, Top, Back, Right), At(0, 2));
    EXPECT_EQ(SolverProbe::FindCorner(solver, Top, Left, Back), At(0, 0));
    EXPECT_EQ(SolverProbe::FindCorner(solver, Bottom, Left, Front), At(1, 0));
    EXPECT_EQ(SolverProbe::FindCorner(solver, Bottom, Front, Right), At(1, 2));
    EXPECT_EQ(SolverProbe::FindCorner(solver, Bottom, Right, Back), At(1, 8));
    EXPECT_EQ(SolverProbe::FindCorner(solver, Bottom, Back, Left), At(1, 6));
    // Any twist of the colours' clockwise order, but never the mirror image.
    EXPECT_EQ(SolverProbe::FindCorner(solver, Right, Front, Top), At(5, 0));
    EXPECT_EQ(SolverProbe::FindCorner(solver, Front, Top, Right), At(2, 2));
    EXPECT_EQ(SolverProbe::FindCorner(solver, Top, Front, Right), NotFound);

    EXPECT_EQ(SolverProbe::FindEdge(solver, Top, Front), At(0, 7));
    EXPECT_EQ(SolverProbe::FindEdge(solver, Front, Top), At(2, 1));
    EXPECT_EQ(SolverProbe::FindEdge(solver, Back, Left), At(3, 5));
    EXPECT_EQ(SolverProbe::FindEdge(solver, Top, Bottom), NotFound);

    for (std::int16_t color = 0; color < 6; ++color) {
        EXPECT_EQ(SolverProbe::FindCenter(solver, color), At(color, 4));
    }
    EXPECT_EQ(SolverProbe::FindCenter(solver, 6), NotFound);
}

TEST_F(SolverLookupTest, CentreColoursAreReadFromTheWorkingCube) {
    cube.RotateUp();
    Load();
    EXPECT_EQ(SolverProbe::TopColor(solver), Front);
    EXPECT_EQ(SolverProbe::FrontColor(solver), Bottom);
}

TEST_F(SolverLookupTest, EdgesAreFoundEitherWayFlipped) {
    Exchange(0, 7, 2, 1);
    Load();
    EXPECT_EQ(SolverProbe::FindEdge(solver, Top, Front), At(2, 1));
    EXPECT_EQ(SolverProbe::FindEdge(solver, Front, Top), At(0, 7));
}

TEST_F(SolverLookupTest, TheLowestSideAndThenTheFixedSquareOrderWinsATie) {
    for (std::int16_t s = 0; s < 6; ++s) {
        for (std::int16_t q = 0; q < 9; ++q) {
            SetColor(s, q, 0);
        }
    }
    Load();
    EXPECT_EQ(SolverProbe::FindEdge(solver, 0, 0), At(0, 1));
    EXPECT_EQ(SolverProbe::FindCorner(solver, 0, 0, 0), At(0, 0));
    EXPECT_EQ(SolverProbe::FindCenter(solver, 0), At(0, 4));
    // Edges north, east, south, west; corners 0, 2, 8, 6.
    SetColor(0, 1, 9);
    SetColor(0, 0, 9);
    Load();
    EXPECT_EQ(SolverProbe::FindEdge(solver, 0, 0), At(0, 5));
    EXPECT_EQ(SolverProbe::FindCorner(solver, 0, 0, 0), At(0, 2));
    SetColor(0, 5, 9);
    SetColor(0, 2, 9);
    Load();
    EXPECT_EQ(SolverProbe::FindEdge(solver, 0, 0), At(0, 7));
    EXPECT_EQ(SolverProbe::FindCorner(solver, 0, 0, 0), At(0, 8));
    SetColor(0, 7, 9);
    SetColor(0, 8, 9);
    Load();
    EXPECT_EQ(SolverProbe::FindEdge(solver, 0, 0), At(0, 3));
    EXPECT_EQ(SolverProbe::FindCorner(solver, 0, 0, 0), At(0, 6));
}

TEST_F(SolverLookupTest, ValidationAcceptsEveryPieceInAnyPlaceOrTurn) {
    EXPECT_TRUE(Validate());
    Exchange(0, 7, 2, 1); // one edge flipped in place: stage 5 finds that out
    EXPECT_TRUE(Validate());
    const Arrangement twistedAndExchanged{.corner = {1, 0, 2, 3, 4, 5, 6, 7},
                                          .twist = {1, 0, 0, 0, 0, 0, 0, 0}};
    cube = CubeOf(twistedAndExchanged);
    EXPECT_TRUE(Validate());
}

TEST_F(SolverLookupTest, ValidationRejectsMissingPiecesAndCentres) {
    Exchange(0, 8, 5, 0); // two colours of one corner: no longer clockwise
    EXPECT_FALSE(Validate());

    cube = clsCube{};
    SetColor(1, 4, Top); // two top centres
    EXPECT_FALSE(Validate());

    cube = clsCube{};
    SetColor(0, 0, 6); // a colour the program does not use
    EXPECT_FALSE(Validate());
}
