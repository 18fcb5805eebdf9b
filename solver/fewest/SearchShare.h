#pragma once

#include "FewestTurns.h"

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <mutex>
#include <optional>
#include <vector>

namespace turnix::fewest {

// What the threads of one two-phase solve share. The work is cut into units
// (one first-phase depth for one of the views of the cube), numbered in the
// order one thread would take them; threads claim them in that order. A
// solution of at most maxTurns ends the solve, but only once every unit
// before its own is done, so that the answer is the one a single thread
// finds first, on any number of threads.
class SearchShare {
public:
    static constexpr int Unsolved = 99;

    struct Unit {
        std::size_t index = 0;
        int depth = 0;
        std::size_t problem = 0;
    };

    SearchShare(std::size_t problemCount, int maxDepth, const FewestTurnsLimits& limits,
                const SearchClock& clock, std::chrono::steady_clock::time_point started);

    // The next unit to search, or nothing when the solve is over.
    [[nodiscard]] std::optional<Unit> Claim();

    // Whether the unit need not be searched further: the time is up, the
    // search was stopped, an earlier unit (or this one) has an answer, or
    // no solution with a first phase this long can beat the best. Cheap.
    [[nodiscard]] bool Over(const Unit& unit) const noexcept {
        return stopped.load(std::memory_order_relaxed) ||
               accepted.load(std::memory_order_relaxed) <= unit.index || unit.depth >= Beat();
    }

    // Reads the clock and the stop flag; true when the solve is to end. The
    // time limit counts only once there is a solution.
    bool CheckTime();

    // The fewest turns of any solution longer than maxTurns: a unit looks
    // only for shorter ones (or for one of at most maxTurns, which these
    // never cut off).
    [[nodiscard]] int Beat() const noexcept { return longBest.load(std::memory_order_relaxed); }

    // A solution found in a unit; the cube's own turns.
    void Offer(const Unit& unit, std::vector<std::int16_t> solution);

    // The answer once every thread is done.
    [[nodiscard]] std::vector<std::int16_t> Answer() const;

private:
    static constexpr std::size_t None = std::numeric_limits<std::size_t>::max();

    const std::size_t problemCount;
    const int maxDepth;
    const int maxTurns;
    const bool timed;
    const SearchClock& clock;
    const std::chrono::steady_clock::time_point deadline;
    const std::atomic<bool>* const stop;

    std::atomic<std::size_t> next{0};
    std::atomic<bool> stopped{false};
    std::atomic<std::size_t> accepted{None};
    std::atomic<bool> found{false};
    std::atomic<int> longBest{Unsolved};

    mutable std::mutex mutex;
    std::vector<std::int16_t> acceptedSolution;
    std::vector<std::int16_t> longSolution;
};

} // namespace turnix::fewest
