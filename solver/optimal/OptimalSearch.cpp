#include "OptimalSearch.h"

#include "fewest/PieceAlgebra.h"
#include "fewest/TurnOrder.h"

#include <algorithm>
#include <limits>
#include <mutex>
#include <system_error>
#include <thread>

namespace turnix::optimal {

namespace {

// The limits are looked at once every 65,536 nodes.
constexpr std::uint64_t CheckInterval = 0xFFFF;
constexpr std::size_t NoneFound = std::numeric_limits<std::size_t>::max();

template <typename T>
constexpr std::size_t At(T value) {
    return static_cast<std::size_t>(value);
}

// First turns fixed before the threads share out the rest: enough shares
// that two or more threads finish close together, few enough that a shallow
// search does not spend its time on them.
constexpr int PrefixLength(int depth) {
    return std::min(depth, depth >= 9 ? 3 : 2);
}

} // namespace

OptimalSearch::OptimalSearch(const fewest::Tables& tablesIn, const DistanceTable& distanceIn,
                             const Arrangement& cubeIn)
    : tables(tablesIn), distance(distanceIn), cube(cubeIn) {
    for (std::size_t f = 0; f < Frames; ++f) {
        for (std::size_t m = 0; m < fewest::TurnCount; ++m) {
            frameTurn[f][tables.frames.cubeTurn[f][m]] = static_cast<std::uint8_t>(m);
        }
    }
    start = LevelOf(cube);
}

OptimalSearch::Level OptimalSearch::LevelOf(const Arrangement& a) const {
    Level level;
    for (int f = 0; f < Frames; ++f) {
        const Arrangement seen = tables.frames.Seen(f, a);
        Frame& frame = level.frames[At(f)];
        frame.twist = fewest::Twist(seen);
        frame.flip = fewest::Flip(seen);
        frame.slice = fewest::SliceSorted(seen);
        frame.distance = distance.Distance(tables, frame.twist, frame.flip, frame.slice);
    }
    level.corners = fewest::CornerPerm(a);
    return level;
}

int OptimalSearch::LowerBound() const {
    int bound = tables.cornerDepth[At(start.corners)];
    for (const Frame& frame : start.frames) {
        bound = std::max(bound, frame.distance);
    }
    return bound;
}

// The corners' places alone first: their table stays in the processor's
// cache. The first phase's small tables would bound no tighter than the
// distance table, and reading them costs more than it spares.
bool OptimalSearch::Step(const Level& from, int code, int rest, Level& to) const noexcept {
    to.corners = tables.cornerMoves[At(from.corners * fewest::TurnCount + code)];
    if (tables.cornerDepth[At(to.corners)] > rest) {
        return false;
    }
    for (std::size_t f = 0; f < Frames; ++f) {
        const std::size_t turn = frameTurn[f][At(code)];
        const Frame& was = from.frames[f];
        Frame& now = to.frames[f];
        now.twist = tables.twistMoves[At(was.twist) * fewest::TurnCount + turn];
        now.flip = tables.flipMoves[At(was.flip) * fewest::TurnCount + turn];
        now.slice = tables.sliceSortedMoves[At(was.slice) * fewest::TurnCount + turn];
    }
    return true;
}

bool OptimalSearch::Turn(const Level& from, int code, int rest, Level& to) const noexcept {
    if (!Step(from, code, rest, to)) {
        return false;
    }
    for (std::size_t f = 0; f < Frames; ++f) {
        Frame& now = to.frames[f];
        now.distance = distance.Next(from.frames[f].distance,
                                     distance.EntryOf(now.twist, now.flip, now.slice));
        if (now.distance > rest) {
            return false;
        }
    }
    return true;
}

void OptimalSearch::Expand(const Level& from, int last, int rest,
                           Children& children) const noexcept {
    int count = 0;
    for (int code = 0; code < fewest::TurnCount; ++code) {
        Level& to = children.levels[At(count)];
        if (fewest::MayFollow(last, code) && Step(from, code, rest, to)) {
            children.codes[At(count++)] = static_cast<std::uint8_t>(code);
        }
    }
    // One frame at a time, over the children that the frames before kept.
    for (std::size_t f = 0; f < Frames; ++f) {
        for (std::size_t i = 0; i < At(count); ++i) {
            const Frame& frame = children.levels[i].frames[f];
            distance.PrefetchClass(frame.flip, frame.slice);
        }
        std::array<std::size_t, fewest::TurnCount> entries{};
        for (std::size_t i = 0; i < At(count); ++i) {
            const Frame& frame = children.levels[i].frames[f];
            entries[i] = distance.EntryOf(frame.twist, frame.flip, frame.slice);
            distance.Prefetch(entries[i]);
        }
        int kept = 0;
        for (std::size_t i = 0; i < At(count); ++i) {
            int& d = children.levels[i].frames[f].distance;
            d = distance.Next(from.frames[f].distance, entries[i]);
            if (d <= rest) {
                if (At(kept) != i) {
                    children.levels[At(kept)] = children.levels[i];
                    children.codes[At(kept)] = children.codes[i];
                }
                ++kept;
            }
        }
        count = kept;
    }
    children.count = count;
}

bool OptimalSearch::Solves(const Path& path, int length) const {
    Arrangement a = cube;
    for (int k = 0; k < length; ++k) {
        a = fewest::Then(a, tables.turns[path[At(k)]]);
    }
    return a == Arrangement{};
}

void OptimalSearch::Prefixes(int depth, int length, std::vector<Path>& paths) const {
    std::array<Level, MostTurns + 1> levels{};
    levels[0] = start;
    Path path{};
    const auto extend = [&](const auto& self, int k, int last) -> void {
        if (k == length) {
            paths.push_back(path);
            return;
        }
        for (int code = 0; code < fewest::TurnCount; ++code) {
            if (fewest::MayFollow(last, code) &&
                Turn(levels[At(k)], code, depth - k - 1, levels[At(k + 1)])) {
                path[At(k)] = static_cast<std::uint8_t>(code);
                self(self, k + 1, code);
            }
        }
    };
    extend(extend, 0, fewest::NoTurn);
}

// One thread's search of one share at a time.
class OptimalSearch::Worker {
public:
    Worker(const OptimalSearch& searchIn, const SearchLimits& limitsIn,
           const std::atomic<std::size_t>& firstFoundIn)
        : search(searchIn), limits(limitsIn), firstFound(firstFoundIn) {}

