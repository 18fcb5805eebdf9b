// The commands in-process on string streams. The real program on the
// standard streams a shell hands it (full, closed, unreadable, a pipeline)
// is the streams script's.

#include "CliTestSupport.h"
#include "ConfigurationFile.h"
#include "LineReader.h"
#include "PhotoMaker.h"
#include "SolverTestSupport.h"
#include "StickerSets.h"
#include "TempFolder.h"
#include "diagnosis/Diagnosis.h"

#include <algorithm>
#include <atomic>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <opencv2/imgcodecs.hpp>
#include <random>
#include <sstream>
#include <string_view>
#include <vector>

using namespace turnix;
using namespace turnix::cli;
using namespace turnix::test;

TEST(Cli, TheThreeFormatsSpellTheSameStepsThatSolveTheCube) {
    const Result codes = Cli({"solve", "--format", "codes", "--facelets", Scrambled});
    ASSERT_EQ(codes.status, ExitStatus::Success);
    EXPECT_TRUE(CodesSolve(Scrambled, codes.out));
    std::string words;
    std::string turns;
    for (const std::int16_t code : Codes(codes.out)) {
        words.append(StepText(code)).append("\n");
        turns.append(turns.empty() ? "" : " ").append(StepNotation(code));
    }
    EXPECT_EQ(Cli({"solve", "--facelets=" + Scrambled}).out, words);
    EXPECT_EQ(Cli({"solve", "--facelets", Scrambled, "--format=notation"}).out, turns + "\n");
    EXPECT_EQ(codes.err, "");
}

TEST(Cli, CompleteAndInvalidCubesSaySoOnStandardError) {
    EXPECT_EQ(Cli({"solve", "--format", "notation", "--facelets", Solved}),
              (Result{ExitStatus::Success, "", "Cube is already complete\n"}));
    EXPECT_EQ(Cli({"solve", "--facelets", OneEdgeFlipped}),
              (Result{ExitStatus::InvalidCube, "", "Invalid Cube Configuration\n"}));
}

TEST(Cli, HelpGoesToStandardOutputAndUsageErrorsPointToItWithStatus2) {
    const Result help = Cli({"--help"});
    EXPECT_EQ(help.status, ExitStatus::Success);
    EXPECT_TRUE(help.out.starts_with("Usage: turnix-cli solve"));
    // clang-format off
    const std::vector<std::vector<std::string_view>> mistakes{
        {}, {"unsolve"}, {"solve"}, {"solve", "a.cub", "b.cub"}, {"solve", "a.cub", "--batch"},
        {"solve", "--batch", "--format", "text"}, {"solve", "--format", "words", "a.cub"},
        {"solve", "--facelets"}, {"solve", "--fast"}, {"facelets"}, {"save", "x.cub"},
        {"save", "--facelets", Solved}, {"save", "--facelets", Solved, "-"},
        {"solve", "--batch", "--batch"}, {"solve", "--format=codes", "--format", "codes", "-"},
        {"save", "--facelets", Solved, "--facelets=UUU", "x.cub"},
        {"solve", "--short", "--short", "-"}, {"solve", "--short=yes", "-"},
        {"solve", "--batch", "--jobs", "257"}, {"solve", "--batch", "--time-limit", "0"},
        {"solve", "--batch", "--jobs", "0"}, {"solve", "--short", "--threads=0", "-"},
        {"solve", "--threads", "2", "-"}, {"solve", "--short", "--max-turns", "0", "--time-limit=0", "-"},
        {"check", "--short", "-"}, {"facelets", "--jobs", "2", "x.cub"},
        {"save", "--max-turns", "9", "--facelets", Solved, "x.cub"},
        {"facelets", "--scramble", "R", "x.cub"}, {"solve", "--scramble", "R"}};
    // clang-format on
    for (const std::vector<std::string_view>& arguments : mistakes) {
        const Result result = Cli(arguments);
        EXPECT_EQ(result.status, ExitStatus::BadInput) << result.err;
        EXPECT_TRUE(result.err.starts_with("turnix-cli: ")) << result.err;
        EXPECT_TRUE(result.err.ends_with("Try 'turnix-cli --help'.\n")) << result.err;
        EXPECT_EQ(result.out, "");
    }
}

