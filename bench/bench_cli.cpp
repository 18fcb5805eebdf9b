#include "Commands.h"
#include "Facelets.h"
#include "StepCodes.h"

#include <benchmark/benchmark.h>
#include <random>
#include <sstream>
#include <string>

namespace {

constexpr int LineCount = 2000;

// Facelet strings of cubes scrambled by random turns, one per line.
std::string BatchInput() {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> code(0, turnix::SideTurnCount - 1);
    std::string input;
    for (int n = 0; n < LineCount; ++n) {
        turnix::clsCube cube;
        for (int k = 0; k < 50; ++k) {
            turnix::ApplyStep(cube, static_cast<std::int16_t>(code(random)));
        }
        input += turnix::FaceletString(cube) + "\n";
    }
    return input;
}

// turnix-cli solve --batch as main runs it, on in-memory streams.
void CliBatch(benchmark::State& state) {
    const std::string input = BatchInput();
    const std::vector<std::string_view> arguments{"solve", "--batch"};
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
    state.SetItemsProcessed(state.iterations() * LineCount);
    state.counters["cubes_per_s"] = benchmark::Counter(
        static_cast<double>(state.iterations() * LineCount), benchmark::Counter::kIsRate);
}
BENCHMARK(CliBatch)->Unit(benchmark::kMillisecond);

} // namespace
