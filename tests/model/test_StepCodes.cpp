#include "CubeTestSupport.h"
#include "StepCodes.h"

#include <gtest/gtest.h>
#include <map>
#include <sstream>
#include <string>

using namespace turnix;
using namespace turnix::test;

// "Turn front side clockwise", "Rotate cube up (front side becomes top
// side)": each code does what its words say, and other codes nothing. The
// notation is the usual one, with x and y for the rotations.
TEST(StepCodes, EachCodeDoesWhatItsWordsSayAndOthersDoNothing) {
    const std::map<std::string, void (clsSide::*)()> turns{
        {"clockwise", &clsSide::RotateClockwise},
        {"counterclockwise", &clsSide::RotateCounterclockwise},
        {"twice", &clsSide::RotateDouble}};
    const std::map<std::string, void (clsCube::*)()> rotations{{"up", &clsCube::RotateUp},
                                                               {"down", &clsCube::RotateDown},
                                                               {"left", &clsCube::RotateLeft},
                                                               {"right", &clsCube::RotateRight}};
    std::string notation;
    for (std::int16_t code = 0; code < StepCodeCount; ++code) {
        notation += std::string(StepNotation(code)) + " ";
        std::string verb, what, name, how;
        std::istringstream(std::string(StepText(code))) >> verb >> what >> name >> how;
        clsCube described;
        MarkEverySquare(described);
        if (verb == "Turn") {
            what[0] = static_cast<char>(std::toupper(what[0]));
            std::int16_t s = 0;
            while (s < 6 && described.Side(s).MainLabel() != what + " Side") {
                ++s;
            }
            (described.Side(s).*turns.at(how))();
        } else {
            ASSERT_EQ(verb, "Rotate");
            ASSERT_EQ(what, "cube");
            (described.*rotations.at(name))();
        }
        clsCube applied;
        MarkEverySquare(applied);
        ApplyStep(applied, code);
        EXPECT_EQ(ColorsOf(applied), ColorsOf(described)) << StepText(code);
    }
    EXPECT_EQ(notation, "F F' F2 L L' L2 B B' B2 R R' R2 U U' U2 D D' D2 x x' y y' ");

    clsCube cube;
    MarkEverySquare(cube);
    const CubeColors before = ColorsOf(cube);
    for (const std::int16_t code :
         std::initializer_list<std::int16_t>{-1, 22, INT16_MIN, INT16_MAX}) {
        ApplyStep(cube, code);
        EXPECT_EQ(StepText(code).size() + StepNotation(code).size(), 0U);
    }
    EXPECT_EQ(ColorsOf(cube), before);
}

// Each code followed by its inverse leaves every square where it was; only
// the half turns are their own inverse.
TEST(StepCodes, EveryCodeIsUndoneByItsInverse) {
    std::string selfInverse;
    for (std::int16_t code = 0; code < StepCodeCount; ++code) {
        clsCube cube;
        MarkEverySquare(cube);
        const CubeColors before = ColorsOf(cube);
        ApplyStep(cube, code);
        ASSERT_NE(ColorsOf(cube), before) << code;
        ApplyStep(cube, InverseStep(code));
        EXPECT_EQ(ColorsOf(cube), before) << StepText(code);
        if (InverseStep(code) == code) {
            selfInverse += std::string(StepNotation(code)) + " ";
        }
    }
    EXPECT_EQ(selfInverse, "F2 L2 B2 R2 U2 D2 ");
    EXPECT_EQ(InverseStep(-1), -1);
    EXPECT_EQ(InverseStep(22), 22);
}
