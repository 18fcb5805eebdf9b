#include "Tables.h"

#include <atomic>
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
    static const Tables tables;
    built.store(true, std::memory_order_release);
    return tables;
}

bool Tables::Ready() noexcept {
    return built.load(std::memory_order_acquire);
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
