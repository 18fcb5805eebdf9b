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

std::string FaceletsAfter(std::initializer_list<std::int16_t> codes) {
    clsCube cube;
    for (const std::int16_t code : codes) {
        ApplyStep(cube, code);
    }
    return FaceletString(cube);
}

} // namespace

TEST(Facelets, TheSolvedCubeReadsAsNineOfEachFaceLetter) {
    EXPECT_EQ(FaceletString(clsCube{}), Solved);
    clsCube cube;
    MarkEverySquare(cube);
    ASSERT_FALSE(ReadFacelets(Solved, cube));
    EXPECT_EQ(ColorsOf(cube), ColorsOf(clsCube{}));
}

// The strings other cube tools give for one turn of a solved cube.
TEST(Facelets, OneTurnGivesTheStringOtherToolsUse) {
    EXPECT_EQ(FaceletsAfter({9}), "UUFUUFUUFRRRRRRRRRFFDFFDFFDDDBDDBDDBLLLLLLLLLUBBUBBUBB");  // R
    EXPECT_EQ(FaceletsAfter({12}), "UUUUUUUUUBBBRRRRRRRRRFFFFFFDDDDDDDDDFFFLLLLLLLLLBBBBBB"); // U
    EXPECT_EQ(FaceletsAfter({0}), "UUUUUULLLURRURRURRFFFFFFFFFRRRDDDDDDLLDLLDLLDBBBBBBBBB");  // F
}

TEST(Facelets, EachLetterSetsItsFacesSquareInOrder) {
    struct Case {
        std::size_t position; // 1-based
        std::int16_t side;
        std::int16_t square;
    };
    for (const Case& c :
         {Case{1, side::Top, 0}, Case{10, side::Right, 0}, Case{27, side::Front, 8},
          Case{28, side::Bottom, 0}, Case{41, side::Left, 4}, Case{54, side::Back, 8}}) {
        std::string facelets = Solved;
        facelets[c.position - 1] = facelets[c.position - 1] == 'U' ? 'D' : 'U';
        clsCube cube;
        ASSERT_FALSE(ReadFacelets(facelets, cube));
        clsCube expected;
        expected.Side(c.side).Square(c.square)->SetColorIndex(
            facelets[c.position - 1] == 'U' ? side::Top : side::Bottom);
        EXPECT_EQ(ColorsOf(cube), ColorsOf(expected)) << "position " << c.position;
    }
}

TEST(Facelets, ScrambledCubesSurviveTheRoundTrip) {
    std::mt19937 random(4);
    std::uniform_int_distribution<int> code(0, 17);
    for (int n = 0; n < 50; ++n) {
        clsCube cube;
        for (int k = 0; k < 25; ++k) {
            ApplyStep(cube, static_cast<std::int16_t>(code(random)));
        }
        clsCube read;
        ASSERT_FALSE(ReadFacelets(FaceletString(cube), read));
        EXPECT_EQ(ColorsOf(read), ColorsOf(cube));
    }
}

TEST(Facelets, TheFirstBadCharacterIsNamedByPositionAndTheCubeIsLeftAlone) {
    clsCube cube;
    MarkEverySquare(cube);
    const CubeColors before = ColorsOf(cube);

    std::string facelets = Solved;
    facelets[16] = 'x';
    facelets[20] = 'u';
    auto error = ReadFacelets(facelets, cube);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->position, 17U);
    EXPECT_EQ(error->reason, "position 17: 'x' is not one of the letters U R F D L B");

    facelets = Solved;
    facelets[3] = '\t';
    error = ReadFacelets(facelets, cube);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->reason, "position 4: byte 0x09 is not one of the letters U R F D L B");

    error = ReadFacelets(Solved.substr(0, 53), cube);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->position, 54U);
    EXPECT_EQ(error->reason, "a facelet string has 54 letters, this one has 53");

    error = ReadFacelets(Solved + "U", cube);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->position, 55U);

    error = ReadFacelets("", cube);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->position, 1U);

    EXPECT_EQ(ColorsOf(cube), before);
}

TEST(Facelets, ColourIndicesOutsideTheSixFacesHaveNoLetter) {
    clsCube cube;
    EXPECT_FALSE(FirstSquareWithoutFacelet(cube));
    cube.Side(side::Back).Square(2)->SetColorIndex(-1);
    cube.Side(side::Front).Square(7)->SetColorIndex(6);
    const auto square = FirstSquareWithoutFacelet(cube);
    ASSERT_TRUE(square);
    EXPECT_EQ(square->side, side::Front) << "F comes before B in facelet order";
    EXPECT_EQ(square->square, 7);
}
