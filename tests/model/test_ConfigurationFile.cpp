#include "ConfigurationFile.h"
#include "CubeTestSupport.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <vector>

using namespace turnix;
using namespace turnix::test;
namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

namespace {

class ConfigurationFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* test = ::testing::UnitTest::GetInstance();
        folder =
            fs::temp_directory_path() / ("turnix-config-" + std::to_string(test->random_seed()) +
                                         "-" + test->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    static Bytes ReadBytes(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    static void WriteBytes(const fs::path& path, const Bytes& bytes) {
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    }
    std::vector<fs::path> FilesInFolder() const {
        std::vector<fs::path> files;
        for (const auto& entry : fs::directory_iterator(folder)) {
            files.push_back(entry.path().filename());
        }
        return files;
    }

    fs::path folder;
};

} // namespace

TEST_F(ConfigurationFileTest, SaveReplacesTheFileWithTheValuesLowByteFirstAndOpenGivesThemBack) {
    const fs::path path = folder / "Current.cub";
    WriteBytes(path, Bytes(500, 0xEE));
    ASSERT_TRUE(WriteConfigurationFile(path, clsCube{}));
    Bytes solved;
    for (std::uint8_t k = 0; k < 54; ++k) {
        solved.insert(solved.end(), {static_cast<std::uint8_t>(k / 9), 0});
    }
    EXPECT_EQ(ReadBytes(path), solved);

    clsCube cube;
    MarkEverySquare(cube);
    cube.Side(side::Top).Square(0)->SetColorIndex(-1);
    cube.Side(side::Right).Square(8)->SetColorIndex(-32768);
    ASSERT_TRUE(WriteConfigurationFile(path, cube));
    const Bytes bytes = ReadBytes(path);
    ASSERT_EQ(bytes.size(), 108U);
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 4), (Bytes{0xFF, 0xFF, 101, 0}));
    EXPECT_EQ(Bytes(bytes.end() - 4, bytes.end()), (Bytes{0x5F, 0x02, 0x00, 0x80}));
    clsCube opened;
    EXPECT_EQ(ReadConfigurationFile(path, opened), 54U);
    EXPECT_EQ(ColorsOf(opened), ColorsOf(cube));
    EXPECT_EQ(FilesInFolder(), std::vector<fs::path>{"Current.cub"});
}

TEST_F(ConfigurationFileTest, ShortFilesSetOnlyTheValuesTheyHoldAndLongOnesTheirFirst108Bytes) {
    clsCube cube;
    MarkEverySquare(cube);
    CubeColors expected = ColorsOf(cube);
    expected[0][0] = 5;
    expected[0][1] = 4;
    expected[0][2] = 3;
    WriteBytes(folder / "short.cub", {5, 0, 4, 0, 3, 0, 0x07}); // three values and half a fourth
    EXPECT_EQ(ReadConfigurationFile(folder / "short.cub", cube), 3U);
    EXPECT_EQ(ColorsOf(cube), expected);
    WriteBytes(folder / "empty.cub", {});
    EXPECT_EQ(ReadConfigurationFile(folder / "empty.cub", cube), 0U);

    const ConfigurationBytes marked = EncodeConfiguration(cube);
    Bytes longer(marked.begin(), marked.end());
    longer.resize(4000, 0xAB);
    WriteBytes(folder / "long.cub", longer);
    clsCube opened;
    EXPECT_EQ(ReadConfigurationFile(folder / "long.cub", opened), 54U);
    EXPECT_EQ(ColorsOf(opened), ColorsOf(cube));
}

TEST_F(ConfigurationFileTest, WhatCannotBeOpenedChangesNothingAndAFailedSaveLeavesNothing) {
    clsCube cube;
    MarkEverySquare(cube);
    const CubeColors before = ColorsOf(cube);
    EXPECT_EQ(ReadConfigurationFile(folder / "absent.cub", cube), std::nullopt);
    EXPECT_EQ(ReadConfigurationFile(folder, cube), std::nullopt);
    EXPECT_EQ(ColorsOf(cube), before);

    // A folder in the way, a parent that is a plain file, a missing parent.
    fs::create_directory(folder / "taken.cub");
    EXPECT_FALSE(WriteConfigurationFile(folder / "taken.cub", cube));
    WriteBytes(folder / "plain", {1, 2, 3});
    EXPECT_FALSE(WriteConfigurationFile(folder / "plain" / "x.cub", cube));
    EXPECT_FALSE(WriteConfigurationFile(folder / "missing" / "x.cub", cube));
    EXPECT_TRUE(fs::is_directory(folder / "taken.cub"));
    EXPECT_EQ(ReadBytes(folder / "plain"), (Bytes{1, 2, 3}));
    EXPECT_EQ(FilesInFolder().size(), 2U) << "no temporary file is left behind";
}