// The limits of the fewest-turns solver and the thread count of a batch.
TEST(Cli, SolverOptionsReachTheCommandOrAreRefusedWithTheReason) {
    const std::vector<std::string_view> arguments{"solve",          "--short", "--max-turns", "25",
                                                  "--time-limit=0", "--batch", "--jobs",      "3",
                                                  "--threads=4"};
    const auto command = std::get<SolveCommand>(ParseCommandLine(arguments));
    EXPECT_TRUE(command.solver.fewestTurns);
    EXPECT_EQ(command.solver.limits.maxTurns, 25);
    EXPECT_EQ(command.solver.limits.timeLimit.count(), 0);
    EXPECT_EQ(command.jobs, 3U);
    EXPECT_EQ(command.threads, 4U);
    // The optimal solver has no time limit unless one is given.
    for (const auto& [limit, milliseconds] :
         {std::pair{"--time-limit=0", 0}, {"--time-limit=900", 900}}) {
        const std::vector<std::string_view> optimal{"solve", "--optimal", "--batch", limit};
        const auto parsed = std::get<SolveCommand>(ParseCommandLine(optimal));
        EXPECT_TRUE(parsed.solver.optimal);
        EXPECT_FALSE(parsed.solver.fewestTurns);
        EXPECT_EQ(parsed.solver.limits.timeLimit.count(), milliseconds);
    }
    const std::vector<std::string_view> untimed{"solve", "--optimal", "-"};
    EXPECT_EQ(std::get<SolveCommand>(ParseCommandLine(untimed)).solver.limits.timeLimit.count(), 0);

    const std::string turns = "--max-turns takes a number of turns from 0 (no target) to 30, not ";
    const std::string time = "--time-limit takes milliseconds from 0 (no limit) to 600000, not ";
    const std::vector<std::pair<std::vector<std::string_view>, std::string>> cases{
        {{"solve", "--max-turns", "20", "-"},
         "--max-turns goes with --short or --optimal, the solver it sets"},
        {{"solve", "--batch", "--threads", "2"},
         "--threads goes with --short or --optimal, the solver it sets"},
        {{"solve", "--short", "--optimal", "-"},
         "--short and --optimal are two solvers; choose one"},
        {{"solve", "--optimal", "--max-turns", "19", "-"},
         "--max-turns goes with --short; --optimal finds the fewest turns"},
        {{"check", "--optimal", "-"},
         "check takes FILE, - or --facelets STRING and no other option"},
        {{"solve", "--short", "--jobs", "2", "-"},
         "--jobs goes with --batch; --threads sets the threads of one cube"},
        {{"solve", "--short", "--max-turns", "-1", "-"}, turns + "'-1'"},
        {{"solve", "--short", "--max-turns=0", "--time-limit", "0", "-"},
         "--max-turns 0 searches until the time is up; give it a --time-limit"},
        {{"solve", "--short", "--max-turns=31", "-"}, turns + "'31'"},
        {{"solve", "--short", "--time-limit", "-1", "-"}, time + "'-1'"},
        {{"solve", "--short", "--time-limit", "99999999999999999999", "-"},
         time + "'99999999999999999999'"},
        {{"solve", "--batch", "--jobs", "2x"},
         "--jobs takes a number of threads from 1 to 256, not '2x'"},
        {{"solve", "--batch", "--jobs", "0"},
         "--jobs takes a number of threads from 1 to 256, not '0'"},
        {{"solve", "--short", "--threads", "257", "-"},
         "--threads takes a number of threads from 1 to 256, not '257'"},
    };
    for (const auto& [mistake, reason] : cases) {
        EXPECT_EQ(Cli(mistake), (Result{ExitStatus::BadInput, "",
                                        "turnix-cli: " + reason + "\nTry 'turnix-cli --help'.\n"}));
    }
}

