#include "CubeTestSupport.h"

#include <gtest/gtest.h>
#include <string>
#include <tuple>

using namespace turnix;
using namespace turnix::test;
using namespace turnix::side;

namespace {

using Rotation = void (clsCube::*)();

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

void PrintTo(const NetEffect& effect, std::ostream* os) {
    *os << effect.name;
}

class NetEffectTest : public ::testing::TestWithParam<NetEffect> {};

} // namespace

// Distinct values on all 54 squares make every cell of the table visible;
// each side's tag must come along with its colours.
TEST_P(NetEffectTest, EverySquareAndTagComesFromItsTabledOldPlace) {
    const NetEffect& effect = GetParam();
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

INSTANTIATE_TEST_SUITE_P(AllFourRotations, NetEffectTest, ::testing::ValuesIn(NetEffects),
                         [](const auto& info) { return std::string(info.param.name); });

// Bringing a side to the front, turning the front and rotating on round to
// the start turns that side: so every side's links agree with the
// rotations, which the table above pins down square by square.
TEST(CubeRotations, EveryTurnIsTheFrontTurnOfTheSideBroughtToTheFront) {
    const std::array<std::tuple<std::int16_t, Rotation, int>, 5> ways{{
        {Left, &clsCube::RotateRight, 1},
        {Back, &clsCube::RotateRight, 2},
        {Right, &clsCube::RotateLeft, 1},
        {Top, &clsCube::RotateDown, 1},
        {Bottom, &clsCube::RotateUp, 1},
    }};
    for (const auto& [s, rotation, times] : ways) {
        for (const auto turn : {&clsSide::RotateClockwise, &clsSide::RotateCounterclockwise,
                                &clsSide::RotateDouble}) {
            clsCube direct;
            MarkEverySquare(direct);
            (direct.Side(s).*turn)();
            clsCube seen;
            MarkEverySquare(seen);
            for (int k = 0; k < 4; ++k) {
                if (k == times) {
                    (seen.Side(Front).*turn)();
                }
                (seen.*rotation)();
            }
            EXPECT_EQ(ColorsOf(seen), ColorsOf(direct)) << "side " << s;
        }
    }
}
