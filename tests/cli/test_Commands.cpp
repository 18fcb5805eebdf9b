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
const std::string Scrambled = "DRLUUBFBRBLURRLRUBLRDDFDLFUFUFFDBRDUBRUFLLFDDBFLUBLRBD";
// Every piece is there, but one edge is flipped in place.
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

// The codes of a one-line answer.
std::vector<std::int16_t> Codes(const std::string& line) {
    std::vector<std::int16_t> codes;
    for (const std::string& word : Split(line.substr(0, line.find('\n')), ' ')) {
        codes.push_back(static_cast<std::int16_t>(std::stoi(word)));
    }
    return codes;
}

bool CodesSolve(const std::string& facelets, const std::string& line) {
    clsCube cube;
    EXPECT_FALSE(ReadFacelets(facelets, cube));
    for (const std::int16_t code : Codes(line)) {
        ApplyStep(cube, code);
    }
    return ColorsOf(cube) == ColorsOf(clsCube{});
}

class CliFiles : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* test = ::testing::UnitTest::GetInstance();
        folder = fs::temp_directory_path() / ("turnix-cli-" + std::to_string(test->random_seed()) +
                                              "-" + test->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    std::string PathOf(const std::string& name) const { return (folder / name).string(); }

    fs::path folder;
};

} // namespace

TEST(Cli, VersionAndHelpGoToStandardOutput) {
    EXPECT_EQ(Cli({"--version"}).out, "turnix-cli 3.4.2\n");
    const Result help = Cli({"--help"});
    EXPECT_EQ(help.status, ExitStatus::Success);
    EXPECT_TRUE(help.out.starts_with("Usage: turnix-cli solve"));
}

TEST(Cli, TheThreeFormatsSpellTheSameStepsThatSolveTheCube) {
    const Result codes = Cli({"solve", "--format", "codes", "--facelets", Scrambled});
    const Result text = Cli({"solve", "--facelets=" + Scrambled});
    const Result notation = Cli({"solve", "--facelets", Scrambled, "--format=notation"});
    ASSERT_EQ(codes.status, ExitStatus::Success);
    EXPECT_TRUE(CodesSolve(Scrambled, codes.out));
    std::string words;
    std::string turns;
    for (const std::int16_t code : Codes(codes.out)) {
        words += std::string(StepText(code)) + "\n";
        turns += (turns.empty() ? "" : " ") + std::string(StepNotation(code));
    }
    EXPECT_EQ(text.out, words);
    EXPECT_EQ(notation.out, turns + "\n");
    EXPECT_EQ(codes.err + text.err + notation.err, "");
}

TEST(Cli, CompleteInvalidAndBadCubesSaySoOnStandardError) {
    for (const char* format : {"text", "codes", "notation"}) {
        const Result complete = Cli({"solve", "--format", format, "--facelets", Solved});
        EXPECT_EQ(complete.status, ExitStatus::Success);
        EXPECT_EQ(complete.out, "");
        EXPECT_EQ(complete.err, "Cube is already complete\n");
    }
    const Result invalid = Cli({"solve", "--facelets", OneEdgeFlipped});
    EXPECT_EQ(invalid.status, ExitStatus::InvalidCube);
    EXPECT_EQ(invalid.out, "");
    EXPECT_EQ(invalid.err, "Invalid Cube Configuration\n");

    const Result bad = Cli({"solve", "--facelets", Scrambled.substr(0, 40) + "Q"});
    EXPECT_EQ(bad.status, ExitStatus::BadInput);
    EXPECT_EQ(bad.err, "turnix-cli: facelet string: position 41: 'Q' is not one of the letters U "
                       "R F D L B\n");
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

    const Result notation = Cli({"solve", "--batch", "--format", "notation"}, Scrambled);
    EXPECT_EQ(notation.status, ExitStatus::Success);
    EXPECT_EQ(notation.out, Cli({"solve", "--format", "notation", "--facelets", Scrambled}).out);
    EXPECT_EQ(Cli({"solve", "--batch"}, OneEdgeFlipped).status, ExitStatus::InvalidCube);
}

TEST_F(CliFiles, SaveThenFaceletsGivesTheStringBackAndSolveReadsTheFile) {
    const std::string file = PathOf("cube.cub");
    const Result save = Cli({"save", "--facelets", Scrambled, file});
    EXPECT_EQ(save.status, ExitStatus::Success);
    EXPECT_EQ(save.out + save.err, "");
    EXPECT_EQ(fs::file_size(file), 108U);
    EXPECT_EQ(Cli({"facelets", file}).out, Scrambled + "\n");
    EXPECT_TRUE(CodesSolve(Scrambled, Cli({"solve", "--format", "codes", file}).out));

    // A longer file, and standard input, give their first 108 bytes.
    std::ifstream saved(file, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(saved), {}};
    std::ofstream(file, std::ios::binary | std::ios::app) << "trailing bytes";
    EXPECT_EQ(Cli({"facelets", file}).out, Scrambled + "\n");
    EXPECT_EQ(Cli({"facelets", "-"}, bytes).out, Scrambled + "\n");
    EXPECT_TRUE(CodesSolve(Scrambled, Cli({"solve", "--format", "codes", "-"}, bytes).out));
}

TEST_F(CliFiles, MissingShortUnreadableAndFacelessFilesAreNamedWithStatus2) {
    const std::string shortFile = PathOf("short.cub");
    std::ofstream(shortFile, std::ios::binary) << std::string(107, '\0');
    clsCube cube;
    cube.Side(side::Left).Square(3)->SetColorIndex(9);
    const std::string faceless = PathOf("faceless.cub");
    ASSERT_TRUE(WriteConfigurationFile(faceless, cube));

    const std::vector<std::pair<Result, std::string>> cases{
        {Cli({"solve", PathOf("missing.cub")}), PathOf("missing.cub") + ": no such file"},
        {Cli({"solve", shortFile}),
         shortFile + ": too short for a cube: 53 of 54 colour values (108 bytes)"},
        {Cli({"solve", "-"}, "short"),
         "standard input: too short for a cube: 2 of 54 colour values (108 bytes)"},
        {Cli({"facelets", folder.string()}), folder.string() + ": cannot read the file"},
        {Cli({"facelets", faceless}),
         faceless + ": square 3 of side 4 holds colour index 9, which names no face"},
        {Cli({"save", "--facelets", Solved, PathOf("no/cube.cub")}),
         PathOf("no/cube.cub") + ": cannot write the file"},
    };
    for (const auto& [result, reason] : cases) {
        EXPECT_EQ(result.status, ExitStatus::BadInput) << reason;
        EXPECT_EQ(result.err, "turnix-cli: " + reason + "\n");
        EXPECT_EQ(result.out, "");
    }
    EXPECT_EQ(Cli({"solve", faceless}).status, ExitStatus::InvalidCube);
}
