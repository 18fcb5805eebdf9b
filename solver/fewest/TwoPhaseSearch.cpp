#include "TwoPhaseSearch.h"

#include "PieceAlgebra.h"
#include "TurnOrder.h"

#include <algorithm>
#include <cstddef>

namespace turnix::fewest {

namespace {

// The second phase goes beyond this many turns only where a solution of at
// most maxTurns needs it: long second phases are slow to find and rarely
// give a short solution.
constexpr int PhaseTwoReach = 10;

// Every cube can be solved in this many turns, so a search for a longer
// solution need not look further than a search for one this long.
constexpr int GodsNumber = 20;

// The share is asked about the time once every 4,096 nodes.
constexpr std::uint32_t ClockInterval = 0xFFF;

template <typename T>
constexpr std::size_t At(T value) {
    return static_cast<std::size_t>(value);
}

} // namespace

std::vector<TwoPhaseSearch::Problem> TwoPhaseSearch::Problems(const Tables& tables,
                                                              const Arrangement& cube) {
    std::vector<Problem> problems;
    std::vector<Arrangement> seen;
    const std::array<Arrangement, 2> ways{cube, Inverse(cube)};
    for (int frame = 0; frame < FrameCount; ++frame) {
        for (std::size_t way = 0; way < ways.size(); ++way) {
            const Arrangement view = tables.frames.Seen(frame, ways[way]);
            if (std::ranges::find(seen, view) != seen.end()) {
                continue;
            }
            seen.push_back(view);
            Problem made;
            made.frame = frame;
            made.inverse = way == 1;
            made.coset = CosetOf(tables, view);
            made.quartered = CosetOf(tables, tables.frames.Quartered(view));
            made.sliceSorted = SliceSorted(view);
            made.corners = CornerPerm(view);
            for (std::size_t p = 0; p < made.edges.size(); ++p) {
                made.edges[p] = static_cast<std::uint8_t>(view.edge[p]);
            }
            made.lowerBound = std::max(made.coset.Bound(), made.quartered.Bound());
            problems.push_back(made);
        }
    }
    return problems;
}

TwoPhaseSearch::TwoPhaseSearch(const Tables& tablesIn, const std::vector<Problem>& problemsIn,
                               SearchShare& shareIn, int maxTurnsIn)
    : tables(tablesIn), problems(problemsIn), share(shareIn), maxTurns(maxTurnsIn) {}

void TwoPhaseSearch::Run() {
    while (const auto claimed = share.Claim()) {
        unit = *claimed;
        const Problem& each = problems[unit.problem];
        if (each.lowerBound > unit.depth) {
            continue;
        }
        problem = &each;
        abandoned = false;
        knownCorners = 0;
        knownEdges = 0;
        cornersAt[0] = each.corners;
        orderAt[0] = each.sliceSorted;
        edgesAt[0] = each.edges;
        quarteredAt[0] = each.quartered;
        PhaseOne(each.coset, 0, unit.depth, NoTurn);
    }
}

bool TwoPhaseSearch::PhaseOne(const Coset& at, int depth, int togo, int last) {
    if (togo == 0) {
        return (at.twist | at.flip | at.slice) == 0 ? StartPhaseTwo() : false;
    }
    if (Abandoned()) {
        return true;
    }
    const int rest = togo - 1;
    const Coset& quartered = quarteredAt[At(depth)];
    for (int code = 0; code < TurnCount; ++code) {
        // A first phase that ends inside the subgroup was found one turn
        // earlier.
        if (!MayFollow(last, code) || (rest == 0 && Tables::InSubgroupTurns(code))) {
            continue;
        }
        Coset next;
        if (!TurnCoset(tables, at, code, rest, next) ||
            !TurnCoset(tables, quartered, tables.frames.quarterTurn[At(code)], rest,
                       quarteredAt[At(depth + 1)])) {
            continue;
        }
        path[At(depth)] = static_cast<std::uint8_t>(code);
        knownCorners = std::min(knownCorners, depth);
        knownEdges = std::min(knownEdges, depth);
        if (PhaseOne(next, depth + 1, rest, code)) {
            return true;
        }
    }
    return false;
}

// Corners × order is also read on its own, first, before the edges are
// worked out.
int TwoPhaseSearch::PhaseTwoBound(int corners, int edges, int order) const noexcept {
    return std::max(
        {tables.edgeSliceDepth[At(edges * SlicePermCount + order)],
         tables.cornerEdgeCombDepth[At(corners * CombCount + tables.edgeCombOf[At(edges)])],
         tables.edgeCornerCombDepth[At(edges * CombCount + tables.cornerCombOf[At(corners)])]});
}

bool TwoPhaseSearch::StartPhaseTwo() {
    const int depth = unit.depth;
    const int needed = std::min(maxTurns, GodsNumber) - depth;
    const int limit =
        std::min({share.Beat() - 1 - depth, std::max(PhaseTwoReach, needed), MaxPhaseTwo});
    if (limit < 0) {
        return true;
    }
    for (; knownCorners < depth; ++knownCorners) {
        const auto i = At(knownCorners);
        const int code = path[i];
        cornersAt[i + 1] = tables.cornerMoves[At(cornersAt[i] * TurnCount + code)];
        orderAt[i + 1] = tables.sliceSortedMoves[At(orderAt[i] * TurnCount + code)];
    }
    const int corners = cornersAt[At(depth)];
    const int order = orderAt[At(depth)];
    int bound = tables.cornerSliceDepth[At(corners * SlicePermCount + order)];
    if (bound > limit) {
        return false;
    }
    for (; knownEdges < depth; ++knownEdges) {
        const auto i = At(knownEdges);
        const auto& turn = tables.turns[At(path[i])];
        for (std::size_t p = 0; p < EdgeCount; ++p) {
            edgesAt[i + 1][p] = edgesAt[i][At(turn.edge[p])];
        }
    }
    const int edges = PermutationRank(edgesAt[At(depth)], 8);
    bound = std::max(bound, PhaseTwoBound(corners, edges, order));
    const int last = depth > 0 ? path[At(depth - 1)] : NoTurn;
    for (int togo = bound; togo <= limit; ++togo) {
        if (PhaseTwo(corners, edges, order, depth, togo, last)) {
            Record(depth + togo);
            return share.Over(unit);
        }
        if (abandoned) {
            return true;
        }
    }
    return false;
}

bool TwoPhaseSearch::PhaseTwo(int corners, int edges, int order, int depth, int togo, int last) {
    if (togo == 0) {
        return (corners | edges | order) == 0;
    }
    if (Abandoned()) {
        return false;
    }
    const int rest = togo - 1;
    for (const int code : SubgroupTurns) {
        if (!MayFollow(last, code)) {
            continue;
        }
        const int nextCorners = tables.cornerMoves[At(corners * TurnCount + code)];
        const int nextOrder = tables.sliceSortedMoves[At(order * TurnCount + code)];
        if (tables.cornerSliceDepth[At(nextCorners * SlicePermCount + nextOrder)] > rest) {
            continue;
        }
        const int nextEdges = tables.edgeMoves[At(edges * TurnCount + code)];
        if (PhaseTwoBound(nextCorners, nextEdges, nextOrder) > rest) {
            continue;
        }
        path[At(depth)] = static_cast<std::uint8_t>(code);
        if (PhaseTwo(nextCorners, nextEdges, nextOrder, depth + 1, rest, code)) {
            return true;
        }
        if (abandoned) {
            return false;
        }
    }
    return false;
}

// The path is in the problem's frame, and for the inverse it undoes the
// cube instead of solving it: map, then reverse and undo each turn.
void TwoPhaseSearch::Record(int length) {
    const auto& cubeTurn = tables.frames.cubeTurn[At(problem->frame)];
    std::vector<std::int16_t> solution;
    solution.reserve(At(length));
    for (int i = 0; i < length; ++i) {
        solution.push_back(cubeTurn[At(path[At(i)])]);
    }
    if (problem->inverse) {
        std::ranges::reverse(solution);
        std::ranges::transform(solution, solution.begin(), Undo);
    }
    // Mapping can turn a pair of opposite sides round; they commute.
    for (std::size_t i = 0; i + 1 < solution.size(); ++i) {
        const int a = Group(solution[i]);
        const int b = Group(solution[i + 1]);
        if (Opposite(a, b) && b < a) {
            std::swap(solution[i], solution[i + 1]);
        }
    }
    share.Offer(unit, std::move(solution));
}

bool TwoPhaseSearch::Abandoned() {
    if (!abandoned) {
        abandoned = share.Over(unit) || ((++nodes & ClockInterval) == 0 && share.CheckTime());
    }
    return abandoned;
}

} // namespace turnix::fewest
