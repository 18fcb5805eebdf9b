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
      twistSliceMod3(twistSliceDepth), flipSliceMod3(flipSliceDepth),
      twistFlipMod3(twistFlipDepth) {}

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
           BytesOf(cornerEdgeCombDepth) + BytesOf(edgeCornerCombDepth) + twistSliceMod3.Bytes() +
           flipSliceMod3.Bytes() + twistFlipMod3.Bytes();
}

} // namespace turnix::fewest
