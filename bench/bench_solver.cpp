#include "StepCodes.h"
#include "layers/clsSolver.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>
#include <random>
#include <vector>

namespace {

constexpr std::size_t CubeCount = 4096;
constexpr int ScrambleTurns = 50;

// Cubes scrambled by random turns from a fixed seed: reachable, and far
// enough from solved to be typical.
const std::vector<std::unique_ptr<turnix::clsCube>>& RandomCubes() {
    static const auto cubes = [] {
        std::mt19937 random(2024);
        std::uniform_int_distribution<int> code(0, turnix::SideTurnCount - 1);
        std::vector<std::unique_ptr<turnix::clsCube>> made;
        for (std::size_t n = 0; n < CubeCount; ++n) {
            auto cube = std::make_unique<turnix::clsCube>();
            for (int k = 0; k < ScrambleTurns; ++k) {
                turnix::ApplyStep(*cube, static_cast<std::int16_t>(code(random)));
            }
            made.push_back(std::move(cube));
        }
        return made;
    }();
    return cubes;
}

std::size_t ActiveSteps(const turnix::clsSolver& solver) {
    return solver.ActiveSteps().size();
}

// One solve per iteration, each timed on its own, so that the median is
// reported beside the framework's mean; steps are counted outside the
// timed part.
void Solve(benchmark::State& state) {
    const auto& cubes = RandomCubes();
    turnix::clsSolver solver;
    std::vector<double> microseconds;
    std::size_t steps = 0;
    std::size_t maxSteps = 0;
    std::size_t n = 0;
    for (auto _ : state) {
        const turnix::clsCube& cube = *cubes[n++ % cubes.size()];
        const auto start = std::chrono::steady_clock::now();
        const bool solved = solver.Solve(cube);
        const auto stop = std::chrono::steady_clock::now();
        const std::chrono::duration<double> elapsed = stop - start;
        state.SetIterationTime(elapsed.count());
        microseconds.push_back(elapsed.count() * 1e6);
        if (!solved) {
            state.SkipWithError("a reachable cube was not solved");
            break;
        }
        const std::size_t count = ActiveSteps(solver);
        steps += count;
        maxSteps = std::max(maxSteps, count);
    }
    if (microseconds.empty()) {
        return;
    }
    const auto middle = microseconds.begin() + static_cast<std::ptrdiff_t>(microseconds.size() / 2);
    std::nth_element(microseconds.begin(), middle, microseconds.end());
    state.counters["median_us"] = *middle;
    state.counters["mean_steps"] = static_cast<double>(steps) / static_cast<double>(n);
    state.counters["max_steps"] = static_cast<double>(maxSteps);
}
BENCHMARK(Solve)->UseManualTime()->Unit(benchmark::kMicrosecond);

} // namespace
