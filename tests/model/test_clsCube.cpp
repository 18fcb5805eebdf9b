#include "CubeTestSupport.h"

#include <gtest/gtest.h>
#include <stdexcept>

using namespace turnix;
using namespace turnix::test;

TEST(clsCube, NewCubeIsSolvedWithEmptyTags) {
    const clsCube cube;
    for (std::int16_t s = 0; s < 6; ++s) {
        for (std::int16_t q = 0; q < 9; ++q) {
            EXPECT_EQ(cube.Side(s).Square(q)->ColorIndex(), s);
        }
        EXPECT_EQ(cube.Side(s).Tag(), "");
    }
}

TEST(clsCube, LabelsNameEachSideAndItsNeighbours) {
    const clsCube cube;
    struct Row {
        const char* main;
        const char* north;
        const char* west;
        const char* east;
        const char* south;
    };
    const std::array<Row, 6> expected{{
        {"Top Side", "Back", "Left", "Right", "Front"},
        {"Bottom Side", "Front", "Left", "Right", "Back"},
        {"Front Side", "Top", "Left", "Right", "Bottom"},
        {"Back Side", "Top", "Right", "Left", "Bottom"},
        {"Left Side", "Top", "Back", "Front", "Bottom"},
        {"Right Side", "Top", "Front", "Back", "Bottom"},
    }};
    for (std::int16_t s = 0; s < 6; ++s) {
        const clsSide& sid = cube.Side(s);
        const Row& row = expected[static_cast<std::size_t>(s)];
        EXPECT_EQ(sid.MainLabel(), row.main);
        EXPECT_EQ(sid.NorthLabel(), row.north);
        EXPECT_EQ(sid.WestLabel(), row.west);
        EXPECT_EQ(sid.EastLabel(), row.east);
        EXPECT_EQ(sid.SouthLabel(), row.south);
    }
}

TEST(clsCube, SideIndexOutsideTheCubeIsRejectedAndChangesNothing) {
    clsCube cube;
    const clsSide* front = &cube.Side(side::Front);
    EXPECT_THROW((void)cube.Side(-1), std::out_of_range);
    EXPECT_THROW((void)cube.Side(6), std::out_of_range);
    EXPECT_THROW(cube.SetSide(6, std::make_unique<clsSide>()), std::out_of_range);
    EXPECT_THROW(cube.SetSide(-1, std::make_unique<clsSide>()), std::out_of_range);
    EXPECT_EQ(&cube.Side(side::Front), front);
    EXPECT_EQ(ColorsOf(cube), ColorsOf(clsCube{}));
}

TEST(clsCube, SettingASideReplacesOnlyTheStoredSide) {
    clsCube cube;
    const SquarePtr topSeven = cube.Side(side::Top).Square(7);
    cube.SetSide(side::Top, std::make_unique<clsSide>());
    EXPECT_EQ(cube.Side(side::Top).Square(7)->ColorIndex(), 0);
    EXPECT_EQ(cube.Side(side::Top).NorthPtr(), nullptr);
    // The front still reaches the square that was there before.
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
    EXPECT_NE(ColorsOf(target), ColorsOf(source));
}

TEST(clsCube, MovedCubeKeepsWorkingLinks) {
    clsCube first;
    clsCube moved = std::move(first);
    moved.Side(side::Front).RotateClockwise();
    EXPECT_EQ(moved.Side(side::Top).Square(6)->ColorIndex(), 4);
}
