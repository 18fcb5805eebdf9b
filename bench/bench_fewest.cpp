#include "BenchCubes.h"
#include "fewest/DirectSearch.h"
#include "fewest/FewestTurns.h"
#include "fewest/PieceAlgebra.h"
#include "fewest/TableFile.h"
#include "fewest/Tables.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <numeric>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

constexpr std::size_t CubeCount = 1000;

const std::vector<turnix::Arrangement>& RandomArrangements() {
    static const auto cubes = turnix::bench::RandomArrangements(CubeCount, 1000);
    return cubes;
}

// The process's peak resident memory in megabytes, 0 where unknown.
double PeakMegabytes() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmHWM:") {
            double kilobytes = 0;
            status >> kilobytes;
            return kilobytes / 1024.0;
        }
    }
    return 0;
}

using turnix::bench::Percentile;

// A fresh set of tables each time, on this thread alone.
void FewestTurnsTables(benchmark::State& state) {
    std::size_t bytes = 0;
    std::chrono::duration<double, std::milli> total{0};
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const turnix::fewest::Tables tables;
        total += std::chrono::steady_clock::now() - start;
        bytes = tables.Bytes();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["build_ms"] = total.count() / static_cast<double>(state.iterations());
    state.counters["table_mb"] = static_cast<double>(bytes) / (1024.0 * 1024.0);
}
BENCHMARK(FewestTurnsTables)->Unit(benchmark::kMillisecond)->Iterations(3);

// The tables read back from a cache file, checked and made ready, as a
// program's first solve does once they are stored (the file in the page
// cache, as it is after the first run).
void FewestTurnsTablesLoad(benchmark::State& state) {
    const auto folder = std::filesystem::temp_directory_path() /
                        ("turnix-bench-cache-" + std::to_string(::getpid()));
    std::ostringstream report;
    const turnix::TableCache cache(folder, report);
    cache.Store(turnix::fewest::TablesBlobName, turnix::fewest::TablesBlobVersion,
                turnix::fewest::TablesBlob(turnix::fewest::Tables::Get()));
    std::chrono::duration<double, std::milli> total{0};
    bool built = false;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const turnix::fewest::Tables tables = turnix::fewest::LoadOrBuildTables(cache, [&built] {
            built = true;
            return turnix::fewest::Tables();
        });
        total += std::chrono::steady_clock::now() - start;
        benchmark::DoNotOptimize(tables.Bytes());
    }
    std::filesystem::remove_all(folder);
    if (built || !report.str().empty()) {
        state.SkipWithError("the tables were not loaded from the cache");
    }
    state.counters["load_ms"] = total.count() / static_cast<double>(state.iterations());
}
BENCHMARK(FewestTurnsTablesLoad)->Unit(benchmark::kMillisecond)->Iterations(5);

// The 1,000 cubes one after another with the default limits, each timed.
void FewestTurnsSolve(benchmark::State& state) {
    const auto& cubes = RandomArrangements();
    turnix::PrepareFewestTurnsTables();
    std::vector<double> milliseconds;
    std::size_t turns = 0;
    std::size_t maxTurns = 0;
    for (auto _ : state) {
        milliseconds.clear();
        turns = 0;
        maxTurns = 0;
        for (const turnix::Arrangement& cube : cubes) {
            const auto start = std::chrono::steady_clock::now();
            const auto solution = turnix::SolveFewestTurns(cube);
            const std::chrono::duration<double, std::milli> elapsed =
                std::chrono::steady_clock::now() - start;
            milliseconds.push_back(elapsed.count());
            turns += solution.size();
            maxTurns = std::max(maxTurns, solution.size());
        }
    }
    state.counters["mean_turns"] = static_cast<double>(turns) / static_cast<double>(CubeCount);
    state.counters["max_turns"] = static_cast<double>(maxTurns);
    state.counters["mean_ms"] = std::accumulate(milliseconds.begin(), milliseconds.end(), 0.0) /
                                static_cast<double>(CubeCount);
    state.counters["median_ms"] = Percentile(milliseconds, 0.5);
    state.counters["p99_ms"] = Percentile(milliseconds, 0.99);
    state.counters["peak_mb"] = PeakMegabytes();
}
BENCHMARK(FewestTurnsSolve)->Unit(benchmark::kMillisecond)->Iterations(1);

// Cubes 10 random turns from solved (no side twice in a row), each solved
// with the default limits: the direct search finds their shortest
// solutions, and the worst must stay within the 50 ms time limit. The
// direct search's nodes are counted on their own.
void FewestTurnsShortScrambles(benchmark::State& state) {
    constexpr int ScrambleCount = 10'000;
    constexpr int ScrambleTurns = 10;
    const turnix::fewest::Tables& tables = turnix::fewest::Tables::Get();
    std::mt19937 random(10);
    std::uniform_int_distribution<int> turn(0, turnix::fewest::TurnCount - 1);
    std::vector<turnix::Arrangement> cubes(ScrambleCount);
    for (turnix::Arrangement& cube : cubes) {
        int last = -1;
        for (int k = 0; k < ScrambleTurns; ++k) {
            int code = 0;
            do {
                code = turn(random);
            } while (code / 3 == last / 3);
            last = code;
            cube = turnix::fewest::Then(cube, tables.turns[static_cast<std::size_t>(code)]);
        }
    }
    std::vector<double> milliseconds;
    std::size_t turns = 0;
    std::uint64_t maxNodes = 0;
    for (auto _ : state) {
        milliseconds.clear();
        turns = 0;
        for (const turnix::Arrangement& cube : cubes) {
            const auto start = std::chrono::steady_clock::now();
            turns += turnix::SolveFewestTurns(cube).size();
            const std::chrono::duration<double, std::milli> elapsed =
                std::chrono::steady_clock::now() - start;
            milliseconds.push_back(elapsed.count());
            turnix::fewest::DirectSearch direct(tables, nullptr);
            benchmark::DoNotOptimize(direct.Solve(cube));
            maxNodes = std::max(maxNodes, direct.Nodes());
        }
    }
    state.counters["mean_turns"] = static_cast<double>(turns) / ScrambleCount;
    state.counters["mean_ms"] =
        std::accumulate(milliseconds.begin(), milliseconds.end(), 0.0) / ScrambleCount;
    state.counters["worst_ms"] = std::ranges::max(milliseconds);
    state.counters["max_nodes"] = static_cast<double>(maxNodes);
}
BENCHMARK(FewestTurnsShortScrambles)->Unit(benchmark::kMillisecond)->Iterations(1);

// The same cubes shared out over one thread per core.
void FewestTurnsBatch(benchmark::State& state) {
    const auto& cubes = RandomArrangements();
    turnix::PrepareFewestTurnsTables();
    const unsigned threads = std::max(1U, std::thread::hardware_concurrency());
    for (auto _ : state) {
        std::vector<std::thread> workers;
        for (unsigned first = 0; first < threads; ++first) {
            workers.emplace_back([&cubes, first, threads] {
                for (std::size_t n = first; n < cubes.size(); n += threads) {
                    benchmark::DoNotOptimize(turnix::SolveFewestTurns(cubes[n]));
                }
            });
        }
        for (std::thread& worker : workers) {
            worker.join();
        }
    }
    state.counters["threads"] = threads;
    state.counters["cubes_per_s"] = benchmark::Counter(
        static_cast<double>(state.iterations()) * CubeCount, benchmark::Counter::kIsRate);
}
BENCHMARK(FewestTurnsBatch)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

} // namespace
