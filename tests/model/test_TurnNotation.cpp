#include "CubeTestSupport.h"
#include "TurnNotation.h"

#include <gtest/gtest.h>
#include <random>
#include <sstream>
#include <string>
#include <vector>

using namespace turnix;
using namespace turnix::test;

namespace {

CubeColors After(const std::string& line) {
    clsCube cube;
    MarkEverySquare(cube);
    EXPECT_EQ(ApplyNotation(line, cube), std::nullopt) << line;
    return ColorsOf(cube);
}

template <typename Call>
CubeColors AfterCall(Call call) {
    clsCube cube;
    MarkEverySquare(cube);
    call(cube);
    return ColorsOf(cube);
}

// Each move read backwards, each quarter turn the other way.
std::string Inverse(const std::string& line) {
    std::istringstream words(line);
    std::vector<std::string> moves;
    for (std::string word; words >> word;) {
        if (word.ends_with('\'')) {
            word.pop_back();
        } else if (!word.ends_with('2')) {
            word += '\'';
        }
        moves.insert(moves.begin(), word);
    }
    std::string inverse;
    for (const std::string& move : moves) {
        inverse += move + ' ';
    }
    return inverse;
}

using SideTurn = void (clsSide::*)() noexcept;
using Rotation = void (clsCube::*)() noexcept;

TEST(TurnNotation, EachFaceTokenIsTheSideTurnOfTheCube) {
    const std::array<std::pair<char, std::int16_t>, 6> faces{{{'U', side::Top},
                                                              {'D', side::Bottom},
                                                              {'F', side::Front},
                                                              {'B', side::Back},
                                                              {'L', side::Left},
                                                              {'R', side::Right}}};
    const std::array<std::pair<std::string, SideTurn>, 3> amounts{
        {{"", &clsSide::RotateClockwise},
         {"'", &clsSide::RotateCounterclockwise},
         {"2", &clsSide::RotateDouble}}};
    for (const auto& [letter, index] : faces) {
        for (const auto& [suffix, turn] : amounts) {
            const std::string token = letter + suffix;
            EXPECT_EQ(After(token), AfterCall([&](clsCube& c) { (c.Side(index).*turn)(); }))
                << token;
        }
    }
}

TEST(TurnNotation, XAndYAreTheCubesOwnRotations) {
    const std::array<std::pair<std::string, std::vector<Rotation>>, 6> rows{{
        {"x", {&clsCube::RotateUp}},
        {"x'", {&clsCube::RotateDown}},
        {"x2", {&clsCube::RotateUp, &clsCube::RotateUp}},
        {"y", {&clsCube::RotateLeft}},
        {"y'", {&clsCube::RotateRight}},
        {"y2", {&clsCube::RotateLeft, &clsCube::RotateLeft}},
    }};
    for (const auto& [token, calls] : rows) {
        EXPECT_EQ(After(token), AfterCall([&](clsCube& c) {
                      for (const Rotation call : calls) {
                          (c.*call)();
                      }
                  }))
            << token;
    }
}

// A rotation r brings another layer to each face, so r X r' turns that
// layer: z brings the left layer on top, so "z U z'" is L.
TEST(TurnNotation, ATurnBetweenARotationAndItsInverseTurnsTheLayerBroughtThere) {
    const std::array<std::pair<char, std::string>, 3> broughtTo{{
        // the layers now at U D F B L R after the rotation
        {'x', "FBDULR"},
        {'y', "UDRLFB"},
        {'z', "LRFBDU"},
    }};
    const std::string faces = "UDFBLR";
    for (const auto& [rotation, layers] : broughtTo) {
        for (std::size_t k = 0; k < faces.size(); ++k) {
            const std::string line = std::string{rotation, ' ', faces[k], ' ', rotation} + "'";
            EXPECT_EQ(After(line), After(std::string{layers[k]})) << line;
        }
    }
}

TEST(TurnNotation, ZOnASolvedCubeBringsTheLeftColourOnTop) {
    clsCube cube;
    ASSERT_EQ(ApplyNotation("z", cube), std::nullopt);
    const CubeColors colors = ColorsOf(cube);
    // Top, Bottom, Front, Back, Left, Right now show
    const std::array<std::int16_t, 6> shown{side::Left, side::Right,  side::Front,
                                            side::Back, side::Bottom, side::Top};
    for (std::size_t s = 0; s < shown.size(); ++s) {
        EXPECT_EQ(std::ranges::count(colors[s], shown[s]), 9) << "side " << s;
    }
}

TEST(TurnNotation, SpellingsOfOneTurnAgree) {
    const std::array<std::pair<std::string, std::string>, 9> rows{{
        {"R2", "R R"},
        {"R2'", "R2"},
        {"R'", "R R R"},
        {"R\u2019", "R'"},
        {"R\u2032", "R'"},
        {"RU2F'", "R U2 F'"},
        {"  R\tU  ", "R U"},
        {"z2", "z z"},
        {"z'", "z z z"},
    }};
    for (const auto& [written, same] : rows) {
        EXPECT_EQ(After(written), After(same)) << written;
    }
    EXPECT_EQ(After(""), After("   "));
}

TEST(TurnNotation, AScrambleAndItsInverseLeaveTheCubeAsItWas) {
    const std::vector<std::string> fixed{"R U2 F'",        "x y z",
                                         "z' x2 y'",       "L D' B2 U R' F z x' D2",
                                         "F R U R' U' F'", "R U R' U R U2 R' x' y2"};
    std::vector<std::string> lines = fixed;
    std::mt19937 random(21);
    const std::string letters = "UDFBLRxyz";
    const std::array<std::string, 3> suffixes{"", "'", "2"};
    for (int n = 0; n < 40; ++n) {
        std::string line;
        for (int k = 0; k < 25; ++k) {
            line += letters[random() % letters.size()] + suffixes[random() % 3] + ' ';
        }
        lines.push_back(line);
    }
    const CubeColors start = After("");
    for (const std::string& line : lines) {
        EXPECT_EQ(After(line + ' ' + Inverse(line)), start) << line;
    }
}

struct BadLine {
    const char* line;
    std::size_t position;
    const char* token;
};

TEST(TurnNotation, ABadTokenIsNamedWithItsPositionAndNothingChanges) {
    const std::array<BadLine, 10> rows{{
        {"R U3 F", 3, "U3"},
        {"Q", 1, "Q"},
        {"R u", 3, "u"},
        {"R U M", 5, "M"},
        {"RUQ", 3, "Q"},
        {"R'2", 1, "R'2"},
        {"R\u2019 X", 4, "X"},
        {"R U, F", 3, "U,"},
        {"R22", 1, "R22"},
        {"(R U)", 1, "(R"},
    }};
    for (const BadLine& row : rows) {
        clsCube cube;
        MarkEverySquare(cube);
        const CubeColors before = ColorsOf(cube);
        const auto error = ApplyNotation(row.line, cube);
        ASSERT_TRUE(error.has_value()) << row.line;
        EXPECT_EQ(error->position, row.position) << row.line;
        EXPECT_EQ(error->token, row.token) << row.line;
        EXPECT_EQ(ColorsOf(cube), before) << row.line;
    }
    EXPECT_TRUE(NotationErrorText({3, "U3"}).starts_with("'U3' at position 3 is not a turn"));
}

} // namespace
