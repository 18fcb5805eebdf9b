#include "Pieces.h"
#include "diagnosis/FindingText.h"

#include <gtest/gtest.h>

using namespace turnix;

namespace {

std::vector<std::string> SentencesFor(const Arrangement& arrangement) {
    return DiagnosisSentences(Diagnose(CubeOf(arrangement)));
}

} // namespace

TEST(FindingText, EachKindOfFindingReadsAsASentenceWithTheProgramsSideNames) {
    clsCube cube;
    cube.Side(side::Top).Square(5)->SetColorIndex(side::Front);
    cube.Side(side::Top).Square(0)->SetColorIndex(side::Left);
    cube.Side(side::Left).Square(0)->SetColorIndex(side::Top);
    cube.Side(side::Back).Square(3)->SetColorIndex(8);
    const std::vector<std::string> sentences = DiagnosisSentences(Diagnose(cube));
    ASSERT_EQ(sentences.size(), 6U);
    EXPECT_EQ(sentences[0], "The Top colour has 8 squares; it should have 9.");
    EXPECT_EQ(sentences[1], "The Front colour has 10 squares; it should have 9.");
    EXPECT_EQ(sentences[2], "The Back colour has 8 squares; it should have 9.");
    EXPECT_EQ(sentences[3], "One square shows a colour that is on no centre.");
    EXPECT_EQ(sentences[4],
              "The corner at Top, Back, Left shows three colours that no corner has.");
    EXPECT_EQ(sentences[5], "The edge between Top and Right is also between Front and Right.");

    cube.Side(side::Right).Square(4)->SetColorIndex(side::Left);
    EXPECT_EQ(DiagnosisSentences(Diagnose(cube)),
              std::vector<std::string>{"The centres do not show the six colours, one each."});
}

TEST(FindingText, PiecesMissingTwistedFlippedOrSwappedAndACubeReadyToSolve) {
    Arrangement twice;
    twice.edge[0] = 1;
    twice.corner[6] = 0;
    twice.corner[7] = 0;
    twice.twist[7] = 1;
    twice.twist[6] = 2;
    const std::vector<std::string> sentences = SentencesFor(twice);
    EXPECT_EQ(std::vector<std::string>(sentences.end() - 4, sentences.end()),
              (std::vector<std::string>{
                  "The edge between Top and Right is also between Top and Front.",
                  "The corner at Top, Front, Right is also at Bottom, Left, Back.",
                  "The corner at Top, Front, Right is also at Bottom, Back, Right.",
                  "The corner at Bottom, Left, Back is also at Bottom, Back, Right."}));

    EXPECT_EQ(SentencesFor({.twist = {1, 0, 0, 0, 0, 0, 0, 0},
                            .edge = {1, 0, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11},
                            .flip = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}}),
              (std::vector<std::string>{"One corner is twisted in place.", "One edge is flipped.",
                                        "Two pieces are swapped."}));
    EXPECT_EQ(SentencesFor({}), std::vector<std::string>{"Ready to solve"});
}

TEST(FindingText, ASquareCountOfOneAndSeveralForeignSquares) {
    clsCube cube;
    for (std::int16_t q = 0; q < 9; ++q) {
        if (q != 4) {
            cube.Side(side::Bottom).Square(q)->SetColorIndex(static_cast<std::int16_t>(-q));
        }
    }
    cube.Side(side::Bottom).Square(0)->SetColorIndex(side::Right);
    const std::vector<std::string> sentences = DiagnosisSentences(Diagnose(cube));
    ASSERT_EQ(sentences.size(), 4U);
    EXPECT_EQ(sentences[0], "The Right colour has 10 squares; it should have 9.");
    EXPECT_EQ(sentences[1], "The Bottom colour has 1 square; it should have 9.");
    EXPECT_EQ(sentences[2], "7 squares show colours that are on no centre.");
    EXPECT_EQ(sentences[3],
              "The corner at Bottom, Front, Left shows three colours that no corner has.");
}

TEST(FindingText, AColourWithANameIsCalledByIt) {
    clsCube cube;
    cube.Side(side::Top).Square(5)->SetColorIndex(side::Front);
    ColorNames names{};
    names[side::Front] = "White";
    const std::vector<std::string> sentences = DiagnosisSentences(Diagnose(cube), names);
    EXPECT_EQ(sentences.at(0), "The Top colour has 8 squares; it should have 9.");
    EXPECT_EQ(sentences.at(1), "White has 10 squares; it should have 9.");
}
