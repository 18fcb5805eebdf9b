#pragma once

#include "Pieces.h"
#include "clsCube.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace turnix {

// How a proven-optimal solve is getting on: reported from the solving thread.
struct OptimalProgress {
    // While the table is built, 0..100; otherwise -1.
    int tablePercent = -1;
    // No solution of this many turns or fewer exists.
    int depthSearched = -1;
    // The length of the shortest solution found so far; -1 when none.
    int bestTurns = -1;
};

struct OptimalOptions {
    // Threads that search together; 0 means one per core.
    unsigned threads = 0;
    // The search ends after this much searching (the table's loading or
    // building does not count), with the best solution found; zero or less
    // means no limit.
    std::chrono::milliseconds timeLimit{0};
    // Once this turns true, the build or search ends as soon as it can.
    const std::atomic<bool>* cancel = nullptr;
    // The memory the table may take, in bytes; 0 means what the system has
    // free.
    std::uint64_t memoryBudget = 0;
    std::function<void(const OptimalProgress&)> progress;
    // The large table (1.7 GB, about two minutes to build the first time,
    // then kept in the per-user cache), or a small one built in a moment
    // that makes the search far slower: for tests on cubes near solved.
    bool smallTable = false;
    // Start from the fewest-turns solver's answer, so that the search only
    // has to beat it or prove it.
    bool startFromFewestTurns = true;
};

struct OptimalResult {
    enum class Outcome {
        Proven,   // steps is a shortest solution
        Stopped,  // time up or cancelled: steps, if any, is the best found
        NoMemory, // the table does not fit; nothing was searched
    };
    Outcome outcome = Outcome::Stopped;
    std::optional<std::vector<std::int16_t>> steps;
    // No solution of this many turns or fewer exists; -1 when unknown.
    int depthSearched = -1;
    // With NoMemory: what the table needs and what there is, in bytes.
    std::uint64_t bytesNeeded = 0;
    std::uint64_t bytesFree = 0;
};

// A shortest list of side turns (step codes 0..17, in the order and form of
// SolveFewestTurns) that solves the cube: an iterative-deepening search over
// all turns, bounded by the distance to the first phase's subgroup seen with
// each axis upright and by the corners' distance.
//
// The arrangement must be one that turning can reach (std::invalid_argument
// otherwise). Any number of threads may solve at once; they share the table.
[[nodiscard]] OptimalResult SolveOptimal(const Arrangement& cube,
                                         const OptimalOptions& options = {});

// The same for an entered cube, judged as clsSolver::Solve judges it:
// nothing when the colours describe no cube that turning can solve.
[[nodiscard]] std::optional<OptimalResult> SolveOptimal(const clsCube& cube,
                                                        const OptimalOptions& options = {});

// The memory the large table takes, in bytes.
[[nodiscard]] std::uint64_t OptimalTableBytes();

} // namespace turnix
