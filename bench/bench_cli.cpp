#include "Commands.h"
#include "Facelets.h"
#include "FewestTurns.h"
#include "StepCodes.h"

#include <benchmark/benchmark.h>
#include <random>
#include <sstream>
#include <string>

namespace {

constexpr int LineCount = 2000;
constexpr int ShortLineCount = 500;

// Facelet strings of cubes scrambled by random turns, one per line.
std::string BatchInput(int lineCount) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> code(0, turnix::SideTurnCount - 1);
    std::string input;
    for (int n = 0; n < lineCount; ++n) {
        turnix::clsCube cube;
        for (int k = 0; k < 50; ++k) {
            turnix::ApplyStep(cube, static_cast<std::int16_t>(code(random)));
        }
        input += turnix::FaceletString(cube) + "\n";
    }
    return input;
}

// turnix-cli with the arguments as main runs it, on in-memory streams, with
// its default of one thread per core.
void RunBatch(benchmark::State& state, const std::vector<std::string_view>& arguments,
              int lineCount) {
    const std::string input = BatchInput(lineCount);
    for (auto _ : state) {
        std::istringstream in(input);
        std::ostringstream out;
        std::ostringstream err;
        const auto status = turnix::cli::RunCli(arguments, in, out, err);
        if (status != turnix::cli::ExitStatus::Success) {
            state.SkipWithError("the batch did not succeed");
            break;
        }
        benchmark::DoNotOptimize(out.str().size());
    }
    state.SetItemsProcessed(state.iterations() * lineCount);
    state.counters["cubes_per_s"] = benchmark::Counter(
        static_cast<double>(state.iterations() * lineCount), benchmark::Counter::kIsRate);
}

void CliBatch(benchmark::State& state) {
    RunBatch(state, {"solve", "--batch"}, LineCount);
}
BENCHMARK(CliBatch)->Unit(benchmark::kMillisecond)->UseRealTime();

// The fewest-turns solver with its default limits; its tables are built
// before the clock starts.
void CliBatchShort(benchmark::State& state) {
    turnix::PrepareFewestTurnsTables();
    RunBatch(state, {"solve", "--batch", "--short"}, ShortLineCount);
}
BENCHMARK(CliBatchShort)->Unit(benchmark::kMillisecond)->Iterations(2)->UseRealTime();

} // namespace
