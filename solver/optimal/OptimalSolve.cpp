#include "OptimalSolve.h"

#include "DistanceTable.h"
#include "FreeMemory.h"
#include "OptimalSearch.h"
#include "TableStore.h"
#include "diagnosis/Diagnosis.h"
#include "fewest/FewestTurns.h"
#include "fewest/PieceAlgebra.h"
#include "fewest/Tables.h"

#include <algorithm>
#include <iostream>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <thread>

namespace turnix {

namespace {

using optimal::DistanceTable;

// The tables, once made, for the rest of the program's run; a build that
// was stopped leaves nothing, and the next solve starts it again.
struct Held {
    std::mutex mutex;
    std::unique_ptr<const DistanceTable> table;
};

Held& HeldTable(DistanceTable::Kind kind) {
    static Held full;
    static Held small;
    return kind == DistanceTable::Kind::Full ? full : small;
}

// Most cubes need 17 or 18 turns; a first answer of 18 within a second is
// common.
constexpr int FirstAnswerTarget = 17;
constexpr std::chrono::milliseconds FirstAnswerTime{1000};
// Two cubes in three need exactly 18 turns. Before the search looks for a
// solution of 18 turns, about six times as long as it took to prove there
// is none of 17, the fewest-turns solver has as long as that proof took to
// find one: a solution of 18 is proven shortest then.
constexpr int MostCubesNeed = 18;

using Clock = std::chrono::steady_clock;

unsigned ThreadsOf(const OptimalOptions& options) {
    if (options.threads > 0) {
        return options.threads;
    }
    return std::max(1U, std::thread::hardware_concurrency());
}

void Report(const OptimalOptions& options, const OptimalProgress& progress) {
    if (options.progress) {
        options.progress(progress);
    }
}

// The table, loaded or built when this is the first solve to need it; the
// result's outcome says why there is none.
const DistanceTable* TableFor(const OptimalOptions& options, OptimalResult& result) {
    const auto kind = options.smallTable ? DistanceTable::Kind::Small : DistanceTable::Kind::Full;
    Held& held = HeldTable(kind);
    const std::scoped_lock lock(held.mutex);
    if (held.table) {
        return held.table.get();
    }
    const std::uint64_t needed = DistanceTable::BytesOf(kind);
    std::optional<std::uint64_t> available = optimal::FreeMemory();
    if (options.memoryBudget > 0) {
        available = std::min(available.value_or(options.memoryBudget), options.memoryBudget);
    }
    if (available && *available < needed) {
        result.outcome = OptimalResult::Outcome::NoMemory;
        result.bytesNeeded = needed;
        result.bytesFree = *available;
        return nullptr;
    }
    const fewest::Tables& tables = fewest::Tables::Get();
    const auto build = [&]() {
        return DistanceTable::Build(kind, tables, ThreadsOf(options), options.cancel,
                                    [&](int percent) {
                                        Report(options, OptimalProgress{percent, -1, -1});
                                    });
    };
    std::optional<DistanceTable> made =
        kind == DistanceTable::Kind::Full
            ? optimal::LoadOrBuildDistanceTable(TableCache(TableCache::UserFolder(), std::cerr),
                                                kind, tables, build)
            : build();
    if (!made) {
        return nullptr;
    }
    held.table = std::make_unique<const DistanceTable>(*std::move(made));
    return held.table.get();
}

int TurnsOf(const std::optional<std::vector<std::int16_t>>& steps) {
    return steps ? static_cast<int>(steps->size()) : -1;
}

// The fewest-turns solver's answer within `time`, ending at the first of at
// most `target` turns; nothing when the solve was cancelled.
std::optional<std::vector<std::int16_t>> FewestAnswer(const Arrangement& cube, int target,
                                                      Clock::duration time,
                                                      const OptimalOptions& options) {
    FewestTurnsLimits limits;
    limits.maxTurns = target;
    limits.timeLimit = std::chrono::ceil<std::chrono::milliseconds>(time);
    limits.threads = ThreadsOf(options);
    limits.stop = options.cancel;
    std::vector<std::int16_t> steps = SolveFewestTurns(cube, limits);
    if (options.cancel != nullptr && options.cancel->load()) {
        return std::nullopt;
    }
    return steps;
}

// The search's time for the fewest-turns solver before `depth`, after the
// depth before took `last`; zero when it had better search.
Clock::duration RetryTime(int depth, Clock::duration last, const optimal::SearchLimits& limits) {
    if (depth < MostCubesNeed) {
        return {};
    }
    if (limits.deadline) {
        return std::max(Clock::duration{}, std::min(last, *limits.deadline - Clock::now()));
    }
    return last;
}

} // namespace

std::uint64_t OptimalTableBytes() {
    return DistanceTable::BytesOf(DistanceTable::Kind::Full);
}

// One depth after another, each searched through before the next, so the
// first solution found is a shortest one. A first answer from the
// fewest-turns solver means the last depth to search is one below it.
OptimalResult SolveOptimal(const Arrangement& cube, const OptimalOptions& options) {
    if (!fewest::IsSolvable(cube)) {
        throw std::invalid_argument("no turns can solve this arrangement");
    }
    OptimalResult result;
    const DistanceTable* table = TableFor(options, result);
    if (table == nullptr) {
        return result;
    }
    const auto started = Clock::now();
    optimal::SearchLimits limits{options.cancel, std::nullopt};
    if (options.timeLimit.count() > 0) {
        limits.deadline = started + options.timeLimit;
    }
    if (options.startFromFewestTurns) {
        // Every turn it saves spares the search its longest depth, so it is
        // given time to find a short one.
        result.steps = FewestAnswer(cube, FirstAnswerTarget, FirstAnswerTime, options);
    }
    const optimal::OptimalSearch search(fewest::Tables::Get(), *table, cube);
    const auto ceiling = [&result] {
        return result.steps ? TurnsOf(result.steps) - 1 : optimal::MostTurns;
    };
    result.depthSearched = search.LowerBound() - 1;
    Report(options, OptimalProgress{-1, result.depthSearched, TurnsOf(result.steps)});
    Clock::duration lastDepth{};
    for (int depth = result.depthSearched + 1; depth <= ceiling(); ++depth) {
        if (const Clock::duration retry = RetryTime(depth, lastDepth, limits);
            options.startFromFewestTurns && retry > Clock::duration{}) {
            auto answer = FewestAnswer(cube, depth, retry, options);
            if (answer && TurnsOf(answer) <= ceiling()) {
                result.steps = std::move(answer);
                if (TurnsOf(result.steps) <= depth) {
                    break;
                }
                Report(options, OptimalProgress{-1, result.depthSearched, TurnsOf(result.steps)});
            }
        }
        const auto depthStarted = Clock::now();
        optimal::OptimalSearch::Outcome outcome = search.Search(depth, ThreadsOf(options), limits);
        lastDepth = Clock::now() - depthStarted;
        if (outcome.solution) {
            result.steps = std::move(outcome.solution);
            break;
        }
        if (outcome.stopped) {
            return result;
        }
        result.depthSearched = depth;
        Report(options, OptimalProgress{-1, result.depthSearched, TurnsOf(result.steps)});
    }
    result.outcome = OptimalResult::Outcome::Proven;
    return result;
}

std::optional<OptimalResult> SolveOptimal(const clsCube& cube, const OptimalOptions& options) {
    const std::optional<Arrangement> arrangement = ArrangementOf(cube);
    if (!arrangement) {
        return std::nullopt;
    }
    return SolveOptimal(*arrangement, options);
}

} // namespace turnix
