#include "CubeTestSupport.h"

#include <functional>
#include <gtest/gtest.h>
#include <set>
#include <stdexcept>
#include <variant>

using namespace turnix;
using namespace turnix::test;
using Link = clsSide::Link;

namespace {

// A position a turn moves: one of the side's own squares or a linked square.
using Position = std::variant<std::int16_t, Link>;

clsSquare& At(clsSide& sid, Position position) {
    if (const auto* square = std::get_if<std::int16_t>(&position)) {
        return *sid.Square(*square);
    }
    return *sid.LinkedSquare(std::get<Link>(position));
}

struct Move {
    Position to;
    Position from;
};

// Each position takes the old value of the position named beside it.
const std::array<Move, 20> Clockwise{{
    {std::int16_t{0}, std::int16_t{6}},
    {std::int16_t{1}, std::int16_t{3}},
    {std::int16_t{2}, std::int16_t{0}},
    {std::int16_t{3}, std::int16_t{7}},
    {std::int16_t{8}, std::int16_t{2}},
    {std::int16_t{5}, std::int16_t{1}},
    {std::int16_t{6}, std::int16_t{8}},
    {std::int16_t{7}, std::int16_t{5}},
    {Link::NorthWestToNorth, Link::SouthWestToWest},
    {Link::North, Link::West},
    {Link::NorthEastToNorth, Link::NorthWestToWest},
    {Link::East, Link::North},
    {Link::NorthEastToEast, Link::NorthWestToNorth},
    {Link::South, Link::East},
    {Link::SouthEastToEast, Link::NorthEastToNorth},
    {Link::West, Link::South},
    {Link::SouthEastToSouth, Link::NorthEastToEast},
    {Link::SouthWestToSouth, Link::SouthEastToEast},
    {Link::SouthWestToWest, Link::SouthEastToSouth},
    {Link::NorthWestToWest, Link::SouthWestToSouth},
}};

const std::array<Move, 20> Counterclockwise{{
    {std::int16_t{0}, std::int16_t{2}},
    {std::int16_t{1}, std::int16_t{5}},
    {std::int16_t{2}, std::int16_t{8}},
    {std::int16_t{3}, std::int16_t{1}},
    {std::int16_t{8}, std::int16_t{6}},
    {std::int16_t{5}, std::int16_t{7}},
    {std::int16_t{6}, std::int16_t{0}},
    {std::int16_t{7}, std::int16_t{3}},
    {Link::NorthWestToNorth, Link::NorthEastToEast},
    {Link::North, Link::East},
    {Link::NorthEastToNorth, Link::SouthEastToEast},
    {Link::East, Link::South},
    {Link::NorthEastToEast, Link::SouthEastToSouth},
    {Link::South, Link::West},
    {Link::SouthEastToEast, Link::SouthWestToSouth},
    {Link::West, Link::North},
    {Link::SouthEastToSouth, Link::SouthWestToWest},
    {Link::SouthWestToSouth, Link::NorthWestToWest},
    {Link::SouthWestToWest, Link::NorthWestToNorth},
    {Link::NorthWestToWest, Link::NorthEastToNorth},
}};

const std::array<std::pair<Position, Position>, 10> HalfTurnPairs{{
    {std::int16_t{0}, std::int16_t{8}},
    {std::int16_t{2}, std::int16_t{6}},
    {std::int16_t{1}, std::int16_t{7}},
    {std::int16_t{3}, std::int16_t{5}},
    {Link::NorthWestToNorth, Link::SouthEastToSouth},
    {Link::North, Link::South},
    {Link::NorthEastToNorth, Link::SouthWestToSouth},
    {Link::NorthEastToEast, Link::SouthWestToWest},
    {Link::East, Link::West},
    {Link::SouthEastToEast, Link::NorthWestToWest},
}};

using Turn = void (clsSide::*)();

void ExpectMoves(std::int16_t s, Turn turn, const std::array<Move, 20>& moves) {
    clsCube cube;
    MarkEverySquare(cube);
    clsSide& sid = cube.Side(s);
    std::array<std::int16_t, 20> before{};
    for (std::size_t k = 0; k < moves.size(); ++k) {
        before[k] = At(sid, moves[k].from).ColorIndex();
    }
    (sid.*turn)();
    for (std::size_t k = 0; k < moves.size(); ++k) {
        EXPECT_EQ(At(sid, moves[k].to).ColorIndex(), before[k]) << "side " << s << " move " << k;
    }
}

void Turns(clsCube& cube, std::int16_t s, std::initializer_list<Turn> turns) {
    for (Turn turn : turns) {
        (cube.Side(s).*turn)();
    }
}

constexpr Turn Cw = &clsSide::RotateClockwise;
constexpr Turn Ccw = &clsSide::RotateCounterclockwise;
constexpr Turn Twice = &clsSide::RotateDouble;

} // namespace

