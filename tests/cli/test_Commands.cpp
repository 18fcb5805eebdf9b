#include "Commands.h"
#include "ConfigurationFile.h"
#include "CubeTestSupport.h"
#include "Facelets.h"
#include "StepCodes.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <vector>

using namespace turnix;
using namespace turnix::cli;
using namespace turnix::test;
namespace fs = std::filesystem;

namespace {

const std::string Solved = "UUUUUUUUURRRRRRRRRFFFFFFFFFDDDDDDDDDLLLLLLLLLBBBBBBBBB";
// A scrambled cube.
const std::string Scrambled = "DRLUUBFBRBLURRLRUBLRDDFDLFUFUFFDBRDUBRUFLLFDDBFLUBLRBD";
// The solved cube with one edge flipped in place: every piece there, but
// no turning reaches it.
const std::string OneEdgeFlipped = "UUUUUUUFURRRRRRRRRFUFFFFFFFDDDDDDDDDLLLLLLLLLBBBBBBBBB";

struct Result {
    ExitStatus status;
    std::string out;
    std::string err;
};

Result Cli(std::vector<std::string_view> arguments, const std::string& input = "") {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const ExitStatus status = RunCli(arguments, in, out, err);
    return {status, out.str(), err.str()};
}

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::istringstream stream(text);
    for (std::string part; std::getline(stream, part, separator);) {
        parts.push_back(part);
    }
    return parts;
}

std::vector<std::int16_t> Codes(const std::string& line) {
    std::vector<std::int16_t> codes;
    for (const std::string& word : Split(line, ' ')) {
        codes.push_back(static_cast<std::int16_t>(std::stoi(word)));
    }
    return codes;
}

bool CodesSolve(const std::string& facelets, const std::string& codesLine) {
    clsCube cube;
    if (ReadFacelets(facelets, cube)) {
        return false;
    }
    for (const std::int16_t code : Codes(codesLine)) {
        ApplyStep(cube, code);
    }
    return ColorsOf(cube) == ColorsOf(clsCube{});
}

class CliFiles : public ::testing::Test {
protected:
    void SetUp() override {
        folder =
            fs::temp_directory_path() /
            ("turnix-cli-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    std::string PathOf(const std::string& name) const { return (folder / name).string(); }
    static std::string ReadAll(const std::string& path) {
        std::ifstream file(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }
    static void WriteAll(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }

    fs::path folder;
};

} // namespace

TEST(Cli, VersionAndHelpGoToStandardOutput) {
    const Result version = Cli({"--version"});
    EXPECT_EQ(version.status, ExitStatus::Success);
    EXPECT_EQ(version.out, "turnix-cli 3.4.2\n");
    const Result help = Cli({"--help"});
    EXPECT_EQ(help.status, ExitStatus::Success);
    EXPECT_TRUE(help.out.starts_with("Usage: turnix-cli solve"));
    EXPECT_EQ(help.err, "");
}

TEST(Cli, TextListsTheStepsInWordsOnePerLine) {
    const Result text = Cli({"solve", "--facelets", Scrambled});
    const Result codes = Cli({"solve", "--format", "codes", "--facelets", Scrambled});
    ASSERT_EQ(text.status, ExitStatus::Success);
    ASSERT_EQ(codes.status, ExitStatus::Success);
    EXPECT_EQ(text.err, "");
    EXPECT_TRUE(CodesSolve(Scrambled, codes.out.substr(0, codes.out.size() - 1)));

    std::string expected;
    for (const std::int16_t code : Codes(codes.out.substr(0, codes.out.size() - 1))) {
        expected += std::string(StepText(code)) + "\n";
    }
    EXPECT_EQ(text.out, expected);
}

TEST(Cli, NotationSpellsTheSameStepsAsTheCodes) {
    const Result codes = Cli({"solve", "--format=codes", "--facelets=" + Scrambled});
    const Result notation = Cli({"solve", "--facelets", Scrambled, "--format", "notation"});
    ASSERT_EQ(notation.status, ExitStatus::Success);
    std::string expected;
    for (const std::int16_t code : Codes(codes.out.substr(0, codes.out.size() - 1))) {
        expected += (expected.empty() ? "" : " ") + std::string(StepNotation(code));
    }
    EXPECT_EQ(notation.out, expected + "\n");
    EXPECT_EQ(notation.out.find_first_not_of("FLBRUD'2 \n"), std::string::npos);
}

TEST(Cli, ACompleteCubePrintsNoStepsAndSaysSo) {
    for (const char* format : {"text", "codes", "notation"}) {
        const Result result = Cli({"solve", "--format", format, "--facelets", Solved});
        EXPECT_EQ(result.status, ExitStatus::Success);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, "Cube is already complete\n");
    }
}

TEST(Cli, AnUnsolvableCubeIsInvalidWithStatus1) {
    const Result result = Cli({"solve", "--facelets", OneEdgeFlipped});
    EXPECT_EQ(result.status, ExitStatus::InvalidCube);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "Invalid Cube Configuration\n");
}

