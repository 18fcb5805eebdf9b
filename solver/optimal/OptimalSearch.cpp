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
    Move(from.frames[0], 0, code, to.frames[0]);
    return true;
}

void OptimalSearch::Move(const Frame& was, std::size_t frame, int code, Frame& now) const noexcept {
    const std::size_t turn = frameTurn[frame][At(code)];
    now.twist = tables.twistMoves[At(was.twist) * fewest::TurnCount + turn];
    now.flip = tables.flipMoves[At(was.flip) * fewest::TurnCount + turn];
    now.slice = tables.sliceSortedMoves[At(was.slice) * fewest::TurnCount + turn];
}

bool OptimalSearch::Turn(const Level& from, int code, int rest, Level& to) const noexcept {
    if (!Step(from, code, rest, to)) {
        return false;
    }
    for (std::size_t f = 0; f < Frames; ++f) {
        Frame& now = to.frames[f];
        if (f > 0) {
            Move(from.frames[f], f, code, now);
        }
        now.distance = distance.Next(from.frames[f].distance,
                                     distance.EntryOf(now.twist, now.flip, now.slice));
        if (now.distance > rest) {
            return false;
        }
    }
    return true;
}

void OptimalSearch::Begin(const Level& from, int last, int rest,
                          Children& children) const noexcept {
    int count = 0;
    for (int code = 0; code < fewest::TurnCount; ++code) {
        Level& to = children.levels[At(count)];
        if (fewest::MayFollow(last, code) && Step(from, code, rest, to)) {
            children.codes[At(count++)] = static_cast<std::uint8_t>(code);
        }
    }
    children.count = count;
    AskClasses(0, children);
}

void OptimalSearch::AskClasses(std::size_t frame, const Children& children) const noexcept {
    for (std::size_t i = 0; i < At(children.count); ++i) {
        const Frame& seen = children.levels[i].frames[frame];
        distance.PrefetchClass(seen.flip, seen.slice);
    }
}

void OptimalSearch::AskEntries(std::size_t frame, Children& children) const noexcept {
    for (std::size_t i = 0; i < At(children.count); ++i) {
        const Frame& seen = children.levels[i].frames[frame];
        children.entries[i] = distance.EntryOf(seen.twist, seen.flip, seen.slice);
        distance.Prefetch(children.entries[i]);
    }
}

