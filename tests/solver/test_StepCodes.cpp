#include "CubeTestSupport.h"
#include "StepCodes.h"

#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <sstream>
#include <string>

using namespace turnix;
using namespace turnix::test;

namespace {

CubeColors MarkedAfter(const std::function<void(clsCube&)>& operation) {
    clsCube cube;
    MarkEverySquare(cube);
    operation(cube);
    return ColorsOf(cube);
}

} // namespace

// "Turn front side clockwise", "Rotate cube up (front side becomes top
// side)": each code does what its words say, and other codes nothing. The
// notation is the usual one, with x and y for the rotations.
TEST(StepCodes, EachCodeDoesWhatItsWordsSayAndOthersDoNothing) {
    std::string notation;
    const clsCube named;
    const std::map<std::string, void (clsSide::*)()> turns{
        {"clockwise", &clsSide::RotateClockwise},
        {"counterclockwise", &clsSide::RotateCounterclockwise},
        {"twice", &clsSide::RotateDouble}};
    const std::map<std::string, void (clsCube::*)()> rotations{{"up", &clsCube::RotateUp},
                                                               {"down", &clsCube::RotateDown},
                                                               {"left", &clsCube::RotateLeft},
                                                               {"right", &clsCube::RotateRight}};
    for (std::int16_t code = 0; code < StepCodeCount; ++code) {
        notation += std::string(StepNotation(code)) + " ";
        std::string verb, what, name, how;
        std::istringstream(std::string(StepText(code))) >> verb >> what >> name >> how;
        std::function<void(clsCube&)> described = [&](clsCube& c) {
            (c.*rotations.at(name))();
        };
        if (verb == "Turn") {
            what[0] = static_cast<char>(std::toupper(what[0]));
            std::int16_t s = 0;
            while (s < 6 && named.Side(s).MainLabel() != what + " Side") {
                ++s;
            }
            described = [&, s](clsCube& c) {
                (c.Side(s).*turns.at(how))();
            };
        } else {
            ASSERT_EQ(verb + " " + what, "Rotate cube");
        }
        EXPECT_EQ(MarkedAfter([code](clsCube& c) { ApplyStep(c, code); }), MarkedAfter(described))
            << StepText(code);
    }
    EXPECT_EQ(notation, "F F' F2 L L' L2 B B' B2 R R' R2 U U' U2 D D' D2 x x' y y' ");
    for (const std::int16_t code : {-1, 22, INT16_MIN, INT16_MAX}) {
        EXPECT_EQ(MarkedAfter([code](clsCube& c) { ApplyStep(c, code); }),
                  MarkedAfter([](clsCube&) {}));
        EXPECT_EQ(StepText(code).size() + StepNotation(code).size(), 0U);
    }
}
