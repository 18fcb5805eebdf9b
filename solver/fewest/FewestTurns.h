#pragma once

#include "Pieces.h"
#include "clsCube.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <vector>

namespace turnix {

struct FewestTurnsLimits {
    // The search ends at the first solution of at most this many turns.
    int maxTurns = 20;
    // Or once this much time has passed, with the shortest solution found by
    // then, which may be longer than maxTurns. The clock starts after the
    // tables are built, and the search always runs on to its first solution
    // (about a millisecond, rarely a few tens). Zero or less means no limit:
    // the answer then depends on the cube alone, but a maxTurns below the
    // cube's distance makes the search run for a very long time.
    std::chrono::milliseconds timeLimit{50};
};

// A short list of side turns (step codes 0..17) that, applied in order to
// the cube as it stands, solves it; empty for a solved cube. No two
// neighbouring turns are of the same side, and two neighbouring turns of
// opposite sides come Front before Back, Left before Right, Top before
// Bottom.
//
// The arrangement must be one that turning can reach: permutation parities
// equal, twists adding up to a multiple of 3, an even number of flips
// (std::invalid_argument otherwise). The tables are built first if they are
// not ready. Any number of threads may solve at once.
[[nodiscard]] std::vector<std::int16_t> SolveFewestTurns(const Arrangement& cube,
                                                         const FewestTurnsLimits& limits = {});

// The same for an entered cube, judged as clsSolver::Solve judges it:
// nothing when the colours describe no cube that turning can solve, an empty
// list for a solved cube. Any colours may sit on the centres.
[[nodiscard]] std::optional<std::vector<std::int16_t>>
SolveFewestTurns(const clsCube& cube, const FewestTurnsLimits& limits = {});

// Builds the tables now (about half a second), for example on a worker thread
// when a program starts; returns at once when they are built. Safe to call
// from several threads.
void PrepareFewestTurnsTables();

// Whether the tables are built, so that a solve starts at once.
[[nodiscard]] bool FewestTurnsTablesReady() noexcept;

} // namespace turnix
