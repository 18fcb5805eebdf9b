#include "FewestSearch.h"

#include "DirectSearch.h"
#include "TwoPhaseSearch.h"

#include <algorithm>
#include <system_error>
#include <thread>

namespace turnix::fewest {

namespace {

// More threads than this find nothing sooner: there are at most six views
// a first-phase depth.
constexpr unsigned MostThreads = 256;

class SteadyClock final : public SearchClock {
public:
    [[nodiscard]] std::chrono::steady_clock::time_point Now() const override {
        return std::chrono::steady_clock::now();
    }
};

const SteadyClock Steady;

// The two-phase search on the threads asked for, or as many as could be
// started.
std::vector<std::int16_t> TwoPhase(const Tables& tables, const Arrangement& cube,
                                   const FewestTurnsLimits& limits, int maxTurns,
                                   const SearchClock& clock,
                                   std::chrono::steady_clock::time_point started) {
    const std::vector<TwoPhaseSearch::Problem> problems = TwoPhaseSearch::Problems(tables, cube);
    FewestTurnsLimits shared = limits;
    shared.maxTurns = maxTurns;
    SearchShare share(problems.size(), TwoPhaseSearch::MaxPhaseOne, shared, clock, started);
    const auto run = [&] {
        TwoPhaseSearch(tables, problems, share, maxTurns).Run();
    };
    std::vector<std::jthread> helpers;
    const unsigned threads = std::clamp(limits.threads, 1U, MostThreads);
    try {
        for (unsigned k = 1; k < threads; ++k) {
            helpers.emplace_back(run);
        }
    } catch (const std::system_error&) {
        // The threads that did start, and this one, do the work.
    }
    run();
    helpers.clear();
    return share.Answer();
}

} // namespace

std::vector<std::int16_t> Solve(const Arrangement& cube, const FewestTurnsLimits& limits,
                                const std::function<const Tables&()>& tables) {
    if (cube == Arrangement{}) {
        return {};
    }
    const Tables& ready = tables();
    const SearchClock& clock = limits.clock != nullptr ? *limits.clock : Steady;
    const auto started = clock.Now();
    DirectSearch direct(ready, limits.stop);
    if (auto shortest = direct.Solve(cube)) {
        return *std::move(shortest);
    }
    // A cube the direct search has searched through is farther than its
    // reach, so a solution just beyond that is as short as any.
    const int farther = direct.GaveUp() ? 0 : DirectSearch::MaxDepth + 1;
    const int target = std::clamp(limits.maxTurns, 0, SearchShare::Unsolved - 1);
    const int maxTurns = target > 0 ? std::max(target, farther) : farther;
    return TwoPhase(ready, cube, limits, maxTurns, clock, started);
}

} // namespace turnix::fewest