TEST(clsSide, FrontClockwiseOnASolvedCubeGivesTheWorkedExample) {
    clsCube cube;
    cube.Side(side::Front).RotateClockwise();
    const CubeColors expected{{
        {0, 0, 0, 0, 0, 0, 4, 4, 4},
        {5, 5, 5, 1, 1, 1, 1, 1, 1},
        {2, 2, 2, 2, 2, 2, 2, 2, 2},
        {3, 3, 3, 3, 3, 3, 3, 3, 3},
        {4, 4, 1, 4, 4, 1, 4, 4, 1},
        {0, 5, 5, 0, 5, 5, 0, 5, 5},
    }};
    EXPECT_EQ(ColorsOf(cube), expected);
}

TEST(clsSide, TopClockwiseMovesTheNorthRowsOneSideOnAsSeenFromAbove) {
    clsCube cube;
    cube.Side(side::Top).RotateClockwise();
    const CubeColors expected{{
        {0, 0, 0, 0, 0, 0, 0, 0, 0},
        {1, 1, 1, 1, 1, 1, 1, 1, 1},
        {5, 5, 5, 2, 2, 2, 2, 2, 2},
        {4, 4, 4, 3, 3, 3, 3, 3, 3},
        {2, 2, 2, 4, 4, 4, 4, 4, 4},
        {3, 3, 3, 5, 5, 5, 5, 5, 5},
    }};
    EXPECT_EQ(ColorsOf(cube), expected);
}

TEST(clsSide, QuarterTurnsAreTheTabledPermutationsOnEverySide) {
    for (std::int16_t s = 0; s < 6; ++s) {
        ExpectMoves(s, Cw, Clockwise);
        ExpectMoves(s, Ccw, Counterclockwise);
    }
}

TEST(clsSide, HalfTurnExchangesOppositePositions) {
    for (std::int16_t s = 0; s < 6; ++s) {
        clsCube cube;
        MarkEverySquare(cube);
        clsSide& sid = cube.Side(s);
        std::vector<std::pair<std::int16_t, std::int16_t>> before;
        for (const auto& [a, b] : HalfTurnPairs) {
            before.emplace_back(At(sid, a).ColorIndex(), At(sid, b).ColorIndex());
        }
        sid.RotateDouble();
        for (std::size_t k = 0; k < HalfTurnPairs.size(); ++k) {
            EXPECT_EQ(At(sid, HalfTurnPairs[k].first).ColorIndex(), before[k].second);
            EXPECT_EQ(At(sid, HalfTurnPairs[k].second).ColorIndex(), before[k].first);
        }
    }
}

