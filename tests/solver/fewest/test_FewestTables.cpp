#include "FewestTestSupport.h"
#include "Tables.h"

#include <functional>
#include <gtest/gtest.h>
#include <numeric>
#include <set>
#include <string>

using namespace turnix;
using namespace turnix::fewest;
using namespace turnix::test;

namespace {

struct Coordinate {
    std::string name;
    int count;
    std::function<int(const Arrangement&)> get;
    std::function<void(Arrangement&, int)> set;
    const MoveTable* moves;
    bool subgroupOnly;
};

std::vector<Coordinate> AllCoordinates(const Tables& t) {
    const auto place = [](const Arrangement& a) {
        return SliceSorted(a) / SlicePermCount;
    };
    const auto setPlace = [](Arrangement& a, int v) {
        SetSliceSorted(a, v * SlicePermCount);
    };
    return {
        {"twist", TwistCount, Twist, SetTwist, &t.twistMoves, false},
        {"flip", FlipCount, Flip, SetFlip, &t.flipMoves, false},
        {"slice place", SliceCount, place, setPlace, &t.sliceMoves, false},
        {"slice sorted", SliceSortedCount, SliceSorted, SetSliceSorted, &t.sliceSortedMoves, false},
        {"corners", CornerPermCount, CornerPerm, SetCornerPerm, &t.cornerMoves, false},
        {"edges", EdgePermCount, EdgePerm, SetEdgePerm, &t.edgeMoves, true}};
}

bool IsSubgroupTurn(int code) {
    return std::ranges::find(SubgroupTurns, code) != SubgroupTurns.end();
}

} // namespace

// The piece-level turns are read off the model once; any arrangement turned
// either way must give the same 54 squares.
TEST(FewestTables, EachTurnMovesThePiecesAsTheModelTurnsTheSquares) {
    const Tables& t = Tables::Get();
    std::mt19937 random(11);
    for (int n = 0; n < (Sanitized ? 30 : 300); ++n) {
        const Arrangement a = RandomArrangement(random, true);
        for (std::int16_t code = 0; code < TurnCount; ++code) {
            ASSERT_EQ(ColorsOf(CubeOf(Then(a, t.turns[static_cast<std::size_t>(code)]))),
                      ColorsOf(Turned(a, {code})))
                << "turn " << StepNotation(code);
        }
    }
}

TEST(FewestTables, EveryCoordinateValueComesBackAndSolvedIsZero) {
    const Tables& t = Tables::Get();
    for (const Coordinate& c : AllCoordinates(t)) {
        EXPECT_EQ(c.get(Arrangement{}), 0) << c.name;
        for (int value = 0; value < c.count; ++value) {
            Arrangement a;
            c.set(a, value);
            ASSERT_EQ(c.get(a), value) << c.name;
        }
    }
}

// Each entry checked against the model itself: the arrangement with that
// value is made into a cube, turned by ApplyStep and read back square by
// square.
TEST(FewestTables, MoveTablesAgreeWithTheModelForAll18Turns) {
    const Tables& t = Tables::Get();
    clsCube cube;
    for (const Coordinate& c : AllCoordinates(t)) {
        const int stride = Sanitized ? 11 : 1;
        for (int value = 0; value < c.count; value += stride) {
            Arrangement a;
            c.set(a, value);
            for (std::int16_t code = 0; code < TurnCount; ++code) {
                if (c.subgroupOnly && !IsSubgroupTurn(code)) {
                    continue;
                }
                SetArrangement(cube, a);
                ApplyStep(cube, code);
                ASSERT_EQ(c.get(ArrangementOf(cube)),
                          (*c.moves)[static_cast<std::size_t>(value * TurnCount + code)])
                    << c.name << " " << value << " turn " << StepNotation(code);
            }
        }
    }
}

