#include "Pieces.h"
#include "SolverTestSupport.h"
#include "StepCodes.h"
#include "diagnosis/Diagnosis.h"
#include "diagnosis/FindingText.h"
#include "diagnosis/TurnedSides.h"
#include "layers/clsSolver.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <numeric>
#include <optional>
#include <random>
#include <string>
#include <vector>

using namespace turnix;
using namespace turnix::test;
using namespace turnix::side;
using Briefs = std::vector<std::string>;

namespace {

// A finding in a few words, with the colour named by its centre's side.
std::string Brief(const Finding& finding) {
    constexpr std::array<const char*, 6> Sides{"Top", "Bottom", "Front", "Back", "Left", "Right"};
    switch (finding.kind) {
    case FindingKind::Centres:
        return "centres";
    case FindingKind::Count:
        return std::string("count ") + Sides.at(static_cast<std::size_t>(finding.side)) + " " +
               std::to_string(finding.count);
    case FindingKind::Foreign:
        return "foreign " + std::to_string(finding.count);
    case FindingKind::Unknown:
    case FindingKind::Duplicate: {
        std::string brief = finding.kind == FindingKind::Unknown ? "unknown" : "duplicate";
        for (const PiecePosition position : finding.positions) {
            brief.append(" ").append(PositionName(position));
        }
        return brief;
    }
    case FindingKind::Twist:
        return "twist";
    case FindingKind::Flip:
        return "flip";
    case FindingKind::Swap:
        return "swap";
    }
    return "?";
}

Briefs BriefsOf(const std::vector<Finding>& findings) {
    Briefs briefs;
    for (const Finding& finding : findings) {
        briefs.push_back(Brief(finding));
    }
    return briefs;
}

CubeColorValues Solved() {
    return ColorValuesOf(clsCube{});
}

CubeColorValues ValuesOf(const Arrangement& arrangement) {
    return ColorValuesOf(CubeOf(arrangement));
}

// The colours 0..5 shown as the permutation gives; others stay.
CubeColorValues Relabelled(CubeColorValues colors, const std::array<std::int16_t, 6>& as) {
    for (auto& side : colors) {
        for (std::int16_t& color : side) {
            if (color >= 0 && color < 6) {
                color = as[static_cast<std::size_t>(color)];
            }
        }
    }
    return colors;
}

// Findings go by the centres, so every relabelling of the colours gives the
// same ones.
Briefs Diagnosed(const CubeColorValues& colors) {
    Briefs briefs = BriefsOf(Diagnose(colors));
    const std::array<std::array<std::int16_t, 6>, 3> relabellings{
        {{5, 4, 3, 2, 1, 0}, {1, 0, 2, 3, 4, 5}, {2, 5, 0, 4, 3, 1}}};
    for (const auto& as : relabellings) {
        EXPECT_EQ(BriefsOf(Diagnose(Relabelled(colors, as))), briefs);
    }
    return briefs;
}

void Set(CubeColorValues& colors, std::int16_t s, std::int16_t q, std::int16_t color) {
    colors.at(static_cast<std::size_t>(s)).at(static_cast<std::size_t>(q)) = color;
}

} // namespace

// The Top square of the edge UR entered as Front: that position now shows
// the piece of FR.
TEST(Diagnose, OneSquareEnteredWrongCountsItsColoursAndShowsAPieceTwice) {
    CubeColorValues colors = Solved();
    Set(colors, Top, 5, Front);
    EXPECT_EQ(Diagnosed(colors), (Briefs{"count Top 8", "count Front 10", "duplicate UR FR"}));
    const std::vector<Finding> findings = Diagnose(colors);
    ASSERT_EQ(findings.size(), 3U);
    EXPECT_EQ(findings[0].side, Top);
    EXPECT_EQ(findings[2].squares, (std::vector<SquareAt>{{0, 5}, {5, 1}, {2, 5}, {5, 3}}));
    EXPECT_TRUE(findings[0].squares.empty());
}

// Nothing else is checked: the colours are named by the centres.
TEST(Diagnose, CentresThatAreNotTheSixColoursOnceEachStopTheChecks) {
    CubeColorValues shared = Solved();
    Set(shared, Top, 4, Front);
    Set(shared, Left, 0, 9);
    const std::vector<Finding> findings = Diagnose(shared);
    EXPECT_EQ(BriefsOf(findings), Briefs{"centres"});
    EXPECT_EQ(findings.at(0).squares, (std::vector<SquareAt>{{Top, 4}, {Front, 4}}));

    CubeColorValues outside = Solved();
    for (auto& side : outside) {
        std::ranges::replace(side, std::int16_t{5}, std::int16_t{7});
    }
    EXPECT_EQ(Diagnose(outside).at(0).squares, (std::vector<SquareAt>{{Right, 4}}));
    Set(outside, Back, 4, -1);
    EXPECT_EQ(BriefsOf(Diagnose(outside)), Briefs{"centres"});
}

