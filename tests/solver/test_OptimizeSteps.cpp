#include "SolverProbe.h"
#include "SolverTestSupport.h"

#include <gtest/gtest.h>

using namespace turnix;
using namespace turnix::test;

namespace {

using Steps = std::vector<std::int16_t>;

struct OptimizerCase {
    const char* name;
    Steps recorded;
    Steps active;          // what is left, in order
    std::int16_t first;    // intFirstStep afterwards
    std::int16_t position; // index of the first active entry
};

void PrintTo(const OptimizerCase& c, std::ostream* out) {
    *out << c.name;
}

class OptimizeStepsCase : public ::testing::TestWithParam<OptimizerCase> {};

} // namespace

TEST_P(OptimizeStepsCase, LeavesTheExpectedStepsWithTheCursorOnTheFirst) {
    const OptimizerCase& c = GetParam();
    clsSolver solver;
    SolverProbe::SetSteps(solver, {});
    for (const std::int16_t code : c.recorded) {
        SolverProbe::AddStep(solver, code);
    }
    SolverProbe::OptimizeSteps(solver);
    EXPECT_EQ(ActiveSteps(solver), c.active);
    EXPECT_EQ(SolverProbe::FirstStep(solver), c.first);
    EXPECT_EQ(solver.Index(), c.first);
    EXPECT_EQ(SolverProbe::LastStep(solver), static_cast<std::int16_t>(c.recorded.size()))
        << "nothing is deleted";
    EXPECT_EQ(solver.IsEOF(), c.active.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OptimizeStepsCase,
    ::testing::Values(OptimizerCase{"empty", {}, {}, 0, 0},
                      OptimizerCase{"three_quarter_turns", {0, 0, 0}, {1}, 2, 2},
                      OptimizerCase{"four_quarter_turns", {0, 0, 0, 0}, {}, 4, 4},
                      OptimizerCase{"folded_then_cancelled", {0, 2, 0}, {}, 3, 3},
                      OptimizerCase{"nested_pairs", {15, 0, 1, 16}, {}, 4, 4},
                      OptimizerCase{"pair_inside_a_run", {5, 2, 2, 4}, {3}, 3, 3},
                      OptimizerCase{"opposite_sides_stay", {3, 10, 4, 9}, {3, 10, 4, 9}, 0, 0},
                      OptimizerCase{"cancelled_inside", {12, 9, 10, 13, 6}, {6}, 4, 4},
                      OptimizerCase{"folds_after_start", {6, 0, 0, 2, 3}, {6, 3}, 0, 0}),
    [](const ::testing::TestParamInfo<OptimizerCase>& info) { return info.param.name; });

// The active steps do to any cube what the whole record did, and no two
// neighbouring active steps turn the same side.
TEST(OptimizeSteps, NeverChangesWhatTheStepsDoToTheCube) {
    std::mt19937 random(8);
    std::uniform_int_distribution<int> length(0, 30);
    std::uniform_int_distribution<int> kind(0, 2);
    std::uniform_int_distribution<int> group(0, 2); // few sides, so many merge
    clsSolver solver;
    for (int n = 0; n < 2000; ++n) {
        Steps recorded(static_cast<std::size_t>(length(random)));
        for (std::int16_t& code : recorded) {
            code = static_cast<std::int16_t>(3 * (group(random) * 2) + kind(random));
        }
        SolverProbe::SetSteps(solver, {});
        for (const std::int16_t code : recorded) {
            SolverProbe::AddStep(solver, code);
        }
        SolverProbe::OptimizeSteps(solver);
        const Steps active = ActiveSteps(solver);

        clsCube byRecord;
        MarkEverySquare(byRecord);
        ApplySteps(byRecord, recorded);
        clsCube byActive;
        MarkEverySquare(byActive);
        ApplySteps(byActive, active);
        ASSERT_EQ(ColorsOf(byActive), ColorsOf(byRecord)) << "list " << n;
        for (std::size_t k = 1; k < active.size(); ++k) {
            ASSERT_NE(active[k - 1] / 3, active[k] / 3) << "list " << n;
        }
    }
}