bool OptimalSearch::Keep(const Level& from, int rest, std::size_t frame,
                         Children& children) const noexcept {
    std::size_t kept = 0;
    for (std::size_t i = 0; i < At(children.count); ++i) {
        int& d = children.levels[i].frames[frame].distance;
        d = distance.Next(from.frames[frame].distance, children.entries[i]);
        if (d <= rest) {
            if (kept != i) {
                children.levels[kept] = children.levels[i];
                children.codes[kept] = children.codes[i];
            }
            ++kept;
        }
    }
    children.count = static_cast<int>(kept);
    if (frame + 1 == Frames || kept == 0) {
        return false;
    }
    for (std::size_t i = 0; i < kept; ++i) {
        Move(from.frames[frame + 1], frame + 1, children.codes[i],
             children.levels[i].frames[frame + 1]);
    }
    AskClasses(frame + 1, children);
    return true;
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

// What the threads share: the shares, handed out in order, and the first
// one found to hold a solution.
struct OptimalSearch::Shares {
    std::vector<Path> prefixes;
    int length = 0;
    int depth = 0;
    std::atomic<std::size_t> next{0};
    std::atomic<std::size_t> firstFound{NoneFound};
    std::atomic<bool> stopped{false};
    std::mutex found;
    Path best{};

    // The next share to search; NoneFound once none is left that could
    // come before a solution found.
    std::size_t Take() {
        const std::size_t share = next++;
        return share < prefixes.size() && share < firstFound.load() ? share : NoneFound;
    }
    void Found(std::size_t share, const Path& path) {
        const std::scoped_lock lock(found);
        if (share < firstFound.load()) {
            best = path;
            firstFound = share;
        }
    }
};

// One share's depth-first search, on a stack of its own, so that it can
// pause while its entries come from memory and go on later.
class OptimalSearch::Lane {
public:
    enum class State { Waiting, Found, Done };

    explicit Lane(const OptimalSearch& searchIn) : search(searchIn) {}

    State Start(std::size_t shareIndex, const Shares& shares) {
        share = shareIndex;
        path = shares.prefixes[share];
        base = shares.length;
        depth = shares.depth;
        levels[0] = search.start;
        for (int i = 0; i < base; ++i) {
            // The prefix passed these bounds when it was made.
            static_cast<void>(
                search.Turn(levels[At(i)], path[At(i)], depth - i - 1, levels[At(i + 1)]));
        }
        k = base;
        if (base == depth) {
            return IsSolution(levels[At(k)]) ? State::Found : State::Done;
        }
        return Open() ? State::Waiting : Descend();
    }

    // Goes on until it waits for memory again, has found a solution or has
    // searched its share.
    State Advance() {
        if (!classesRead) {
            search.AskEntries(frame, children[At(k)]);
            classesRead = true;
            return State::Waiting;
        }
        classesRead = false;
        if (search.Keep(levels[At(k)], depth - k - 1, frame, children[At(k)])) {
            ++frame;
            return State::Waiting;
        }
        cursor[At(k)] = 0;
        return Descend();
    }

    [[nodiscard]] std::size_t Share() const noexcept { return share; }
    [[nodiscard]] const Path& Solution() const noexcept { return path; }

private:
    // Begins to expand the node at k; false when no child is left to wait for.
    bool Open() {
        const int last = k > 0 ? path[At(k - 1)] : fewest::NoTurn;
        Children& next = children[At(k)];
        search.Begin(levels[At(k)], last, depth - k - 1, next);
        frame = 0;
        cursor[At(k)] = 0;
        return next.count > 0;
    }

    // The next node to expand, in the order of turn codes.
    State Descend() {
        for (;;) {
            const Children& here = children[At(k)];
            if (cursor[At(k)] == here.count) {
                if (k == base) {
                    return State::Done;
                }
                --k;
                continue;
            }
            const auto i = At(cursor[At(k)]++);
            path[At(k)] = here.codes[i];
            if (k + 1 == depth) {
                if (IsSolution(here.levels[i])) {
                    return State::Found;
                }
                continue;
            }
            levels[At(k + 1)] = here.levels[i];
            ++k;
            if (Open()) {
                return State::Waiting;
            }
        }
    }

    [[nodiscard]] bool IsSolution(const Level& level) const {
        return level.corners == 0 &&
               std::ranges::all_of(level.frames, [](const Frame& f) { return f.distance == 0; }) &&
               search.Solves(path, depth);
    }

    const OptimalSearch& search;
    std::array<Level, MostTurns + 1> levels{};
    std::array<Children, MostTurns> children{};
    std::array<int, MostTurns> cursor{};
    Path path{};
    std::size_t share = 0;
    int base = 0;
    int depth = 0;
    int k = 0;
    std::size_t frame = 0;
    bool classesRead = false;
};

// One thread's search: a few shares at once, one lane each, taking turns,
// so that while one lane's entries come from memory the others work.
class OptimalSearch::Worker {
public:
    Worker(const OptimalSearch& search, const SearchLimits& limitsIn, Shares& sharesIn)
        : limits(limitsIn), shares(sharesIn) {
        lanes.reserve(LaneCount);
        for (std::size_t i = 0; i < LaneCount; ++i) {
            lanes.emplace_back(search);
        }
        busy.assign(LaneCount, false);
    }

    void Run() {
        for (std::size_t i = 0; i < lanes.size(); ++i) {
            Settle(i, Lane::State::Done);
        }
        while (std::ranges::find(busy, true) != busy.end()) {
            for (std::size_t i = 0; i < lanes.size(); ++i) {
                if (busy[i]) {
                    Settle(i, lanes[i].Advance());
                }
            }
            if ((++rounds & CheckInterval) == 0 && GivingUp()) {
                return;
            }
        }
    }

private:
    static constexpr std::size_t LaneCount = 4;

    // Hands a lane that is through with its share the next ones until one
    // waits for memory or none is left.
    void Settle(std::size_t i, Lane::State state) {
        while (state != Lane::State::Waiting) {
            if (state == Lane::State::Found) {
                shares.Found(lanes[i].Share(), lanes[i].Solution());
            }
            const std::size_t share = shares.Take();
            busy[i] = share != NoneFound;
            if (!busy[i]) {
                return;
            }
            state = lanes[i].Start(share, shares);
        }
    }

    // Stopped by the limits; or, for a lane, no longer needed because an
    // earlier share has a solution.
    bool GivingUp() {
        if ((limits.cancel != nullptr && limits.cancel->load(std::memory_order_relaxed)) ||
            (limits.deadline && std::chrono::steady_clock::now() >= *limits.deadline)) {
            shares.stopped = true;
            return true;
        }
        for (std::size_t i = 0; i < lanes.size(); ++i) {
            if (busy[i] && lanes[i].Share() > shares.firstFound.load(std::memory_order_relaxed)) {
                busy[i] = false;
            }
        }
        return false;
    }

    const SearchLimits& limits;
    Shares& shares;
    std::vector<Lane> lanes;
    std::vector<bool> busy;
    std::uint64_t rounds = 0;
};

OptimalSearch::Outcome OptimalSearch::Search(int depth, unsigned threads,
                                             const SearchLimits& limits) const {
    Shares shares;
    shares.length = PrefixLength(depth);
    shares.depth = depth;
    Prefixes(depth, shares.length, shares.prefixes);
    const auto work = [&] {
        Worker(*this, limits, shares).Run();
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
    if (shares.firstFound.load() != NoneFound) {
        outcome.solution =
            std::vector<std::int16_t>(shares.best.begin(), shares.best.begin() + depth);
    } else {
        outcome.stopped = shares.stopped.load();
    }
    return outcome;
}

} // namespace turnix::optimal
