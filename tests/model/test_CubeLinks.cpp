#include "CubeTestSupport.h"

#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>
#include <utility>

using namespace turnix;
using Link = clsSide::Link;
using Where = std::pair<std::int16_t, std::int16_t>; // side, square

namespace {

// Each link with the square of its own side that it belongs to.
// clang-format off
constexpr std::array<std::pair<Link, std::int16_t>, 12> LinkOwners{{
    {Link::North, 1}, {Link::East, 5}, {Link::South, 7}, {Link::West, 3},
    {Link::NorthWestToNorth, 0}, {Link::NorthWestToWest, 0},
    {Link::NorthEastToNorth, 2}, {Link::NorthEastToEast, 2},
    {Link::SouthEastToEast, 8}, {Link::SouthEastToSouth, 8},
    {Link::SouthWestToSouth, 6}, {Link::SouthWestToWest, 6}}};
// clang-format on

// The square a link reaches, found by identity among the cube's own.
Where Target(const clsCube& cube, std::int16_t s, Link link) {
    const clsSquare* target = cube.Side(s).LinkedSquare(link).get();
    for (std::int16_t t = 0; t < 6; ++t) {
        for (std::int16_t q = 0; q < 9; ++q) {
            if (cube.Side(t).Square(q).get() == target) {
                return {t, q};
            }
        }
    }
    return {-1, -1};
}

} // namespace

// Joining each square with the squares its links reach must give the
// pieces of the cube: so every edge square is reached by one edge link, from
// its partner, whose own link comes back, and every corner square by two
// corner links. Targets are found by identity: each link reaches the very
// square object that its side holds.
TEST(CubeLinks, PiecesFollowFromTheLinksAndEachSquareIsReachedByItsPartners) {
    const clsCube cube;
    std::set<std::set<Where>> pieces;
    std::map<Where, std::pair<int, int>> hits; // by edge links, by corner links
    for (std::int16_t s = 0; s < 6; ++s) {
        std::map<std::int16_t, std::set<Where>> pieceOf;
        for (const auto& [link, own] : LinkOwners) {
            const Where target = Target(cube, s, link);
            pieceOf[own].insert({Where(s, own), target});
            ++(own % 2 == 1 ? hits[target].first : hits[target].second);
        }
        for (const auto& [own, piece] : pieceOf) {
            pieces.insert(piece);
        }
    }
    using namespace side;
    // clang-format off
    const std::set<std::set<Where>> expected{
        {{Top, 0}, {Back, 2}, {Left, 0}},     {{Top, 1}, {Back, 1}},
        {{Top, 2}, {Back, 0}, {Right, 2}},    {{Top, 3}, {Left, 1}},
        {{Top, 6}, {Front, 0}, {Left, 2}},    {{Top, 5}, {Right, 1}},
        {{Top, 8}, {Front, 2}, {Right, 0}},   {{Top, 7}, {Front, 1}},
        {{Bottom, 0}, {Front, 6}, {Left, 8}}, {{Bottom, 1}, {Front, 7}},
        {{Bottom, 2}, {Front, 8}, {Right, 6}}, {{Bottom, 3}, {Left, 7}},
        {{Bottom, 6}, {Back, 8}, {Left, 6}},  {{Bottom, 5}, {Right, 7}},
        {{Bottom, 8}, {Back, 6}, {Right, 8}}, {{Bottom, 7}, {Back, 7}},
        {{Front, 3}, {Left, 5}}, {{Front, 5}, {Right, 3}},
        {{Back, 3}, {Right, 5}}, {{Back, 5}, {Left, 3}}};
    // clang-format on
    EXPECT_EQ(pieces, expected);
    EXPECT_EQ(hits.size(), 48U);
    for (const auto& [where, count] : hits) {
        EXPECT_EQ(count, where.second % 2 == 1 ? std::pair(1, 0) : std::pair(0, 2))
            << "side " << where.first << " square " << where.second;
    }
}

TEST(CubeLinks, EachEdgeLabelNamesTheSideItsEdgeLinkReaches) {
    const clsCube cube;
    std::string names;
    for (std::int16_t s = 0; s < 6; ++s) {
        const clsSide& sid = cube.Side(s);
        names += sid.MainLabel() + ",";
        const std::array<std::pair<std::string, Link>, 4> edges{{{sid.NorthLabel(), Link::North},
                                                                 {sid.EastLabel(), Link::East},
                                                                 {sid.SouthLabel(), Link::South},
                                                                 {sid.WestLabel(), Link::West}}};
        for (const auto& [label, link] : edges) {
            EXPECT_EQ(cube.Side(Target(cube, s, link).first).MainLabel(), label + " Side")
                << sid.MainLabel();
        }
    }
    EXPECT_EQ(names, "Top Side,Bottom Side,Front Side,Back Side,Left Side,Right Side,");
}
