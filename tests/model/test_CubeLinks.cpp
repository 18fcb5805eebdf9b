#include "CubeTestSupport.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <utility>
#include <vector>

using namespace turnix;
using Link = clsSide::Link;
using Where = std::pair<std::int16_t, std::int16_t>; // side, square

namespace {

constexpr std::array<Link, 4> EdgeLinks{Link::North, Link::East, Link::South, Link::West};
constexpr std::array<std::int16_t, 4> EdgeSquareOf{1, 5, 7, 3};
constexpr std::array<Link, 8> CornerLinks{
    Link::NorthWestToNorth, Link::NorthWestToWest,  Link::NorthEastToNorth, Link::NorthEastToEast,
    Link::SouthEastToEast,  Link::SouthEastToSouth, Link::SouthWestToSouth, Link::SouthWestToWest};
constexpr std::array<std::int16_t, 8> CornerSquareOf{0, 0, 2, 2, 8, 8, 6, 6};

std::map<const clsSquare*, Where> Locate(const clsCube& cube) {
    std::map<const clsSquare*, Where> where;
    for (std::int16_t s = 0; s < 6; ++s) {
        for (std::int16_t q = 0; q < 9; ++q) {
            where[cube.Side(s).Square(q).get()] = {s, q};
        }
    }
    return where;
}

Where Target(const clsCube& cube, std::int16_t s, Link link) {
    const auto where = Locate(cube);
    const auto found = where.find(cube.Side(s).LinkedSquare(link).get());
    return found == where.end() ? Where{-1, -1} : found->second;
}

using Piece = std::set<Where>;

// Joins each non-centre square with the squares its links reach.
std::set<Piece> PiecesFromLinks(const clsCube& cube) {
    std::map<Where, Piece> pieceOf;
    for (std::int16_t s = 0; s < 6; ++s) {
        for (std::size_t k = 0; k < EdgeLinks.size(); ++k) {
            Piece& piece = pieceOf[{s, EdgeSquareOf[k]}];
            piece.insert({s, EdgeSquareOf[k]});
            piece.insert(Target(cube, s, EdgeLinks[k]));
        }
        for (std::size_t k = 0; k < CornerLinks.size(); ++k) {
            Piece& piece = pieceOf[{s, CornerSquareOf[k]}];
            piece.insert({s, CornerSquareOf[k]});
            piece.insert(Target(cube, s, CornerLinks[k]));
        }
    }
    std::set<Piece> pieces;
    for (const auto& [square, piece] : pieceOf) {
        pieces.insert(piece);
    }
    return pieces;
}

} // namespace

TEST(CubeLinks, EveryBorderSquareIsReachedByItsNeighboursAndNoCentreIs) {
    const clsCube cube;
    std::map<Where, int> edgeHits;
    std::map<Where, int> cornerHits;
    for (std::int16_t s = 0; s < 6; ++s) {
        for (Link link : EdgeLinks) {
            ++edgeHits[Target(cube, s, link)];
        }
        for (Link link : CornerLinks) {
            ++cornerHits[Target(cube, s, link)];
        }
    }
    EXPECT_EQ(edgeHits.size(), 24U);
    EXPECT_EQ(cornerHits.size(), 24U);
    for (std::int16_t s = 0; s < 6; ++s) {
        for (std::int16_t q : {1, 3, 5, 7}) {
            EXPECT_EQ((edgeHits[Where{s, q}]), 1) << "side " << s << " square " << q;
            EXPECT_EQ(cornerHits.count(Where{s, q}), 0U);
        }
        for (std::int16_t q : {0, 2, 6, 8}) {
            EXPECT_EQ((cornerHits[Where{s, q}]), 2) << "side " << s << " square " << q;
            EXPECT_EQ(edgeHits.count(Where{s, q}), 0U);
        }
        EXPECT_EQ(edgeHits.count(Where{s, 4}) + cornerHits.count(Where{s, 4}), 0U);
    }
}

TEST(CubeLinks, EdgeLinksComeInPairs) {
    const clsCube cube;
    for (std::int16_t a = 0; a < 6; ++a) {
        for (std::size_t k = 0; k < EdgeLinks.size(); ++k) {
            const auto [b, q] = Target(cube, a, EdgeLinks[k]);
            const auto back = std::find(EdgeSquareOf.begin(), EdgeSquareOf.end(), q);
            ASSERT_NE(back, EdgeSquareOf.end());
            const Link towardsA = EdgeLinks[static_cast<std::size_t>(back - EdgeSquareOf.begin())];
            EXPECT_EQ(Target(cube, b, towardsA), (Where{a, EdgeSquareOf[k]}))
                << "side " << a << " edge link " << k;
        }
    }
    EXPECT_EQ(Target(cube, side::Front, Link::North), (Where{side::Top, 7}));
    EXPECT_EQ(Target(cube, side::Top, Link::South), (Where{side::Front, 1}));
}

TEST(CubeLinks, CornerLinksOfOnePieceReachEachOther) {
    const clsCube cube;
    for (std::int16_t a = 0; a < 6; ++a) {
        for (std::size_t k = 0; k < CornerLinks.size(); k += 2) {
            const Where self{a, CornerSquareOf[k]};
            const Where first = Target(cube, a, CornerLinks[k]);
            const Where second = Target(cube, a, CornerLinks[k + 1]);
            // The first square's own corner links must reach the other two.
            const auto sq = first.second;
            const std::size_t j = static_cast<std::size_t>(
                std::find(CornerSquareOf.begin(), CornerSquareOf.end(), sq) -
                CornerSquareOf.begin());
            const std::set<Where> seen{Target(cube, first.first, CornerLinks[j]),
                                       Target(cube, first.first, CornerLinks[j + 1])};
            EXPECT_EQ(seen, (std::set<Where>{self, second})) << "side " << a << " corner " << k;
        }
    }
}

