#include "BruteForceDistance.h"
#include "CliTestSupport.h"
#include "Facelets.h"
#include "FewestTestSupport.h"

#include <gtest/gtest.h>

using namespace turnix;
using namespace turnix::cli;
using namespace turnix::test;

// A batch through the optimal solver on two jobs: each answer solves its
// cube in exactly the brute force's number of turns, in input order; a
// solved cube gets an empty line, a wrong one INVALID.
TEST(OptimalCli, ABatchGetsTheFewestTurnsOfEachCube) {
    const BruteForceDistance brute;
    std::mt19937 random(8);
    std::uniform_int_distribution<int> code(0, SideTurnCount - 1);
    std::vector<std::string> lines;
    std::vector<int> distances;
    for (int length = 1; length <= BruteForceDistance::Reach; ++length) {
        clsCube cube;
        for (int n = 0; n < length; ++n) {
            ApplyStep(cube, static_cast<std::int16_t>(code(random)));
        }
        lines.push_back(FaceletString(cube));
        distances.push_back(*brute.Distance(cube));
    }
    std::string input;
    for (const std::string& line : lines) {
        input += line + "\n";
    }
    const Result result = Cli({"solve", "--optimal", "--batch", "--jobs", "2"},
                              input + Solved + "\n" + OneEdgeFlipped + "\n");
    std::istringstream answers(result.out);
    std::string answer;
    for (std::size_t n = 0; n < lines.size(); ++n) {
        ASSERT_TRUE(std::getline(answers, answer));
        EXPECT_TRUE(CodesSolve(lines[n], answer)) << n;
        EXPECT_EQ(static_cast<int>(Codes(answer).size()), distances[n]) << n;
    }
    ASSERT_TRUE(std::getline(answers, answer));
    EXPECT_EQ(answer, "");
    ASSERT_TRUE(std::getline(answers, answer));
    EXPECT_EQ(answer, "INVALID");
    EXPECT_EQ(result.status, ExitStatus::InvalidCube);
}
