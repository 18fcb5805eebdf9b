#pragma once

#include "fewest/FewestTurns.h"
#include "layers/clsSolver.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace turnix::cli {

// The layer-by-layer solver the program uses, or the fewest-turns solver
// with its limits.
struct SolverChoice {
    bool fewestTurns{false};
    FewestTurnsLimits limits{};
};

// Solves entered cubes with the chosen solver. One per thread: it keeps a
// layer solver to reuse.
class CubeSolver {
public:
    explicit CubeSolver(const SolverChoice& chosen) : choice(chosen) {}

    // Side turns (codes 0..17) that solve the cube, empty for a solved one;
    // nothing when clsSolver::Solve refuses the cube, whichever solver runs.
    [[nodiscard]] std::optional<std::vector<std::int16_t>> Solve(const clsCube& cube);

private:
    SolverChoice choice;
    clsSolver layers;
};

} // namespace turnix::cli
