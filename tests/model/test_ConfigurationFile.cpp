#include "ConfigurationFile.h"
#include "CubeTestSupport.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <vector>

using namespace turnix;
using namespace turnix::test;
namespace fs = std::filesystem;

namespace {

class ConfigurationFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder =
            fs::temp_directory_path() /
            ("turnix-config-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    static std::vector<std::uint8_t> ReadBytes(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    static void WriteBytes(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
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

TEST_F(ConfigurationFileTest, SolvedCubeIsNineValuesPerSideLowByteFirst) {
    const fs::path path = folder / "Current.cub";
    ASSERT_TRUE(WriteConfigurationFile(path, clsCube{}));
    const std::vector<std::uint8_t> bytes = ReadBytes(path);
    ASSERT_EQ(bytes.size(), 108U);
    for (std::size_t k = 0; k < 54; ++k) {
        EXPECT_EQ(bytes[2 * k], k / 9) << "value " << k;
        EXPECT_EQ(bytes[2 * k + 1], 0) << "value " << k;
    }
    EXPECT_EQ(FilesInFolder(), std::vector<fs::path>{"Current.cub"});
}

TEST_F(ConfigurationFileTest, SaveThenOpenRestoresEverySquareIncludingOddValues) {
    clsCube cube;
    MarkEverySquare(cube);
    cube.Side(side::Top).Square(0)->SetColorIndex(-1);
    cube.Side(side::Right).Square(8)->SetColorIndex(-32768);
    cube.Side(side::Back).Square(4)->SetColorIndex(32767);
    const fs::path path = folder / "marked.cub";
    ASSERT_TRUE(WriteConfigurationFile(path, cube));

    clsCube opened;
    EXPECT_EQ(ReadConfigurationFile(path, opened), 54U);
    EXPECT_EQ(ColorsOf(opened), ColorsOf(cube));
    const std::vector<std::uint8_t> bytes = ReadBytes(path);
    EXPECT_EQ(bytes[0], 0xFF);
    EXPECT_EQ(bytes[1], 0xFF);
    EXPECT_EQ(bytes[106], 0x00);
    EXPECT_EQ(bytes[107], 0x80);
}

TEST_F(ConfigurationFileTest, ShortFileSetsOnlyTheValuesItHolds) {
    const fs::path path = folder / "short.cub";
    WriteBytes(path, {5, 0, 4, 0, 3, 0, 0x07}); // three values and half of a fourth
    clsCube cube;
    MarkEverySquare(cube);
    EXPECT_EQ(ReadConfigurationFile(path, cube), 3U);
    EXPECT_EQ(cube.Side(side::Top).Square(0)->ColorIndex(), 5);
    EXPECT_EQ(cube.Side(side::Top).Square(1)->ColorIndex(), 4);
    EXPECT_EQ(cube.Side(side::Top).Square(2)->ColorIndex(), 3);
    EXPECT_EQ(cube.Side(side::Top).Square(3)->ColorIndex(), Marker(side::Top, 3));
    EXPECT_EQ(cube.Side(side::Right).Square(8)->ColorIndex(), Marker(side::Right, 8));

    const fs::path empty = folder / "empty.cub";
    WriteBytes(empty, {});
    EXPECT_EQ(ReadConfigurationFile(empty, cube), 0U);
}

TEST_F(ConfigurationFileTest, LongFileIsReadFromItsFirst108Bytes) {
    std::vector<std::uint8_t> bytes(4000, 0xAB);
    for (std::size_t k = 0; k < 54; ++k) {
        bytes[2 * k] = static_cast<std::uint8_t>(5 - k / 9);
        bytes[2 * k + 1] = 0;
    }
    const fs::path path = folder / "long.cub";
    WriteBytes(path, bytes);
    clsCube cube;
    EXPECT_EQ(ReadConfigurationFile(path, cube), 54U);
    for (std::int16_t s = 0; s < 6; ++s) {
        EXPECT_EQ(cube.Side(s).Square(8)->ColorIndex(), 5 - s);
    }
}

TEST_F(ConfigurationFileTest, MissingFileOrFolderCannotBeOpenedAndChangesNothing) {
    clsCube cube;
    MarkEverySquare(cube);
    EXPECT_EQ(ReadConfigurationFile(folder / "absent.cub", cube), std::nullopt);
    EXPECT_EQ(ReadConfigurationFile(folder, cube), std::nullopt);
    clsCube marked;
    MarkEverySquare(marked);
    EXPECT_EQ(ColorsOf(cube), ColorsOf(marked));
}

TEST_F(ConfigurationFileTest, SaveReplacesAnExistingFileWhole) {
    const fs::path path = folder / "Current.cub";
    WriteBytes(path, std::vector<std::uint8_t>(500, 0xEE));
    ASSERT_TRUE(WriteConfigurationFile(path, clsCube{}));
    EXPECT_EQ(ReadBytes(path).size(), 108U);
    EXPECT_EQ(FilesInFolder(), std::vector<fs::path>{"Current.cub"});
}

TEST_F(ConfigurationFileTest, FailedSaveLeavesNoPartialFileAndKeepsTheOldOne) {
    // A folder where the file should be: the rename cannot replace it.
    fs::create_directory(folder / "taken.cub");
    EXPECT_FALSE(WriteConfigurationFile(folder / "taken.cub", clsCube{}));
    EXPECT_TRUE(fs::is_directory(folder / "taken.cub"));
    EXPECT_EQ(FilesInFolder(), std::vector<fs::path>{"taken.cub"});

    // A parent that is a plain file: nothing can be created there.
    WriteBytes(folder / "plain", {1, 2, 3});
    EXPECT_FALSE(WriteConfigurationFile(folder / "plain" / "x.cub", clsCube{}));
    EXPECT_EQ(ReadBytes(folder / "plain"), (std::vector<std::uint8_t>{1, 2, 3}));

    EXPECT_FALSE(WriteConfigurationFile(folder / "missing" / "x.cub", clsCube{}));
    EXPECT_FALSE(fs::exists(folder / "missing"));
}

TEST_F(ConfigurationFileTest, EncodeAndDecodeAreInverse) {
    clsCube cube;
    MarkEverySquare(cube);
    const ConfigurationBytes bytes = EncodeConfiguration(cube);
    clsCube decoded;
    EXPECT_EQ(DecodeConfiguration(bytes, decoded), 54U);
    EXPECT_EQ(ColorsOf(decoded), ColorsOf(cube));
}
