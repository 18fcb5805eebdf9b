#include "TwoPhaseSearch.h"

#include "PieceAlgebra.h"

#include <algorithm>
#include <cstddef>

namespace turnix::fewest {

namespace {

constexpr int NoTurn = TurnCount;
constexpr int Unsolved = 99;
constexpr int TopGroup = 4;

// The second phase goes beyond this many turns only where a solution of at
// most maxTurns needs it: long second phases are slow to find and rarely
// give a short solution.
constexpr int PhaseTwoReach = 10;

// Every cube can be solved in this many turns, so a search for a longer
// solution need not look further than a search for one this long.
constexpr int GodsNumber = 20;

// The clock is read once every 4,096 nodes.
constexpr std::uint32_t ClockInterval = 0xFFF;

constexpr int Group(int code) {
    return code / 3;
}

constexpr bool Opposite(int groupA, int groupB) {
    return groupA != groupB && (groupA >= TopGroup ? groupB >= TopGroup
                                                   : groupB < TopGroup && groupA % 2 == groupB % 2);
}

// Turns of one side are merged, and turns of opposite sides, which commute,
// come in one order only: the lower group first.
constexpr auto Follows = [] {
    std::array<std::array<bool, TurnCount>, TurnCount + 1> follows{};
    for (int last = 0; last <= TurnCount; ++last) {
        for (int code = 0; code < TurnCount; ++code) {
            const bool any = last == NoTurn;
            const int a = Group(last);
            const int b = Group(code);
            follows[static_cast<std::size_t>(last)][static_cast<std::size_t>(code)] =
                any || (a != b && !(Opposite(a, b) && b < a));
        }
    }
    return follows;
}();

constexpr bool MayFollow(int last, int code) {
    return Follows[static_cast<std::size_t>(last)][static_cast<std::size_t>(code)];
}

constexpr std::int16_t Undo(std::int16_t code) {
    constexpr std::array<std::int16_t, 3> undoKind{1, 0, 2};
    return static_cast<std::int16_t>(code - code % 3 +
                                     undoKind[static_cast<std::size_t>(code % 3)]);
}

template <typename T>
constexpr std::size_t At(T value) {
    return static_cast<std::size_t>(value);
}

} // namespace

TwoPhaseSearch::TwoPhaseSearch(const Tables& tablesIn, const FewestTurnsLimits& limits)
    : tables(tablesIn), maxTurns(std::clamp(limits.maxTurns, 0, Unsolved - 1)),
      timed(limits.timeLimit.count() > 0),
      deadline(std::chrono::steady_clock::now() + limits.timeLimit), best(Unsolved) {}

std::vector<std::int16_t> TwoPhaseSearch::Solve(const Arrangement& cube) {
    if (cube == Arrangement{}) {
        return {};
    }
    std::vector<Problem> problems;
    std::vector<Arrangement> seen;
    const std::array<Arrangement, 2> ways{cube, Inverse(cube)};
    for (int frame = 0; frame < FrameCount; ++frame) {
        for (std::size_t way = 0; way < ways.size(); ++way) {
            const Arrangement view = tables.frames.Seen(frame, ways[way]);
            if (std::ranges::find(seen, view) == seen.end()) {
                seen.push_back(view);
                problems.push_back(MakeProblem(frame, way == 1, view));
            }
        }
    }
    for (phaseOneDepth = 0; phaseOneDepth <= MaxPhaseOne && !Unwinding(); ++phaseOneDepth) {
        for (const Problem& each : problems) {
            if (each.lowerBound > phaseOneDepth) {
                continue;
            }
            problem = &each;
            knownCorners = 0;
            knownEdges = 0;
            cornersAt[0] = each.corners;
            orderAt[0] = each.sliceSorted;
            edgesAt[0] = each.edges;
            quarteredAt[0] = each.quartered;
            PhaseOne(each.coset, 0, phaseOneDepth, NoTurn);
            if (Unwinding()) {
                break;
            }
        }
    }
    return bestSolution;
}

TwoPhaseSearch::Problem TwoPhaseSearch::MakeProblem(int frame, bool inverse,
                                                    const Arrangement& view) const {
    Problem made;
    made.frame = frame;
    made.inverse = inverse;
    made.coset = CosetOf(view);
    made.quartered = CosetOf(tables.frames.Quartered(view));
    made.sliceSorted = SliceSorted(view);
    made.corners = CornerPerm(view);
    for (std::size_t p = 0; p < made.edges.size(); ++p) {
        made.edges[p] = static_cast<std::uint8_t>(view.edge[p]);
    }
    made.lowerBound =
        std::max(std::ranges::max(made.coset.depths), std::ranges::max(made.quartered.depths));
    return made;
}

TwoPhaseSearch::Coset TwoPhaseSearch::CosetOf(const Arrangement& a) const {
    Coset coset{Twist(a), Flip(a), SliceSorted(a) / SlicePermCount, {}};
    coset.depths = {tables.twistSliceDepth[At(coset.twist * SliceCount + coset.slice)],
                    tables.flipSliceDepth[At(coset.flip * SliceCount + coset.slice)],
                    tables.twistFlipDepth[At(coset.twist * FlipCount + coset.flip)]};
    return coset;
}

bool TwoPhaseSearch::WithinReach(const Coset& from, Coset& to, int rest) const noexcept {
    to.depths[0] = tables.twistSliceMod3.Next(from.depths[0], At(to.twist * SliceCount + to.slice));
    if (to.depths[0] > rest) {
        return false;
    }
    to.depths[1] = tables.flipSliceMod3.Next(from.depths[1], At(to.flip * SliceCount + to.slice));
    if (to.depths[1] > rest) {
        return false;
    }
    to.depths[2] = tables.twistFlipMod3.Next(from.depths[2], At(to.twist * FlipCount + to.flip));
    return to.depths[2] <= rest;
}

bool TwoPhaseSearch::PhaseOne(const Coset& at, int depth, int togo, int last) {
    if (togo == 0) {
        return (at.twist | at.flip | at.slice) == 0 ? StartPhaseTwo() : false;
    }
    if (OutOfTime()) {
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
        next.twist = tables.twistMoves[At(at.twist * TurnCount + code)];
        next.flip = tables.flipMoves[At(at.flip * TurnCount + code)];
        next.slice = tables.sliceMoves[At(at.slice * TurnCount + code)];
        if (!WithinReach(at, next, rest)) {
            continue;
        }
        const int turn = tables.frames.quarterTurn[At(code)];
        Coset& nextQuartered = quarteredAt[At(depth + 1)];
        nextQuartered.twist = tables.twistMoves[At(quartered.twist * TurnCount + turn)];
        nextQuartered.flip = tables.flipMoves[At(quartered.flip * TurnCount + turn)];
        nextQuartered.slice = tables.sliceMoves[At(quartered.slice * TurnCount + turn)];
        if (!WithinReach(quartered, nextQuartered, rest)) {
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
    const int depth = phaseOneDepth;
    const int needed = std::min(maxTurns, GodsNumber) - depth;
    const int limit = std::min({best - 1 - depth, std::max(PhaseTwoReach, needed), MaxPhaseTwo});
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
            return Unwinding();
        }
        if (stopped) {
            return true;
        }
    }
    return false;
}

bool TwoPhaseSearch::PhaseTwo(int corners, int edges, int order, int depth, int togo, int last) {
    if (togo == 0) {
        return (corners | edges | order) == 0;
    }
    if (OutOfTime()) {
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
        if (stopped) {
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
    best = length;
    bestSolution = std::move(solution);
    stopped = stopped || best <= maxTurns;
}

bool TwoPhaseSearch::OutOfTime() {
    if (stopped) {
        return true;
    }
    if (!timed || best == Unsolved || (++nodes & ClockInterval) != 0) {
        return false;
    }
    stopped = std::chrono::steady_clock::now() >= deadline;
    return stopped;
}

} // namespace turnix::fewest