    // Whether the share that starts with `prefix` holds a solution of
    // `depth` turns; it is then in `path`.
    bool Run(std::size_t shareIndex, const Path& prefix, int length, int depth) {
        share = shareIndex;
        path = prefix;
        levels[0] = search.start;
        for (int k = 0; k < length; ++k) {
            // The prefix passed these bounds when it was made.
            static_cast<void>(
                search.Turn(levels[At(k)], path[At(k)], depth - k - 1, levels[At(k + 1)]));
        }
        return Dfs(levels[At(length)], length, depth - length,
                   length > 0 ? path[At(length - 1)] : fewest::NoTurn);
    }

    [[nodiscard]] bool Stopped() const noexcept { return stopped; }
    [[nodiscard]] const Path& Solution() const noexcept { return path; }

private:
    bool Dfs(const Level& at, int k, int togo, int last) {
        if (togo == 0) {
            return at.corners == 0 &&
                   std::ranges::all_of(at.frames, [](const Frame& f) { return f.distance == 0; }) &&
                   search.Solves(path, k);
        }
        if (GivingUp()) {
            return false;
        }
        Children& next = children[At(k)];
        search.Expand(at, last, togo - 1, next);
        for (std::size_t i = 0; i < At(next.count); ++i) {
            path[At(k)] = next.codes[i];
            if (Dfs(next.levels[i], k + 1, togo - 1, next.codes[i])) {
                return true;
            }
            if (stopped || abandoned) {
                return false;
            }
        }
        return false;
    }

    // Stopped by the limits, or no longer needed because an earlier share
    // has a solution.
    bool GivingUp() noexcept {
        if ((++nodes & CheckInterval) != 0) {
            return stopped || abandoned;
        }
        stopped = (limits.cancel != nullptr && limits.cancel->load(std::memory_order_relaxed)) ||
                  (limits.deadline && std::chrono::steady_clock::now() >= *limits.deadline);
        abandoned = firstFound.load(std::memory_order_relaxed) < share;
        return stopped || abandoned;
    }

    const OptimalSearch& search;
    const SearchLimits& limits;
    const std::atomic<std::size_t>& firstFound;
    std::array<Level, MostTurns + 1> levels{};
    std::array<Children, MostTurns> children{};
    Path path{};
    std::size_t share = 0;
    std::uint64_t nodes = 0;
    bool stopped = false;
    bool abandoned = false;
};

OptimalSearch::Outcome OptimalSearch::Search(int depth, unsigned threads,
                                             const SearchLimits& limits) const {
    const int length = PrefixLength(depth);
    std::vector<Path> prefixes;
    Prefixes(depth, length, prefixes);
    std::atomic<std::size_t> next{0};
    std::atomic<std::size_t> firstFound{NoneFound};
    std::atomic<bool> stopped{false};
    std::mutex found;
    Path best{};
    const auto work = [&] {
        Worker worker(*this, limits, firstFound);
        for (std::size_t i = next++; i < prefixes.size() && i < firstFound.load(); i = next++) {
            if (worker.Run(i, prefixes[i], length, depth)) {
                const std::scoped_lock lock(found);
                if (i < firstFound.load()) {
                    best = worker.Solution();
                    firstFound = i;
                }
            }
            if (worker.Stopped()) {
                stopped = true;
                return;
            }
        }
    };
    std::vector<std::jthread> helpers;
    try {
        for (unsigned k = 1; k < threads; ++k) {
            helpers.emplace_back(work);
        }
    } catch (const std::system_error&) {
        // Those that started, and this thread, do the work.
    }
    work();
    helpers.clear();
    Outcome outcome;
    if (firstFound.load() != NoneFound) {
        outcome.solution = std::vector<std::int16_t>(best.begin(), best.begin() + depth);
    } else {
        outcome.stopped = stopped.load();
    }
    return outcome;
}

} // namespace turnix::optimal
