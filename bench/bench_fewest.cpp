#include "FewestTurns.h"
#include "Tables.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <fstream>
#include <numeric>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr std::size_t CubeCount = 1000;

template <std::size_t N>
bool IsOdd(const std::array<int, N>& permutation) {
    bool odd = false;
    for (std::size_t i = 0; i < N; ++i) {
        for (std::size_t j = i + 1; j < N; ++j) {
            odd ^= permutation[i] > permutation[j];
        }
    }
    return odd;
}

// Arrangements drawn uniformly from all that turning reaches, from a fixed
// seed.
const std::vector<turnix::Arrangement>& RandomArrangements() {
    static const auto cubes = [] {
        std::mt19937 random(1000);
        std::uniform_int_distribution<int> twist(0, 2);
        std::uniform_int_distribution<int> flip(0, 1);
        std::vector<turnix::Arrangement> made(CubeCount);
        for (turnix::Arrangement& a : made) {
            std::shuffle(a.corner.begin(), a.corner.end(), random);
            std::shuffle(a.edge.begin(), a.edge.end(), random);
            std::generate(a.twist.begin(), a.twist.end() - 1, [&] { return twist(random); });
            std::generate(a.flip.begin(), a.flip.end() - 1, [&] { return flip(random); });
            a.twist[7] = (3 - std::accumulate(a.twist.begin(), a.twist.end(), 0) % 3) % 3;
            a.flip[11] = std::accumulate(a.flip.begin(), a.flip.end(), 0) % 2;
            if (IsOdd(a.corner) != IsOdd(a.edge)) {
                std::swap(a.edge[0], a.edge[1]);
            }
        }
        return made;
    }();
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

double Percentile(std::vector<double> values, double fraction) {
    const auto at = static_cast<std::ptrdiff_t>(fraction * static_cast<double>(values.size() - 1));
    std::nth_element(values.begin(), values.begin() + at, values.end());
    return values[static_cast<std::size_t>(at)];
}

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
    state.counters["median_ms"] = Percentile(milliseconds, 0.5);
    state.counters["p99_ms"] = Percentile(milliseconds, 0.99);
    state.counters["peak_mb"] = PeakMegabytes();
}
BENCHMARK(FewestTurnsSolve)->Unit(benchmark::kMillisecond)->Iterations(1);

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