TEST(Cli, ABadFaceletStringNamesTheFirstBadPositionWithStatus2) {
    std::string facelets = Scrambled;
    facelets[40] = 'Q';
    const Result result = Cli({"solve", "--facelets", facelets});
    EXPECT_EQ(result.status, ExitStatus::BadInput);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "turnix-cli: facelet string: position 41: 'Q' is not one of the "
                          "letters U R F D L B\n");
    EXPECT_EQ(Cli({"save", "--facelets", "UUU", "x.cub"}).status, ExitStatus::BadInput);
}

TEST(Cli, UsageErrorsPointToHelpWithStatus2) {
    for (const std::vector<std::string_view>& arguments : {std::vector<std::string_view>{},
                                                           {"unsolve"},
                                                           {"solve"},
                                                           {"solve", "a.cub", "b.cub"},
                                                           {"solve", "a.cub", "--batch"},
                                                           {"solve", "--batch", "--format", "text"},
                                                           {"solve", "--format", "words", "a.cub"},
                                                           {"solve", "--facelets"},
                                                           {"solve", "--fast"},
                                                           {"facelets"},
                                                           {"save", "x.cub"},
                                                           {"save", "--facelets", Solved}}) {
        const Result result = Cli(arguments);
        EXPECT_EQ(result.status, ExitStatus::BadInput) << result.err;
        EXPECT_TRUE(result.err.starts_with("turnix-cli: ")) << result.err;
        EXPECT_TRUE(result.err.ends_with("Try 'turnix-cli --help'.\n")) << result.err;
        EXPECT_EQ(result.out, "");
    }
}

TEST(Cli, BatchAnswersEveryLineAndGoesOnAfterABadOne) {
    const std::string input =
        Solved + "\n" + Scrambled + "\r\n" + "UUUU\n" + OneEdgeFlipped + "\n" + Scrambled + "\n";
    const Result result = Cli({"solve", "--batch"}, input);
    EXPECT_EQ(result.status, ExitStatus::BadInput) << "the worst line decides";
    const std::vector<std::string> lines = Split(result.out, '\n');
    ASSERT_EQ(lines.size(), 5U);
    EXPECT_EQ(lines[0], "");
    EXPECT_TRUE(CodesSolve(Scrambled, lines[1]));
    EXPECT_EQ(lines[2], "ERROR");
    EXPECT_EQ(lines[3], "INVALID");
    EXPECT_EQ(lines[4], lines[1]);
    EXPECT_EQ(result.err, "turnix-cli: line 3: a facelet string has 54 letters, this one has 4\n");

    const Result notation = Cli({"solve", "--batch", "--format", "notation"}, Scrambled + "\n");
    EXPECT_EQ(notation.status, ExitStatus::Success);
    EXPECT_EQ(notation.out, Cli({"solve", "--format", "notation", "--facelets", Scrambled}).out);

    EXPECT_EQ(Cli({"solve", "--batch"}, OneEdgeFlipped).status, ExitStatus::InvalidCube);
    EXPECT_EQ(Cli({"solve", "--batch"}, "").out, "");
}