TEST(Cli, BatchAnswersEveryLineAndGoesOnAfterABadOne) {
    const std::string input =
        Solved + "\n" + Scrambled + "\r\n" + "UUUU\n" + OneEdgeFlipped + "\n" + Scrambled + "\n";
    const std::string answer = Cli({"solve", "--format", "codes", "--facelets", Scrambled}).out;
    EXPECT_EQ(Cli({"solve", "--batch"}, input),
              (Result{ExitStatus::BadInput, "\n" + answer + "ERROR\nINVALID\n" + answer,
                      "turnix-cli: line 3: a facelet string has 54 letters, this one has 4\n"}))
        << "the worst line decides the status";

    EXPECT_EQ(Cli({"solve", "--batch", "--format", "notation"}, Scrambled),
              (Result{ExitStatus::Success,
                      Cli({"solve", "--format", "notation", "--facelets", Scrambled}).out, ""}));
    EXPECT_EQ(Cli({"solve", "--batch"}, OneEdgeFlipped),
              (Result{ExitStatus::InvalidCube, "INVALID\n", ""}));
}

// A line far too long for a cube is answered without being kept, and the
// lines after it are answered as usual; the last one needs no line end.
TEST(Cli, BatchAnswersALongLineWithErrorAndGoesOn) {
    const std::string answer = Cli({"solve", "--format", "codes", "--facelets", Scrambled}).out;
    for (const std::size_t length : {MaxLineBytes + 1, std::size_t{1} << 24}) {
        const std::string tooLong =
            ": a facelet string has 54 letters, this line has more than 4096 bytes\n";
        EXPECT_EQ(Cli({"solve", "--batch"}, std::string(length, 'U') + "\n" + Scrambled + "\r\n" +
                                                std::string(length, 'x')),
                  (Result{ExitStatus::BadInput, "ERROR\n" + answer + "ERROR\n",
                          "turnix-cli: line 1" + tooLong + "turnix-cli: line 3" + tooLong}))
            << length;
    }
    EXPECT_EQ(Cli({"solve", "--batch"}, std::string(MaxLineBytes, 'U') + "\n").err,
              "turnix-cli: line 1: a facelet string has 54 letters, this one has 4096\n");
}

// Scrambles, solved cubes, bad lines and unsolvable cubes, over many
// chunks; each line answered as solve answers the cube alone, in order,
// however many threads solve them.
TEST(Cli, BatchKeepsTheInputOrderOnAnyNumberOfThreads) {
    std::mt19937 random(11);
    std::uniform_int_distribution<int> code(0, SideTurnCount - 1);
    std::string input;
    std::string out;
    std::string err;
    for (std::size_t number = 1; number <= 400; ++number) {
        clsCube cube;
        for (std::size_t k = 0; k < number % 40; ++k) {
            ApplyStep(cube, static_cast<std::int16_t>(code(random)));
        }
        std::string line = number % 97 == 0   ? OneEdgeFlipped
                           : number % 89 == 0 ? FaceletString(cube).substr(3)
                                              : FaceletString(cube);
        const Result alone = Cli({"solve", "--format", "codes", "--facelets", line});
        if (alone.status == ExitStatus::BadInput) {
            out += "ERROR\n";
            err += "turnix-cli: line " + std::to_string(number) + alone.err.substr(26);
        } else {
            out += alone.status == ExitStatus::InvalidCube ? "INVALID\n"
                   : alone.out.empty()                     ? "\n"
                                                           : alone.out;
        }
        input += line + (number % 3 == 0 ? "\r\n" : "\n");
    }
    input.pop_back(); // no line end after the last line
    const Result expected{ExitStatus::BadInput, out, err};
    for (const std::string_view jobs : {"1", "2", "3"}) {
        EXPECT_EQ(Cli({"solve", "--batch", "--jobs", jobs}, input), expected) << jobs;
    }
}

