#include "SolverProbe.h"
#include "SolverTestSupport.h"

#include <gtest/gtest.h>
#include <stdexcept>

using namespace turnix;
using namespace turnix::test;

using Steps = std::vector<std::int16_t>;

TEST(StepList, ClearingEmptiesTheListButKeepsTheBookmark) {
    clsSolver solver;
    for (const std::int16_t code : {1, 2, 3, 21}) {
        SolverProbe::AddStep(solver, code);
    }
    EXPECT_EQ(SolverProbe::Steps(solver), (Steps{1, 2, 3, 0}));
    EXPECT_EQ(SolverProbe::Active(solver), (std::vector<bool>{true, true, true, true}));
    solver.MoveNext();
    solver.SaveBookMark();
    solver.ClearSolution();
    EXPECT_EQ(SolverProbe::Steps(solver), Steps{0});
    EXPECT_EQ(SolverProbe::Rotation(solver), 0);
    EXPECT_TRUE(solver.IsBOF() && solver.IsEOF());
    solver.MoveNext();
    solver.MovePrevious();
    EXPECT_EQ(solver.Index(), 0);
    solver.RestoreBookMark();
    EXPECT_EQ(solver.Index(), 1);
}

// After r rotations to the right the user's side r places on in the cycle
// Front, Left, Back, Right is at the working cube's front.
TEST(StepList, TurnsAreStoredInTheCallersOrientation) {
    const auto stored = [](std::initializer_list<std::int16_t> codes) {
        clsSolver solver;
        for (const std::int16_t code : codes) {
            SolverProbe::AddStep(solver, code);
        }
        return std::pair{SolverProbe::Stored(solver), SolverProbe::Rotation(solver)};
    };
    EXPECT_EQ(stored({20}), std::pair(Steps{}, std::int16_t{3}));
    EXPECT_EQ(stored({21, 21, 21, 21, 21}), std::pair(Steps{}, std::int16_t{1}));
    EXPECT_EQ(stored({0, 4, 11, 12}), std::pair(Steps{0, 4, 11, 12}, std::int16_t{0}));
    EXPECT_EQ(stored({21, 0, 2, 9}), std::pair(Steps{3, 5, 0}, std::int16_t{1}));
    EXPECT_EQ(stored({21, 21, 0, 10, 13}), std::pair(Steps{6, 4, 13}, std::int16_t{2}));
    EXPECT_EQ(stored({20, 3, 17, 21, 3}), std::pair(Steps{0, 17, 3}, std::int16_t{0}));
}

TEST(StepList, TheCursorSkipsInactiveStepsAndStopsAtBothEnds) {
    clsSolver solver;
    for (const std::int16_t code : {0, 1, 2, 3}) {
        SolverProbe::AddStep(solver, code);
    }
    SolverProbe::SetActive(solver, 1, false);
    SolverProbe::SetActive(solver, 2, false);
    solver.MoveNext();
    EXPECT_EQ(solver.Index(), 3);
    solver.MovePrevious();
    solver.MovePrevious();
    EXPECT_EQ(solver.Index(), 0);
    solver.MoveNext();
    solver.MoveNext();
    solver.MoveNext();
    EXPECT_EQ(solver.Index(), 4);
    EXPECT_TRUE(solver.IsEOF());
    EXPECT_EQ(solver.CurrentStep(), 0) << "the trailing slot";
}

TEST(StepList, TheListHoldsAtMost32767StepsAndFailsLoudlyBeyond) {
    clsSolver solver;
    for (int k = 0; k < 32767; ++k) {
        SolverProbe::AddStep(solver, 12);
    }
    EXPECT_THROW(SolverProbe::AddStep(solver, 12), std::length_error);
    EXPECT_EQ(SolverProbe::LastStep(solver), 32767);
    EXPECT_EQ(SolverProbe::Steps(solver).size(), 32768U);
}

TEST(StepList, SolvingAgainReusesTheListsStorage) {
    std::mt19937 random(3);
    clsCube cube;
    Scramble(cube, random, 40);
    clsSolver solver;
    ASSERT_TRUE(solver.Solve(cube));
    const auto* storage = SolverProbe::Steps(solver).data();
    ASSERT_TRUE(solver.Solve(cube));
    EXPECT_EQ(SolverProbe::Steps(solver).data(), storage);
}
