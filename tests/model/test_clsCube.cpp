#include "CubeTestSupport.h"
#include "StepCodes.h"

#include <gtest/gtest.h>
#include <map>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>

using namespace turnix;
using namespace turnix::test;
using namespace turnix::side;
using Link = clsSide::Link;
using Rotation = void (clsCube::*)();
using Turn = void (clsSide::*)();

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

// The old side and squares that new squares 0 to 8 of a side come from.
struct Source {
    std::int16_t side;
    std::array<std::int16_t, 9> squares;
};
constexpr std::array<std::int16_t, 9> Same{0, 1, 2, 3, 4, 5, 6, 7, 8};
constexpr std::array<std::int16_t, 9> Reversed{8, 7, 6, 5, 4, 3, 2, 1, 0};
constexpr std::array<std::int16_t, 9> QuarterCw{6, 3, 0, 7, 4, 1, 8, 5, 2};
constexpr std::array<std::int16_t, 9> QuarterCcw{2, 5, 8, 1, 4, 7, 0, 3, 6};

struct NetEffect {
    const char* name;
    Rotation rotation;
    std::array<Source, 6> sources; // for new sides Top, Bottom, Front, Back, Left, Right
};

// clang-format off
const std::array<NetEffect, 4> NetEffects{{
    {"RotateLeft", &clsCube::RotateLeft, {{{Top, QuarterCw}, {Bottom, QuarterCcw},
        {Right, Same}, {Left, Same}, {Front, Same}, {Back, Same}}}},
    {"RotateRight", &clsCube::RotateRight, {{{Top, QuarterCcw}, {Bottom, QuarterCw},
        {Left, Same}, {Right, Same}, {Back, Same}, {Front, Same}}}},
    {"RotateUp", &clsCube::RotateUp, {{{Front, Same}, {Back, Reversed},
        {Bottom, Same}, {Top, Reversed}, {Left, QuarterCcw}, {Right, QuarterCw}}}},
    {"RotateDown", &clsCube::RotateDown, {{{Back, Reversed}, {Front, Same},
        {Top, Same}, {Bottom, Reversed}, {Left, QuarterCw}, {Right, QuarterCcw}}}},
}};
// clang-format on

} // namespace

