#include "CubeTestSupport.h"
#include "StepCodes.h"

#include <gtest/gtest.h>
#include <string>

using namespace turnix;
using namespace turnix::test;

namespace {

CubeColors AfterStep(std::int16_t code) {
    clsCube cube;
    MarkEverySquare(cube);
    ApplyStep(cube, code);
    return ColorsOf(cube);
}

template <typename Operation>
CubeColors After(Operation operation) {
    clsCube cube;
    MarkEverySquare(cube);
    operation(cube);
    return ColorsOf(cube);
}

} // namespace

TEST(StepCodes, DescriptionsAreIndexedByCode) {
    EXPECT_EQ(StepText(0), "Turn front side clockwise");
    EXPECT_EQ(StepText(4), "Turn left side counterclockwise");
    EXPECT_EQ(StepText(8), "Turn back side twice");
    EXPECT_EQ(StepText(9), "Turn right side clockwise");
    EXPECT_EQ(StepText(13), "Turn top side counterclockwise");
    EXPECT_EQ(StepText(17), "Turn bottom side twice");
    EXPECT_EQ(StepText(18), "Rotate cube up (front side becomes top side)");
    EXPECT_EQ(StepText(19), "Rotate cube down (front side becomes bottom side)");
    EXPECT_EQ(StepText(20), "Rotate cube left (front side becomes left side)");
    EXPECT_EQ(StepText(21), "Rotate cube right (front side becomes right side)");
    EXPECT_EQ(StepText(-1), "");
    EXPECT_EQ(StepText(22), "");
}

TEST(StepCodes, NotationNamesTheSideAndTheTurn) {
    std::string all;
    for (std::int16_t code = 0; code < StepCodeCount; ++code) {
        all += std::string(StepNotation(code)) + " ";
    }
    EXPECT_EQ(all, "F F' F2 L L' L2 B B' B2 R R' R2 U U' U2 D D' D2 x x' y y' ");
    EXPECT_EQ(StepNotation(22), "");
    EXPECT_EQ(StepNotation(-5), "");
}

TEST(StepCodes, EachTurnCodeTurnsItsSideTheWayItsWordsSay) {
    const std::array<std::int16_t, 6> sideOfGroup{side::Front, side::Left, side::Back,
                                                  side::Right, side::Top,  side::Bottom};
    for (std::int16_t code = 0; code < SideTurnCount; ++code) {
        const std::int16_t turned = sideOfGroup[static_cast<std::size_t>(code / 3)];
        const CubeColors expected = After([&](clsCube& cube) {
            switch (code % 3) {
            case 0:
                cube.Side(turned).RotateClockwise();
                break;
            case 1:
                cube.Side(turned).RotateCounterclockwise();
                break;
            default:
                cube.Side(turned).RotateDouble();
                break;
            }
        });
        EXPECT_EQ(AfterStep(code), expected) << "code " << code;
    }
}

TEST(StepCodes, RotationCodesRotateTheWholeCube) {
    EXPECT_EQ(AfterStep(18), After([](clsCube& cube) { cube.RotateUp(); }));
    EXPECT_EQ(AfterStep(19), After([](clsCube& cube) { cube.RotateDown(); }));
    EXPECT_EQ(AfterStep(20), After([](clsCube& cube) { cube.RotateLeft(); }));
    EXPECT_EQ(AfterStep(21), After([](clsCube& cube) { cube.RotateRight(); }));
}

TEST(StepCodes, CodesOutsideTheTableChangeNothing) {
    const CubeColors unchanged = After([](clsCube&) {});
    for (const std::int16_t code : {-1, 22, 100, INT16_MIN, INT16_MAX}) {
        EXPECT_EQ(AfterStep(code), unchanged) << "code " << code;
    }
}
