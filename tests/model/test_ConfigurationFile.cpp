#include "ConfigurationFile.h"
#include "CubeTestSupport.h"
#include "TempFolder.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace turnix;
using namespace turnix::test;
namespace fs = std::filesystem;

namespace {

std::size_t FileCount(const fs::path& folder) {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(folder), fs::directory_iterator{}));
}

} // namespace

// Each value at byte 2 * (9 * side + square), low byte first.
TEST(ConfigurationFile, SaveReplacesTheFileWithTheValuesLowByteFirstAndOpenGivesThemBack) {
    const TempFolder folder;
    const fs::path path = folder.path / "Current.cub";
    WriteBytes(path, Bytes(500, 0xEE));
    clsCube cube;
    MarkEverySquare(cube);
    cube.Side(side::Top).Square(0)->SetColorIndex(-1);
    cube.Side(side::Right).Square(8)->SetColorIndex(-32768);
    ASSERT_TRUE(WriteConfigurationFile(path, cube));
    Bytes expected;
    for (const auto& values : ColorsOf(cube)) {
        for (const int value : values) {
            expected.insert(expected.end(), {static_cast<std::uint8_t>(value & 0xFF),
                                             static_cast<std::uint8_t>((value >> 8) & 0xFF)});
        }
    }
    EXPECT_EQ(ReadBytes(path), expected);
    EXPECT_EQ(Bytes(expected.end() - 2, expected.end()), (Bytes{0x00, 0x80}));
    clsCube opened;
    EXPECT_EQ(ReadConfigurationFile(path, opened), 54U);
    EXPECT_EQ(ColorsOf(opened), ColorsOf(cube));
    EXPECT_EQ(FileCount(folder.path), 1U);
}

TEST(ConfigurationFile, ShortFilesSetOnlyTheValuesTheyHoldAndLongOnesTheirFirst108Bytes) {
    const TempFolder folder;
    clsCube cube;
    MarkEverySquare(cube);
    CubeColors expected = ColorsOf(cube);
    expected[0][0] = 5;
    expected[0][1] = 4;
    expected[0][2] = 3;
    WriteBytes(folder.path / "short", {5, 0, 4, 0, 3, 0, 0x07}); // three values and half a fourth
    EXPECT_EQ(ReadConfigurationFile(folder.path / "short", cube), 3U);
    EXPECT_EQ(ColorsOf(cube), expected);
    WriteBytes(folder.path / "empty", {});
    EXPECT_EQ(ReadConfigurationFile(folder.path / "empty", cube), 0U);

    const ConfigurationBytes marked = EncodeConfiguration(cube);
    Bytes longer(4000, 0xAB);
    std::ranges::copy(marked, longer.begin());
    WriteBytes(folder.path / "long", longer);
    clsCube opened;
    EXPECT_EQ(ReadConfigurationFile(folder.path / "long", opened), 54U);
    EXPECT_EQ(ColorsOf(opened), expected);
}

TEST(ConfigurationFile, WhatCannotBeOpenedChangesNothingAndAFailedSaveLeavesNothing) {
    const TempFolder folder;
    clsCube cube;
    MarkEverySquare(cube);
    const CubeColors before = ColorsOf(cube);
    EXPECT_EQ(ReadConfigurationFile(folder.path / "absent.cub", cube), std::nullopt);
    EXPECT_EQ(ReadConfigurationFile(folder.path, cube), std::nullopt);
    EXPECT_EQ(ColorsOf(cube), before);

    // A folder in the way fails the rename, a missing folder the writing.
    fs::create_directory(folder.path / "taken.cub");
    EXPECT_FALSE(WriteConfigurationFile(folder.path / "taken.cub", cube));
    EXPECT_FALSE(WriteConfigurationFile(folder.path / "missing" / "x.cub", cube));
    EXPECT_TRUE(fs::is_directory(folder.path / "taken.cub"));
    EXPECT_EQ(FileCount(folder.path), 1U) << "no temporary file is left behind";
}
