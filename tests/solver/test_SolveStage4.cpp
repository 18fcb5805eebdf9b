#include "PatternKey.h"
#include "SolverProbe.h"
#include "SolverTestSupport.h"

#include <gtest/gtest.h>
#include <map>

using namespace turnix;
using namespace turnix::test;

namespace {

using Steps = std::vector<std::int16_t>;

// The stage's bottom corner positions front-left, front-right, back-right,
// back-left as positions of CornerSquares.
constexpr std::array<int, 4> StagePosition{5, 4, 7, 6};

// All solved but the bottom corners: piece pieceIn[k] (1..4) in position k
// + 1, twisted as given.
clsCube BottomCorners(const std::array<int, 4>& pieceIn, const std::array<int, 4>& twist) {
    Arrangement arrangement;
    for (std::size_t k = 0; k < 4; ++k) {
        const auto position = static_cast<std::size_t>(StagePosition[k]);
        arrangement.corner[position] = StagePosition[static_cast<std::size_t>(pieceIn[k] - 1)];
        arrangement.twist[position] = twist[k];
    }
    return CubeOf(arrangement);
}

std::array<int, 4> TwistsOf(int code) {
    return {code % 3, code / 3 % 3, code / 9 % 3, code / 27};
}

bool TwistsAddUp(const std::array<int, 4>& twist) {
    return (twist[0] + twist[1] + twist[2] + twist[3]) % 3 == 0;
}

// Every square but those of the bottom edges shows its centre's colour.
bool AllButBottomEdgesMatch(const clsCube& cube) {
    for (std::int16_t s = 0; s < 6; ++s) {
        for (std::int16_t q = 0; q < 9; ++q) {
            const bool bottomEdge = (s == side::Bottom && q % 2 == 1) || (s >= 2 && q == 7);
            if (!bottomEdge &&
                cube.Side(s).Square(q)->ColorIndex() != cube.Side(s).Square(4)->ColorIndex()) {
                return false;
            }
        }
    }
    return true;
}

} // namespace

TEST(SolveStage4, TwistsAAndBUndoEachOtherAndGiveTheirDocumentedPatterns) {
    clsSolver solver;
    SolverProbe::Load(solver, clsCube{});
    SolverProbe::TwistBottomCorners(solver, 0);
    EXPECT_EQ(SolverProbe::BottomCornerPattern(solver), PatternKey("001010101000"));
    SolverProbe::TwistBottomCorners(solver, 1);
    EXPECT_EQ(SolverProbe::BottomCornerPattern(solver), PatternKey("000000001111"));
    SolverProbe::TwistBottomCorners(solver, 1);
    EXPECT_EQ(SolverProbe::BottomCornerPattern(solver), PatternKey("010101001000"));
}

TEST(SolveStage4, PlacementRowsRecordTheirMovesInTheCallersOrientation) {
    const auto stored = [](const std::array<int, 4>& pieceIn) {
        clsSolver solver;
        SolverProbe::Load(solver, BottomCorners(pieceIn, {0, 0, 0, 0}));
        EXPECT_TRUE(SolverProbe::SolveStage4(solver));
        return SolverProbe::Stored(solver);
    };
    EXPECT_EQ(stored({1, 2, 3, 4}), Steps{});
    EXPECT_EQ(stored({4, 1, 2, 3}), Steps{16});
    EXPECT_EQ(stored({2, 3, 4, 1}), Steps{15});
    EXPECT_EQ(stored({3, 4, 1, 2}), Steps{17});
    // "423": one rotation to the right, then the front exchange.
    const Steps exchange = stored({4, 2, 3, 1});
    ASSERT_GE(exchange.size(), 10U);
    EXPECT_EQ(Steps(exchange.begin(), exchange.begin() + 10),
              (Steps{1, 16, 0, 3, 15, 4, 1, 15, 0, 17}));
}

TEST(SolveStage4, EightTwistStatesTakeOneTwistEighteenTwoAndTheRestFailAtOnce) {
    std::map<std::size_t, int> statesByTwists;
    clsSolver solver;
    for (int code = 0; code < 81; ++code) {
        SolverProbe::Load(solver, BottomCorners({1, 2, 3, 4}, TwistsOf(code)));
        const bool solved = SolverProbe::SolveStage4(solver);
        ASSERT_EQ(solved, TwistsAddUp(TwistsOf(code))) << "twist code " << code;
        const std::size_t stored = SolverProbe::Stored(solver).size();
        ASSERT_EQ(stored % 8, 0U) << "only whole twists are recorded";
        if (solved) {
            ++statesByTwists[stored / 8];
        } else {
            EXPECT_EQ(stored, 0U) << "twist code " << code;
        }
    }
    EXPECT_EQ(statesByTwists, (std::map<std::size_t, int>{{0, 1}, {1, 8}, {2, 18}}));
}

// Every arrangement and twist of the four bottom corners: the stage always
// ends, and succeeds exactly when the twists add up to whole turns.
TEST(SolveStage4, AllBottomCornerStatesEndAndTheSolvableOnesSucceedWithin27Steps) {
    std::array<int, 4> pieceIn{1, 2, 3, 4};
    clsSolver solver;
    int solved = 0;
    do {
        for (int code = 0; code < 81; ++code) {
            const clsCube cube = BottomCorners(pieceIn, TwistsOf(code));
            SolverProbe::Load(solver, cube);
            ASSERT_EQ(SolverProbe::SolveStage4(solver), TwistsAddUp(TwistsOf(code)));
            if (!TwistsAddUp(TwistsOf(code))) {
                continue;
            }
            ++solved;
            EXPECT_LE(SolverProbe::LastStep(solver), 27);
            clsCube replay = CopyOf(cube);
            ApplySteps(replay, SolverProbe::Stored(solver));
            EXPECT_EQ(ColorsOf(replay),
                      RotatedLeft(SolverProbe::Work(solver), SolverProbe::Rotation(solver)));
            EXPECT_TRUE(AllButBottomEdgesMatch(SolverProbe::Work(solver)));
        }
    } while (std::next_permutation(pieceIn.begin(), pieceIn.end()));
    EXPECT_EQ(solved, 648);
}
