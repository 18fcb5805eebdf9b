#include "SolverProbe.h"
#include "SolverTestSupport.h"

#include <gtest/gtest.h>
#include <map>
#include <numeric>
#include <optional>
#include <random>
#include <span>
#include <stdexcept>

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

namespace {

// All solved but the bottom corners: piece pieceIn[k] (0..3) in the stage's
// position k (front-left, front-right, back-right, back-left), twisted as
// given.
clsCube BottomCorners(const std::array<int, 4>& pieceIn, const std::array<int, 4>& twist) {
    constexpr std::array<std::size_t, 4> Position{5, 4, 7, 6}; // in CornerSquares
    Arrangement arrangement;
    for (std::size_t k = 0; k < 4; ++k) {
        arrangement.corner.at(Position[k]) =
            static_cast<int>(Position.at(static_cast<std::size_t>(pieceIn[k])));
        arrangement.twist.at(Position[k]) = twist[k];
    }
    return CubeOf(arrangement);
}

// All solved but the bottom edges: piece pieceIn[k] (0..3) in the stage's
// position k (front, left, back, right), flipped as given.
clsCube BottomEdges(const std::array<int, 4>& pieceIn, const std::array<int, 4>& flip) {
    constexpr std::array<std::size_t, 4> Position{5, 6, 7, 4}; // in EdgeSquares
    Arrangement arrangement;
    for (std::size_t k = 0; k < 4; ++k) {
        arrangement.edge.at(Position[k]) =
            static_cast<int>(Position.at(static_cast<std::size_t>(pieceIn[k])));
        arrangement.flip.at(Position[k]) = flip[k];
    }
    return CubeOf(arrangement);
}

// The placement string names the pieces (1..4) in positions 1, 2 and 3.
Steps StoredFor(std::string_view placement) {
    const int first = placement[0] - '1';
    const int second = placement[1] - '1';
    const int third = placement[2] - '1';
    clsSolver solver;
    SolverProbe::Load(solver,
                      BottomCorners({first, second, third, 6 - first - second - third}, {}));
    EXPECT_TRUE(SolverProbe::SolveStage4(solver));
    return SolverProbe::Stored(solver);
}

// Every square but those of the bottom edges (DR, DF, DL, DB) shows its
// centre's colour.
bool AllButBottomEdgesMatch(CubeColors colors) {
    for (std::size_t position = 4; position < 8; ++position) {
        for (const SquareAt at : EdgeSquares[position]) {
            auto& side = colors.at(static_cast<std::size_t>(at.side));
            side.at(static_cast<std::size_t>(at.square)) = side[4];
        }
    }
    return IsSolved(colors);
}

} // namespace

// The stages' step choices are pinned by the step lists of 2,000 scrambles
// (test_Solve); these rows pin the records that the optimiser folds away.
TEST(SolveStage4, PlacementRowsRecordTheirMovesInTheCallersOrientation) {
    EXPECT_EQ(StoredFor("412"), Steps{16});
    EXPECT_EQ(StoredFor("234"), Steps{15});
    EXPECT_EQ(StoredFor("341"), Steps{17});
    // One rotation to the right, then the front exchange.
    const Steps exchange = StoredFor("423");
    ASSERT_GE(exchange.size(), 10U);
    EXPECT_EQ(Steps(exchange.begin(), exchange.begin() + 10),
              (Steps{1, 16, 0, 3, 15, 4, 1, 15, 0, 17}));
}

// Every arrangement and twist of the four bottom corners: the stage ends,
// and succeeds exactly when the twists add up to whole turns. With the
// corners in place, 8 twist states take one twist, 18 take two, and the
// 54 others fail at once.
TEST(SolveStage4, AllBottomCornerStatesEndAndTheSolvableOnesSucceedWithin27Steps) {
    std::array<int, 4> pieceIn{0, 1, 2, 3};
    clsSolver solver;
    int solved = 0;
    std::map<std::pair<bool, std::size_t>, int> placedByOutcome;
    do {
        for (int code = 0; code < 81; ++code) {
            const std::array<int, 4> twist{code % 3, code / 3 % 3, code / 9 % 3, code / 27};
            const bool solvable = (twist[0] + twist[1] + twist[2] + twist[3]) % 3 == 0;
            const clsCube cube = BottomCorners(pieceIn, twist);
            SolverProbe::Load(solver, cube);
            ASSERT_EQ(SolverProbe::SolveStage4(solver), solvable) << "twist code " << code;
            const Steps stored = SolverProbe::Stored(solver);
            if (pieceIn == std::array{0, 1, 2, 3}) {
                ++placedByOutcome[{solvable, stored.size()}];
            }
            if (solvable) {
                ++solved;
                EXPECT_LE(stored.size(), 27U);
                const clsCube& work = SolverProbe::Work(solver);
                EXPECT_TRUE(AllButBottomEdgesMatch(ColorsOf(work)));
                EXPECT_EQ(After(cube, stored),
                          After(work, Steps(static_cast<std::size_t>(SolverProbe::Rotation(solver)),
                                            step::RotateLeft)));
            }
        }
    } while (std::next_permutation(pieceIn.begin(), pieceIn.end()));
    EXPECT_EQ(solved, 648);
    EXPECT_EQ(placedByOutcome,
              (std::map<std::pair<bool, std::size_t>, int>{
                  {{true, 0}, 1}, {{true, 8}, 8}, {{true, 16}, 18}, {{false, 0}, 54}}));
}

