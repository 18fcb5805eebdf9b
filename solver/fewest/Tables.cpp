#include "Tables.h"

#include "TableFile.h"

#include <atomic>
#include <iostream>
#include <numeric>

namespace turnix::fewest {

namespace {

std::atomic<bool> built{false};

constexpr std::array<int, TurnCount> AllTurns = [] {
    std::array<int, TurnCount> codes{};
    std::iota(codes.begin(), codes.end(), 0);
    return codes;
}();

int SlicePlace(const Arrangement& a) {
    return SliceSorted(a) / SlicePermCount;
}

void SetSlicePlace(Arrangement& a, int place) {
    SetSliceSorted(a, place * SlicePermCount);
}

int SixPlace(const Arrangement& a) {
    return SixEdges(a) / SixOrderCount;
}

int SixOrder(const Arrangement& a) {
    return SixEdges(a) % SixOrderCount;
}

void SetSixPlace(Arrangement& a, int place) {
    SetSixEdges(a, place * SixOrderCount);
}

MoveTable SixOrderCompose() {
    MoveTable table(static_cast<std::size_t>(SixOrderCount) * SixOrderCount);
    for (int first = 0; first < SixOrderCount; ++first) {
        for (int then = 0; then < SixOrderCount; ++then) {
            table[static_cast<std::size_t>(first * SixOrderCount + then)] =
                static_cast<std::uint16_t>(ComposeSixOrders(first, then));
        }
    }
    return table;
}

// Each move table's coordinate: how to read and set it, and whether it
// covers all 18 turns or the subgroup's only.
struct MoveCoordinate {
    MoveTable Tables::*table;
    int count;
    int (*get)(const Arrangement&);
    void (*set)(Arrangement&, int);
    bool allTurns;
};

const std::array<MoveCoordinate, 10> MoveCoordinates{{
    {&Tables::twistMoves, TwistCount, Twist, SetTwist, true},
    {&Tables::flipMoves, FlipCount, Flip, SetFlip, true},
    {&Tables::sliceMoves, SliceCount, SlicePlace, SetSlicePlace, true},
    {&Tables::sliceSortedMoves, SliceSortedCount, SliceSorted, SetSliceSorted, true},
    {&Tables::cornerMoves, CornerPermCount, CornerPerm, SetCornerPerm, true},
    {&Tables::edgeMoves, EdgePermCount, EdgePerm, SetEdgePerm, false},
    {&Tables::cornerCombMoves, CombCount, CornerComb, SetCornerComb, false},
    {&Tables::edgeCombMoves, CombCount, EdgeComb, SetEdgeComb, false},
    {&Tables::sixPlaceMoves, SixPlaceCount, SixPlace, SetSixPlace, true},
    {&Tables::sixOrderMoves, SixPlaceCount, SixOrder, SetSixPlace, true},
}};

template <typename Get, typename Set>
std::vector<std::uint8_t> CombOf(int count, Get get, Set set) {
    std::vector<std::uint8_t> combs(static_cast<std::size_t>(count));
    for (int value = 0; value < count; ++value) {
        Arrangement a;
        set(a, value);
        combs[static_cast<std::size_t>(value)] = static_cast<std::uint8_t>(get(a));
    }
    return combs;
}

// The move table of a coordinate with one value, to pair another with.
const MoveTable Alone(TurnCount, 0);

template <typename T>
std::size_t BytesOf(const std::vector<T>& v) {
    return v.size() * sizeof(T);
}

} // namespace

Tables::Tables()
    : turns(TurnEffects()), frames(BuildFrames(turns)),
      twistMoves(BuildMoveTable(TwistCount, Twist, SetTwist, turns, AllTurns)),
      flipMoves(BuildMoveTable(FlipCount, Flip, SetFlip, turns, AllTurns)),
      sliceMoves(BuildMoveTable(SliceCount, SlicePlace, SetSlicePlace, turns, AllTurns)),
      sliceSortedMoves(
          BuildMoveTable(SliceSortedCount, SliceSorted, SetSliceSorted, turns, AllTurns)),
      cornerMoves(BuildMoveTable(CornerPermCount, CornerPerm, SetCornerPerm, turns, AllTurns)),
      edgeMoves(BuildMoveTable(EdgePermCount, EdgePerm, SetEdgePerm, turns, SubgroupTurns)),
      cornerCombMoves(BuildMoveTable(CombCount, CornerComb, SetCornerComb, turns, SubgroupTurns)),
      edgeCombMoves(BuildMoveTable(CombCount, EdgeComb, SetEdgeComb, turns, SubgroupTurns)),
      sixPlaceMoves(BuildMoveTable(SixPlaceCount, SixPlace, SetSixPlace, turns, AllTurns)),
      sixOrderMoves(BuildMoveTable(SixPlaceCount, SixOrder, SetSixPlace, turns, AllTurns)),
      sixOrderCompose(SixOrderCompose()),
      cornerCombOf(CombOf(CornerPermCount, CornerComb, SetCornerPerm)),
      edgeCombOf(CombOf(EdgePermCount, EdgeComb, SetEdgePerm)),
      twistSliceDepth(BuildDepthTable(twistMoves, TwistCount, sliceMoves, SliceCount, AllTurns)),
      flipSliceDepth(BuildDepthTable(flipMoves, FlipCount, sliceMoves, SliceCount, AllTurns)),
      twistFlipDepth(BuildDepthTable(twistMoves, TwistCount, flipMoves, FlipCount, AllTurns)),
      cornerSliceDepth(BuildDepthTable(cornerMoves, CornerPermCount, sliceSortedMoves,
                                       SlicePermCount, SubgroupTurns)),
      edgeSliceDepth(BuildDepthTable(edgeMoves, EdgePermCount, sliceSortedMoves, SlicePermCount,
                                     SubgroupTurns)),
      cornerEdgeCombDepth(
          BuildDepthTable(cornerMoves, CornerPermCount, edgeCombMoves, CombCount, SubgroupTurns)),
      edgeCornerCombDepth(
          BuildDepthTable(edgeMoves, EdgePermCount, cornerCombMoves, CombCount, SubgroupTurns)),
      cornerDepth(BuildDepthTable(cornerMoves, CornerPermCount, Alone, 1, AllTurns)),
      sixEdgesDepth(BuildDepthTable(
          SixEdgeCount,
          [this](std::size_t value, int code) {
              return static_cast<std::size_t>(SixEdgesMove(static_cast<int>(value), code));
          },
          AllTurns)),
      twistSliceMod3(twistSliceDepth), flipSliceMod3(flipSliceDepth),
      twistFlipMod3(twistFlipDepth) {}

Tables::Tables(Unfilled) : turns(TurnEffects()), frames(BuildFrames(turns)) {}

const Tables& Tables::Get() {
    static const Tables tables = LoadOrBuildTables(TableCache(TableCache::UserFolder(), std::cerr));
    built.store(true, std::memory_order_release);
    return tables;
}

bool Tables::Ready() noexcept {
    return built.load(std::memory_order_acquire);
}

// A few values of each table against the coordinates and the turns of this
// program: enough to tell tables made with other definitions.
bool Tables::AgreeWithTurns() const {
    constexpr int Samples = 16;
    for (const MoveCoordinate& c : MoveCoordinates) {
        const MoveTable& moves = this->*c.table;
        for (int value = 0; value < c.count; value += c.count / Samples + 1) {
            Arrangement a;
            c.set(a, value);
            for (int code = 0; code < TurnCount; ++code) {
                if ((c.allTurns || InSubgroupTurns(code)) &&
                    moves[static_cast<std::size_t>(value * TurnCount + code)] !=
                        c.get(Then(a, turns[static_cast<std::size_t>(code)]))) {
                    return false;
                }
            }
        }
    }
    for (int value = 0; value < CornerPermCount; value += CornerPermCount / Samples + 1) {
        Arrangement a;
        SetCornerPerm(a, value);
        SetEdgePerm(a, value);
        if (cornerCombOf[static_cast<std::size_t>(value)] != CornerComb(a) ||
            edgeCombOf[static_cast<std::size_t>(value)] != EdgeComb(a)) {
            return false;
        }
    }
    for (int first = 0; first < SixOrderCount; first += SixOrderCount / Samples + 1) {
        const int then = SixOrderCount - 1 - first;
        if (sixOrderCompose[static_cast<std::size_t>(first * SixOrderCount + then)] !=
            ComposeSixOrders(first, then)) {
            return false;
        }
    }
    return true;
}

std::size_t Tables::Bytes() const noexcept {
    return BytesOf(twistMoves) + BytesOf(flipMoves) + BytesOf(sliceMoves) +
           BytesOf(sliceSortedMoves) + BytesOf(cornerMoves) + BytesOf(edgeMoves) +
           BytesOf(twistSliceDepth) + BytesOf(flipSliceDepth) + BytesOf(twistFlipDepth) +
           BytesOf(cornerSliceDepth) + BytesOf(edgeSliceDepth) + BytesOf(cornerCombMoves) +
           BytesOf(edgeCombMoves) + BytesOf(cornerCombOf) + BytesOf(edgeCombOf) +
           BytesOf(cornerEdgeCombDepth) + BytesOf(edgeCornerCombDepth) + BytesOf(cornerDepth) +
           BytesOf(sixPlaceMoves) + BytesOf(sixOrderMoves) + BytesOf(sixOrderCompose) +
           BytesOf(sixEdgesDepth) + BytesOf(twistSliceMod3.Packed()) +
           BytesOf(flipSliceMod3.Packed()) + BytesOf(twistFlipMod3.Packed());
}

} // namespace turnix::fewest
