#include "SearchShare.h"

namespace turnix::fewest {

SearchShare::SearchShare(std::size_t problems, int depthLimit, const FewestTurnsLimits& limits,
                         const SearchClock& clockIn, std::chrono::steady_clock::time_point started)
    : problemCount(problems), maxDepth(depthLimit), maxTurns(limits.maxTurns),
      timed(limits.timeLimit.count() > 0), clock(clockIn), deadline(started + limits.timeLimit),
      stop(limits.stop) {}

std::optional<SearchShare::Unit> SearchShare::Claim() {
    if (problemCount == 0) {
        return std::nullopt;
    }
    const std::size_t index = next.fetch_add(1, std::memory_order_relaxed);
    const Unit unit{index, static_cast<int>(index / problemCount), index % problemCount};
    if (unit.depth > maxDepth || Over(unit)) {
        return std::nullopt;
    }
    return unit;
}

bool SearchShare::CheckTime() {
    if (stop != nullptr && stop->load(std::memory_order_relaxed)) {
        stopped.store(true, std::memory_order_relaxed);
    } else if (timed && found.load(std::memory_order_relaxed) && clock.Now() >= deadline) {
        stopped.store(true, std::memory_order_relaxed);
    }
    return stopped.load(std::memory_order_relaxed);
}

void SearchShare::Offer(const Unit& unit, std::vector<std::int16_t> solution) {
    const std::lock_guard lock(mutex);
    const auto length = static_cast<int>(solution.size());
    if (length <= maxTurns) {
        if (unit.index < accepted.load(std::memory_order_relaxed)) {
            acceptedSolution = std::move(solution);
            accepted.store(unit.index, std::memory_order_relaxed);
        }
    } else if (length < longBest.load(std::memory_order_relaxed)) {
        longSolution = std::move(solution);
        longBest.store(length, std::memory_order_relaxed);
    }
    found.store(true, std::memory_order_relaxed);
}

std::vector<std::int16_t> SearchShare::Answer() const {
    const std::lock_guard lock(mutex);
    return accepted.load(std::memory_order_relaxed) != None ? acceptedSolution : longSolution;
}

} // namespace turnix::fewest