namespace {

// As input, the solved cube's line count times, ten at a time; as output,
// counts the answers. Notes how far ahead of the answers reading ever got.
class LineLoop : public std::streambuf {
public:
    explicit LineLoop(std::size_t lineCount) : count(lineCount) {
        for (int k = 0; k < 10; ++k) {
            lines += Solved + "\n";
        }
    }
    std::atomic<std::size_t> answered{0};
    std::size_t mostAhead{0};

protected:
    int_type underflow() override {
        if (given == count) {
            return traits_type::eof();
        }
        mostAhead = std::max(mostAhead, given - answered.load());
        given += 10;
        setg(lines.data(), lines.data(), lines.data() + lines.size());
        return traits_type::to_int_type(lines.front());
    }
    std::streamsize xsputn(const char* text, std::streamsize size) override {
        answered += static_cast<std::size_t>(std::count(text, text + size, '\n'));
        return size;
    }
    int_type overflow(int_type c) override {
        const char ch = traits_type::to_char_type(c);
        return xsputn(&ch, 1) == 1 ? c : traits_type::eof();
    }

private:
    std::string lines;
    std::size_t given{0};
    const std::size_t count;
};

} // namespace

// A huge batch must neither wait for the end of its input nor hold it all.
TEST(Cli, BatchAnswersWhileItReadsAndHoldsOnlyAWindowOfLines) {
    constexpr std::size_t LineCount = 24'000;
    LineLoop loop(LineCount);
    std::istream in(&loop);
    std::ostream out(&loop);
    std::ostringstream err;
    const std::vector<std::string_view> arguments{"solve", "--batch", "--jobs", "2"};
    EXPECT_EQ(RunCli(arguments, in, out, err), ExitStatus::Success);
    EXPECT_EQ(loop.answered.load(), LineCount);
    EXPECT_LT(loop.mostAhead, LineCount / 3);
}

// A longer file, and standard input, give their first 108 bytes.
TEST(Cli, SaveThenFaceletsGivesTheStringBackAndSolveReadsTheFile) {
    const TempFolder folder;
    const std::string file = (folder.path / "cube.cub").string();
    EXPECT_EQ(Cli({"save", "--facelets", Scrambled, file}), (Result{ExitStatus::Success, "", ""}));
    EXPECT_EQ(std::filesystem::file_size(file), 108U);
    EXPECT_EQ(Cli({"facelets", file}), (Result{ExitStatus::Success, Scrambled + "\n", ""}));
    EXPECT_TRUE(CodesSolve(Scrambled, Cli({"solve", "--format", "codes", file}).out));

    std::ifstream saved(file, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(saved), {}};
    std::ofstream(file, std::ios::binary | std::ios::app) << "trailing bytes";
    EXPECT_EQ(Cli({"facelets", file}).out, Scrambled + "\n");
    EXPECT_EQ(Cli({"facelets", "-"}, bytes).out, Scrambled + "\n");
    EXPECT_TRUE(CodesSolve(Scrambled, Cli({"solve", "--format", "codes", "-"}, bytes).out));
}

TEST(Cli, FaceletsOfAScrambleAreThoseOfTheCubeItGivesFromSolved) {
    EXPECT_EQ(Cli({"facelets", "--scramble", "R"}).out,
              "UUFUUFUUFRRRRRRRRRFFDFFDFFDDDBDDBDDBLLLLLLLLLUBBUBBUBB\n");
    EXPECT_EQ(Cli({"facelets", "--scramble", "x y z z' y' x'"}).out, Solved + "\n");
    EXPECT_EQ(Cli({"facelets", "--scramble=R U3 F"}),
              (Result{ExitStatus::BadInput, "",
                      "turnix-cli: scramble: 'U3' at position 3 is not a turn: use U D F B L R "
                      "or x y z, each with ' or 2 or nothing\n"}));
}

