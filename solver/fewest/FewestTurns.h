#pragma once

#include "Pieces.h"
#include "clsCube.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <optional>
#include <vector>

namespace turnix {

// Where a search reads the time; a test hands in a fake. Any thread may read
// it.
class SearchClock {
public:
    virtual ~SearchClock() = default;
    [[nodiscard]] virtual std::chrono::steady_clock::time_point Now() const = 0;
};

struct FewestTurnsLimits {
    // The search ends at the first solution of at most this many turns; 0
    // sets no target, and the search looks for shorter solutions until its
    // time is up.
    int maxTurns = 20;
    // Or once this much time has passed since the search started (waiting
    // for the tables does not count), with the shortest solution found by
    // then, which may be longer than maxTurns. The search always runs on to
    // its first solution (about a millisecond, rarely a few tens). Zero or
    // less means no limit: the answer then depends on the cube alone, but a
    // maxTurns below the cube's distance, or 0, makes the search run for a
    // very long time.
    std::chrono::milliseconds timeLimit{50};
    // Threads that search this one cube together. The first solution of at
    // most maxTurns, found before the time is up, is the same on any number
    // of them; the best found when the time runs out may differ from run to
    // run on more than one.
    unsigned threads = 1;
    // The clock of the time limit; the steady clock when none.
    const SearchClock* clock = nullptr;
    // Once this turns true, the search ends as soon as it can and its answer
    // is of no use (possibly no solution at all).
    const std::atomic<bool>* stop = nullptr;
};

// A short list of side turns (step codes 0..17) that, applied in order to
// the cube as it stands, solves it; empty for a solved cube. A cube that at
// most 10 turns solve gets a shortest solution. No two neighbouring turns
// are of the same side, and two neighbouring turns of opposite sides come
// Front before Back, Left before Right, Top before Bottom.
//
// The arrangement must be one that turning can reach: permutation parities
// equal, twists adding up to a multiple of 3, an even number of flips
// (std::invalid_argument otherwise). The tables are loaded or built first if
// they are not ready. Any number of threads may solve at once.
[[nodiscard]] std::vector<std::int16_t> SolveFewestTurns(const Arrangement& cube,
                                                         const FewestTurnsLimits& limits = {});

// The same for an entered cube, judged as clsSolver::Solve judges it:
// nothing when the colours describe no cube that turning can solve, an empty
// list for a solved cube. Any colours may sit on the centres.
[[nodiscard]] std::optional<std::vector<std::int16_t>>
SolveFewestTurns(const clsCube& cube, const FewestTurnsLimits& limits = {});

// Loads the tables from the per-user cache, or builds them (about half a
// second) and stores them there; for example on a worker thread when a
// program starts. Returns at once when they are ready. Safe to call from
// several threads.
void PrepareFewestTurnsTables();

// Whether the tables are ready, so that a solve starts at once.
[[nodiscard]] bool FewestTurnsTablesReady() noexcept;

} // namespace turnix