// Every arrangement and flip of the four bottom edges: the stage ends, and
// succeeds exactly for even arrangements with an even number of flips; two
// edges exchanged on their own or four in a cycle fail, and so do flips
// that record nothing when the edges are in place.
TEST(SolveStage5, AllBottomEdgeStatesEndAndTheSolvableOnesSucceedWithin52Steps) {
    std::array<int, 4> pieceIn{0, 1, 2, 3};
    clsSolver solver;
    int solved = 0;
    do {
        for (int code = 0; code < 16; ++code) {
            const std::array<int, 4> flip{code & 1, code >> 1 & 1, code >> 2 & 1, code >> 3 & 1};
            const bool solvable =
                !IsOdd(pieceIn) && (flip[0] + flip[1] + flip[2] + flip[3]) % 2 == 0;
            const clsCube cube = BottomEdges(pieceIn, flip);
            SolverProbe::Load(solver, cube);
            ASSERT_EQ(SolverProbe::SolveStage5(solver), solvable) << "flip code " << code;
            const Steps stored = SolverProbe::Stored(solver);
            if (!solvable && pieceIn == std::array{0, 1, 2, 3}) {
                EXPECT_EQ(stored, Steps{}) << "flip code " << code;
            }
            if (solvable) {
                ++solved;
                EXPECT_LE(stored.size(), 52U);
                EXPECT_TRUE(IsSolved(ColorsOf(SolverProbe::Work(solver))));
                EXPECT_TRUE(IsSolved(After(cube, stored)));
            }
        }
    } while (std::next_permutation(pieceIn.begin(), pieceIn.end()));
    EXPECT_EQ(solved, 96);
}

namespace {

void Record(clsSolver& solver, const Steps& codes) {
    solver.ClearSolution();
    for (const std::int16_t code : codes) {
        SolverProbe::AddStep(solver, code);
    }
}

// The active steps left by the optimisation pass and the first of them,
// where the cursor must stand. Nothing is deleted, and the active steps do
// to any cube what the whole record did.
std::pair<Steps, std::int16_t> Optimize(const Steps& recorded) {
    clsSolver solver;
    Record(solver, recorded);
    SolverProbe::OptimizeSteps(solver);
    EXPECT_EQ(solver.Index(), SolverProbe::FirstStep(solver));
    EXPECT_EQ(SolverProbe::Stored(solver).size(), recorded.size());
    const Steps active = ActiveSteps(solver);
    clsCube marked;
    MarkEverySquare(marked);
    EXPECT_EQ(After(marked, active), After(marked, recorded));
    return {active, SolverProbe::FirstStep(solver)};
}

} // namespace

// After r rotations to the right the user's side r places on in the cycle
// Front, Left, Back, Right is at the working cube's front.
TEST(StepList, TurnsAreStoredInTheCallersOrientationAndRotationsOnlyCounted) {
    clsSolver solver;
    const auto stored = [&solver](const Steps& codes) {
        Record(solver, codes);
        return std::pair{SolverProbe::Stored(solver), SolverProbe::Rotation(solver)};
    };
    EXPECT_EQ(stored({20}), std::pair(Steps{}, std::int16_t{3}));
    EXPECT_EQ(stored({21, 21, 21, 21, 21}), std::pair(Steps{}, std::int16_t{1}));
    EXPECT_EQ(stored({0, 4, 11, 12}), std::pair(Steps{0, 4, 11, 12}, std::int16_t{0}));
    EXPECT_EQ(stored({21, 0, 2, 9}), std::pair(Steps{3, 5, 0}, std::int16_t{1}));
    EXPECT_EQ(stored({21, 21, 0, 10, 13}), std::pair(Steps{6, 4, 13}, std::int16_t{2}));
    EXPECT_EQ(stored({20, 3, 17, 21, 3}), std::pair(Steps{0, 17, 3}, std::int16_t{0}));
}