TEST(Cli, BadFilesAndFaceletStringsAreNamedWithStatus2) {
    const TempFolder folder;
    const auto path = [&folder](const char* name) {
        return (folder.path / name).string();
    };
    std::ofstream(path("short.cub"), std::ios::binary) << std::string(107, '\0');
    clsCube cube;
    cube.Side(side::Left).Square(3)->SetColorIndex(9);
    ASSERT_TRUE(WriteConfigurationFile(path("faceless.cub"), cube));
    const std::string letters = " is not one of the letters U R F D L B";

    const std::vector<std::pair<Result, std::string>> cases{
        {Cli({"solve", path("missing.cub")}), path("missing.cub") + ": no such file"},
        {Cli({"solve", path("short.cub")}),
         path("short.cub") + ": too short for a cube: 53 of 54 colour values (108 bytes)"},
        {Cli({"solve", "-"}, "short"),
         "standard input: too short for a cube: 2 of 54 colour values (108 bytes)"},
        {Cli({"facelets", folder.path.string()}), folder.path.string() + ": cannot read the file"},
        {Cli({"facelets", path("faceless.cub")}),
         path("faceless.cub") + ": square 3 of side 4 holds colour index 9, which names no face"},
        {Cli({"save", "--facelets", Solved, path("no/cube.cub")}),
         path("no/cube.cub") + ": cannot write the file: No such file or directory"},
        {Cli({"save", "--facelets", Solved, folder.path.string()}),
         folder.path.string() + ": cannot write the file: Is a directory"},
        {Cli({"solve", "--facelets", Scrambled.substr(0, 40) + "Q"}),
         "facelet string: position 41: 'Q'" + letters},
        {Cli({"save", "--facelets", "UUU\tUUUUU", path("x.cub")}),
         "facelet string: position 4: byte 0x09" + letters},
        {Cli({"solve", "--facelets", "UU U"}), "facelet string: position 3: ' '" + letters},
        {Cli({"solve", "--facelets", Solved.substr(1)}),
         "facelet string: a facelet string has 54 letters, this one has 53"}};
    for (const auto& [result, reason] : cases) {
        EXPECT_EQ(result, (Result{ExitStatus::BadInput, "", "turnix-cli: " + reason + "\n"}));
    }
    EXPECT_EQ(Cli({"solve", path("faceless.cub")}).status, ExitStatus::InvalidCube);
    EXPECT_FALSE(std::filesystem::exists(path("x.cub")));
}

// Whatever the user typed is shown, but a terminal must not act on it.
TEST(Cli, ControlCharactersInNamesAndOptionsAreShownEscaped) {
    const std::vector<std::pair<Result, std::string>> cases{
        {Cli({"solve", "a\x1B[2J\tb\r\n.cub"}), "a\\x1B[2J\\tb\\r\\n.cub: no such file"},
        {Cli({"facelets", "W\xC3\xBCrfel\x7F\xC2\x9B\xFF\xC3.cub"}),
         "W\xC3\xBCrfel\\x7F\\u009B\\xFF\\xC3.cub: no such file"},
        {Cli({"solve", "--\x07"}), "unknown option '--\\x07'\nTry 'turnix-cli --help'."},
        {Cli({"\x1B]0;title\x07"}),
         "unknown command '\\x1B]0;title\\x07'\nTry 'turnix-cli --help'."},
    };
    for (const auto& [result, reason] : cases) {
        EXPECT_EQ(result, (Result{ExitStatus::BadInput, "", "turnix-cli: " + reason + "\n"}));
    }
}

namespace {

// The string with the letters at the given 1-based positions replaced.
std::string Changed(std::string facelets, std::initializer_list<std::pair<std::size_t, char>> at) {
    for (const auto& [position, letter] : at) {
        facelets.at(position - 1) = letter;
    }
    return facelets;
}

} // namespace

// The U6 square of a solved cube entered as F; then URF twisted and the
// pieces of UR and UF exchanged.
TEST(Cli, CheckSaysValidOrInvalidWithOneLinePerFinding) {
    EXPECT_EQ(Cli({"check", "--facelets", Scrambled}),
              (Result{ExitStatus::Success, "VALID\n", ""}));
    EXPECT_EQ(
        Cli({"check", "--facelets", Changed(Solved, {{6, 'F'}})}),
        (Result{ExitStatus::InvalidCube, "INVALID\ncount U 8\ncount F 10\nduplicate UR FR\n", ""}));
    EXPECT_EQ(Cli({"check", "--facelets", OneEdgeFlipped}),
              (Result{ExitStatus::InvalidCube, "INVALID\nflip\n", ""}));
    EXPECT_EQ(Cli({"check", "--facelets",
                   Changed(Solved, {{9, 'F'}, {10, 'U'}, {21, 'R'}, {11, 'F'}, {20, 'R'}})}),
              (Result{ExitStatus::InvalidCube, "INVALID\ntwist\nswap\n", ""}));
    EXPECT_EQ(Cli({"check", "--facelets", Changed(Solved, {{5, 'R'}})}),
              (Result{ExitStatus::InvalidCube, "INVALID\ncentres\n", ""}));
}

