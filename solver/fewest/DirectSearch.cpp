#include "DirectSearch.h"

#include "TurnOrder.h"

#include <algorithm>
#include <cstddef>

namespace turnix::fewest {

namespace {

// The stop flag is read once every 4,096 nodes.
constexpr std::uint64_t StopInterval = 0xFFF;

template <typename T>
constexpr std::size_t At(T value) {
    return static_cast<std::size_t>(value);
}

} // namespace

DirectSearch::DirectSearch(const Tables& tablesIn, const std::atomic<bool>* stopIn)
    : tables(tablesIn), stop(stopIn) {
    for (std::size_t f = 0; f < FrameCount; ++f) {
        for (std::size_t m = 0; m < TurnCount; ++m) {
            const std::size_t code = tables.frames.cubeTurn[f][m];
            viewTurn[2 * f][code] = static_cast<std::uint8_t>(m);
            viewTurn[2 * f + 1][code] = tables.frames.quarterTurn[m];
        }
    }
}

DirectSearch::Level DirectSearch::LevelOf(const Arrangement& cube) const {
    Level level;
    for (int f = 0; f < FrameCount; ++f) {
        const Arrangement seen = tables.frames.Seen(f, cube);
        level.views[At(2 * f)] = CosetOf(tables, seen);
        level.views[At(2 * f + 1)] = CosetOf(tables, tables.frames.Quartered(seen));
        level.sixEdges[At(f)] = SixEdges(seen);
    }
    level.corners = CornerPerm(cube);
    return level;
}

int DirectSearch::Bound(const Level& level) const {
    int bound = tables.cornerDepth[At(level.corners)];
    for (std::size_t f = 0; f < FrameCount; ++f) {
        bound = std::max<int>(bound, tables.sixEdgesDepth[At(level.sixEdges[f])]);
    }
    for (const Coset& view : level.views) {
        bound = std::max(bound, view.Bound());
    }
    return bound;
}

bool DirectSearch::Turn(const Level& from, int code, int rest, Level& to) const noexcept {
    to.corners = tables.cornerMoves[At(from.corners * TurnCount + code)];
    if (tables.cornerDepth[At(to.corners)] > rest) {
        return false;
    }
    for (std::size_t v = 0; v < ViewCount; ++v) {
        if (!TurnCoset(tables, from.views[v], viewTurn[v][At(code)], rest, to.views[v])) {
            return false;
        }
    }
    for (std::size_t f = 0; f < FrameCount; ++f) {
        to.sixEdges[f] = tables.SixEdgesMove(from.sixEdges[f], viewTurn[2 * f][At(code)]);
        if (tables.sixEdgesDepth[At(to.sixEdges[f])] > rest) {
            return false;
        }
    }
    return true;
}

// Every piece in place and turned right: the corners by their permutation and
// twist, the edges by the flip and by where six of them are in each frame,
// which between them see all twelve.
bool DirectSearch::IsSolved(const Level& level) noexcept {
    return level.corners == 0 && (level.views[0].twist | level.views[0].flip) == 0 &&
           std::ranges::all_of(level.sixEdges, [](int six) { return six == 0; });
}

std::optional<std::vector<std::int16_t>> DirectSearch::Solve(const Arrangement& cube) {
    nodes = 0;
    gaveUp = false;
    levels[0] = LevelOf(cube);
    for (int depth = Bound(levels[0]); depth <= MaxDepth; ++depth) {
        if (Search(0, depth, NoTurn)) {
            return std::vector<std::int16_t>(path.begin(), path.begin() + depth);
        }
        if (gaveUp) {
            break;
        }
    }
    return std::nullopt;
}

bool DirectSearch::Search(int depth, int togo, int last) {
    const Level& at = levels[At(depth)];
    if (togo == 0) {
        return IsSolved(at);
    }
    if (GivingUp()) {
        return false;
    }
    const int rest = togo - 1;
    Level& next = levels[At(depth + 1)];
    for (int code = 0; code < TurnCount; ++code) {
        if (!MayFollow(last, code) || !Turn(at, code, rest, next)) {
            continue;
        }
        path[At(depth)] = static_cast<std::uint8_t>(code);
        if (Search(depth + 1, rest, code)) {
            return true;
        }
        if (gaveUp) {
            return false;
        }
    }
    return false;
}

bool DirectSearch::GivingUp() noexcept {
    ++nodes;
    if ((nodes & StopInterval) == 0) {
        gaveUp = nodes > NodeLimit || (stop != nullptr && stop->load(std::memory_order_relaxed));
    }
    return gaveUp;
}

} // namespace turnix::fewest
