#include "CubeSolver.h"

namespace turnix::cli {

std::optional<std::vector<std::int16_t>> CubeSolver::Solve(const clsCube& cube) {
    if (choice.fewestTurns) {
        return SolveFewestTurns(cube, choice.limits);
    }
    if (!layers.Solve(cube)) {
        return std::nullopt;
    }
    std::vector<std::int16_t> steps;
    for (layers.MoveFirst(); !layers.IsEOF(); layers.MoveNext()) {
        steps.push_back(layers.CurrentStep());
    }
    return steps;
}

} // namespace turnix::cli
