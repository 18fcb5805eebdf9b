#include "PatternKey.h"
#include "SolverProbe.h"
#include "SolverTestSupport.h"

#include <gtest/gtest.h>
#include <map>

using namespace turnix;
using namespace turnix::test;

namespace {

using Steps = std::vector<std::int16_t>;

// The stage numbers the bottom corner positions front-left, front-right,
// back-right, back-left; as positions of CornerSquares these are DLF, DFR,
// DRB, DBL.
constexpr std::array<int, 4> StagePosition{5, 4, 7, 6};

// A cube with the first two layers and the bottom edges solved and piece
// pieceIn[k] (1..4) in stage position k + 1 with the given twists.
clsCube BottomCorners(const std::array<int, 4>& pieceIn, const std::array<int, 4>& twist) {
    Arrangement arrangement;
    for (std::size_t k = 0; k < 4; ++k) {
        const auto position = static_cast<std::size_t>(StagePosition[k]);
        arrangement.corner[position] = StagePosition[static_cast<std::size_t>(pieceIn[k] - 1)];
        arrangement.twist[position] = twist[k];
    }
    return CubeOf(arrangement);
}

bool CornersAndTwoLayersDone(const clsCube& cube) {
    const auto matches = [&cube](std::int16_t s, std::int16_t q) {
        return cube.Side(s).Square(q)->ColorIndex() == cube.Side(s).Square(4)->ColorIndex();
    };
    for (const auto& corner : CornerSquares) {
        for (const auto& square : corner) {
            if (!matches(square.side, square.square)) {
                return false;
            }
        }
    }
    for (std::size_t edge = 0; edge < EdgeSquares.size(); ++edge) {
        const bool bottomEdge = edge >= 4 && edge < 8;
        for (const auto& square : EdgeSquares[edge]) {
            if (!bottomEdge && !matches(square.side, square.square)) {
                return false;
            }
        }
    }
    return true;
}

struct StageRun {
    bool result;
    Steps stored;
};

StageRun RunStage4(const clsCube& cube, clsSolver& solver) {
    SolverProbe::Load(solver, cube);
    const bool result = SolverProbe::SolveStage4(solver);
    return {result, SolverProbe::StoredSteps(solver)};
}

} // namespace

TEST(SolveStage4, TwistsAAndBUndoEachOtherAndGiveTheirDocumentedPatterns) {
    clsSolver solver;
    SolverProbe::Load(solver, clsCube{});
    EXPECT_EQ(SolverProbe::BottomCornerPattern(solver), PatternKey("000000001111"));
    SolverProbe::TwistBottomCorners(solver, 0);
    EXPECT_EQ(SolverProbe::BottomCornerPattern(solver), PatternKey("001010101000"));
    SolverProbe::TwistBottomCorners(solver, 1);
    EXPECT_EQ(SolverProbe::BottomCornerPattern(solver), PatternKey("000000001111"));
    SolverProbe::TwistBottomCorners(solver, 1);
    EXPECT_EQ(SolverProbe::BottomCornerPattern(solver), PatternKey("010101001000"));
    EXPECT_EQ(SolverProbe::StoredSteps(solver),
              (Steps{10, 16, 9,  16, 10, 17, 9,  17, 17, 10, 17, 9,
                     15, 10, 15, 9,  17, 10, 17, 9,  15, 10, 15, 9}));
}

TEST(SolveStage4, FinishedBottomCornersNeedNoStep) {
    clsSolver solver;
    const StageRun run = RunStage4(BottomCorners({1, 2, 3, 4}, {0, 0, 0, 0}), solver);
    EXPECT_TRUE(run.result);
    EXPECT_TRUE(run.stored.empty());
}