TEST_F(CliFiles, SaveThenFaceletsGivesTheStringBack) {
    const std::string file = PathOf("cube.cub");
    const Result save = Cli({"save", "--facelets", Scrambled, file});
    EXPECT_EQ(save.status, ExitStatus::Success);
    EXPECT_EQ(save.out + save.err, "");
    EXPECT_EQ(fs::file_size(file), 108U);

    const Result facelets = Cli({"facelets", file});
    EXPECT_EQ(facelets.status, ExitStatus::Success);
    EXPECT_EQ(facelets.out, Scrambled + "\n");

    EXPECT_EQ(Cli({"solve", "--format", "codes", file}).out,
              Cli({"solve", "--format", "codes", "--facelets", Scrambled}).out);
}

TEST_F(CliFiles, StandardInputAndLongerFilesGiveTheirFirst108Bytes) {
    const std::string file = PathOf("long.cub");
    ASSERT_EQ(Cli({"save", "--facelets", Scrambled, file}).status, ExitStatus::Success);
    const std::string bytes = ReadAll(file);
    WriteAll(file, bytes + "trailing bytes are ignored");

    const Result fromFile = Cli({"solve", "--format", "codes", file});
    const Result fromInput = Cli({"solve", "--format", "codes", "-"}, bytes);
    EXPECT_EQ(fromFile.status, ExitStatus::Success);
    EXPECT_EQ(fromInput.status, ExitStatus::Success);
    EXPECT_EQ(fromFile.out, fromInput.out);
    EXPECT_TRUE(CodesSolve(Scrambled, fromFile.out.substr(0, fromFile.out.size() - 1)));
    EXPECT_EQ(Cli({"facelets", "-"}, bytes).out, Scrambled + "\n");
}

TEST_F(CliFiles, MissingShortAndUnreadableFilesAreNamedWithStatus2) {
    const std::string missing = PathOf("missing.cub");
    Result result = Cli({"solve", missing});
    EXPECT_EQ(result.status, ExitStatus::BadInput);
    EXPECT_EQ(result.err, "turnix-cli: " + missing + ": no such file\n");

    const std::string shortFile = PathOf("short.cub");
    WriteAll(shortFile, std::string(107, '\0'));
    result = Cli({"solve", shortFile});
    EXPECT_EQ(result.status, ExitStatus::BadInput);
    EXPECT_EQ(result.err, "turnix-cli: " + shortFile +
                              ": too short for a cube: 53 of 54 colour values (108 bytes)\n");

    result = Cli({"solve", "-"}, std::string(10, '\0'));
    EXPECT_EQ(result.status, ExitStatus::BadInput);
    EXPECT_TRUE(result.err.starts_with("turnix-cli: standard input: too short")) << result.err;

    result = Cli({"facelets", folder.string()});
    EXPECT_EQ(result.status, ExitStatus::BadInput);
    EXPECT_EQ(result.err, "turnix-cli: " + folder.string() + ": cannot read the file\n");
    EXPECT_EQ(result.out, "");
}

TEST_F(CliFiles, ColourIndicesWithoutAFaceHaveNoFaceletString) {
    clsCube cube;
    cube.Side(side::Left).Square(3)->SetColorIndex(9);
    const std::string file = PathOf("odd.cub");
    ASSERT_TRUE(WriteConfigurationFile(file, cube));
    const Result result = Cli({"facelets", file});
    EXPECT_EQ(result.status, ExitStatus::BadInput);
    EXPECT_EQ(result.err, "turnix-cli: " + file +
                              ": square 3 of side 4 holds colour index 9, which names no face\n");
    EXPECT_EQ(Cli({"solve", file}).status, ExitStatus::InvalidCube);
}

TEST_F(CliFiles, AFailedSaveSaysSoAndLeavesNoFile) {
    const std::string file = PathOf("no-such-folder/cube.cub");
    const Result result = Cli({"save", "--facelets", Solved, file});
    EXPECT_EQ(result.status, ExitStatus::BadInput);
    EXPECT_EQ(result.err, "turnix-cli: " + file + ": cannot write the file\n");
    EXPECT_FALSE(fs::exists(file));
}