TEST(clsSide, InverseTurnsRestoreTheCubeOnEverySide) {
    for (std::int16_t s = 0; s < 6; ++s) {
        clsCube cube;
        MarkEverySquare(cube);
        const CubeColors start = ColorsOf(cube);
        for (const auto& sequence : std::vector<std::vector<Turn>>{
                 {Cw, Ccw}, {Ccw, Cw}, {Cw, Cw, Cw, Cw}, {Ccw, Ccw, Ccw, Ccw}, {Twice, Twice}}) {
            for (Turn turn : sequence) {
                (cube.Side(s).*turn)();
            }
            EXPECT_EQ(ColorsOf(cube), start) << "side " << s;
        }
    }
}

TEST(clsSide, HalfTurnEqualsTwoQuarterTurnsAndThreeQuartersUndoOne) {
    for (std::int16_t s = 0; s < 6; ++s) {
        clsCube doubled;
        clsCube quartered;
        MarkEverySquare(doubled);
        MarkEverySquare(quartered);
        Turns(doubled, s, {Twice});
        Turns(quartered, s, {Cw, Cw});
        EXPECT_EQ(ColorsOf(doubled), ColorsOf(quartered)) << "side " << s;

        clsCube back;
        clsCube threeForward;
        MarkEverySquare(back);
        MarkEverySquare(threeForward);
        Turns(back, s, {Ccw});
        Turns(threeForward, s, {Cw, Cw, Cw});
        EXPECT_EQ(ColorsOf(back), ColorsOf(threeForward)) << "side " << s;
    }
}

TEST(clsSide, OnlyTheTwentyBorderingSquaresMove) {
    for (std::int16_t s = 0; s < 6; ++s) {
        for (Turn turn : {Cw, Ccw, Twice}) {
            clsCube cube;
            MarkEverySquare(cube);
            std::set<const clsSquare*> moving;
            for (std::int16_t q : {0, 1, 2, 3, 5, 6, 7, 8}) {
                moving.insert(cube.Side(s).Square(q).get());
            }
            for (std::size_t k = 0; k < clsSide::LinkCount; ++k) {
                moving.insert(cube.Side(s).LinkedSquare(static_cast<Link>(k)).get());
            }
            ASSERT_EQ(moving.size(), 20U);
            const CubeColors before = ColorsOf(cube);
            (cube.Side(s).*turn)();
            for (std::int16_t t = 0; t < 6; ++t) {
                for (std::int16_t q = 0; q < 9; ++q) {
                    const bool moved = before[t][q] != cube.Side(t).Square(q)->ColorIndex();
                    EXPECT_EQ(moved, moving.count(cube.Side(t).Square(q).get()) == 1)
                        << "turning side " << s << " at side " << t << " square " << q;
                }
            }
        }
    }
}

TEST(clsSide, TurnsLeaveTagsAndLabelsAlone) {
    clsCube cube;
    for (std::int16_t s = 0; s < 6; ++s) {
        cube.Side(s).SetTag("tag " + std::to_string(s));
    }
    for (std::int16_t s = 0; s < 6; ++s) {
        Turns(cube, s, {Cw, Twice, Ccw});
    }
    for (std::int16_t s = 0; s < 6; ++s) {
        EXPECT_EQ(cube.Side(s).Tag(), "tag " + std::to_string(s));
    }
    EXPECT_EQ(cube.Side(side::Front).MainLabel(), "Front Side");
    EXPECT_EQ(cube.Side(side::Back).WestLabel(), "Right");
}

TEST(clsSide, SquareIndexOutsideTheSideIsRejectedAndChangesNothing) {
    clsCube cube;
    clsSide& front = cube.Side(side::Front);
    EXPECT_THROW((void)front.Square(-1), std::out_of_range);
    EXPECT_THROW((void)front.Square(9), std::out_of_range);
    EXPECT_THROW(front.SetSquare(9, std::make_shared<clsSquare>()), std::out_of_range);
    EXPECT_THROW(front.SetSquare(-32768, std::make_shared<clsSquare>()), std::out_of_range);
    EXPECT_EQ(ColorsOf(cube), ColorsOf(clsCube{}));
    EXPECT_EQ(front.NorthPtr(), cube.Side(side::Top).Square(7));
}
