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
        inverse.push_back(static_cast<std::int16_t>(kind == 0   ? *code + 1
                                                    : kind == 1 ? *code - 1
                                                                : *code));
    }
    return inverse;
}

} // namespace

TEST(SolveStage1, AFlippedFrontEdgeIsPlacedAgainWithTheLeftEdgeItDisturbs) {
    clsCube cube;
    Exchange(cube, 0, 7, 2, 1);
    clsSolver solver;
    SolverProbe::Load(solver, cube);
    SolverProbe::SolveStage1(solver);
    EXPECT_EQ(SolverProbe::Stored(solver), (Steps{1, 4, 13, 3, 13, 4, 12, 14, 3, 14}));
    EXPECT_EQ(SolverProbe::Rotation(solver), 3);
    clsCube replay = CopyOf(cube);
    ApplySteps(replay, SolverProbe::Stored(solver));
    EXPECT_EQ(ColorsOf(replay), RotatedLeft(SolverProbe::Work(solver), 3))
        << "the record, applied to the cube, gives the working cube turned back";
}

TEST(SolveStage2, ACornerBelowItsPlaceWithTopColourInFrontGoesUpInThreeTurns) {
    clsSolver solver;
    SolverProbe::Load(solver, SolvedThen(Inverse({0, 15, 1})));
    ASSERT_EQ(SolverProbe::FindCorner(solver, 0, 5, 2), (SquareLocation{2, 8, true}));
    SolverProbe::SolveStage2(solver);
    EXPECT_EQ(SolverProbe::Stored(solver), (Steps{0, 15, 1}));
    EXPECT_EQ(SolverProbe::Rotation(solver), 3);
    for (const std::int16_t s : {side::Front, side::Left, side::Back, side::Right}) {
        EXPECT_EQ(SolverProbe::Work(solver).Side(s).Tag(), "Done");
    }
}

TEST(SolveStage3, AFlippedMiddleEdgeWaitsOneRoundThenComesOutAndGoesBackIn) {
    clsCube cube;
    Exchange(cube, 2, 5, 5, 3);
    clsSolver solver;
    SolverProbe::Load(solver, cube);
    SolverProbe::SolveStage1(solver);
    SolverProbe::SolveStage2(solver);
    SolverProbe::SolveStage3(solver);
    EXPECT_EQ(SolverProbe::Stored(solver),
              (Steps{10, 15, 9, 15, 0, 16, 1, 15, 10, 15, 9, 15, 0, 16, 1}));
    EXPECT_EQ(SolverProbe::Rotation(solver), 0);
}

// Each cube is the solved one with the stage's own moves undone, so the
// stage must record exactly those moves.
TEST(SolveStage3, EachBottomLocationGetsItsBottomTurnAndInsertion) {
    for (const Steps& expected : {Steps{0, 16, 1, 16, 10, 15, 9},        // at (1, 7)
                                  Steps{10, 15, 9, 15, 0, 16, 1},        // at (4, 7)
                                  Steps{16, 10, 15, 9, 15, 0, 16, 1},    // at (2, 7)
                                  Steps{17, 0, 16, 1, 16, 10, 15, 9}}) { // at (1, 1)
        clsSolver solver;
        SolverProbe::Load(solver, SolvedThen(Inverse(expected)));
        SolverProbe::SolveStage3(solver);
        EXPECT_EQ(SolverProbe::Stored(solver), expected);
    }
}
