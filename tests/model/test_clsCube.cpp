#include "CubeTestSupport.h"

#include <gtest/gtest.h>
#include <stdexcept>

using namespace turnix;
using namespace turnix::test;

// Setting a side only replaces the stored side; no link is re-made.
TEST(clsCube, BadSideIndicesThrowAndChangeNothingAndReplacingASideKeepsTheLinks) {
    clsCube cube;
    const clsSide* top = &cube.Side(side::Top);
    const SquarePtr topSeven = top->Square(7);
    EXPECT_THROW((void)cube.Side(-1), std::out_of_range);
    EXPECT_THROW((void)cube.Side(6), std::out_of_range);
    EXPECT_THROW(cube.SetSide(6, std::make_unique<clsSide>()), std::out_of_range);
    EXPECT_THROW(cube.SetSide(-1, std::make_unique<clsSide>()), std::out_of_range);
    EXPECT_EQ(&cube.Side(side::Top), top);
    EXPECT_EQ(ColorsOf(cube), ColorsOf(clsCube{}));

    cube.SetSide(side::Top, std::make_unique<clsSide>());
    EXPECT_EQ(cube.Side(side::Top).NorthPtr(), nullptr);
    EXPECT_EQ(cube.Side(side::Front).NorthPtr(), topSeven);
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
