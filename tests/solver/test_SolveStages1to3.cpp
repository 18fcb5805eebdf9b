#include "SolverProbe.h"
#include "SolverTestSupport.h"

#include <gtest/gtest.h>

using namespace turnix;
using namespace turnix::test;

namespace {

using Steps = std::vector<std::int16_t>;

void Exchange(clsCube& cube, std::int16_t s1, std::int16_t q1, std::int16_t s2, std::int16_t q2) {
    const std::int16_t first = cube.Side(s1).Square(q1)->ColorIndex();
    cube.Side(s1).Square(q1)->SetColorIndex(cube.Side(s2).Square(q2)->ColorIndex());
    cube.Side(s2).Square(q2)->SetColorIndex(first);
}

// The codes that undo the given ones.
Steps Inverse(const Steps& steps) {
    Steps inverse;
    for (auto code = steps.rbegin(); code != steps.rend(); ++code) {
        const int kind = *code % 3;
        inverse.push_back(static_cast<std::int16_t>(*code - kind + (kind == 2 ? 2 : 1 - kind)));
    }
    return inverse;
}

clsCube SolvedThen(const Steps& steps) {
    clsCube cube;
    ApplySteps(cube, steps);
    return cube;
}

// The recorded codes, applied to the cube the stage started from, give the
// working cube turned back by the rotations it was given.
::testing::AssertionResult RecordKeepsStep(clsSolver& solver, const clsCube& start) {
    clsCube replay = CopyOf(start);
    ApplySteps(replay, SolverProbe::StoredSteps(solver));
    if (ColorsOf(replay) != RotatedLeft(SolverProbe::Work(solver), SolverProbe::Rotation(solver))) {
        return ::testing::AssertionFailure() << "record and working cube differ";
    }
    return ::testing::AssertionSuccess();
}

bool Matches(const clsCube& cube, std::int16_t s, std::int16_t q) {
    return cube.Side(s).Square(q)->ColorIndex() == cube.Side(s).Square(4)->ColorIndex();
}

bool TopCrossDone(const clsCube& cube) {
    for (const auto& edge : EdgeSquares) {
        if (edge[0].side == 0 &&
            !(Matches(cube, 0, edge[0].square) && Matches(cube, edge[1].side, edge[1].square))) {
            return false;
        }
    }
    return true;
}

bool LayerDone(const clsCube& cube, std::int16_t highestRow) {
    for (std::int16_t q = 0; q < 9; ++q) {
        if (!Matches(cube, 0, q)) {
            return false;
        }
    }
    for (std::int16_t s = 2; s < 6; ++s) {
        for (std::int16_t q = 0; q < 3 * (highestRow + 1); ++q) {
            if (!Matches(cube, s, q)) {
                return false;
            }
        }
    }
    return true;
}

} // namespace

TEST(SolveStage1, AFinishedTopCrossNeedsNoStepAndNoRotation) {
    clsSolver solver;
    clsCube cube;
    cube.Side(side::Bottom).RotateClockwise();
    cube.Side(side::Top).RotateDouble();
    cube.Side(side::Top).RotateDouble();
    SolverProbe::Load(solver, cube);
    SolverProbe::SolveStage1(solver);
    EXPECT_EQ(SolverProbe::LastStep(solver), 0);
    EXPECT_EQ(SolverProbe::Rotation(solver), 0);
}

TEST(SolveStage1, AFlippedFrontEdgeIsPlacedAgainWithTheLeftEdgeItDisturbs) {
    clsCube cube;
    Exchange(cube, 0, 7, 2, 1);
    clsSolver solver;
    SolverProbe::Load(solver, cube);
    SolverProbe::SolveStage1(solver);
    EXPECT_EQ(SolverProbe::StoredSteps(solver), (Steps{1, 4, 13, 3, 13, 4, 12, 14, 3, 14}));
    EXPECT_EQ(SolverProbe::Rotation(solver), 3);
    EXPECT_TRUE(TopCrossDone(SolverProbe::Work(solver)));
    EXPECT_TRUE(RecordKeepsStep(solver, cube));
}

