#include "CliTestSupport.h"
#include "ConfigurationFile.h"
#include "FewestTestSupport.h"

#include <gtest/gtest.h>

using namespace turnix;
using namespace turnix::cli;
using namespace turnix::test;

namespace {

constexpr int RandomCubeCount = Sanitized ? 40 : 2000;

// Facelet strings of random arrangements, every other one turned as a whole
// so that its centres show other faces; mended to ones that turning reaches,
// or left as drawn, most of which it does not.
std::vector<std::string> RandomFacelets(int count, unsigned seed, bool reachable) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> rotation(step::RotateUp, step::RotateRight);
    std::vector<std::string> lines;
    for (int n = 0; n < count; ++n) {
        clsCube cube = CubeOf(RandomArrangement(random, reachable));
        for (int k = 0; k < (n % 2) * 3; ++k) {
            ApplyStep(cube, static_cast<std::int16_t>(rotation(random)));
        }
        lines.push_back(FaceletString(cube));
    }
    return lines;
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\n";
    }
    return text;
}

std::vector<std::string> AnswerLines(const std::string& out) {
    std::vector<std::string> lines;
    std::istringstream text(out);
    for (std::string line; std::getline(text, line);) {
        lines.push_back(line);
    }
    return lines;
}

// Empty when the codes solve the cube with no two neighbouring turns of one
// side and opposite sides in the solver's order (Front before Back, Left
// before Right, Top before Bottom), else what is wrong.
std::string Fault(const std::string& facelets, const std::string& answer) {
    // Groups of the step codes: Front, Left, Back, Right, Top, Bottom.
    constexpr std::array<std::size_t, 6> OppositeGroup{2, 3, 0, 1, 5, 4};
    const std::vector<std::int16_t> codes = Codes(answer);
    if (std::ranges::any_of(codes, [](std::int16_t c) { return c < 0 || c >= SideTurnCount; })) {
        return "not only side turns";
    }
    for (std::size_t i = 1; i < codes.size(); ++i) {
        const auto first = static_cast<std::size_t>(codes[i - 1] / 3);
        const auto second = static_cast<std::size_t>(codes[i] / 3);
        if (first == second || (second == OppositeGroup[first] && second < first)) {
            return "neighbours out of order at " + std::to_string(i);
        }
    }
    return CodesSolve(facelets, answer) ? "" : "not solved";
}

} // namespace

TEST(ShortSolve, RandomCubesInABatchAreSolvedInFewTurnsInTheSolversOrder) {
    const std::vector<std::string> cubes = RandomFacelets(RandomCubeCount, 2025, true);
    const Result batch =
        Cli({"solve", "--batch", "--short", "--format", "codes", "--jobs", "2"}, Joined(cubes));
    ASSERT_EQ(batch.status, ExitStatus::Success) << batch.err;
    const std::vector<std::string> answers = AnswerLines(batch.out);
    ASSERT_EQ(answers.size(), cubes.size());
    std::size_t turns = 0;
    for (std::size_t n = 0; n < cubes.size(); ++n) {
        ASSERT_EQ(Fault(cubes[n], answers[n]), "") << "cube " << n << ": " << cubes[n];
        turns += Codes(answers[n]).size();
    }
    // Loose, as a loaded machine cuts searches short; the layer solver takes 113.
    EXPECT_LE(static_cast<double>(turns) / static_cast<double>(cubes.size()), 25.0);
}

