#include "SolverTestSupport.h"
#include "StepCodes.h"
#include "diagnosis/Diagnosis.h"
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

namespace {

using Briefs = std::vector<std::string>;

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
