#include "CubeSolver.h"

namespace turnix::cli {

std::optional<std::vector<std::int16_t>> CubeSolver::Solve(const clsCube& cube) {
    if (choice.fewestTurns) {
        return SolveFewestTurns(cube, choice.limits);
    }
    if (!layers.Solve(cube)) {
        return std::nullopt;
    }
    return layers.ActiveSteps().Codes();
}

} // namespace turnix::cli
