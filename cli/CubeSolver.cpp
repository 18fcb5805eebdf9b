#include "CubeSolver.h"

namespace turnix::cli {

namespace {

std::string Megabytes(std::uint64_t bytes) {
    constexpr std::uint64_t Mega = 1024 * 1024;
    return std::to_string((bytes + Mega - 1) / Mega) + " MB";
}

} // namespace

std::optional<std::vector<std::int16_t>> CubeSolver::Solve(const clsCube& cube) {
    problem.clear();
    remark.clear();
    if (choice.optimal) {
        return SolveOptimally(cube);
    }
    if (choice.fewestTurns) {
        return SolveFewestTurns(cube, choice.limits);
    }
    if (!layers.Solve(cube)) {
        return std::nullopt;
    }
    return layers.ActiveSteps().Codes();
}

std::optional<std::vector<std::int16_t>> CubeSolver::SolveOptimally(const clsCube& cube) {
    OptimalOptions options;
    options.threads = choice.limits.threads;
    options.timeLimit = choice.limits.timeLimit;
    options.cancel = choice.limits.stop;
    if (choice.tableProgress) {
        options.progress = [this](const OptimalProgress& progress) {
            if (progress.tablePercent >= 0) {
                choice.tableProgress(progress.tablePercent);
            }
        };
    }
    const std::optional<OptimalResult> result = SolveOptimal(cube, options);
    if (!result) {
        return std::nullopt;
    }
    if (result->outcome == OptimalResult::Outcome::NoMemory) {
        problem = "the optimal solver needs " + Megabytes(result->bytesNeeded) +
                  " of memory for its table, and " + Megabytes(result->bytesFree) +
                  " are free; --short solves in about 20 turns without it";
    } else if (!result->steps) {
        problem = "stopped before any solution was found";
    } else if (result->outcome != OptimalResult::Outcome::Proven) {
        remark = "not proven the shortest: the time ran out with every solution of " +
                 std::to_string(result->depthSearched) + " turns or fewer ruled out";
    }
    return result->steps;
}

} // namespace turnix::cli
