#include "CubeTestSupport.h"
#include "TurnNotation.h"

#include <functional>
#include <gtest/gtest.h>
#include <random>
#include <sstream>

using namespace turnix;
using namespace turnix::test;

namespace {

using Call = std::function<void(clsCube&)>;

CubeColors After(const std::string& line, const Call& call = nullptr) {
    clsCube cube;
    MarkEverySquare(cube);
    if (call) {
        call(cube);
    } else {
        EXPECT_EQ(ApplyNotation(line, cube), std::nullopt) << line;
    }
    return ColorsOf(cube);
}

// Each move read backwards, each quarter turn the other way.
std::string Inverse(const std::string& line) {
    std::istringstream words(line);
    std::string inverse;
    for (std::string word; words >> word;) {
        if (word.ends_with('\'')) {
            word.pop_back();
        } else if (!word.ends_with('2')) {
            word += '\'';
        }
        inverse.insert(0, word + ' ');
    }
    return inverse;
}

TEST(TurnNotation, EachTokenIsTheCubesOwnTurnOrRotation) {
    const std::string faces = "UDFBLR"; // side indices 0..5
    const std::array<std::pair<std::string, void (clsSide::*)() noexcept>, 3> amounts{
        {{"", &clsSide::RotateClockwise},
         {"'", &clsSide::RotateCounterclockwise},
         {"2", &clsSide::RotateDouble}}};
    std::vector<std::pair<std::string, Call>> rows;
    for (std::int16_t s = 0; s < 6; ++s) {
        for (const auto& [suffix, turn] : amounts) {
            rows.emplace_back(faces[static_cast<std::size_t>(s)] + suffix,
                              [s, turn](clsCube& c) { (c.Side(s).*turn)(); });
        }
    }
    rows.emplace_back("x", [](clsCube& c) { c.RotateUp(); });
    rows.emplace_back("x'", [](clsCube& c) { c.RotateDown(); });
    rows.emplace_back("y", [](clsCube& c) { c.RotateLeft(); });
    rows.emplace_back("y2", [](clsCube& c) { c.RotateRight(), c.RotateRight(); });
    // Other spellings: typographic primes, "2'", moves written together.
    rows.emplace_back("R\u2019 U\u2032", [](clsCube& c) {
        c.Side(side::Right).RotateCounterclockwise(), c.Side(side::Top).RotateCounterclockwise();
    });
    rows.emplace_back(" RU2'\t", [](clsCube& c) {
        c.Side(side::Right).RotateClockwise(), c.Side(side::Top).RotateDouble();
    });
    for (const auto& [token, call] : rows) {
        EXPECT_EQ(After(token), After("", call)) << token;
    }
}

// A rotation r brings another layer to each face, so r X r' turns that
// layer: z brings the left layer on top, so "z U z'" is L.
TEST(TurnNotation, ATurnBetweenARotationAndItsInverseTurnsTheLayerBroughtThere) {
    const std::string faces = "UDFBLR";
    for (const auto& [rotation, layers] :
         {std::pair{'x', "FBDULR"}, std::pair{'y', "UDRLFB"}, std::pair{'z', "LRFBDU"}}) {
        for (std::size_t k = 0; k < faces.size(); ++k) {
            const std::string line = std::string{rotation, ' ', faces[k], ' ', rotation, '\''};
            EXPECT_EQ(After(line), After(std::string{layers[k]})) << line;
        }
    }
}

TEST(TurnNotation, AScrambleAndItsInverseLeaveTheCubeAsItWas) {
    std::vector<std::string> lines{"x y z", "L D' B2 U R' F z2 x' D2"};
    std::mt19937 random(21);
    for (int n = 0; n < 40; ++n) {
        std::string line;
        for (int k = 0; k < 25; ++k) {
            line += std::string(1, "UDFBLRxyz"[random() % 9]) + "'2 "[random() % 3] + ' ';
        }
        lines.push_back(line);
    }
    for (const std::string& line : lines) {
        EXPECT_EQ(After(line + ' ' + Inverse(line)), After("")) << line;
    }
}

TEST(TurnNotation, ABadTokenIsNamedWithItsPositionAndNothingChanges) {
    struct Row {
        const char* line;
        std::size_t position;
        const char* token;
    };
    for (const Row& row : std::initializer_list<Row>{{"R U3 F", 3, "U3"},
                                                     {"Q", 1, "Q"},
                                                     {"R u", 3, "u"},
                                                     {"RUQ", 3, "Q"},
                                                     {"R'2", 1, "R'2"},
                                                     {"R\u2019 M", 4, "M"},
                                                     {"R U, F", 3, "U,"},
                                                     {"(R U)", 1, "(R"}}) {
        clsCube cube;
        MarkEverySquare(cube);
        const auto error = ApplyNotation(row.line, cube);
        ASSERT_TRUE(error.has_value()) << row.line;
        EXPECT_EQ(error->position, row.position) << row.line;
        EXPECT_EQ(error->token, row.token) << row.line;
        EXPECT_EQ(ColorsOf(cube), After("")) << row.line;
    }
}

} // namespace