// The D face of a scrambled cube entered half round, then the F face a
// quarter clockwise: each is named with the quarters that turn it back.
TEST(Cli, CheckNamesASideEnteredTurnedAfterTheFindings) {
    const auto turned = [](std::string facelets, std::size_t face, std::size_t quarters) {
        constexpr std::array<std::size_t, 8> Ring{0, 1, 2, 5, 8, 7, 6, 3};
        const std::string before = facelets;
        for (std::size_t k = 0; k < Ring.size(); ++k) {
            facelets.at(9 * face + Ring[(k + 2 * quarters) % 8]) = before.at(9 * face + Ring[k]);
        }
        return facelets;
    };
    for (const auto& [face, entered, line] :
         {std::tuple{3U, 2U, "turned D 2\n"}, std::tuple{2U, 1U, "turned F 3\n"}}) {
        const Result check = Cli({"check", "--facelets", turned(Scrambled, face, entered)});
        EXPECT_EQ(check.status, ExitStatus::InvalidCube);
        EXPECT_TRUE(check.out.ends_with(std::string("\n") + line)) << check.out;
    }
}

TEST(Cli, CheckReadsFilesAndStandardInputWithColoursOutsideTheFacelets) {
    const TempFolder folder;
    const std::string file = (folder.path / "cube.cub").string();
    clsCube cube;
    ASSERT_FALSE(ReadFacelets(Changed(Solved, {{6, 'F'}}), cube));
    cube.Side(side::Back).Square(3)->SetColorIndex(9);
    ASSERT_TRUE(WriteConfigurationFile(file, cube));
    const Result expected{ExitStatus::InvalidCube,
                          "INVALID\ncount U 8\ncount F 10\ncount B 8\nforeign 1\nduplicate UR FR\n",
                          ""};
    EXPECT_EQ(Cli({"check", file}), expected);
    const ConfigurationBytes bytes = EncodeConfiguration(cube);
    EXPECT_EQ(Cli({"check", "-"}, std::string(bytes.begin(), bytes.end())), expected);
    EXPECT_EQ(Cli({"check", "-"}, "short"),
              (Result{ExitStatus::BadInput, "",
                      "turnix-cli: standard input: too short for a cube: 2 of 54 colour values "
                      "(108 bytes)\n"}));
    EXPECT_EQ(Cli({"check", "--facelets", Solved.substr(2)}),
              (Result{ExitStatus::BadInput, "",
                      "turnix-cli: facelet string: a facelet string has 54 letters, this one has "
                      "52\n"}));
    for (const std::vector<std::string_view>& mistake :
         std::vector<std::vector<std::string_view>>{{"check"},
                                                    {"check", file, "--facelets", Solved},
                                                    {"check", file, file},
                                                    {"check", "--batch"},
                                                    {"check", "--format", "codes", file}}) {
        const Result result = Cli(mistake);
        EXPECT_EQ(result.status, ExitStatus::BadInput) << result.err;
        EXPECT_TRUE(result.err.ends_with("Try 'turnix-cli --help'.\n")) << result.err;
    }
}

namespace {

// Whether text has the shape of pattern, where '#' stands for a side
// letter and '9' for a digit from 1 to 9.
bool HasShape(std::string_view text, std::string_view pattern) {
    return std::ranges::equal(text, pattern, [](char t, char p) {
        return p == '#'   ? std::string_view("URFDLB").find(t) != std::string_view::npos
               : p == '9' ? t >= '1' && t <= '9'
                          : t == p;
    });
}

const std::vector<std::string> Files{"U.png", "R.png", "F.png", "D.png", "L.png", "B.png"};

// Reads the photos from a table instead of files.
class FakePhotos {
public:
    explicit FakePhotos(const std::array<vision::SideReading, 6>& photos) {
        for (std::size_t n = 0; n < Files.size(); ++n) {
            table[Files[n]] = photos[n];
        }
    }