TEST(SolveStage4, CornersInTheRightCyclicOrderNeedOneBottomTurn) {
    clsSolver solver;
    EXPECT_EQ(RunStage4(BottomCorners({4, 1, 2, 3}, {0, 0, 0, 0}), solver).stored, Steps{16});
    EXPECT_EQ(RunStage4(BottomCorners({2, 3, 4, 1}, {0, 0, 0, 0}), solver).stored, Steps{15});
    EXPECT_EQ(RunStage4(BottomCorners({3, 4, 1, 2}, {0, 0, 0, 0}), solver).stored, Steps{17});
}

TEST(SolveStage4, AfterARotationTheFrontExchangeIsStoredOneSideOn) {
    clsSolver solver;
    const StageRun run = RunStage4(BottomCorners({4, 2, 3, 1}, {0, 0, 0, 0}), solver);
    ASSERT_GE(run.stored.size(), 10U);
    EXPECT_EQ(Steps(run.stored.begin(), run.stored.begin() + 10),
              (Steps{1, 16, 0, 3, 15, 4, 1, 15, 0, 17}));
    EXPECT_TRUE(run.result);
}

TEST(SolveStage4, ACornerTwistedOnItsOwnFailsBeforeAnyTwist) {
    clsSolver solver;
    for (std::size_t k = 0; k < 4; ++k) {
        for (const int turn : {1, 2}) {
            std::array<int, 4> twist{};
            twist[k] = turn;
            const StageRun run = RunStage4(BottomCorners({1, 2, 3, 4}, twist), solver);
            EXPECT_FALSE(run.result) << "corner " << k << " twisted " << turn;
            EXPECT_TRUE(run.stored.empty()) << "corner " << k << " twisted " << turn;
        }
    }
}

TEST(SolveStage4, EightTwistPatternsTakeOneTwistAndEighteenTakeTwo) {
    std::map<std::size_t, int> patternsByTwists;
    clsSolver solver;
    for (int code = 0; code < 81; ++code) {
        const std::array<int, 4> twist{code % 3, code / 3 % 3, code / 9 % 3, code / 27};
        if ((twist[0] + twist[1] + twist[2] + twist[3]) % 3 != 0) {
            continue;
        }
        const StageRun run = RunStage4(BottomCorners({1, 2, 3, 4}, twist), solver);
        ASSERT_TRUE(run.result);
        ASSERT_EQ(run.stored.size() % 8, 0U) << "only whole twists are stored";
        ++patternsByTwists[run.stored.size() / 8];
    }
    EXPECT_EQ(patternsByTwists, (std::map<std::size_t, int>{{0, 1}, {1, 8}, {2, 18}}));
}

// Every arrangement of the four bottom corners, every twist: the stage
// succeeds exactly when the twists add up to whole turns, and always ends.
TEST(SolveStage4, AllBottomCornerStatesEndAndTheSolvableOnesSucceedWithin27Steps) {
    std::array<int, 4> pieceIn{1, 2, 3, 4};
    clsSolver solver;
    int solved = 0;
    do {
        for (int code = 0; code < 81; ++code) {
            const std::array<int, 4> twist{code % 3, code / 3 % 3, code / 9 % 3, code / 27};
            const clsCube cube = BottomCorners(pieceIn, twist);
            const bool solvable = (twist[0] + twist[1] + twist[2] + twist[3]) % 3 == 0;
            const StageRun run = RunStage4(cube, solver);
            ASSERT_EQ(run.result, solvable) << "twist code " << code;
            if (!solvable) {
                continue;
            }
            ++solved;
            EXPECT_LE(run.stored.size(), 27U);
            EXPECT_TRUE(CornersAndTwoLayersDone(SolverProbe::Work(solver)));
            clsCube replay = CopyOf(cube);
            ApplySteps(replay, run.stored);
            EXPECT_EQ(ColorsOf(replay),
                      RotatedLeft(SolverProbe::Work(solver), SolverProbe::Rotation(solver)));
        }
    } while (std::next_permutation(pieceIn.begin(), pieceIn.end()));
    EXPECT_EQ(solved, 648);
}
