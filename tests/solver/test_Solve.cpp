#include "SolverProbe.h"
#include "SolverTestSupport.h"

#include <gtest/gtest.h>
#include <numeric>
#include <random>

using namespace turnix;
using namespace turnix::test;
using namespace turnix::side;

namespace {

constexpr int CubeCount = 20000;

// Turning reaches exactly the arrangements with even permutation parity,
// twists adding up to whole turns and an even number of flipped edges.
bool IsReachable(const Arrangement& a) {
    return IsOdd(a.corner) == IsOdd(a.edge) &&
           std::accumulate(a.twist.begin(), a.twist.end(), 0) % 3 == 0 &&
           std::accumulate(a.flip.begin(), a.flip.end(), 0) % 2 == 0;
}

// Any arrangement; with mend set, mended to a reachable one.
Arrangement RandomArrangement(std::mt19937& random, bool mend) {
    Arrangement a;
    std::shuffle(a.corner.begin(), a.corner.end(), random);
    std::shuffle(a.edge.begin(), a.edge.end(), random);
    std::uniform_int_distribution<int> twist(0, 2);
    std::uniform_int_distribution<int> flip(0, 1);
    std::generate(a.twist.begin(), a.twist.end(), [&] { return twist(random); });
    std::generate(a.flip.begin(), a.flip.end(), [&] { return flip(random); });
    if (mend) {
        a.twist[7] = (a.twist[7] + 3 - std::accumulate(a.twist.begin(), a.twist.end(), 0) % 3) % 3;
        a.flip[11] = (a.flip[11] + std::accumulate(a.flip.begin(), a.flip.end(), 0)) % 2;
        if (IsOdd(a.corner) != IsOdd(a.edge)) {
            std::swap(a.edge[0], a.edge[1]);
        }
    }
    return a;
}

// The active steps solve the cube, with no side turned twice in a row.
bool SolutionSolves(clsSolver& solver, const clsCube& cube) {
    const Steps steps = ActiveSteps(solver);
    return std::ranges::adjacent_find(steps, {}, [](std::int16_t code) { return code / 3; }) ==
               steps.end() &&
           IsSolved(After(cube, steps));
}

} // namespace

// Validation wants each corner's colours to run clockwise, and the lookups
// never match a mirrored piece; the cube then fails before any step.
TEST(Solve, AMirroredCornerFailsBeforeAnyStep) {
    clsCube cube;
    cube.Side(Top).Square(8)->SetColorIndex(Right);
    cube.Side(Right).Square(0)->SetColorIndex(Top);
    clsSolver solver;
    EXPECT_FALSE(solver.Solve(cube));
    EXPECT_EQ(SolverProbe::LastStep(solver), 0);
}

// Each scramble starts from its own assignment of the six colours, since the
// solver must go by the centres and never by the colour indices.
TEST(Solve, ScrambledCubesAreSolved) {
    std::mt19937 random(20240601);
    std::uniform_int_distribution<int> length(1, 40);
    std::uniform_int_distribution<int> turn(0, SideTurnCount - 1);
    std::array<std::int16_t, 6> relabel{0, 1, 2, 3, 4, 5};
    clsSolver solver;
    for (int n = 0; n < CubeCount; ++n) {
        clsCube cube;
        std::shuffle(relabel.begin(), relabel.end(), random);
        for (std::int16_t s = 0; s < 6; ++s) {
            for (std::int16_t q = 0; q < 9; ++q) {
                cube.Side(s).Square(q)->SetColorIndex(relabel[static_cast<std::size_t>(s)]);
            }
        }
        for (int k = length(random); k > 0; --k) {
            ApplyStep(cube, static_cast<std::int16_t>(turn(random)));
        }
        ASSERT_TRUE(solver.Solve(cube)) << "cube " << n;
        ASSERT_TRUE(SolutionSolves(solver, cube)) << "cube " << n;
    }
}

// Many unreachable arrangements are odd (two pieces exchanged on their own),
// which would keep the bottom edge placement going for ever if nothing ended
// it.
TEST(Solve, PieceArrangementsAreSolvedExactlyWhenTurningCanReachThem) {
    std::mt19937 random(77);
    std::bernoulli_distribution mend(0.5);
    clsCube cube;
    clsSolver solver;
    int reachable = 0;
    for (int n = 0; n < CubeCount; ++n) {
        const Arrangement arrangement = RandomArrangement(random, mend(random));
        SetArrangement(cube, arrangement);
        const bool expected = IsReachable(arrangement);
        ASSERT_EQ(solver.Solve(cube), expected) << "arrangement " << n;
        if (expected) {
            ++reachable;
            ASSERT_TRUE(SolutionSolves(solver, cube)) << "arrangement " << n;
        }
    }
    EXPECT_GT(reachable, CubeCount / 3);
}

TEST(Solve, ColourGarbageIsInvalid) {
    std::mt19937 random(5);
    clsCube cube;
    clsSolver solver;
    for (int n = 0; n < 2000; ++n) {
        // Half of them only in the colours 0..5.
        std::uniform_int_distribution<int> value(n % 2 == 0 ? 0 : INT16_MIN,
                                                 n % 2 == 0 ? 5 : INT16_MAX);
        for (std::int16_t s = 0; s < 6; ++s) {
            for (std::int16_t q = 0; q < 9; ++q) {
                cube.Side(s).Square(q)->SetColorIndex(static_cast<std::int16_t>(value(random)));
            }
        }
        ASSERT_FALSE(solver.Solve(cube)) << "cube " << n;
    }
}