TEST(SolveStage2, ACornerBelowItsPlaceWithTopColourInFrontGoesUpInThreeTurns) {
    const clsCube cube = SolvedThen(Inverse({0, 15, 1}));
    clsSolver solver;
    SolverProbe::Load(solver, cube);
    ASSERT_EQ(SolverProbe::FindCorner(solver, 0, 5, 2), (SquareLocation{2, 8, true}));
    SolverProbe::SolveStage2(solver);
    EXPECT_EQ(SolverProbe::StoredSteps(solver), (Steps{0, 15, 1}));
    EXPECT_EQ(SolverProbe::Rotation(solver), 3);
    for (const std::int16_t s : {side::Front, side::Left, side::Back, side::Right}) {
        EXPECT_EQ(SolverProbe::Work(solver).Side(s).Tag(), "Done");
    }
    EXPECT_TRUE(LayerDone(SolverProbe::Work(solver), 0));
}

TEST(SolveStage2, AFinishedTopLayerKeepsItsTags) {
    clsSolver solver;
    SolverProbe::Load(solver, SolvedThen({15, 16, 17}));
    SolverProbe::Work(solver).Side(side::Front).SetTag("kept");
    SolverProbe::SolveStage2(solver);
    EXPECT_EQ(SolverProbe::LastStep(solver), 0);
    EXPECT_EQ(SolverProbe::Rotation(solver), 0);
    EXPECT_EQ(SolverProbe::Work(solver).Side(side::Front).Tag(), "kept");
}

TEST(SolveStage3, AFlippedMiddleEdgeWaitsOneRoundThenComesOutAndGoesBackIn) {
    clsCube cube;
    Exchange(cube, 2, 5, 5, 3);
    clsSolver solver;
    SolverProbe::Load(solver, cube);
    SolverProbe::SolveStage1(solver);
    SolverProbe::SolveStage2(solver);
    EXPECT_EQ(SolverProbe::LastStep(solver), 0);
    SolverProbe::SolveStage3(solver);
    EXPECT_EQ(SolverProbe::StoredSteps(solver),
              (Steps{10, 15, 9, 15, 0, 16, 1, 15, 10, 15, 9, 15, 0, 16, 1}));
    EXPECT_EQ(SolverProbe::Rotation(solver), 0);
    EXPECT_TRUE(LayerDone(SolverProbe::Work(solver), 1));
    EXPECT_FALSE(solver.Solve(cube)) << "one flipped edge cannot be solved";
}

class SolveStage3Insertion : public ::testing::TestWithParam<Steps> {};

// Each cube is the solved one with the stage's own moves undone, so the
// stage must record exactly those moves.
TEST_P(SolveStage3Insertion, RecordsExactlyTheMovesFromTheInsertionLocation) {
    const Steps& expected = GetParam();
    clsSolver solver;
    SolverProbe::Load(solver, SolvedThen(Inverse(expected)));
    SolverProbe::SolveStage3(solver);
    EXPECT_EQ(SolverProbe::StoredSteps(solver), expected);
    EXPECT_TRUE(LayerDone(SolverProbe::Work(solver), 1));
}

INSTANTIATE_TEST_SUITE_P(
    FromBottomLocations, SolveStage3Insertion,
    ::testing::Values(Steps{0, 16, 1, 16, 10, 15, 9},       // at (1, 7): no bottom turn
                      Steps{16, 10, 15, 9, 15, 0, 16, 1},   // at (2, 7): to (4, 7) first
                      Steps{10, 15, 9, 15, 0, 16, 1},       // at (4, 7)
                      Steps{17, 0, 16, 1, 16, 10, 15, 9})); // at (1, 1): to (1, 7) first

TEST(SolveStages1to3, ScramblesEndWithTwoLayersDoneAndARecordInStep) {
    std::mt19937 random(99);
    clsSolver solver;
    for (int n = 0; n < 500; ++n) {
        clsCube cube;
        Scramble(cube, random, 30);
        SolverProbe::Load(solver, cube);
        SolverProbe::SolveStage1(solver);
        ASSERT_TRUE(TopCrossDone(SolverProbe::Work(solver))) << "cube " << n;
        ASSERT_TRUE(RecordKeepsStep(solver, cube)) << "cube " << n;
        SolverProbe::SolveStage2(solver);
        ASSERT_TRUE(LayerDone(SolverProbe::Work(solver), 0)) << "cube " << n;
        ASSERT_TRUE(RecordKeepsStep(solver, cube)) << "cube " << n;
        SolverProbe::SolveStage3(solver);
        ASSERT_TRUE(LayerDone(SolverProbe::Work(solver), 1)) << "cube " << n;
        ASSERT_TRUE(RecordKeepsStep(solver, cube)) << "cube " << n;
    }
}