    void Break(const std::string& file, const std::string& message) {
        table[file] = vision::PhotoError{vision::PhotoProblem::NoGrid, message};
    }

    [[nodiscard]] Result Scan(bool anyOrder = false) const {
        std::ostringstream out;
        std::ostringstream err;
        const PhotoReader read = [this](const std::filesystem::path& file) {
            return table.at(file.string());
        };
        const ExitStatus status = Run(ScanCommand{Files, anyOrder}, out, err, read);
        return {status, out.str(), err.str()};
    }

private:
    std::map<std::string, std::variant<vision::SideReading, vision::PhotoError>> table;
};

CubeColors CubeOfFacelets(const std::string& facelets) {
    clsCube cube;
    EXPECT_FALSE(ReadFacelets(facelets, cube));
    return ColorsOf(cube);
}

std::array<vision::SideReading, 6> PhotosOfFacelets(const std::string& facelets,
                                                    const Light& light = EvenLight) {
    std::mt19937 random(9);
    return PhotosOf(CubeOfFacelets(facelets), StandardColours, light, random);
}

} // namespace

TEST(Scan, ParsesSixPhotosOrRefusesWithTheReason) {
    const std::vector<std::string_view> six{"scan",  "U.png", "R.png", "F.png",
                                            "D.png", "L.png", "B.png"};
    const auto fixed = std::get<ScanCommand>(ParseCommandLine(six));
    EXPECT_EQ(fixed.photos, Files);
    EXPECT_FALSE(fixed.anyOrder);
    auto anyOrder = six;
    anyOrder.insert(anyOrder.begin() + 3, "--any-order");
    EXPECT_TRUE(std::get<ScanCommand>(ParseCommandLine(anyOrder)).anyOrder);

    const std::vector<std::pair<std::vector<std::string_view>, std::string>> mistakes{
        {{"scan", "a", "b", "c", "d", "e"}, "scan needs six photos, one of each side, not 5"},
        {{"scan", "a", "b", "c", "d", "e", "f", "g"},
         "scan needs six photos, one of each side, not 7"},
        {{"scan", "a", "b", "c", "-", "e", "f"},
         "scan reads photos from files, not from standard input"},
        {{"scan", "--format", "codes", "a", "b", "c", "d", "e", "f"},
         "scan takes six photos and --any-order, no other option"},
        {{"scan", "--any-order", "--any-order", "a", "b", "c", "d", "e", "f"},
         "option '--any-order' given twice"},
        {{"check", "--any-order", "x.cub"}, "--any-order goes with scan"},
    };
    for (const auto& [arguments, reason] : mistakes) {
        EXPECT_EQ(Cli(arguments),
                  (Result{ExitStatus::BadInput, "",
                          "turnix-cli: " + reason + "\nTry 'turnix-cli --help'.\n"}));
    }
}

// A flipped edge is read as photographed: check's report follows, after the
// squares that a cube that can be solved would need otherwise.
TEST(Scan, ACubeThatCannotBeSolvedIsFollowedByChecksReport) {
    const Result result = FakePhotos(PhotosOfFacelets(OneEdgeFlipped)).Scan();
    EXPECT_EQ(result.status, ExitStatus::InvalidCube);
    EXPECT_TRUE(result.out.starts_with(OneEdgeFlipped + "\ndoubtful ")) << result.out;
    EXPECT_TRUE(result.out.ends_with("\nINVALID\nflip\n")) << result.out;
    EXPECT_EQ(result.err, "");
}

