#include "CubeTestSupport.h"

#include <gtest/gtest.h>
#include <string>

using namespace turnix;
using namespace turnix::test;

namespace {

using Rotation = void (clsCube::*)();

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
    std::array<Source, 6> sources; // new side s holds these old squares
};

using namespace side;

const std::array<NetEffect, 4> NetEffects{{
    {"RotateLeft",
     &clsCube::RotateLeft,
     {{{Top, QuarterCw},
       {Bottom, QuarterCcw},
       {Right, Same},
       {Left, Same},
       {Front, Same},
       {Back, Same}}}},
    {"RotateRight",
     &clsCube::RotateRight,
     {{{Top, QuarterCcw},
       {Bottom, QuarterCw},
       {Left, Same},
       {Right, Same},
       {Back, Same},
       {Front, Same}}}},
    {"RotateUp",
     &clsCube::RotateUp,
     {{{Front, Same},
       {Back, Reversed},
       {Bottom, Same},
       {Top, Reversed},
       {Left, QuarterCcw},
       {Right, QuarterCw}}}},
    {"RotateDown",
     &clsCube::RotateDown,
     {{{Back, Reversed},
       {Front, Same},
       {Top, Same},
       {Bottom, Reversed},
       {Left, QuarterCw},
       {Right, QuarterCcw}}}},
}};

void PrintTo(const NetEffect& effect, std::ostream* os) {
    *os << effect.name;
}

class NetEffectTest : public ::testing::TestWithParam<NetEffect> {};

} // namespace

TEST_P(NetEffectTest, EverySquareComesFromTheTabledOldSquare) {
    const NetEffect& effect = GetParam();
    clsCube cube;
    MarkEverySquare(cube);
    (cube.*effect.rotation)();
    for (std::int16_t s = 0; s < 6; ++s) {
        const Source& source = effect.sources[static_cast<std::size_t>(s)];
        for (std::int16_t q = 0; q < 9; ++q) {
            EXPECT_EQ(cube.Side(s).Square(q)->ColorIndex(),
                      Marker(source.side, source.squares[static_cast<std::size_t>(q)]))
                << effect.name << ": side " << s << " square " << q;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AllFourRotations, NetEffectTest, ::testing::ValuesIn(NetEffects),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CubeRotations, InversePairsAndFourInARowRestoreColoursAndTags) {
    const std::array<std::pair<Rotation, Rotation>, 4> pairs{{
        {&clsCube::RotateLeft, &clsCube::RotateRight},
        {&clsCube::RotateRight, &clsCube::RotateLeft},
        {&clsCube::RotateUp, &clsCube::RotateDown},
        {&clsCube::RotateDown, &clsCube::RotateUp},
    }};
    for (const auto& [forward, backward] : pairs) {
        clsCube cube;
        MarkEverySquare(cube);
        for (std::int16_t s = 0; s < 6; ++s) {
            cube.Side(s).SetTag(std::to_string(s));
        }
        const CubeColors start = ColorsOf(cube);
        (cube.*forward)();
        (cube.*backward)();
        EXPECT_EQ(ColorsOf(cube), start);
        for (int k = 0; k < 4; ++k) {
            (cube.*forward)();
        }
        EXPECT_EQ(ColorsOf(cube), start);
        for (std::int16_t s = 0; s < 6; ++s) {
            EXPECT_EQ(cube.Side(s).Tag(), std::to_string(s));
        }
    }
}

TEST(CubeRotations, SolvedCubeRotatedLeftShowsTheRightSideInFront) {
    clsCube cube;
    cube.RotateLeft();
    const std::array<std::int16_t, 6> expected{0, 1, 5, 4, 2, 3};
    for (std::int16_t s = 0; s < 6; ++s) {
        for (std::int16_t q = 0; q < 9; ++q) {
            EXPECT_EQ(cube.Side(s).Square(q)->ColorIndex(), expected[static_cast<std::size_t>(s)]);
        }
    }
}

TEST(CubeRotations, SolvedCubeRotatedUpShowsTheBottomInFront) {
    clsCube cube;
    cube.RotateUp();
    const std::array<std::int16_t, 6> expected{2, 3, 1, 0, 4, 5};
    for (std::int16_t s = 0; s < 6; ++s) {
        for (std::int16_t q = 0; q < 9; ++q) {
            EXPECT_EQ(cube.Side(s).Square(q)->ColorIndex(), expected[static_cast<std::size_t>(s)]);
        }
    }
}

TEST(CubeRotations, TagsTravelWithTheColoursAndAxisTagsStay) {
    clsCube cube;
    cube.Side(Front).SetTag("Done");
    cube.Side(Top).SetTag("top");
    cube.Side(Bottom).SetTag("bottom");
    cube.RotateLeft();
    EXPECT_EQ(cube.Side(Left).Tag(), "Done");
    EXPECT_EQ(cube.Side(Front).Tag(), "");
    EXPECT_EQ(cube.Side(Back).Tag(), "");
    EXPECT_EQ(cube.Side(Right).Tag(), "");
    EXPECT_EQ(cube.Side(Top).Tag(), "top");
    EXPECT_EQ(cube.Side(Bottom).Tag(), "bottom");

    cube.RotateRight();
    cube.RotateRight();
    EXPECT_EQ(cube.Side(Right).Tag(), "Done");

    clsCube rolled;
    rolled.Side(Front).SetTag("Done");
    rolled.Side(Left).SetTag("left");
    rolled.Side(Right).SetTag("right");
    rolled.RotateUp();
    EXPECT_EQ(rolled.Side(Top).Tag(), "Done");
    rolled.RotateDown();
    rolled.RotateDown();
    EXPECT_EQ(rolled.Side(Bottom).Tag(), "Done");
    EXPECT_EQ(rolled.Side(Left).Tag(), "left");
    EXPECT_EQ(rolled.Side(Right).Tag(), "right");
}