// Optimising 9, 0, 1, 3 removes the two steps in the middle.
TEST(StepList, TheCursorSkipsRemovedStepsAndStopsAtBothEndsAndClearingKeepsTheBookmark) {
    clsSolver solver;
    Record(solver, {9, 0, 1, 3});
    SolverProbe::OptimizeSteps(solver);
    solver.MoveNext();
    EXPECT_EQ(solver.Index(), 3);
    solver.SaveBookMark();
    solver.MovePrevious();
    EXPECT_EQ(solver.Index(), 0);
    solver.MoveNext();
    solver.MoveNext();
    solver.MoveNext();
    EXPECT_EQ(solver.Index(), 4);
    EXPECT_TRUE(solver.IsEOF());
    EXPECT_EQ(solver.CurrentStep(), 0) << "the trailing slot";

    solver.ClearSolution();
    EXPECT_EQ(SolverProbe::Stored(solver), Steps{});
    EXPECT_TRUE(solver.IsBOF() && solver.IsEOF());
    solver.MoveNext();
    solver.MovePrevious();
    EXPECT_EQ(solver.Index(), 0);
    solver.RestoreBookMark();
    EXPECT_EQ(solver.Index(), 3);
}

// Random records with many neighbouring turns of one side, so that the
// optimisation leaves gaps, also at the start; the views must split the
// cursor's own walk at every position it stops at, and reading them must
// leave the cursor where it is.
TEST(StepList, TheViewsOfTheActiveStepsSplitTheCursorsWalkWhereverItStands) {
    std::mt19937 random(19);
    for (int round = 0; round < 200; ++round) {
        Steps recorded(random() % 12);
        for (std::int16_t& code : recorded) {
            code = static_cast<std::int16_t>(random() % 6); // front and left only
        }
        clsSolver solver;
        Record(solver, recorded);
        SolverProbe::OptimizeSteps(solver);
        std::vector<ActiveStep> walked;
        for (solver.MoveFirst(); !solver.IsEOF(); solver.MoveNext()) {
            walked.push_back({solver.Index(), solver.CurrentStep()});
        }
        const auto steps = [](const ActiveStepView& view) {
            return std::vector<ActiveStep>(view.begin(), view.end());
        };
        ASSERT_EQ(steps(solver.ActiveSteps()), walked);
        solver.MoveFirst();
        for (std::size_t done = 0; done <= walked.size(); ++done, solver.MoveNext()) {
            const std::int16_t cursor = solver.Index();
            EXPECT_EQ(steps(solver.StepsBeforeCursor()),
                      std::vector<ActiveStep>(walked.begin(), walked.begin() + long(done)));
            EXPECT_EQ(steps(solver.StepsFromCursor()),
                      std::vector<ActiveStep>(walked.begin() + long(done), walked.end()));
            EXPECT_EQ(solver.StepsBeforeCursor().size() + solver.StepsFromCursor().size(),
                      walked.size());
            ASSERT_EQ(solver.Index(), cursor);
        }
    }
}

TEST(StepList, TheListHoldsAtMost32767StepsAndFailsLoudlyBeyond) {
    clsSolver solver;
    Record(solver, Steps(32767, 12));
    EXPECT_THROW(SolverProbe::AddStep(solver, 12), std::length_error);
    EXPECT_EQ(SolverProbe::LastStep(solver), 32767);
}

// Between them the cases use all nine rules for two turns of one side.
TEST(OptimizeSteps, FoldsAndCancelsTurnsOfOneSideAndNothingElse) {
    using Optimized = std::pair<Steps, std::int16_t>;
    EXPECT_EQ(Optimize({}), Optimized({}, 0));
    EXPECT_EQ(Optimize({0, 0, 0}), Optimized({1}, 2));
    EXPECT_EQ(Optimize({0, 0, 0, 0}), Optimized({}, 4));
    EXPECT_EQ(Optimize({0, 2, 0}), Optimized({}, 3));
    EXPECT_EQ(Optimize({15, 0, 1, 16}), Optimized({}, 4));
    EXPECT_EQ(Optimize({5, 2, 2, 4}), Optimized({3}, 3));
    EXPECT_EQ(Optimize({3, 10, 4, 9}), Optimized({3, 10, 4, 9}, 0));
    EXPECT_EQ(Optimize({12, 9, 10, 13, 6}), Optimized({6}, 4));
    EXPECT_EQ(Optimize({13, 4, 4, 5, 13}), Optimized({14}, 4));
    EXPECT_EQ(Optimize({6, 1, 2, 3}), Optimized({6, 0, 3}, 0));
}

