#include "SolverProbe.h"
#include "SolverTestSupport.h"

#include <gtest/gtest.h>
#include <numeric>
#include <random>
#include <span>

using namespace turnix;
using namespace turnix::test;
using namespace turnix::side;

namespace {

constexpr int CubeCount = 20000;

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

// The centre check must cover every colour: with 5 shown as 7 everywhere,
// centre included, each piece still matches its centres.
TEST(Solve, AnOtherwiseSolvableCubeWithoutTheColour5IsRefused) {
    clsCube cube;
    for (const std::int16_t code :
         std::initializer_list<std::int16_t>{9, 12, 2, 16, 7, 3, 13, 11}) {
        ApplyStep(cube, code);
    }
    for (std::int16_t s = 0; s < 6; ++s) {
        for (std::int16_t q = 0; q < 9; ++q) {
            const auto& square = cube.Side(s).Square(q);
            if (square->ColorIndex() == 5) {
                square->SetColorIndex(7);
            }
        }
    }
    clsSolver solver;
    EXPECT_FALSE(solver.Solve(cube));
}

namespace {

// Turns from a fixed seed, with the generator's own numbers, which the
// standard fixes, so that the scrambles are the same everywhere.
Steps SeededScramble(std::mt19937& random, int turns) {
    Steps scramble;
    for (int k = 0; k < turns; ++k) {
        scramble.push_back(static_cast<std::int16_t>(random() % SideTurnCount));
    }
    return scramble;
}

Steps SolutionAfter(clsSolver& solver, const Steps& scramble) {
    clsCube cube;
    for (const std::int16_t code : scramble) {
        ApplyStep(cube, code);
    }
    EXPECT_TRUE(solver.Solve(cube));
    return ActiveSteps(solver);
}

} // namespace

// Any change to the choices of the stages shows here, even one whose
// solutions still solve: all 2,000 lists at once, through one FNV-1a hash.
TEST(Solve, TheStepListsOf2000SeededScramblesStayAsTheyAre) {
    std::mt19937 random(1234);
    clsSolver solver;
    std::uint64_t hash = 14695981039346656037ULL;
    const auto mix = [&hash](unsigned value) {
        hash = (hash ^ value) * 1099511628211ULL;
    };
    for (int n = 0; n < 2000; ++n) {
        for (const std::int16_t code : SolutionAfter(solver, SeededScramble(random, 25))) {
            mix(static_cast<unsigned>(code));
        }
        mix(0xFFU);
    }
    EXPECT_EQ(hash, 11883121313745078953ULL);
}

namespace {

[[nodiscard]] bool Home(const CubeColors& colors, std::span<const SquareAt> squares) {
    return std::ranges::all_of(squares, [&colors](SquareAt at) {
        const auto& side = colors.at(static_cast<std::size_t>(at.side));
        return side.at(static_cast<std::size_t>(at.square)) == side[4];
    });
}

// The pieces of the stages up to this one are home and turned right: the
// top edges, the top corners, the middle edges, the bottom corners, then
// the whole cube.
[[nodiscard]] bool StagesFinished(const CubeColors& colors, std::size_t stage) {
    const auto edgesHome = [&colors](std::size_t from) {
        return std::all_of(EdgeSquares.begin() + static_cast<std::ptrdiff_t>(from),
                           EdgeSquares.begin() + static_cast<std::ptrdiff_t>(from + 4),
                           [&colors](const auto& squares) { return Home(colors, squares); });
    };
    const auto cornersHome = [&colors](std::size_t from) {
        return std::all_of(CornerSquares.begin() + static_cast<std::ptrdiff_t>(from),
                           CornerSquares.begin() + static_cast<std::ptrdiff_t>(from + 4),
                           [&colors](const auto& squares) { return Home(colors, squares); });
    };
    return edgesHome(0) && (stage < 1 || cornersHome(0)) && (stage < 2 || edgesHome(8)) &&
           (stage < 3 || cornersHome(4)) && (stage < 4 || IsSolved(colors));
}

struct IndexedStep {
    std::int16_t index;
    std::int16_t code;
    std::int16_t stage;
};

[[nodiscard]] std::vector<IndexedStep> StagedSteps(const clsSolver& solver) {
    std::vector<IndexedStep> steps;
    for (const ActiveStep step : solver.ActiveSteps()) {
        steps.push_back({step.index, step.code, *solver.StageOf(step.index)});
    }
    return steps;
}

[[nodiscard]] Steps CodesWhere(const std::vector<IndexedStep>& steps, auto keep) {
    Steps codes;
    for (const IndexedStep& step : steps) {
        if (keep(step)) {
            codes.push_back(step.code);
        }
    }
    return codes;
}

} // namespace

// The stages run one by one through the probe give where each one's steps
// end. A boundary is crossed where the active steps before it no longer do
// what the stages before it did, because the optimiser folded or cancelled
// a turn across it; a folded turn then counts for the earlier stage, so
// only the first active step after a crossed boundary can change stage.
TEST(Solve, ReplayingTheStepsOfEachStageFinishesItsPieces) {
    std::mt19937 random(31);
    clsSolver solver;
    clsSolver stages;
    int crossed = 0;
    int movedBack = 0;
    for (int n = 0; n < 1000; ++n) {
        const Steps scramble = SeededScramble(random, 30);
        clsCube cube;
        for (const std::int16_t code : scramble) {
            ApplyStep(cube, code);
        }
        ASSERT_TRUE(solver.Solve(cube));
        SolverProbe::Load(stages, cube);
        std::array<std::int16_t, StageCount> ends{};
        SolverProbe::SolveStage1(stages);
        ends[0] = SolverProbe::LastStep(stages);
        SolverProbe::SolveStage2(stages);
        ends[1] = SolverProbe::LastStep(stages);
        SolverProbe::SolveStage3(stages);
        ends[2] = SolverProbe::LastStep(stages);
        ASSERT_TRUE(SolverProbe::SolveStage4(stages));
        ends[3] = SolverProbe::LastStep(stages);
        ASSERT_TRUE(SolverProbe::SolveStage5(stages));
        ends[4] = SolverProbe::LastStep(stages);
        const Steps recorded = SolverProbe::Stored(stages);

        const std::vector<IndexedStep> steps = StagedSteps(solver);
        std::array<bool, StageCount> crossedAt{};
        for (std::size_t k = 0; k < StageCount; ++k) {
            const CubeColors before =
                After(cube, Steps(recorded.begin(), recorded.begin() + ends[k]));
            ASSERT_TRUE(StagesFinished(before, k)) << "scramble " << n << ", stage " << k;
            crossedAt[k] = After(cube, CodesWhere(steps, [&](const IndexedStep& step) {
                                     return step.index < ends[k];
                                 })) != before;
            if (!crossedAt[k]) {
                EXPECT_TRUE(StagesFinished(
                    After(cube, CodesWhere(steps,
                                           [k](const IndexedStep& step) {
                                               return static_cast<std::size_t>(step.stage) <= k;
                                           })),
                    k))
                    << "scramble " << n << ", stage " << k;
            }
            crossed += crossedAt[k] ? 1 : 0;
        }
        for (std::size_t i = 0; i < steps.size(); ++i) {
            const auto recordedBy = static_cast<std::int16_t>(
                std::ranges::upper_bound(ends, steps[i].index) - ends.begin());
            if (steps[i].stage == recordedBy) {
                continue;
            }
            ++movedBack;
            const auto stage = static_cast<std::size_t>(steps[i].stage);
            EXPECT_TRUE(steps[i].stage < recordedBy && crossedAt[stage] &&
                        (i == 0 || steps[i - 1].index < ends[stage]))
                << "scramble " << n << ", step " << i;
        }
    }
    EXPECT_LT(crossed, 1000) << "of 4,000 boundaries between stages";
    EXPECT_GT(movedBack, 0) << "folds across a boundary";
}
