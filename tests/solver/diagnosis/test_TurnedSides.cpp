#include "SolverTestSupport.h"
#include "diagnosis/FindingText.h"
#include "diagnosis/TurnedSides.h"

#include <gtest/gtest.h>
#include <random>

using namespace turnix;
using namespace turnix::test;

namespace {

// A reachable cube in colours of its own, so that no side's colours sit on
// their home index.
CubeColorValues RandomCube(std::mt19937& random) {
    CubeColorValues colors = ColorValuesOf(CubeOf(RandomArrangement(random, true)));
    std::array<std::int16_t, 6> as{0, 1, 2, 3, 4, 5};
    std::shuffle(as.begin(), as.end(), random);
    for (auto& side : colors) {
        for (auto& color : side) {
            color = as.at(static_cast<std::size_t>(color));
        }
    }
    return colors;
}

} // namespace

TEST(TurnedSides, ASideEnteredTurnedIsFoundWithTheQuartersThatTurnItBack) {
    std::mt19937 random(18);
    for (int n = 0; n < 200; ++n) {
        const CubeColorValues cube = RandomCube(random);
        ASSERT_TRUE(TurnedSides(cube).empty());
        for (std::int16_t s = 0; s < side::Count; ++s) {
            for (int entered = 1; entered <= 3; ++entered) {
                const CubeColorValues wrong = TurnOuterSquares(cube, {s, entered});
                if (Diagnose(wrong).empty()) {
                    continue; // a ring whose turn still makes a cube
                }
                const std::vector<TurnedSide> expected{{s, 4 - entered}};
                ASSERT_EQ(TurnedSides(wrong), expected) << "cube " << n << " side " << s;
                ASSERT_EQ(TurnOuterSquares(wrong, expected[0]), cube);
            }
        }
    }
}

// A twisted corner, a flipped edge or a stray colour is mended by no turn of
// a side. Two swapped pieces now and then are: a half turn of a side's
// outer squares exchanges pairs of them, so both readings fit.
TEST(TurnedSides, FaultsOfOtherKindsAreRarelyOrNeverATurnedSide) {
    std::mt19937 random(19);
    std::uniform_int_distribution<std::size_t> anyCorner(0, 7);
    std::uniform_int_distribution<std::size_t> anySide(0, 5);
    std::uniform_int_distribution<std::size_t> anySquare(0, 8);
    int swapsThatFit = 0;
    for (int n = 0; n < 2000; ++n) {
        Arrangement a = RandomArrangement(random, true);
        const std::size_t c = anyCorner(random);
        switch (n % 4) {
        case 0:
            a.twist[c] = (a.twist[c] + 1) % 3;
            break;
        case 1:
            a.flip[c] ^= 1;
            break;
        case 2:
            std::swap(a.corner[c], a.corner[(c + 1) % 8]);
            break;
        default:
            break;
        }
        CubeColorValues colors = ColorValuesOf(CubeOf(a));
        if (n % 4 == 3) {
            auto& square = colors.at(anySide(random)).at(anySquare(random));
            square = static_cast<std::int16_t>((square + 1) % 6);
        }
        const std::vector<TurnedSide> turned = TurnedSides(colors);
        if (n % 4 != 2) {
            ASSERT_TRUE(turned.empty()) << "cube " << n;
        }
        for (const TurnedSide& side : turned) {
            ASSERT_TRUE(Diagnose(TurnOuterSquares(colors, side)).empty()) << "cube " << n;
        }
        swapsThatFit += turned.empty() ? 0 : 1;
    }
    EXPECT_LT(swapsThatFit, 500 / 50);
}

TEST(TurnedSides, TheSentenceSaysHowTheSideWasEntered) {
    EXPECT_EQ(TurnedSideSentence({side::Bottom, 2}),
              "The Bottom side looks entered turned half round.");
    EXPECT_EQ(TurnedSideSentence({side::Front, 1}),
              "The Front side looks entered turned a quarter counterclockwise.");
    EXPECT_EQ(TurnedSideSentence({side::Back, 3}),
              "The Back side looks entered turned a quarter clockwise.");
}
