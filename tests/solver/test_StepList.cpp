#include "SolverProbe.h"
#include "SolverTestSupport.h"

#include <gtest/gtest.h>
#include <stdexcept>

using namespace turnix;
using namespace turnix::test;

namespace {

std::vector<std::int16_t> StoredAfter(std::int16_t rotations,
                                      std::initializer_list<std::int16_t> codes) {
    clsSolver solver;
    for (std::int16_t k = 0; k < rotations; ++k) {
        SolverProbe::AddStep(solver, 21);
    }
    for (const std::int16_t code : codes) {
        SolverProbe::AddStep(solver, code);
    }
    return SolverProbe::StoredSteps(solver);
}

void ExpectEmptyList(const clsSolver& solver) {
    EXPECT_EQ(solver.Index(), 0);
    EXPECT_TRUE(solver.IsBOF());
    EXPECT_TRUE(solver.IsEOF());
    EXPECT_EQ(SolverProbe::Steps(solver), std::vector<std::int16_t>{0});
    EXPECT_EQ(SolverProbe::Active(solver), std::vector<bool>{true});
    EXPECT_EQ(SolverProbe::Rotation(solver), 0);
    EXPECT_TRUE(SolverProbe::IsRecorded(solver));
    EXPECT_FALSE(SolverProbe::FinalPass(solver));
}

} // namespace

TEST(StepList, NewAndClearedListsAreEmptyWithTheCursorAtBothEnds) {
    clsSolver solver;
    ExpectEmptyList(solver);
    solver.MoveNext();
    solver.MovePrevious();
    EXPECT_EQ(solver.Index(), 0);

    SolverProbe::SetSteps(solver, {1, 2, 3});
    SolverProbe::AddStep(solver, 21);
    solver.MoveNext();
    solver.SaveBookMark();
    solver.ClearSolution();
    ExpectEmptyList(solver);
    solver.RestoreBookMark();
    EXPECT_EQ(solver.Index(), 1) << "the bookmark survives ClearSolution";
}

TEST(StepList, RotationsMoveTheCounterAndStoreNothing) {
    clsSolver solver;
    SolverProbe::AddStep(solver, 20);
    EXPECT_EQ(SolverProbe::Rotation(solver), 3);
    for (int k = 0; k < 4; ++k) {
        SolverProbe::AddStep(solver, 21);
    }
    EXPECT_EQ(SolverProbe::Rotation(solver), 3);
    SolverProbe::AddStep(solver, 21);
    EXPECT_EQ(SolverProbe::Rotation(solver), 0);
    EXPECT_EQ(SolverProbe::LastStep(solver), 0);
}

TEST(StepList, UprightTurnsAreTranslatedIntoTheCallersOrientation) {
    EXPECT_EQ(StoredAfter(0, {0, 4, 11, 12}), (std::vector<std::int16_t>{0, 4, 11, 12}));
    EXPECT_EQ(StoredAfter(1, {0, 1, 2, 9}), (std::vector<std::int16_t>{3, 4, 5, 0}));
    EXPECT_EQ(StoredAfter(2, {0, 10, 13}), (std::vector<std::int16_t>{6, 4, 13}));
    EXPECT_EQ(StoredAfter(3, {3, 14, 15, 16, 17}), (std::vector<std::int16_t>{0, 14, 15, 16, 17}));
}

TEST(StepList, EveryStoredStepAddsOneActiveEntryBeforeTheTrailingZero) {
    clsSolver solver;
    SolverProbe::SetSteps(solver, {5, 7, 9});
    EXPECT_EQ(SolverProbe::LastStep(solver), 3);
    EXPECT_EQ(SolverProbe::Steps(solver), (std::vector<std::int16_t>{5, 7, 9, 0}));
    EXPECT_EQ(SolverProbe::Active(solver), (std::vector<bool>{true, true, true, true}));
    EXPECT_TRUE(solver.IsBOF());
    EXPECT_FALSE(solver.IsEOF());
    EXPECT_EQ(solver.CurrentStep(), 5);
}

TEST(StepList, TheCursorSkipsInactiveStepsBothWays) {
    clsSolver solver;
    SolverProbe::SetSteps(solver, {0, 1, 2, 3});
    SolverProbe::SetActive(solver, 1, false);
    SolverProbe::SetActive(solver, 2, false);
    solver.MoveNext();
    EXPECT_EQ(solver.Index(), 3);
    EXPECT_EQ(solver.CurrentStep(), 3);
    solver.MovePrevious();
    EXPECT_EQ(solver.Index(), 0);
    solver.MovePrevious();
    EXPECT_EQ(solver.Index(), 0) << "MovePrevious at the first step does nothing";

    solver.MoveNext();
    solver.MoveNext();
    EXPECT_TRUE(solver.IsEOF());
    EXPECT_EQ(solver.Index(), 4);
    EXPECT_EQ(solver.CurrentStep(), 0) << "the trailing slot";
    solver.MoveNext();
    EXPECT_EQ(solver.Index(), 4) << "MoveNext at the end does nothing";

    solver.SaveBookMark();
    solver.MoveFirst();
    EXPECT_EQ(solver.Index(), 0);
    solver.RestoreBookMark();
    EXPECT_EQ(solver.Index(), 4);
}

TEST(StepList, TheListHoldsAtMost32767StepsAndFailsLoudlyBeyond) {
    clsSolver solver;
    for (int k = 0; k < 32767; ++k) {
        SolverProbe::AddStep(solver, 12);
    }
    EXPECT_EQ(SolverProbe::LastStep(solver), 32767);
    EXPECT_THROW(SolverProbe::AddStep(solver, 12), std::length_error);
    EXPECT_EQ(SolverProbe::LastStep(solver), 32767);
    EXPECT_EQ(SolverProbe::Steps(solver).size(), 32768U);
    SolverProbe::AddStep(solver, 21);
    EXPECT_EQ(SolverProbe::Rotation(solver), 1) << "rotations store nothing, so they still count";
}

TEST(StepList, SolvingAgainReusesTheListWithoutGrowingIt) {
    std::mt19937 random(3);
    clsCube cube;
    Scramble(cube, random, 40);
    clsSolver solver;
    ASSERT_TRUE(solver.Solve(cube));
    const auto* storage = SolverProbe::Steps(solver).data();
    const std::size_t capacity = SolverProbe::Steps(solver).capacity();
    ASSERT_TRUE(solver.Solve(cube));
    EXPECT_EQ(SolverProbe::Steps(solver).data(), storage);
    EXPECT_EQ(SolverProbe::Steps(solver).capacity(), capacity);
}
