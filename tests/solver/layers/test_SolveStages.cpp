#include "SolverProbe.h"
#include "SolverTestSupport.h"

#include <gtest/gtest.h>
#include <map>

using namespace turnix;
using namespace turnix::test;

namespace {

// All solved but the bottom corners: piece pieceIn[k] (0..3) in the stage's
// position k (front-left, front-right, back-right, back-left), twisted as
// given.
clsCube BottomCorners(const std::array<int, 4>& pieceIn, const std::array<int, 4>& twist) {
    constexpr std::array<std::size_t, 4> Position{5, 4, 7, 6}; // in CornerSquares
    Arrangement arrangement;
    for (std::size_t k = 0; k < 4; ++k) {
        arrangement.corner.at(Position[k]) =
            static_cast<int>(Position.at(static_cast<std::size_t>(pieceIn[k])));
        arrangement.twist.at(Position[k]) = twist[k];
    }
    return CubeOf(arrangement);
}

// All solved but the bottom edges: piece pieceIn[k] (0..3) in the stage's
// position k (front, left, back, right), flipped as given.
clsCube BottomEdges(const std::array<int, 4>& pieceIn, const std::array<int, 4>& flip) {
    constexpr std::array<std::size_t, 4> Position{5, 6, 7, 4}; // in EdgeSquares
    Arrangement arrangement;
    for (std::size_t k = 0; k < 4; ++k) {
        arrangement.edge.at(Position[k]) =
            static_cast<int>(Position.at(static_cast<std::size_t>(pieceIn[k])));
        arrangement.flip.at(Position[k]) = flip[k];
    }
    return CubeOf(arrangement);
}

// The placement string names the pieces (1..4) in positions 1, 2 and 3.
Steps StoredFor(std::string_view placement) {
    const int first = placement[0] - '1';
    const int second = placement[1] - '1';
    const int third = placement[2] - '1';
    clsSolver solver;
    SolverProbe::Load(solver,
                      BottomCorners({first, second, third, 6 - first - second - third}, {}));
    EXPECT_TRUE(SolverProbe::SolveStage4(solver));
    return SolverProbe::Stored(solver);
}

// Every square but those of the bottom edges (DR, DF, DL, DB) shows its
// centre's colour.
bool AllButBottomEdgesMatch(CubeColors colors) {
    for (std::size_t position = 4; position < 8; ++position) {
        for (const SquareAt at : EdgeSquares[position]) {
            auto& side = colors.at(static_cast<std::size_t>(at.side));
            side.at(static_cast<std::size_t>(at.square)) = side[4];
        }
    }
    return IsSolved(colors);
}

} // namespace

// The stages' step choices are pinned by the step lists of 2,000 scrambles
// (test_Solve); these rows pin the records that the optimiser folds away.
TEST(SolveStage4, PlacementRowsRecordTheirMovesInTheCallersOrientation) {
    EXPECT_EQ(StoredFor("412"), Steps{16});
    EXPECT_EQ(StoredFor("234"), Steps{15});
    EXPECT_EQ(StoredFor("341"), Steps{17});
    // One rotation to the right, then the front exchange.
    const Steps exchange = StoredFor("423");
    ASSERT_GE(exchange.size(), 10U);
    EXPECT_EQ(Steps(exchange.begin(), exchange.begin() + 10),
              (Steps{1, 16, 0, 3, 15, 4, 1, 15, 0, 17}));
}

// Every arrangement and twist of the four bottom corners: the stage ends,
// and succeeds exactly when the twists add up to whole turns. With the
// corners in place, 8 twist states take one twist, 18 take two, and the
// 54 others fail at once.
TEST(SolveStage4, AllBottomCornerStatesEndAndTheSolvableOnesSucceedWithin27Steps) {
    std::array<int, 4> pieceIn{0, 1, 2, 3};
    clsSolver solver;
    int solved = 0;
    std::map<std::pair<bool, std::size_t>, int> placedByOutcome;
    do {
        for (int code = 0; code < 81; ++code) {
            const std::array<int, 4> twist{code % 3, code / 3 % 3, code / 9 % 3, code / 27};
            const bool solvable = (twist[0] + twist[1] + twist[2] + twist[3]) % 3 == 0;
            const clsCube cube = BottomCorners(pieceIn, twist);
            SolverProbe::Load(solver, cube);
            ASSERT_EQ(SolverProbe::SolveStage4(solver), solvable) << "twist code " << code;
            const Steps stored = SolverProbe::Stored(solver);
            if (pieceIn == std::array{0, 1, 2, 3}) {
                ++placedByOutcome[{solvable, stored.size()}];
            }
            if (solvable) {
                ++solved;
                EXPECT_LE(stored.size(), 27U);
                const clsCube& work = SolverProbe::Work(solver);
                EXPECT_TRUE(AllButBottomEdgesMatch(ColorsOf(work)));
                EXPECT_EQ(After(cube, stored),
                          After(work, Steps(static_cast<std::size_t>(SolverProbe::Rotation(solver)),
                                            step::RotateLeft)));
            }
        }
    } while (std::next_permutation(pieceIn.begin(), pieceIn.end()));
    EXPECT_EQ(solved, 648);
    EXPECT_EQ(placedByOutcome,
              (std::map<std::pair<bool, std::size_t>, int>{
                  {{true, 0}, 1}, {{true, 8}, 8}, {{true, 16}, 18}, {{false, 0}, 54}}));
}

// Every arrangement and flip of the four bottom edges: the stage ends, and
// succeeds exactly for even arrangements with an even number of flips; two
// edges exchanged on their own or four in a cycle fail, and so do flips
// that record nothing when the edges are in place.
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
            const Steps stored = SolverProbe::Stored(solver);
            if (!solvable && pieceIn == std::array{0, 1, 2, 3}) {
                EXPECT_EQ(stored, Steps{}) << "flip code " << code;
            }
            if (solvable) {
                ++solved;
                EXPECT_LE(stored.size(), 52U);
                EXPECT_TRUE(IsSolved(ColorsOf(SolverProbe::Work(solver))));
                EXPECT_TRUE(IsSolved(After(cube, stored)));
            }
        }
    } while (std::next_permutation(pieceIn.begin(), pieceIn.end()));
    EXPECT_EQ(solved, 96);
}