// Joining each square with the squares its links reach must give the
// pieces of the cube: so every edge square is reached by one edge link, from
// its partner, whose own link comes back, and every corner square by two
// corner links. Targets are found by identity: each link reaches the very
// square object that its side holds.
TEST(clsCube, PiecesFollowFromTheLinksAndEachSquareIsReachedByItsPartners) {
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

TEST(clsCube, EachEdgeLabelNamesTheSideItsEdgeLinkReaches) {
    const clsCube cube;
    std::string names;
    for (std::int16_t s = 0; s < 6; ++s) {
        const clsSide& sid = cube.Side(s);
        names += sid.MainLabel() + ",";
        const std::array<std::string, 4> labels{sid.NorthLabel(), sid.EastLabel(), sid.SouthLabel(),
                                                sid.WestLabel()};
        for (std::size_t k = 0; k < 4; ++k) { // LinkOwners starts North, East, South, West
            EXPECT_EQ(cube.Side(Target(cube, s, LinkOwners[k].first).first).MainLabel(),
                      labels[k] + " Side")
                << sid.MainLabel();
        }
    }
    EXPECT_EQ(names, "Top Side,Bottom Side,Front Side,Back Side,Left Side,Right Side,");
}

// Distinct values on all 54 squares make every cell of the table visible;
// each side's tag must come along with its colours.
TEST(clsCube, EverySquareAndTagComesFromItsTabledOldPlaceInEachRotation) {
    for (const NetEffect& effect : NetEffects) {
        SCOPED_TRACE(effect.name);
        clsCube cube;
        MarkEverySquare(cube);
        for (std::int16_t s = 0; s < 6; ++s) {
            cube.Side(s).SetTag(std::to_string(s));
        }
        (cube.*effect.rotation)();
        for (std::int16_t s = 0; s < 6; ++s) {
            const Source& source = effect.sources[static_cast<std::size_t>(s)];
            EXPECT_EQ(cube.Side(s).Tag(), std::to_string(source.side)) << "side " << s;
            for (std::int16_t q = 0; q < 9; ++q) {
                EXPECT_EQ(cube.Side(s).Square(q)->ColorIndex(),
                          Marker(source.side, source.squares[static_cast<std::size_t>(q)]))
                    << "side " << s << " square " << q;
            }
        }
    }
}

// Setters only replace the stored reference; no link is re-made.
TEST(clsCube, BadIndicesThrowAndChangeNothingAndReplacementsKeepTheLinks) {
    clsCube cube;
    clsSide& top = cube.Side(Top);
    const SquarePtr topSeven = top.Square(7);
    EXPECT_THROW((void)cube.Side(-1), std::out_of_range);
    EXPECT_THROW((void)cube.Side(6), std::out_of_range);
    EXPECT_THROW(cube.SetSide(6, std::make_unique<clsSide>()), std::out_of_range);
    EXPECT_THROW((void)top.Square(-1), std::out_of_range);
    EXPECT_THROW((void)top.Square(9), std::out_of_range);
    EXPECT_THROW(top.SetSquare(9, std::make_shared<clsSquare>()), std::out_of_range);
    EXPECT_EQ(&cube.Side(Top), &top);
    EXPECT_EQ(ColorsOf(cube), ColorsOf(clsCube{}));

    top.SetSquare(7, std::make_shared<clsSquare>());
    cube.SetSide(Top, std::make_unique<clsSide>());
    EXPECT_EQ(cube.Side(Front).NorthPtr(), topSeven);
}

TEST(clsCube, CopyWritesColoursOnlyAndLeavesTwoIndependentCubes) {
    clsCube source;
    MarkEverySquare(source);
    source.Side(Front).SetTag("Done");
    clsCube target;
    source.Copy(target);
    EXPECT_EQ(ColorsOf(target), ColorsOf(source));
    EXPECT_EQ(target.Side(Front).Tag(), "");

    target.Side(Front).RotateClockwise();
    source.Side(Top).Square(0)->SetColorIndex(-7);
    EXPECT_EQ(target.Side(Top).Square(0)->ColorIndex(), Marker(Top, 0));
    EXPECT_EQ(source.Side(Top).Square(6)->ColorIndex(), Marker(Top, 6));
}

namespace {

constexpr Turn Cw = &clsSide::RotateClockwise;
constexpr Turn Ccw = &clsSide::RotateCounterclockwise;
constexpr Turn Twice = &clsSide::RotateDouble;

// The colours of a cube with every square marked after turns of side s.
CubeColors AfterTurns(std::int16_t s, std::initializer_list<Turn> turns) {
    clsCube cube;
    MarkEverySquare(cube);
    for (const Turn turn : turns) {
        (cube.Side(s).*turn)();
    }
    return ColorsOf(cube);
}

} // namespace

TEST(clsSide, EachTurnMovesJustItsTwentySquaresAndTheInverseTurnsRestoreThem) {
    for (std::int16_t s = 0; s < 6; ++s) {
        clsCube cube;
        MarkEverySquare(cube);
        const CubeColors start = ColorsOf(cube);
        std::set<const clsSquare*> moving;
        for (const std::int16_t q : std::initializer_list<std::int16_t>{0, 1, 2, 3, 5, 6, 7, 8}) {
            moving.insert(cube.Side(s).Square(q).get());
        }
        for (std::size_t k = 0; k < clsSide::LinkCount; ++k) {
            moving.insert(cube.Side(s).LinkedSquare(static_cast<clsSide::Link>(k)).get());
        }
        for (const auto& [turn, inverse] :
             {std::pair{Cw, Ccw}, std::pair{Ccw, Cw}, std::pair{Twice, Twice}}) {
            (cube.Side(s).*turn)();
            for (std::int16_t t = 0; t < 6; ++t) {
                for (std::int16_t q = 0; q < 9; ++q) {
                    const SquarePtr& square = cube.Side(t).Square(q);
                    EXPECT_EQ(
                        square->ColorIndex() !=
                            start.at(static_cast<std::size_t>(t)).at(static_cast<std::size_t>(q)),
                        moving.contains(square.get()))
                        << "turning side " << s << ": side " << t << " square " << q;
                }
            }
            (cube.Side(s).*inverse)();
            EXPECT_EQ(ColorsOf(cube), start) << "side " << s;
        }
        EXPECT_EQ(AfterTurns(s, {Cw, Cw, Cw, Cw}), start) << "side " << s;
        EXPECT_EQ(AfterTurns(s, {Twice}), AfterTurns(s, {Cw, Cw})) << "side " << s;
    }
}

// "Turn front side clockwise", "Rotate cube up (front side becomes top
// side)": each code does what its words say, and other codes nothing. The
// notation is the usual one, with x and y for the rotations.
TEST(StepCodes, EachCodeDoesWhatItsWordsSayAndOthersDoNothing) {
    const std::map<std::string, void (clsSide::*)()> turns{
        {"clockwise", &clsSide::RotateClockwise},
        {"counterclockwise", &clsSide::RotateCounterclockwise},
        {"twice", &clsSide::RotateDouble}};
    const std::map<std::string, void (clsCube::*)()> rotations{{"up", &clsCube::RotateUp},
                                                               {"down", &clsCube::RotateDown},
                                                               {"left", &clsCube::RotateLeft},
                                                               {"right", &clsCube::RotateRight}};
    std::string notation;
    for (std::int16_t code = 0; code < StepCodeCount; ++code) {
        notation += std::string(StepNotation(code)) + " ";
        std::string verb, what, name, how;
        std::istringstream(std::string(StepText(code))) >> verb >> what >> name >> how;
        clsCube described;
        MarkEverySquare(described);
        if (verb == "Turn") {
            what[0] = static_cast<char>(std::toupper(what[0]));
            std::int16_t s = 0;
            while (s < 6 && described.Side(s).MainLabel() != what + " Side") {
                ++s;
            }
            (described.Side(s).*turns.at(how))();
        } else {
            ASSERT_EQ(verb, "Rotate");
            ASSERT_EQ(what, "cube");
            (described.*rotations.at(name))();
        }
        clsCube applied;
        MarkEverySquare(applied);
        ApplyStep(applied, code);
        EXPECT_EQ(ColorsOf(applied), ColorsOf(described)) << StepText(code);
    }
    EXPECT_EQ(notation, "F F' F2 L L' L2 B B' B2 R R' R2 U U' U2 D D' D2 x x' y y' ");

    clsCube cube;
    MarkEverySquare(cube);
    const CubeColors before = ColorsOf(cube);
    for (const std::int16_t code :
         std::initializer_list<std::int16_t>{-1, 22, INT16_MIN, INT16_MAX}) {
        ApplyStep(cube, code);
        EXPECT_EQ(StepText(code).size() + StepNotation(code).size(), 0U);
    }
    EXPECT_EQ(ColorsOf(cube), before);
}

// Each code followed by its inverse leaves every square where it was; only
// the half turns are their own inverse.
TEST(StepCodes, EveryCodeIsUndoneByItsInverse) {
    std::string selfInverse;
    for (std::int16_t code = 0; code < StepCodeCount; ++code) {
        clsCube cube;
        MarkEverySquare(cube);
        const CubeColors before = ColorsOf(cube);
        ApplyStep(cube, code);
        ASSERT_NE(ColorsOf(cube), before) << code;
        ApplyStep(cube, InverseStep(code));
        EXPECT_EQ(ColorsOf(cube), before) << StepText(code);
        if (InverseStep(code) == code) {
            selfInverse += std::string(StepNotation(code)) + " ";
        }
    }
    EXPECT_EQ(selfInverse, "F2 L2 B2 R2 U2 D2 ");
    EXPECT_EQ(InverseStep(-1), -1);
    EXPECT_EQ(InverseStep(22), 22);
}
