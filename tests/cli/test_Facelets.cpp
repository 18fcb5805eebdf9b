#include "CubeTestSupport.h"
#include "Facelets.h"
#include "StepCodes.h"

#include <gtest/gtest.h>
#include <random>

using namespace turnix;
using namespace turnix::cli;
using namespace turnix::test;

namespace {

const std::string Solved = "UUUUUUUUURRRRRRRRRFFFFFFFFFDDDDDDDDDLLLLLLLLLBBBBBBBBB";

std::string FaceletsAfter(std::int16_t code) {
    clsCube cube;
    ApplyStep(cube, code);
    return FaceletString(cube);
}

} // namespace

// The strings that other cube tools give for one turn of a solved cube.
TEST(Facelets, OneTurnGivesTheStringOtherToolsUse) {
    EXPECT_EQ(FaceletString(clsCube{}), Solved);
    EXPECT_EQ(FaceletsAfter(9), "UUFUUFUUFRRRRRRRRRFFDFFDFFDDDBDDBDDBLLLLLLLLLUBBUBBUBB");  // R
    EXPECT_EQ(FaceletsAfter(12), "UUUUUUUUUBBBRRRRRRRRRFFFFFFDDDDDDDDDFFFLLLLLLLLLBBBBBB"); // U
    EXPECT_EQ(FaceletsAfter(0), "UUUUUULLLURRURRURRFFFFFFFFFRRRDDDDDDLLDLLDLLDBBBBBBBBB");  // F
}

TEST(Facelets, ReadingAStringGivesBackTheCubeItCameFrom) {
    std::mt19937 random(4);
    std::uniform_int_distribution<int> code(0, 17);
    clsCube cube;
    clsCube read;
    MarkEverySquare(read);
    for (int n = 0; n < 50; ++n) {
        ApplyStep(cube, static_cast<std::int16_t>(code(random)));
        ASSERT_FALSE(ReadFacelets(FaceletString(cube), read));
        EXPECT_EQ(ColorsOf(read), ColorsOf(cube));
    }
}

TEST(Facelets, TheFirstBadCharacterIsNamedByPositionAndTheCubeIsLeftAlone) {
    clsCube cube;
    MarkEverySquare(cube);
    const CubeColors before = ColorsOf(cube);
    const auto error = [&cube](const std::string& facelets) {
        const auto found = ReadFacelets(facelets, cube);
        return found ? std::pair(found->position, found->reason)
                     : std::pair(std::size_t{0}, std::string{});
    };
    EXPECT_EQ(error(Solved.substr(0, 16) + "xu" + Solved.substr(18)),
              std::pair(std::size_t{17},
                        std::string("position 17: 'x' is not one of the letters U R F D L B")));
    EXPECT_EQ(error("UUU\tUUUUU").second,
              "position 4: byte 0x09 is not one of the letters U R F D L B");
    EXPECT_EQ(error(Solved.substr(1)),
              std::pair(std::size_t{54},
                        std::string("a facelet string has 54 letters, this one has 53")));
    EXPECT_EQ(error(Solved + "U").first, 55U);
    EXPECT_EQ(error("").first, 1U);
    EXPECT_EQ(ColorsOf(cube), before);
}