// A position with a foreign square is left to the foreign finding.
TEST(Diagnose, ColoursOnNoCentreAreCountedAndTheirSquaresPointedOut) {
    CubeColorValues colors = Solved();
    Set(colors, Left, 3, 6);
    Set(colors, Back, 8, -1);
    const std::vector<Finding> findings = Diagnose(colors);
    EXPECT_EQ(Diagnosed(colors), (Briefs{"count Left 8", "count Back 8", "foreign 2"}));
    EXPECT_EQ(findings.at(2).squares, (std::vector<SquareAt>{{Back, 8}, {Left, 3}}));
}

TEST(Diagnose, PositionsThatShowNoPieceAreUnknown) {
    CubeColorValues colors = Solved();
    Set(colors, Front, 1, Bottom); // UF: Top and Bottom
    Set(colors, Right, 1, Top);    // UR: Top twice
    EXPECT_EQ(Diagnosed(colors), (Briefs{"count Top 10", "count Right 8", "count Front 8",
                                         "count Bottom 10", "unknown UR", "unknown UF"}));

    CubeColorValues mirrored = Solved(); // URF with two colours exchanged
    Set(mirrored, Top, 8, Right);
    Set(mirrored, Right, 0, Top);
    const std::vector<Finding> findings = Diagnose(mirrored);
    EXPECT_EQ(Diagnosed(mirrored), Briefs{"unknown URF"});
    EXPECT_EQ(findings.at(0).squares, (std::vector<SquareAt>{{0, 8}, {5, 0}, {2, 2}}));
}

// Each pair once, by its first position and then its second; a corner is
// the same piece in any twist.
TEST(Diagnose, APieceInThreePositionsGivesThreePairsInPositionOrder) {
    Arrangement arrangement;
    arrangement.edge[0] = 1; // UR and DB hold UF
    arrangement.edge[7] = 1;
    arrangement.flip[7] = 1;
    arrangement.corner[7] = 0; // DRB holds URF
    arrangement.twist[7] = 2;
    EXPECT_EQ(
        Diagnosed(ValuesOf(arrangement)),
        (Briefs{"count Top 11", "count Right 8", "count Front 12", "count Bottom 7", "count Back 7",
                "duplicate UR UF", "duplicate UR DB", "duplicate UF DB", "duplicate URF DRB"}));
}

TEST(Diagnose, FindingsOfEveryKindComeInTheirOrder) {
    Arrangement arrangement;
    arrangement.corner[4] = 3; // DFR holds UBR
    CubeColorValues colors = ValuesOf(arrangement);
    Set(colors, Left, 1, Right);   // UL: Top and Right, the piece of UR
    Set(colors, Back, 5, 12);      // BL foreign
    Set(colors, Bottom, 7, Left);  // DB: Left and Back, the piece of BL
    Set(colors, Bottom, 1, Front); // DF: Front twice
    EXPECT_EQ(Diagnosed(colors),
              (Briefs{"count Top 10", "count Right 10", "count Bottom 6", "foreign 1", "unknown DF",
                      "duplicate UR UL", "duplicate UBR DFR"}));
}

namespace {

std::array<std::int16_t, 6> RandomRelabelling(std::mt19937& random) {
    std::array<std::int16_t, 6> as{0, 1, 2, 3, 4, 5};
    std::shuffle(as.begin(), as.end(), random);
    return as;
}

clsCube CubeWith(const CubeColorValues& colors) {
    clsCube cube;
    for (std::int16_t s = 0; s < 6; ++s) {
        for (std::int16_t q = 0; q < 9; ++q) {
            cube.Side(s).Square(q)->SetColorIndex(
                colors.at(static_cast<std::size_t>(s)).at(static_cast<std::size_t>(q)));
        }
    }
    return cube;
}

Briefs Invariants(const Arrangement& a) {
    Briefs briefs;
    if (std::accumulate(a.twist.begin(), a.twist.end(), 0) % 3 != 0) {
        briefs.emplace_back("twist");
    }
    if (std::accumulate(a.flip.begin(), a.flip.end(), 0) % 2 != 0) {
        briefs.emplace_back("flip");
    }
    if (IsOdd(a.corner) != IsOdd(a.edge)) {
        briefs.emplace_back("swap");
    }
    return briefs;
}

} // namespace

// Random arrangements, each in colours of its own; many that turning cannot
// reach are odd (two pieces exchanged on their own), which would keep the
// solver's bottom edge placement going for ever if nothing ended it.
TEST(Diagnose, ArrangementsHaveNoFindingExactlyWhenSolveSolvesThemAndOtherwiseTheirFlaws) {
    std::mt19937 random(77);
    std::bernoulli_distribution mend(0.5);
    clsSolver solver;
    for (int n = 0; n < 20000; ++n) {
        const Arrangement arrangement = RandomArrangement(random, mend(random));
        const CubeColorValues colors = Relabelled(ValuesOf(arrangement), RandomRelabelling(random));
        const std::vector<Finding> findings = Diagnose(colors);
        const clsCube cube = CubeWith(colors);
        ASSERT_EQ(findings.empty(), solver.Solve(cube)) << "arrangement " << n;
        ASSERT_TRUE(!findings.empty() || SolutionSolves(solver, cube)) << "arrangement " << n;
        ASSERT_EQ(BriefsOf(findings), Invariants(arrangement)) << "arrangement " << n;
        ASSERT_EQ(ArrangementOf(colors),
                  findings.empty() ? std::optional(arrangement) : std::nullopt)
            << "arrangement " << n;
    }
}

