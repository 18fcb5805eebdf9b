#include "Coordinates.h"

#include <cstddef>

namespace turnix::fewest {

namespace {

constexpr std::size_t CornerCount = 8;
constexpr std::size_t EdgeCount = 12;
constexpr std::size_t SliceEdges = 4;
constexpr std::size_t SixCount = 6;

// The six edges' positions are ranked in this order, their own first, so
// that the solved cube has places 0 and order 0; the six edges are named
// by their rank.
constexpr std::array<int, EdgeCount> SixRankOf{0, 1, 6, 7, 8, 2, 9, 3, 4, 10, 5, 11};
constexpr std::array<int, EdgeCount> SixPositionOf{0, 1, 5, 7, 8, 10, 2, 3, 4, 6, 9, 11};

constexpr int Choose(int n, int k) {
    if (k < 0 || k > n) {
        return 0;
    }
    int result = 1;
    for (int i = 1; i <= k; ++i) {
        result = result * (n - k + i) / i;
    }
    return result;
}

// Sets the first n entries to the permutation of 0..n-1 with this rank.
template <std::size_t N>
void Unrank(std::array<int, N>& values, std::size_t n, int rank) {
    std::array<int, N> digits{};
    for (std::size_t i = n; i-- > 0;) {
        const int base = static_cast<int>(n - i);
        digits[i] = rank % base;
        rank /= base;
    }
    std::array<bool, N> used{};
    for (std::size_t i = 0; i < n; ++i) {
        int skip = digits[i];
        std::size_t v = 0;
        while (used[v] || skip > 0) {
            skip -= used[v] ? 0 : 1;
            ++v;
        }
        used[v] = true;
        values[i] = static_cast<int>(v);
    }
}

// The places of the pieces below `first` among the first eight positions,
// counted so that places 0..3 rank 0.
template <std::size_t N>
int LayerComb(const std::array<int, N>& piece, int first) {
    int comb = 0;
    int found = 0;
    for (std::size_t p = 0; p < CornerCount; ++p) {
        if (piece[p] < first) {
            comb += Choose(static_cast<int>(p), found + 1);
            ++found;
        }
    }
    return comb;
}

// Puts the pieces 0..3 on the places of the combination and 4..7 on the
// others, each set in order.
template <std::size_t N>
void SetLayerComb(std::array<int, N>& piece, int comb) {
    std::array<bool, CornerCount> chosen{};
    for (int k = static_cast<int>(SliceEdges); k-- > 0;) {
        int q = k;
        while (Choose(q + 1, k + 1) <= comb) {
            ++q;
        }
        comb -= Choose(q, k + 1);
        chosen[static_cast<std::size_t>(q)] = true;
    }
    int low = 0;
    int high = static_cast<int>(SliceEdges);
    for (std::size_t p = 0; p < CornerCount; ++p) {
        piece[p] = chosen[p] ? low++ : high++;
    }
}

// The rank of k chosen places among n, listed in increasing order: the
// first k places rank 0.
template <std::size_t K>
int CombRank(const std::array<int, K>& places) {
    int rank = 0;
    for (std::size_t i = 0; i < K; ++i) {
        rank += Choose(places[i], static_cast<int>(i) + 1);
    }
    return rank;
}

template <std::size_t K>
std::array<int, K> CombOfRank(int rank, int n) {
    std::array<int, K> places{};
    for (int k = static_cast<int>(K); k-- > 0;) {
        int q = n - 1;
        while (Choose(q, k + 1) > rank) {
            --q;
        }
        rank -= Choose(q, k + 1);
        places[static_cast<std::size_t>(k)] = q;
    }
    return places;
}

} // namespace

int Twist(const Arrangement& a) {
    int twist = 0;
    for (std::size_t i = 0; i + 1 < CornerCount; ++i) {
        twist = twist * 3 + a.twist[i];
    }
    return twist;
}

void SetTwist(Arrangement& a, int twist) {
    int sum = 0;
    for (std::size_t i = CornerCount - 1; i-- > 0;) {
        a.twist[i] = twist % 3;
        sum += a.twist[i];
        twist /= 3;
    }
    a.twist[CornerCount - 1] = (3 - sum % 3) % 3;
}

int Flip(const Arrangement& a) {
    int flip = 0;
    for (std::size_t i = 0; i + 1 < EdgeCount; ++i) {
        flip = flip * 2 + a.flip[i];
    }
    return flip;
}

void SetFlip(Arrangement& a, int flip) {
    int sum = 0;
    for (std::size_t i = EdgeCount - 1; i-- > 0;) {
        a.flip[i] = flip % 2;
        sum += a.flip[i];
        flip /= 2;
    }
    a.flip[EdgeCount - 1] = sum % 2;
}

// Places are counted from the last position down, so that the middle layer
// (positions 8..11) is place 0.
int SliceSorted(const Arrangement& a) {
    int place = 0;
    int found = 0;
    std::array<int, SliceEdges> order{};
    for (std::size_t p = EdgeCount; p-- > 0;) {
        if (a.edge[p] >= FirstSliceEdge) {
            place += Choose(static_cast<int>(EdgeCount - 1 - p), found + 1);
            order[SliceEdges - 1 - static_cast<std::size_t>(found)] = a.edge[p] - FirstSliceEdge;
            ++found;
        }
    }
    return place * SlicePermCount + PermutationRank(order, SliceEdges);
}

void SetSliceSorted(Arrangement& a, int sliceSorted) {
    int place = sliceSorted / SlicePermCount;
    std::array<int, SliceEdges> order{};
    Unrank(order, SliceEdges, sliceSorted % SlicePermCount);
    std::array<bool, EdgeCount> middle{};
    for (int k = static_cast<int>(SliceEdges); k-- > 0;) {
        int q = k;
        while (Choose(q + 1, k + 1) <= place) {
            ++q;
        }
        place -= Choose(q, k + 1);
        middle[EdgeCount - 1 - static_cast<std::size_t>(q)] = true;
    }
    int other = 0;
    std::size_t next = 0;
    for (std::size_t p = 0; p < EdgeCount; ++p) {
        a.edge[p] = middle[p] ? FirstSliceEdge + order[next++] : other++;
    }
}

int CornerPerm(const Arrangement& a) {
    return PermutationRank(a.corner, CornerCount);
}

void SetCornerPerm(Arrangement& a, int cornerPerm) {
    Unrank(a.corner, CornerCount, cornerPerm);
}

int EdgePerm(const Arrangement& a) {
    return PermutationRank(a.edge, CornerCount);
}

void SetEdgePerm(Arrangement& a, int edgePerm) {
    Unrank(a.edge, CornerCount, edgePerm);
    for (std::size_t p = CornerCount; p < EdgeCount; ++p) {
        a.edge[p] = static_cast<int>(p);
    }
}

int CornerComb(const Arrangement& a) {
    return LayerComb(a.corner, 4);
}

void SetCornerComb(Arrangement& a, int comb) {
    SetLayerComb(a.corner, comb);
}

int EdgeComb(const Arrangement& a) {
    return LayerComb(a.edge, 4);
}

void SetEdgeComb(Arrangement& a, int comb) {
    SetLayerComb(a.edge, comb);
    for (std::size_t p = CornerCount; p < EdgeCount; ++p) {
        a.edge[p] = static_cast<int>(p);
    }
}

int SixEdges(const Arrangement& a) {
    std::array<int, SixCount> places{};
    std::array<int, SixCount> order{};
    std::size_t found = 0;
    for (std::size_t rank = 0; rank < EdgeCount; ++rank) {
        const int piece = a.edge[static_cast<std::size_t>(SixPositionOf[rank])];
        const int pieceRank = SixRankOf[static_cast<std::size_t>(piece)];
        if (pieceRank < static_cast<int>(SixCount)) {
            places[found] = static_cast<int>(rank);
            order[found++] = pieceRank;
        }
    }
    return CombRank(places) * SixOrderCount + PermutationRank(order, SixCount);
}

void SetSixEdges(Arrangement& a, int sixEdges) {
    const auto places = CombOfRank<SixCount>(sixEdges / SixOrderCount, EdgeCount);
    std::array<int, SixCount> order{};
    Unrank(order, SixCount, sixEdges % SixOrderCount);
    std::array<bool, EdgeCount> taken{};
    for (std::size_t i = 0; i < SixCount; ++i) {
        const auto position =
            static_cast<std::size_t>(SixPositionOf[static_cast<std::size_t>(places[i])]);
        a.edge[position] = SixPositionOf[static_cast<std::size_t>(order[i])];
        taken[position] = true;
    }
    // The other edges fill the other places in any order.
    std::size_t other = SixCount;
    for (std::size_t p = 0; p < EdgeCount; ++p) {
        if (!taken[p]) {
            a.edge[p] = SixPositionOf[other++];
        }
    }
}

int ComposeSixOrders(int first, int then) {
    std::array<int, SixCount> a{};
    std::array<int, SixCount> b{};
    Unrank(a, SixCount, first);
    Unrank(b, SixCount, then);
    std::array<int, SixCount> composed{};
    for (std::size_t i = 0; i < SixCount; ++i) {
        composed[i] = a[static_cast<std::size_t>(b[i])];
    }
    return PermutationRank(composed, SixCount);
}

} // namespace turnix::fewest
