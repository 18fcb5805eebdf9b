#include "CubeTestSupport.h"

#include <gtest/gtest.h>

using namespace turnix;
using namespace turnix::test;

TEST(clsCube, NewCubeIsSolvedWithEmptyTags) {
    const clsCube cube;
    CubeColors solved{};
    for (std::int16_t s = 0; s < 6; ++s) {
        solved[s].fill(s);
        EXPECT_EQ(cube.Side(s).Tag(), "");
    }
    EXPECT_EQ(ColorsOf(cube), solved);
}

TEST(clsCube, CopyWritesColoursOnlyAndLeavesTwoIndependentCubes) {
    clsCube source;
    MarkEverySquare(source);
    source.Side(side::Front).SetTag("Done");
    clsCube target;
    target.Side(side::Back).SetTag("kept");

    source.Copy(target);
    EXPECT_EQ(ColorsOf(target), ColorsOf(source));
    EXPECT_EQ(target.Side(side::Front).Tag(), "");
    EXPECT_EQ(target.Side(side::Back).Tag(), "kept");

    target.Side(side::Front).RotateClockwise();
    source.Side(side::Top).Square(0)->SetColorIndex(-7);
    EXPECT_EQ(target.Side(side::Top).Square(0)->ColorIndex(), Marker(side::Top, 0));
    EXPECT_EQ(source.Side(side::Top).Square(6)->ColorIndex(), Marker(side::Top, 6));
}

TEST(clsCube, MovedCubeKeepsWorkingLinks) {
    clsCube first;
    clsCube moved = std::move(first);
    moved.Side(side::Front).RotateClockwise();
    EXPECT_EQ(moved.Side(side::Top).Square(6)->ColorIndex(), 4);
}