// Scrambled cubes in colours of their own, then one to three squares
// changed: set to a colour in or just outside 0..5, exchanged with
// another square, or given another square's colour. Most stay close
// enough to a cube that only one check catches them.
TEST(Diagnose, DamagedCubesHaveNoFindingExactlyWhenSolveSolvesThem) {
    std::mt19937 random(2718);
    std::uniform_int_distribution<int> turn(0, SideTurnCount - 1);
    std::uniform_int_distribution<int> anySide(0, 5);
    std::uniform_int_distribution<int> anySquare(0, 8);
    std::uniform_int_distribution<int> anyColor(-1, 7);
    std::uniform_int_distribution<int> changes(0, 3);
    clsSolver solver;
    int valid = 0;
    for (int n = 0; n < 10000; ++n) {
        clsCube cube;
        for (int k = 0; k < 30; ++k) {
            ApplyStep(cube, static_cast<std::int16_t>(turn(random)));
        }
        CubeColorValues colors = Relabelled(ColorValuesOf(cube), RandomRelabelling(random));
        const auto square = [&]() -> std::int16_t& {
            return colors.at(static_cast<std::size_t>(anySide(random)))
                .at(static_cast<std::size_t>(anySquare(random)));
        };
        for (int k = changes(random); k > 0; --k) {
            switch (anySide(random) % 3) {
            case 0:
                square() = static_cast<std::int16_t>(anyColor(random));
                break;
            case 1:
                std::swap(square(), square());
                break;
            default:
                square() = square();
                break;
            }
        }
        const bool solved = solver.Solve(CubeWith(colors));
        ASSERT_EQ(Diagnose(colors).empty(), solved) << "cube " << n;
        valid += solved ? 1 : 0;
    }
    EXPECT_GT(valid, 10000 / 10);
    EXPECT_LT(valid, 10000 / 2);
}

TEST(Diagnose, ColourGarbageAlwaysHasFindings) {
    std::mt19937 random(5);
    clsSolver solver;
    for (int n = 0; n < 2000; ++n) {
        std::uniform_int_distribution<int> value(n % 2 == 0 ? 0 : INT16_MIN,
                                                 n % 2 == 0 ? 5 : INT16_MAX);
        CubeColorValues colors{};
        for (auto& side : colors) {
            for (std::int16_t& color : side) {
                color = static_cast<std::int16_t>(value(random));
            }
        }
        ASSERT_FALSE(Diagnose(colors).empty()) << "cube " << n;
        ASSERT_FALSE(solver.Solve(CubeWith(colors))) << "cube " << n;
    }
}

// Turned as a whole, a cube shows other colours on its centres. Its
// arrangement names the pieces by those centres: each square shows the
// colour of the centre of the side its piece's square belongs to, and the
// layer solver, which goes by the centres too, solves both alike.
TEST(ArrangementOf, GoesByTheCentresSoThatTheSolverSolvesTheCubeAndItsArrangementAlike) {
    std::mt19937 random(99);
    std::uniform_int_distribution<int> turn(0, SideTurnCount - 1);
    std::uniform_int_distribution<int> rotation(step::RotateUp, step::RotateRight);
    clsSolver solver;
    for (int n = 0; n < 1000; ++n) {
        clsCube cube;
        for (int k = 0; k < 30; ++k) {
            ApplyStep(cube, static_cast<std::int16_t>(turn(random)));
        }
        for (int k = 0; k < 3; ++k) {
            ApplyStep(cube, static_cast<std::int16_t>(rotation(random)));
        }
        const std::optional<Arrangement> arrangement = ArrangementOf(cube);
        ASSERT_TRUE(arrangement) << "cube " << n;
        const CubeColors sides = ColorsOf(CubeOf(*arrangement));
        const CubeColors colors = ColorsOf(cube);
        for (std::size_t s = 0; s < 6; ++s) {
            for (std::size_t q = 0; q < 9; ++q) {
                ASSERT_EQ(colors[s][q], colors.at(static_cast<std::size_t>(sides[s][q]))[4])
                    << "cube " << n << ", side " << s << ", square " << q;
            }
        }
        ASSERT_TRUE(solver.Solve(cube));
        const Steps steps = ActiveSteps(solver);
        ASSERT_TRUE(solver.Solve(CubeOf(*arrangement)));
        ASSERT_EQ(ActiveSteps(solver), steps) << "cube " << n;
    }
}

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
