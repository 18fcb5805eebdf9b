#include "SolverProbe.h"
#include "SolverTestSupport.h"

#include <gtest/gtest.h>
#include <optional>
#include <random>
#include <stdexcept>

using namespace turnix;
using namespace turnix::test;

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