// A lower bound the search may trust: 0 only when solved, and every other
// entry exactly one more than its nearest neighbour. The small copies, read
// from a neighbour, give the same depths.
TEST(FewestTables, DepthTablesHoldTrueDistances) {
    const Tables& t = Tables::Get();
    std::vector<int> all(TurnCount);
    std::iota(all.begin(), all.end(), 0);
    const std::vector<int> subgroup(SubgroupTurns.begin(), SubgroupTurns.end());
    struct Case {
        std::string name;
        const DepthTable* depths;
        const MoveTable* movesA;
        const MoveTable* movesB;
        int countB;
        const std::vector<int>* codes;
        int deepest;
        const Mod3Table* small;
    };
    const std::vector<Case> cases{
        {"twist x slice", &t.twistSliceDepth, &t.twistMoves, &t.sliceMoves, SliceCount, &all, 9,
         &t.twistSliceMod3},
        {"flip x slice", &t.flipSliceDepth, &t.flipMoves, &t.sliceMoves, SliceCount, &all, 9,
         &t.flipSliceMod3},
        {"twist x flip", &t.twistFlipDepth, &t.twistMoves, &t.flipMoves, FlipCount, &all, 9,
         &t.twistFlipMod3},
        {"corners x order", &t.cornerSliceDepth, &t.cornerMoves, &t.sliceSortedMoves,
         SlicePermCount, &subgroup, 14, nullptr},
        {"edges x order", &t.edgeSliceDepth, &t.edgeMoves, &t.sliceSortedMoves, SlicePermCount,
         &subgroup, 12, nullptr},
        {"corners x edge places", &t.cornerEdgeCombDepth, &t.cornerMoves, &t.edgeCombMoves,
         CombCount, &subgroup, 14, nullptr},
        {"edges x corner places", &t.edgeCornerCombDepth, &t.edgeMoves, &t.cornerCombMoves,
         CombCount, &subgroup, 12, nullptr},
    };
    for (const Case& c : cases) {
        const auto width = static_cast<std::size_t>(c.countB);
        for (std::size_t index = 0; index < c.depths->size(); index += Sanitized ? 13 : 1) {
            const int depth = (*c.depths)[index];
            int nearest = 255;
            for (const int code : *c.codes) {
                const auto turn = static_cast<std::size_t>(code);
                const std::size_t to =
                    std::size_t{(*c.movesA)[index / width * TurnCount + turn]} * width +
                    (*c.movesB)[index % width * TurnCount + turn];
                nearest = std::min<int>(nearest, (*c.depths)[to]);
                if (c.small != nullptr) {
                    ASSERT_EQ(c.small->Next(depth, to), (*c.depths)[to]) << c.name << " " << to;
                }
            }
            ASSERT_EQ(depth == 0, index == 0) << c.name << " " << index;
            ASSERT_TRUE(depth == 0 || nearest == depth - 1) << c.name << " " << index;
        }
        EXPECT_EQ(std::ranges::max(*c.depths), c.deepest) << c.name;
    }
}

// Turning the cube by the turn a frame's turn stands for is turning the
// frame's view by the frame's turn; likewise for the quarter view, the other
// way round.
TEST(FewestTables, FramesTranslateTurnsBetweenViews) {
    const Tables& t = Tables::Get();
    std::mt19937 random(3);
    for (int n = 0; n < 50; ++n) {
        const Arrangement a = RandomArrangement(random, true);
        for (int f = 0; f < FrameCount; ++f) {
            for (std::size_t m = 0; m < TurnCount; ++m) {
                const auto cubeTurn =
                    static_cast<std::size_t>(t.frames.cubeTurn[static_cast<std::size_t>(f)][m]);
                ASSERT_EQ(t.frames.Seen(f, Then(a, t.turns[cubeTurn])),
                          Then(t.frames.Seen(f, a), t.turns[m]))
                    << "frame " << f << " turn " << m;
            }
        }
        for (std::size_t m = 0; m < TurnCount; ++m) {
            const auto quarterTurn = static_cast<std::size_t>(t.frames.quarterTurn[m]);
            ASSERT_EQ(t.frames.Quartered(Then(a, t.turns[m])),
                      Then(t.frames.Quartered(a), t.turns[quarterTurn]))
                << "quarter turn " << m;
        }
    }
    // Frame 0 is the cube itself; the others put Front-Back and Left-Right
    // upright.
    const auto axis = [](int code) {
        return code >= 12 ? 2 : code / 3 % 2;
    };
    std::set<int> upright;
    for (std::size_t f = 0; f < FrameCount; ++f) {
        upright.insert(axis(t.frames.cubeTurn[f][12]));
    }
    EXPECT_EQ(t.frames.cubeTurn[0][12], 12);
    EXPECT_EQ(upright.size(), 3U);
}
