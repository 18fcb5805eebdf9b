#include "CubeTestSupport.h"
#include "Facelets.h"

#include <array>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <utility>
#include <vector>

using namespace turnix;
using namespace turnix::test;

namespace {

const std::string Solved = "UUUUUUUUURRRRRRRRRFFFFFFFFFDDDDDDDDDLLLLLLLLLBBBBBBBBB";

std::string FaceletsAfterClockwiseTurnOf(std::int16_t side) {
    clsCube cube;
    cube.Side(side).RotateClockwise();
    return FaceletString(cube);
}

} // namespace

// The strings that other cube tools give for a solved cube and for one turn
// of it.
TEST(Facelets, OneTurnGivesTheStringOtherToolsUse) {
    EXPECT_EQ(FaceletString(clsCube{}), Solved);
    EXPECT_EQ(FaceletsAfterClockwiseTurnOf(side::Right),
              "UUFUUFUUFRRRRRRRRRFFDFFDFFDDDBDDBDDBLLLLLLLLLUBBUBBUBB");
    EXPECT_EQ(FaceletsAfterClockwiseTurnOf(side::Top),
              "UUUUUUUUUBBBRRRRRRRRRFFFFFFDDDDDDDDDFFFLLLLLLLLLBBBBBB");
    EXPECT_EQ(FaceletsAfterClockwiseTurnOf(side::Front),
              "UUUUUULLLURRURRURRFFFFFFFFFRRRDDDDDDLLDLLDLLDBBBBBBBBB");
}

TEST(Facelets, ReadingGivesTheStringBackOrNamesTheFirstBadPositionAndLeavesTheCube) {
    const std::string turned = FaceletsAfterClockwiseTurnOf(side::Front);
    clsCube cube;
    ASSERT_FALSE(ReadFacelets(turned, cube));
    EXPECT_EQ(FaceletString(cube), turned);

    const auto position = [&cube](const std::string& facelets) {
        const auto error = ReadFacelets(facelets, cube);
        return error ? error->position : 0;
    };
    EXPECT_EQ(position(Solved.substr(0, 53) + "u"), 54U);
    EXPECT_EQ(position(Solved.substr(0, 20) + "X" + Solved), 21U)
        << "a bad letter before the length";
    EXPECT_EQ(position(Solved.substr(0, 7)), 8U);
    EXPECT_EQ(position(Solved + "U"), 55U);
    EXPECT_EQ(FaceletString(cube), turned);
}

// Printable characters are quoted, the rest named by their byte, at both
// ends of the printable range.
TEST(Facelets, ABadCharacterIsQuotedWhenPrintableAndNamedByItsByteOtherwise) {
    const std::vector<std::pair<char, std::string>> cases{
        {' ', "' '"},          {'~', "'~'"},          {'u', "'u'"},       {'\x1F', "byte 0x1F"},
        {'\x7F', "byte 0x7F"}, {'\xFF', "byte 0xFF"}, {'\0', "byte 0x00"}};
    for (const auto& [bad, named] : cases) {
        clsCube cube;
        const auto error = ReadFacelets(Solved.substr(0, 4) + bad + Solved.substr(5), cube);
        ASSERT_TRUE(error) << named;
        EXPECT_EQ(error->reason, "position 5: " + named + " is not one of the letters U R F D L B");
    }
}

TEST(Facelets, SquaresOutsideTheSixColoursHaveNoLetter) {
    clsCube cube;
    EXPECT_FALSE(FirstSquareWithoutFacelet(cube));
    cube.Side(side::Back).Square(8)->SetColorIndex(6);
    cube.Side(side::Left).Square(3)->SetColorIndex(-1);
    const auto square = FirstSquareWithoutFacelet(cube);
    ASSERT_TRUE(square);
    EXPECT_EQ(square->side, side::Left) << "Left comes before Back in facelet order";
    EXPECT_EQ(square->square, 3);
    EXPECT_EQ(FaceLetter(side::Bottom), 'D');
    EXPECT_EQ(FaceLetter(6), std::nullopt);
}

// A cube painted in real colours, whatever indices its centres hold, reads
// with its centres as U R F D L B; pasted back into it, the string gives the
// same colours.
TEST(Facelets, NamedByTheCentresACubeReadsAsOtherToolsReadItAndPastesBack) {
    constexpr std::array<void (clsCube::*)() noexcept, 2> Rotations{&clsCube::RotateLeft,
                                                                    &clsCube::RotateUp};
    std::mt19937 random(21);
    for (int n = 0; n < 50; ++n) {
        clsCube cube;
        cube.Side(static_cast<std::int16_t>(n % 6)).RotateClockwise();
        for (int k = 0; k < n % 7; ++k) {
            (cube.*Rotations.at(random() % 2))();
        }
        const std::optional<std::string> read = CentreFaceletString(cube);
        ASSERT_TRUE(read);
        for (std::size_t face = 0; face < 6; ++face) {
            EXPECT_EQ(read->at(9 * face + 4), "URFDLB"[face]);
        }
        clsCube pasted;
        ASSERT_FALSE(ReadFacelets(*read, pasted));
        PaintInCentreColors(pasted, *CentreColors(cube));
        EXPECT_EQ(ColorsOf(pasted), ColorsOf(cube)) << n;
    }
    EXPECT_EQ(CentreFaceletString(clsCube{}), Solved);
    clsCube twoWhites;
    twoWhites.Side(side::Top).Square(4)->SetColorIndex(side::Bottom);
    EXPECT_FALSE(CentreColors(twoWhites));
    EXPECT_FALSE(CentreFaceletString(twoWhites));
}