// Photos of one layer turned, in any order, fit four cubes.
TEST(Scan, DoubtsAndOtherCubesThatFitFollowTheCube) {
    const std::string oneTurn = "UUUUUUUUUBBBRRRRRRRRRFFFFFFDDDDDDDDDFFFLLLLLLLLLBBBBBB";
    const Result result = FakePhotos(PhotosOfFacelets(oneTurn)).Scan(true);
    EXPECT_EQ(result.status, ExitStatus::Success);
    std::istringstream lines(result.out);
    std::string line;
    std::getline(lines, line);
    EXPECT_TRUE(Diagnose(CubeOfFacelets(line)).empty()) << line;
    int doubts = 0;
    int others = 0;
    for (; std::getline(lines, line);) {
        if (HasShape(line, "doubtful #9 # #")) {
            EXPECT_EQ(others, 0) << "the doubts come first";
            ++doubts;
        } else {
            ASSERT_TRUE(HasShape(line, "also " + std::string(54, '#'))) << line;
            EXPECT_TRUE(Diagnose(CubeOfFacelets(line.substr(5))).empty()) << line;
            ++others;
        }
    }
    EXPECT_GT(doubts, 0);
    EXPECT_EQ(others, 3);
}

TEST(Scan, PhotosWithoutACubeAreReportedEachWithStatus2) {
    FakePhotos photos(PhotosOfFacelets(Scrambled));
    photos.Break("F.png", "no 3×3 grid found in F.png");
    photos.Break("B.png", "B.png: not an image");
    EXPECT_EQ(photos.Scan(), (Result{ExitStatus::BadInput, "",
                                     "turnix-cli: no 3×3 grid found in F.png\n"
                                     "turnix-cli: B.png: not an image\n"}));

    auto twice = PhotosOfFacelets(Scrambled);
    twice[5] = twice[1];
    EXPECT_EQ(FakePhotos(twice).Scan(true),
              (Result{ExitStatus::BadInput, "",
                      "turnix-cli: Photos 2 and 6 show the same side: their centres have one "
                      "colour. Each photo must show a different side.\n"}));
}

// Photos drawn of the cube, each side a little turned and tilted, on a
// busy background, written as files: the real reader reads them back.
TEST(Scan, ReadsTheCubeFromImageFilesInEitherOrder) {
    constexpr std::array<std::size_t, 6> NetOrder{0, 5, 2, 1, 4, 3};
    const CubeColors cube = CubeOfFacelets(Scrambled);
    const TempFolder folder;
    // For --any-order, the photos in another order, each turned a quarter
    // more than the one before.
    constexpr std::array<std::size_t, 6> Shuffled{3, 0, 5, 2, 4, 1};
    std::vector<std::string> upright;
    std::vector<std::string> turned;
    for (std::size_t n = 0; n < 6; ++n) {
        for (const bool inOrder : {true, false}) {
            const std::size_t photo = inOrder ? n : Shuffled[n];
            vision::photos::PhotoSettings settings;
            for (std::size_t q = 0; q < 9; ++q) {
                settings.colors[q] =
                    vision::photos::CubeColors[static_cast<std::size_t>(cube[NetOrder[photo]][q])];
            }
            settings.turn =
                static_cast<double>(n) * 3 - 8 + (inOrder ? 0 : 90.0 * static_cast<double>(n));
            settings.tilt = 12;
            settings.tiltDirection = 40 * static_cast<double>(n);
            settings.clutter = 4;
            settings.noise = 2;
            settings.seed = static_cast<std::uint32_t>(n + 1);
            const auto file =
                folder.path / ((inOrder ? "side" : "turned") + std::to_string(n) + ".png");
            ASSERT_TRUE(cv::imwrite(file.string(), vision::photos::MakePhoto(settings).image));
            (inOrder ? upright : turned).push_back(file.string());
        }
    }
    std::vector<std::string_view> arguments{"scan"};
    arguments.insert(arguments.end(), upright.begin(), upright.end());
    EXPECT_EQ(Cli(arguments), (Result{ExitStatus::Success, Scrambled + "\n", ""}));

    arguments.assign({"scan", "--any-order"});
    arguments.insert(arguments.end(), turned.begin(), turned.end());
    const Result anyOrder = Cli(arguments);
    EXPECT_EQ(anyOrder.status, ExitStatus::Success) << anyOrder.err;
    EXPECT_TRUE(SameCubeTurned(cube, CubeOfFacelets(anyOrder.out.substr(0, 54)))) << anyOrder.out;
}
