#include "BenchCubes.h"
#include "fewest/Tables.h"
#include "optimal/DistanceTable.h"
#include "optimal/OptimalSolve.h"
#include "optimal/TableStore.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <string>

namespace {

// Random cubes take tens of seconds each: a few by default, more with
// TURNIX_BENCH_OPTIMAL_CUBES=N.
std::size_t OptimalCubeCount() {
    const char* const asked = std::getenv("TURNIX_BENCH_OPTIMAL_CUBES");
    return asked != nullptr ? std::strtoul(asked, nullptr, 10) : 3;
}

// The large table read back from the per-user cache (made there first if it
// is not yet), checked and ready.
void OptimalTableLoad(benchmark::State& state) {
    const turnix::OptimalResult warm = turnix::SolveOptimal(turnix::Arrangement{});
    if (warm.outcome == turnix::OptimalResult::Outcome::NoMemory) {
        state.SkipWithError("not enough memory for the table");
        return;
    }
    const turnix::TableCache cache(turnix::TableCache::UserFolder(), std::cerr);
    const auto& tables = turnix::fewest::Tables::Get();
    bool built = false;
    std::chrono::duration<double, std::milli> total{0};
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const auto table = turnix::optimal::LoadOrBuildDistanceTable(
            cache, turnix::optimal::DistanceTable::Kind::Full, tables, [&built] {
                built = true;
                return std::optional<turnix::optimal::DistanceTable>();
            });
        total += std::chrono::steady_clock::now() - start;
        benchmark::DoNotOptimize(table);
    }
    if (built) {
        state.SkipWithError("the table was not in the cache");
    }
    state.counters["load_ms"] = total.count() / static_cast<double>(state.iterations());
    state.counters["table_mb"] =
        static_cast<double>(turnix::OptimalTableBytes()) / (1024.0 * 1024.0);
}
BENCHMARK(OptimalTableLoad)->Unit(benchmark::kMillisecond)->Iterations(3);

// Random cubes one after another on all cores, each timed, with the
// distribution of times and lengths.
void OptimalSolve(benchmark::State& state) {
    const auto cubes = turnix::bench::RandomArrangements(OptimalCubeCount(), 20);
    static_cast<void>(turnix::SolveOptimal(turnix::Arrangement{}));
    std::vector<double> seconds;
    std::vector<double> turns;
    for (auto _ : state) {
        seconds.clear();
        turns.clear();
        for (const turnix::Arrangement& cube : cubes) {
            const auto start = std::chrono::steady_clock::now();
            const turnix::OptimalResult result = turnix::SolveOptimal(cube);
            const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
            if (result.outcome != turnix::OptimalResult::Outcome::Proven) {
                state.SkipWithError("a cube was not solved");
                return;
            }
            seconds.push_back(elapsed.count());
            turns.push_back(static_cast<double>(result.steps->size()));
            std::cerr << "cube " << seconds.size() << ": " << turns.back() << " turns, "
                      << seconds.back() << " s\n";
        }
    }
    using turnix::bench::Percentile;
    state.counters["cubes"] = static_cast<double>(cubes.size());
    state.counters["median_s"] = Percentile(seconds, 0.5);
    state.counters["max_s"] = Percentile(seconds, 1.0);
    state.counters["min_s"] = Percentile(seconds, 0.0);
    state.counters["median_turns"] = Percentile(turns, 0.5);
}
BENCHMARK(OptimalSolve)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

} // namespace