namespace {

using StagedStep = std::pair<std::int16_t, std::int16_t>; // code, stage

// Records each stage's codes after beginning it, optimises, and gives the
// active steps with their stages.
std::vector<StagedStep> StagesAfterOptimizing(const std::vector<Steps>& stages) {
    clsSolver solver;
    solver.ClearSolution();
    for (std::size_t k = 0; k < stages.size(); ++k) {
        SolverProbe::BeginStage(solver, k);
        for (const std::int16_t code : stages[k]) {
            SolverProbe::AddStep(solver, code);
        }
    }
    SolverProbe::OptimizeSteps(solver);
    std::vector<StagedStep> staged;
    for (solver.MoveFirst(); !solver.IsEOF(); solver.MoveNext()) {
        staged.emplace_back(solver.CurrentStep(), solver.StageOf(solver.Index()).value_or(-1));
    }
    EXPECT_EQ(solver.StageOf(solver.Index()), std::nullopt) << "the end position";
    EXPECT_EQ(solver.StageOf(-1), std::nullopt);
    return staged;
}

} // namespace

// A fold across a boundary, also after a cancelled pair or over a stage
// with no step, counts for the earlier stage; a pair cancelled across it
// leaves both stages as they were.
TEST(StepList, ATurnFoldedAcrossAStageBoundaryCountsForTheEarlierStage) {
    using Staged = std::vector<StagedStep>;
    EXPECT_EQ(StagesAfterOptimizing({{0}, {3}, {6}, {9}, {12}}),
              (Staged{{0, 0}, {3, 1}, {6, 2}, {9, 3}, {12, 4}}));
    EXPECT_EQ(StagesAfterOptimizing({{0, 12}, {12, 3}}), (Staged{{0, 0}, {14, 0}, {3, 1}}));
    EXPECT_EQ(StagesAfterOptimizing({{9}, {9, 9, 12}}), (Staged{{10, 0}, {12, 1}}));
    EXPECT_EQ(StagesAfterOptimizing({{0}, {}, {0, 3}}), (Staged{{2, 0}, {3, 2}}));
    EXPECT_EQ(StagesAfterOptimizing({{0, 12}, {13, 0, 3}}), (Staged{{2, 0}, {3, 1}}));
    EXPECT_EQ(StagesAfterOptimizing({{0, 12}, {13, 1, 3}}), (Staged{{3, 1}}));
    EXPECT_EQ(StagesAfterOptimizing({{9, 12}, {3}, {4}, {6}}), (Staged{{9, 0}, {12, 0}, {6, 3}}));
    EXPECT_EQ(clsSolver{}.StageOf(0), std::nullopt) << "no steps yet";
}

// A list found by another solver replaces a solution: every step active, the
// cursor on the first, no stage; a bad list leaves nothing behind.
TEST(StepList, ALoadedListReplacesTheOldOneAndBelongsToNoStage) {
    clsCube scrambled;
    for (const std::int16_t code : Steps{0, 4, 9, 13, 15, 7}) {
        ApplyStep(scrambled, code);
    }
    clsSolver solver;
    ASSERT_TRUE(solver.Solve(scrambled));
    solver.MoveNext();
    const Steps loaded{9, 12, 17, 0, 9};
    solver.LoadSteps(loaded);
    EXPECT_EQ(SolverProbe::Stored(solver), loaded);
    EXPECT_TRUE(solver.IsBOF() && !solver.IsEOF());
    EXPECT_EQ(ActiveSteps(solver), loaded);
    for (std::int16_t i = 0; i <= 5; ++i) {
        EXPECT_EQ(solver.StageOf(i), std::nullopt) << i;
    }

    solver.LoadSteps({});
    EXPECT_TRUE(solver.IsBOF() && solver.IsEOF());
    for (const Steps& bad : {Steps{0, 18}, Steps{-1}}) {
        solver.LoadSteps(loaded);
        EXPECT_THROW(solver.LoadSteps(bad), std::invalid_argument);
        EXPECT_EQ(SolverProbe::Stored(solver), Steps{});
    }
    EXPECT_THROW(solver.LoadSteps(Steps(32768, 12)), std::length_error);
    solver.LoadSteps(Steps(32767, 12));
    EXPECT_EQ(SolverProbe::LastStep(solver), 32767);
    ASSERT_TRUE(solver.Solve(scrambled));
    EXPECT_EQ(solver.StageOf(solver.Index()), 0) << "a solve has stages again";
}
