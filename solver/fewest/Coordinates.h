#pragma once

#include "Pieces.h"

namespace turnix::fewest {

// Whole numbers that each describe one aspect of an arrangement; every one
// is 0 for the solved cube. The first three say how far a cube is from the
// subgroup that the second phase works in (all pieces oriented, the four
// middle edges in the middle layer); the rest tell cubes of that subgroup
// apart.
inline constexpr int TwistCount = 2187;        // 3^7 corner twists
inline constexpr int FlipCount = 2048;         // 2^11 edge flips
inline constexpr int SliceCount = 495;         // 12 choose 4 middle-edge places
inline constexpr int SlicePermCount = 24;      // order of the middle edges
inline constexpr int SliceSortedCount = 11880; // places and order together
inline constexpr int CornerPermCount = 40320;  // 8!
inline constexpr int EdgePermCount = 40320;    // 8! of the Top and Bottom edges
inline constexpr int CombCount = 70;           // 8 choose 4 places of a layer's pieces

// Where six edges (UR, UF, DF, DB, FR, BL) are and in which order, as
// places × 720 + order: enough edges to tell cubes apart that every
// first-phase view takes for solved.
inline constexpr int SixPlaceCount = 924;   // 12 choose 6
inline constexpr int SixOrderCount = 720;   // 6!
inline constexpr int SixEdgeCount = 665280; // both together

// The first middle edge, FR; the middle edges are 8..11.
inline constexpr int FirstSliceEdge = 8;

[[nodiscard]] int Twist(const Arrangement& a);
void SetTwist(Arrangement& a, int twist);

[[nodiscard]] int Flip(const Arrangement& a);
void SetFlip(Arrangement& a, int flip);

// Places and order of the middle edges, as place × 24 + order; the place
// alone is SliceSorted / 24, and in the subgroup SliceSorted is the order.
[[nodiscard]] int SliceSorted(const Arrangement& a);
void SetSliceSorted(Arrangement& a, int sliceSorted);

[[nodiscard]] int CornerPerm(const Arrangement& a);
void SetCornerPerm(Arrangement& a, int cornerPerm);

// Only for arrangements whose positions 0..7 hold the edges 0..7.
[[nodiscard]] int EdgePerm(const Arrangement& a);
void SetEdgePerm(Arrangement& a, int edgePerm);

// Which four of the eight corner positions hold the Top corners (0..3), and
// which four of the eight Top and Bottom edge positions the Top edges.
[[nodiscard]] int CornerComb(const Arrangement& a);
void SetCornerComb(Arrangement& a, int comb);
[[nodiscard]] int EdgeComb(const Arrangement& a);
void SetEdgeComb(Arrangement& a, int comb);

[[nodiscard]] int SixEdges(const Arrangement& a);
void SetSixEdges(Arrangement& a, int sixEdges);

// The order of six edges that follows `first` when their places then change
// as `then` orders them from `first`'s places (both orders < 720).
[[nodiscard]] int ComposeSixOrders(int first, int then);

// The rank of a permutation of 0..n-1 among all n! (identity 0).
template <typename T, std::size_t N>
[[nodiscard]] int PermutationRank(const std::array<T, N>& values, std::size_t n) {
    int rank = 0;
    for (std::size_t i = 0; i < n; ++i) {
        int smaller = 0;
        for (std::size_t j = i + 1; j < n; ++j) {
            smaller += values[j] < values[i] ? 1 : 0;
        }
        rank = rank * static_cast<int>(n - i) + smaller;
    }
    return rank;
}

} // namespace turnix::fewest