TEST(CubeLinks, PiecesFollowFromTheLinks) {
    using namespace side;
    const std::set<Piece> expected{
        {{Top, 0}, {Back, 2}, {Left, 0}},
        {{Top, 2}, {Back, 0}, {Right, 2}},
        {{Top, 6}, {Front, 0}, {Left, 2}},
        {{Top, 8}, {Front, 2}, {Right, 0}},
        {{Bottom, 0}, {Front, 6}, {Left, 8}},
        {{Bottom, 2}, {Front, 8}, {Right, 6}},
        {{Bottom, 6}, {Back, 8}, {Left, 6}},
        {{Bottom, 8}, {Back, 6}, {Right, 8}},
        {{Top, 1}, {Back, 1}},
        {{Top, 3}, {Left, 1}},
        {{Top, 5}, {Right, 1}},
        {{Top, 7}, {Front, 1}},
        {{Bottom, 1}, {Front, 7}},
        {{Bottom, 3}, {Left, 7}},
        {{Bottom, 5}, {Right, 7}},
        {{Bottom, 7}, {Back, 7}},
        {{Front, 3}, {Left, 5}},
        {{Front, 5}, {Right, 3}},
        {{Back, 3}, {Right, 5}},
        {{Back, 5}, {Left, 3}},
    };
    EXPECT_EQ(PiecesFromLinks(clsCube{}), expected);
}

// The strips in clockwise order about each side: the order a turn moves them.
TEST(CubeLinks, StripsRunClockwiseAboutEachSide) {
    using namespace side;
    struct Strips {
        std::int16_t side;
        std::array<Where, 12> squares; // north, east, south, west strips
    };
    const std::array<Strips, 6> table{{
        {Top,
         {{{Back, 2},
           {Back, 1},
           {Back, 0},
           {Right, 2},
           {Right, 1},
           {Right, 0},
           {Front, 2},
           {Front, 1},
           {Front, 0},
           {Left, 2},
           {Left, 1},
           {Left, 0}}}},
        {Bottom,
         {{{Front, 6},
           {Front, 7},
           {Front, 8},
           {Right, 6},
           {Right, 7},
           {Right, 8},
           {Back, 6},
           {Back, 7},
           {Back, 8},
           {Left, 6},
           {Left, 7},
           {Left, 8}}}},
        {Front,
         {{{Top, 6},
           {Top, 7},
           {Top, 8},
           {Right, 0},
           {Right, 3},
           {Right, 6},
           {Bottom, 2},
           {Bottom, 1},
           {Bottom, 0},
           {Left, 8},
           {Left, 5},
           {Left, 2}}}},
        {Back,
         {{{Top, 2},
           {Top, 1},
           {Top, 0},
           {Left, 0},
           {Left, 3},
           {Left, 6},
           {Bottom, 6},
           {Bottom, 7},
           {Bottom, 8},
           {Right, 8},
           {Right, 5},
           {Right, 2}}}},
        {Left,
         {{{Top, 0},
           {Top, 3},
           {Top, 6},
           {Front, 0},
           {Front, 3},
           {Front, 6},
           {Bottom, 0},
           {Bottom, 3},
           {Bottom, 6},
           {Back, 8},
           {Back, 5},
           {Back, 2}}}},
        {Right,
         {{{Top, 8},
           {Top, 5},
           {Top, 2},
           {Back, 0},
           {Back, 3},
           {Back, 6},
           {Bottom, 8},
           {Bottom, 5},
           {Bottom, 2},
           {Front, 8},
           {Front, 5},
           {Front, 2}}}},
    }};
    constexpr std::array<Link, 12> stripOrder{
        Link::NorthWestToNorth, Link::North, Link::NorthEastToNorth,
        Link::NorthEastToEast,  Link::East,  Link::SouthEastToEast,
        Link::SouthEastToSouth, Link::South, Link::SouthWestToSouth,
        Link::SouthWestToWest,  Link::West,  Link::NorthWestToWest};
    const clsCube cube;
    for (const Strips& row : table) {
        for (std::size_t k = 0; k < stripOrder.size(); ++k) {
            EXPECT_EQ(Target(cube, row.side, stripOrder[k]), row.squares[k])
                << "side " << row.side << " strip position " << k;
        }
    }
}

TEST(CubeLinks, ALinkReachesTheSameObjectAsItsSide) {
    clsCube cube;
    cube.Side(side::Top).Square(7)->SetColorIndex(42);
    EXPECT_EQ(cube.Side(side::Front).NorthPtr()->ColorIndex(), 42);
    EXPECT_EQ(cube.Side(side::Front).NorthPtr(), cube.Side(side::Top).Square(7));
}

TEST(CubeLinks, ReplacingASquareRemakesNoLink) {
    clsCube cube;
    const SquarePtr old = cube.Side(side::Top).Square(7);
    cube.Side(side::Top).SetSquare(7, std::make_shared<clsSquare>());
    EXPECT_EQ(cube.Side(side::Front).NorthPtr(), old);
    EXPECT_NE(cube.Side(side::Top).Square(7), old);
}
