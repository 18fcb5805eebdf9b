// Runs every benchmark with the usual console table, then prints one
// summary of the figures the project keeps goals for.

#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace {

class SummaryReporter final : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred) {
                continue;
            }
            if (run.run_type == Run::RT_Iteration) {
                // Of a family run at several sizes, the largest.
                Run& kept = byName[run.run_name.function_name];
                if (run.complexity_n >= kept.complexity_n) {
                    kept = run;
                }
            } else if (run.report_rms) {
                rmsByName[run.run_name.function_name] = run.GetAdjustedRealTime();
            }
        }
    }

    void PrintSummary() const {
        std::printf("\nTurnix benchmark summary\n");
        Line("side turn", Time("SideTurn", 1e9), "ns", "goal < 20 ns");
        Line("whole-cube rotation", Time("WholeCubeRotation", 1e9), "ns", "goal < 100 ns");
        Line("Solve, median", Counter("Solve", "median_us"), "us", "goal < 20 us");
        Line("active steps per solution, mean", Counter("Solve", "mean_steps"), "", "");
        Line("active steps per solution, maximum", Counter("Solve", "max_steps"), "", "");
        Line("diagnosis of an entered cube", Time("Diagnosis", 1e6), "us", "goal < 5 us");
        Line("turnix-cli solve --batch", Counter("CliBatch", "cubes_per_s"), "cubes/s",
             "goal > 20000 cubes/s");
        Line("fewest turns: tables built", Counter("FewestTurnsTables", "build_ms"), "ms",
             "goal <= 2000 ms");
        Line("fewest turns: tables", Counter("FewestTurnsTables", "table_mb"), "MB", "");
        Line("fewest turns: tables loaded", Counter("FewestTurnsTablesLoad", "load_ms"), "ms",
             "goal <= 100 ms");
        Line("fewest turns: peak memory (VmHWM)", Counter("FewestTurnsSolve", "peak_mb"), "MB",
             "goal <= 150 MB");
        Line("fewest turns per solution, mean", Counter("FewestTurnsSolve", "mean_turns"), "",
             "goal <= 20.5");
        Line("fewest turns per solution, maximum", Counter("FewestTurnsSolve", "max_turns"), "",
             "");
        Line("fewest turns, median", Counter("FewestTurnsSolve", "median_ms"), "ms",
             "goal <= 10 ms");
        Line("fewest turns, 99th percentile", Counter("FewestTurnsSolve", "p99_ms"), "ms", "");
        Line("fewest turns, mean", Counter("FewestTurnsSolve", "mean_ms"), "ms", "");
        Line("10-turn scrambles: turns, mean", Counter("FewestTurnsShortScrambles", "mean_turns"),
             "", "");
        Line("10-turn scrambles: solve, mean", Counter("FewestTurnsShortScrambles", "mean_ms"),
             "ms", "");
        Line("10-turn scrambles: solve, worst", Counter("FewestTurnsShortScrambles", "worst_ms"),
             "ms", "goal <= 50 ms");
        Line("10-turn scrambles: search nodes, most",
             Counter("FewestTurnsShortScrambles", "max_nodes"), "", "");
        Line("fewest turns, all cores", Counter("FewestTurnsBatch", "cubes_per_s"), "cubes/s", "");
        Line("turnix-cli solve --batch --short", Counter("CliBatchShort", "cubes_per_s"), "cubes/s",
             "");
        Line("turnix-cli solve --batch, a 200 MB line", Counter("CliBatchLongLine", "peak_rise_mb"),
             "MB", "goal < 1 MB more memory");
        Line("RTF, 256 KiB of alternating formats", Time("ReadAlternatingFormats", 1e3), "ms",
             "goal < 125 ms");
        // Only the bare read's fit: into a laid-out document, laying out the
        // first screen adds the same time at every size.
        Line("  RMS of its fit to O(N)", Rms("ReadAlternatingFormats"), "%", "goal < 10 %");
        Line("  into a laid-out document", Time("ReadAlternatingFormatsIntoALaidOutDocument", 1e3),
             "ms", "goal < 125 ms");
        Line("paint a square on the net, redrawn", Time("PaintSquareOnTheNet", 1e6), "us",
             "goal < 16 ms");
        Line("3-D cube frame, 800x800, mid-turn", Time("DrawCubeFrame", 1e3), "ms", "goal < 4 ms");
        Line("side photo read, 1920x1080 JPEG", Time("ReadSixSidePhotos", 1e3 / 6), "ms",
             "goal < 100 ms");
        Line("side found in a 1920x1080 frame", Time("FindSideInAFullHdFrame", 1e3), "ms", "");
        Line("a cube from six sides' colours", Time("AssembleCube", 1e3), "ms", "goal < 50 ms");
        Line("  the photos in any order", Time("AssembleCubeInAnyOrder", 1e3), "ms",
             "goal < 50 ms");
        Line("turnix-cli scan, six 1920x1080 photos", Time("ScanSixPhotos", 1e3), "ms",
             "goal <= 1000 ms");
    }

private:
    // Seconds per iteration of a benchmark, scaled (1e9 gives nanoseconds).
    [[nodiscard]] std::optional<double> Time(const std::string& name, double scale) const {
        const auto found = byName.find(name);
        if (found == byName.end() || found->second.iterations == 0) {
            return std::nullopt;
        }
        const Run& run = found->second;
        return run.real_accumulated_time / static_cast<double>(run.iterations) * scale;
    }

    [[nodiscard]] std::optional<double> Counter(const std::string& name,
                                                const std::string& counter) const {
        const auto found = byName.find(name);
        if (found == byName.end()) {
            return std::nullopt;
        }
        const auto value = found->second.counters.find(counter);
        if (value == found->second.counters.end()) {
            return std::nullopt;
        }
        return value->second.value;
    }

    // How far a family's times stray from its complexity fit, in percent.
    [[nodiscard]] std::optional<double> Rms(const std::string& name) const {
        const auto found = rmsByName.find(name);
        if (found == rmsByName.end()) {
            return std::nullopt;
        }
        return found->second * 100;
    }

    static void Line(const char* label, std::optional<double> value, const char* unit,
                     const char* goal) {
        if (!value) {
            std::printf("  %-38s %12s\n", label, "not run");
            return;
        }
        std::printf("  %-38s %12.1f %-8s %s\n", label, *value, unit, goal);
    }

    std::map<std::string, Run> byName;
    std::map<std::string, double> rmsByName;
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintSummary();
    benchmark::Shutdown();
    return 0;
}
