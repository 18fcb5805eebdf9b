#include "Commands.h"
#include "Facelets.h"
#include "StepCodes.h"
#include "fewest/FewestTurns.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <fstream>
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

// One line of `length` bytes, made as it is read, then a cube.
class LongLine : public std::streambuf {
public:
    explicit LongLine(std::size_t lengthIn) : length(lengthIn), piece(1 << 16, 'U') {}

protected:
    int_type underflow() override {
        if (given < length) {
            const std::size_t size = std::min(piece.size(), length - given);
            given += size;
            setg(piece.data(), piece.data(), piece.data() + size);
        } else if (!ended) {
            ended = true;
            setg(tail.data(), tail.data(), tail.data() + tail.size());
        } else {
            return traits_type::eof();
        }
        return traits_type::to_int_type(*gptr());
    }

private:
    const std::size_t length;
    std::size_t given{0};
    bool ended{false};
    std::string piece;
    std::string tail = "\nUUUUUUUUURRRRRRRRRFFFFFFFFFDDDDDDDDDLLLLLLLLLBBBBBBBBB\n";
};

// The process's peak resident memory in kilobytes since the last reset.
long PeakKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmHWM:") {
            long kilobytes = 0;
            status >> kilobytes;
            return kilobytes;
        }
    }
    return 0;
}

// A batch line of 200 MB is answered without being held: the peak memory
// of the process hardly rises.
void CliBatchLongLine(benchmark::State& state) {
    constexpr std::size_t Length = 200'000'000;
    const std::vector<std::string_view> arguments{"solve", "--batch"};
    long rise = 0;
    for (auto _ : state) {
        std::ofstream("/proc/self/clear_refs") << "5";
        const long before = PeakKilobytes();
        LongLine line(Length);
        std::istream in(&line);
        std::ostringstream out;
        std::ostringstream err;
        benchmark::DoNotOptimize(turnix::cli::RunCli(arguments, in, out, err));
        rise = PeakKilobytes() - before;
        if (out.str() != "ERROR\n\n") {
            state.SkipWithError("the long line was not answered ERROR");
        }
    }
    state.counters["peak_rise_mb"] = static_cast<double>(rise) / 1024.0;
}
BENCHMARK(CliBatchLongLine)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

} // namespace
