#include "CubeTestSupport.h"
#include "StepCodes.h"

#include <gtest/gtest.h>
#include <string>

using namespace turnix;
using namespace turnix::test;

TEST(StepCodes, EachCodeDoesWhatItsWordsSayAndOthersDoNothing) {
    const auto after = [](auto operation) {
        clsCube cube;
        MarkEverySquare(cube);
        operation(cube);
        return ColorsOf(cube);
    };
    const std::array<std::int16_t, 6> sideOfGroup{side::Front, side::Left, side::Back,
                                                  side::Right, side::Top,  side::Bottom};
    const std::array<void (clsSide::*)(), 3> turnOfKind{
        &clsSide::RotateClockwise, &clsSide::RotateCounterclockwise, &clsSide::RotateDouble};
    for (std::int16_t code = 0; code < SideTurnCount; ++code) {
        const auto turn = [&](clsCube& cube) {
            clsSide& turned = cube.Side(sideOfGroup[static_cast<std::size_t>(code / 3)]);
            (turned.*turnOfKind[static_cast<std::size_t>(code % 3)])();
        };
        EXPECT_EQ(after([code](clsCube& cube) { ApplyStep(cube, code); }), after(turn))
            << StepText(code);
    }
    EXPECT_EQ(after([](clsCube& c) { ApplyStep(c, 18); }), after([](clsCube& c) { c.RotateUp(); }));
    EXPECT_EQ(after([](clsCube& c) { ApplyStep(c, 19); }),
              after([](clsCube& c) { c.RotateDown(); }));
    EXPECT_EQ(after([](clsCube& c) { ApplyStep(c, 20); }),
              after([](clsCube& c) { c.RotateLeft(); }));
    EXPECT_EQ(after([](clsCube& c) { ApplyStep(c, 21); }),
              after([](clsCube& c) { c.RotateRight(); }));
    for (const std::int16_t code : {-1, 22, INT16_MIN, INT16_MAX}) {
        EXPECT_EQ(after([code](clsCube& c) { ApplyStep(c, code); }), after([](clsCube&) {}));
        EXPECT_EQ(StepText(code), "");
        EXPECT_EQ(StepNotation(code), "");
    }
}

TEST(StepCodes, NotationNamesTheSideAndTheTurn) {
    std::string all;
    for (std::int16_t code = 0; code < StepCodeCount; ++code) {
        all += std::string(StepNotation(code)) + " ";
    }
    EXPECT_EQ(all, "F F' F2 L L' L2 B B' B2 R R' R2 U U' U2 D D' D2 x x' y y' ");
}
