#include "PatternKey.h"
#include "SolverProbe.h"
#include "SolverTestSupport.h"

#include <gtest/gtest.h>

using namespace turnix;
using namespace turnix::test;

namespace {

using Steps = std::vector<std::int16_t>;

// The stage's bottom edge positions front, left, back, right as positions
// of EdgeSquares.
constexpr std::array<int, 4> StagePosition{5, 6, 7, 4};

// All solved but the bottom edges: piece pieceIn[k] (0..3) in position k,
// flipped as given.
clsCube BottomEdges(const std::array<int, 4>& pieceIn, const std::array<int, 4>& flip) {
    Arrangement arrangement;
    for (std::size_t k = 0; k < 4; ++k) {
        const auto position = static_cast<std::size_t>(StagePosition[k]);
        arrangement.edge[position] = StagePosition[static_cast<std::size_t>(pieceIn[k])];
        arrangement.flip[position] = flip[k];
    }
    return CubeOf(arrangement);
}

const Steps EdgeCycle{4, 9, 0, 3, 10, 17, 4, 9, 0, 3, 10};
const Steps EdgeCycleUndone{9, 4, 1, 10, 3, 17, 9, 4, 1, 10, 3};

} // namespace

TEST(SolveStage5, OneFlippedEdgeFailsWithoutAStep) {
    clsSolver solver;
    SolverProbe::Load(solver, BottomEdges({0, 1, 2, 3}, {1, 0, 0, 0}));
    EXPECT_EQ(SolverProbe::BottomEdgePattern(solver), PatternKey("10000111"));
    EXPECT_FALSE(SolverProbe::SolveStage5(solver));
    EXPECT_EQ(SolverProbe::LastStep(solver), 0);
}

TEST(SolveStage5, AClosingPairStillPendingAtTheEndIsRecordedLast) {
    clsSolver solver;
    SolverProbe::Load(solver, SolvedThen(EdgeCycleUndone));
    EXPECT_TRUE(SolverProbe::SolveStage5(solver));
    EXPECT_EQ(SolverProbe::Stored(solver), EdgeCycle);
    EXPECT_TRUE(IsSolved(SolverProbe::Work(solver)));
}

TEST(SolveStage5, BackToBackEdgeCyclesRecordNeitherPairBetweenThem) {
    clsSolver solver;
    SolverProbe::Load(solver, clsCube{});
    SolverProbe::CycleBottomEdges(solver, 0);
    SolverProbe::CycleBottomEdges(solver, 1);
    EXPECT_EQ(SolverProbe::Stored(solver),
              (Steps{4, 9, 0, 3, 10, 17, 4, 9, 0, 1, 3, 10, 17, 4, 9, 1}));
    EXPECT_FALSE(SolverProbe::IsRecorded(solver));
    clsCube expected = SolvedThen(SolverProbe::Stored(solver));
    ApplySteps(expected, {3, 10});
    EXPECT_EQ(ColorsOf(SolverProbe::Work(solver)), ColorsOf(expected))
        << "the pending closing pair is applied all the same";
}

// Every arrangement and flip of the four bottom edges: the stage always
// ends, and succeeds exactly for even arrangements with an even number of
// flips; two edges exchanged on their own or four in a cycle fail.
TEST(SolveStage5, AllBottomEdgeStatesEndAndTheSolvableOnesSucceedWithin52Steps) {
    std::array<int, 4> pieceIn{0, 1, 2, 3};
    clsSolver solver;
    int solved = 0;
    do {
        for (int code = 0; code < 16; ++code) {
            const std::array<int, 4> flip{code & 1, code >> 1 & 1, code >> 2 & 1, code >> 3 & 1};
            const bool solvable =
                !IsOdd(pieceIn) && (flip[0] + flip[1] + flip[2] + flip[3]) % 2 == 0;
            const clsCube cube = BottomEdges(pieceIn, flip);
            SolverProbe::Load(solver, cube);
            ASSERT_EQ(SolverProbe::SolveStage5(solver), solvable) << "flip code " << code;
            if (!solvable) {
                continue;
            }
            ++solved;
            EXPECT_LE(SolverProbe::LastStep(solver), 52);
            EXPECT_TRUE(MatchesCenters(SolverProbe::Work(solver)));
            clsCube replay = CopyOf(cube);
            ApplySteps(replay, SolverProbe::Stored(solver));
            EXPECT_TRUE(IsSolved(replay));
        }
    } while (std::next_permutation(pieceIn.begin(), pieceIn.end()));
    EXPECT_EQ(solved, 96);
}
