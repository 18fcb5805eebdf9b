#include "SolverProbe.h"
#include "SolverTestSupport.h"

#include <gtest/gtest.h>

using namespace turnix;
using namespace turnix::test;

namespace {

using Steps = std::vector<std::int16_t>;

struct Optimized {
    Steps active;
    std::int16_t first; // intFirstStep, where the cursor also stands

    friend bool operator==(const Optimized&, const Optimized&) = default;
    friend void PrintTo(const Optimized& o, std::ostream* out) {
        *out << ::testing::PrintToString(o.active) << " from " << o.first;
    }
};

Optimized Optimize(const Steps& recorded, clsSolver& solver) {
    solver.ClearSolution();
    for (const std::int16_t code : recorded) {
        SolverProbe::AddStep(solver, code);
    }
    SolverProbe::OptimizeSteps(solver);
    EXPECT_EQ(solver.Index(), SolverProbe::FirstStep(solver));
    return {ActiveSteps(solver), SolverProbe::FirstStep(solver)};
}

} // namespace

TEST(OptimizeSteps, FoldsAndCancelsTurnsOfOneSideAndNothingElse) {
    clsSolver solver;
    EXPECT_EQ(Optimize({}, solver), (Optimized{{}, 0}));
    EXPECT_EQ(Optimize({0, 0, 0}, solver), (Optimized{{1}, 2}));
    EXPECT_EQ(Optimize({0, 0, 0, 0}, solver), (Optimized{{}, 4}));
    EXPECT_EQ(Optimize({0, 2, 0}, solver), (Optimized{{}, 3}));
    EXPECT_EQ(Optimize({15, 0, 1, 16}, solver), (Optimized{{}, 4}));
    EXPECT_EQ(Optimize({5, 2, 2, 4}, solver), (Optimized{{3}, 3}));
    EXPECT_EQ(Optimize({3, 10, 4, 9}, solver), (Optimized{{3, 10, 4, 9}, 0}));
    EXPECT_EQ(Optimize({12, 9, 10, 13, 6}, solver), (Optimized{{6}, 4}));
    EXPECT_EQ(Optimize({6, 0, 0, 2, 3}, solver), (Optimized{{6, 3}, 0}));
    EXPECT_TRUE(solver.IsBOF());
    EXPECT_EQ(SolverProbe::LastStep(solver), 5) << "nothing is deleted";
}

// The active steps do to any cube what the whole record did, and no two
// neighbouring active steps turn the same side.
TEST(OptimizeSteps, NeverChangesWhatTheStepsDoToTheCube) {
    std::mt19937 random(8);
    std::uniform_int_distribution<int> length(0, 30);
    std::uniform_int_distribution<int> code(0, 8); // front, left, back: many merges
    clsSolver solver;
    for (int n = 0; n < 2000; ++n) {
        Steps recorded(static_cast<std::size_t>(length(random)));
        for (std::int16_t& step : recorded) {
            step = static_cast<std::int16_t>(code(random));
        }
        const Steps active = Optimize(recorded, solver).active;
        clsCube byRecord;
        MarkEverySquare(byRecord);
        clsCube byActive = CopyOf(byRecord);
        ApplySteps(byRecord, recorded);
        ApplySteps(byActive, active);
        ASSERT_EQ(ColorsOf(byActive), ColorsOf(byRecord)) << "list " << n;
        for (std::size_t k = 1; k < active.size(); ++k) {
            ASSERT_NE(active[k - 1] / 3, active[k] / 3) << "list " << n;
        }
    }
}
