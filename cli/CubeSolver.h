#pragma once

#include "fewest/FewestTurns.h"
#include "layers/clsSolver.h"
#include "optimal/OptimalSolve.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace turnix::cli {

// The layer-by-layer solver the program uses, or the fewest-turns solver
// with its limits, or the optimal solver with the threads, time limit and
// stop flag of those limits.
struct SolverChoice {
    bool fewestTurns{false};
    bool optimal{false};
    FewestTurnsLimits limits{};
    // The optimal solver's table build, in percent.
    std::function<void(int)> tableProgress;
};

// Solves entered cubes with the chosen solver. One per thread: it keeps a
// layer solver to reuse.
class CubeSolver {
public:
    explicit CubeSolver(const SolverChoice& chosen) : choice(chosen) {}

    // Side turns (codes 0..17) that solve the cube, empty for a solved one;
    // nothing when clsSolver::Solve refuses the cube, whichever solver runs,
    // or when Problem() says why the optimal solver could not.
    [[nodiscard]] std::optional<std::vector<std::int16_t>> Solve(const clsCube& cube);

    // Why the last Solve gave no steps for a cube that can be solved; empty
    // otherwise.
    [[nodiscard]] const std::string& Problem() const noexcept { return problem; }
    // Set when the optimal solver's last answer is not proven the shortest.
    [[nodiscard]] const std::string& Remark() const noexcept { return remark; }

private:
    [[nodiscard]] std::optional<std::vector<std::int16_t>> SolveOptimally(const clsCube& cube);

    SolverChoice choice;
    std::string problem;
    std::string remark;
    clsSolver layers;
};

} // namespace turnix::cli