// Garbage, cubes that cannot be solved, solved ones and a few that can be,
// alone and in a batch.
TEST(ShortSolve, CubesAreRefusedAsSolveRefusesThem) {
    std::vector<std::string> lines = RandomFacelets(Sanitized ? 40 : 400, 7, false);
    std::string duplicate = Solved;
    duplicate[5] = 'F';
    std::string centres = Solved;
    centres[4] = 'R';
    std::string rotated = Solved;
    std::rotate(rotated.begin(), rotated.begin() + 9, rotated.end());
    lines.insert(lines.end(),
                 {Solved, rotated, OneEdgeFlipped, duplicate, centres, Scrambled, Solved.substr(1),
                  Solved + "U", "", std::string("U").append(Solved, 0, 52).append("Q")});
    for (const std::string& line : lines) {
        const Result layers = Cli({"solve", "--facelets", line});
        const Result fewest = Cli({"solve", "--short", "--facelets", line});
        if (layers.status != ExitStatus::Success || layers.out.empty()) {
            ASSERT_EQ(fewest, layers) << line;
        } else {
            ASSERT_EQ(fewest.status, ExitStatus::Success) << line;
            ASSERT_EQ(fewest.err, "") << line;
        }
    }

    const Result layers = Cli({"solve", "--batch"}, Joined(lines));
    const Result fewest = Cli({"solve", "--batch", "--short"}, Joined(lines));
    EXPECT_EQ(fewest.status, layers.status);
    EXPECT_EQ(fewest.err, layers.err);
    const std::vector<std::string> layerAnswers = AnswerLines(layers.out);
    const std::vector<std::string> fewestAnswers = AnswerLines(fewest.out);
    ASSERT_EQ(fewestAnswers.size(), lines.size());
    for (std::size_t n = 0; n < lines.size(); ++n) {
        const bool refused =
            layerAnswers[n].empty() || layerAnswers[n] == "INVALID" || layerAnswers[n] == "ERROR";
        if (refused) {
            EXPECT_EQ(fewestAnswers[n], layerAnswers[n]) << "line " << n + 1;
        } else {
            EXPECT_EQ(Fault(lines[n], fewestAnswers[n]), "") << "line " << n + 1;
        }
    }

    clsCube faceless;
    faceless.Side(side::Left).Square(3)->SetColorIndex(9);
    const ConfigurationBytes bytes = EncodeConfiguration(faceless);
    const std::string file(bytes.begin(), bytes.end());
    EXPECT_EQ(Cli({"solve", "--short", "-"}, file), Cli({"solve", "-"}, file));
}

// Without a time limit the answer depends on the cube alone: the same alone
// as in a batch, on one thread as on two, in every format.
TEST(ShortSolve, WithoutATimeLimitTheAnswersAreTheSameOnAnyNumberOfThreads) {
    const std::vector<std::string> cubes = RandomFacelets(Sanitized ? 4 : 50, 3, true);
    std::vector<Result> results;
    for (const std::string_view jobs : {"1", "2"}) {
        results.push_back(Cli(
            {"solve", "--batch", "--short", "--time-limit=0", "--max-turns", "21", "--jobs", jobs},
            Joined(cubes)));
    }
    EXPECT_EQ(results[1], results[0]);
    ASSERT_EQ(results[0].status, ExitStatus::Success);
    const std::vector<std::string> answers = AnswerLines(results[0].out);
    ASSERT_EQ(answers.size(), cubes.size());
    for (std::size_t n = 0; n < cubes.size(); ++n) {
        ASSERT_EQ(Fault(cubes[n], answers[n]), "") << "cube " << n;
        EXPECT_LE(Codes(answers[n]).size(), 21U) << "cube " << n;
    }

    for (const std::string_view threads : {"1", "3"}) {
        EXPECT_EQ(Cli({"solve", "--short", "--time-limit", "0", "--max-turns", "21", "--threads",
                       threads, "--format", "codes", "--facelets", cubes.back()}),
                  (Result{ExitStatus::Success, answers.back() + "\n", ""}));
    }
}

// Cubes that would each take ten minutes: once the output is lost, the
// solves under way end at once (or the test runs out of time).
TEST(ShortSolve, ABatchWhoseOutputIsLostStopsTheSolvesUnderWay) {
    const std::vector<std::string> cubes = RandomFacelets(6, 5, true);
    const std::string input = Solved + "\n" + Joined(cubes);
    for (const std::string_view jobs : {"1", "3"}) {
        EXPECT_EQ(
            CliWithBrokenStreams({"solve", "--batch", "--short", "--max-turns", "0", "--time-limit",
                                  "600000", "--jobs", jobs, "--threads", "2"},
                                 input, false, true),
            (Result{ExitStatus::BadInput, "", "turnix-cli: cannot write to standard output\n"}));
    }
}
