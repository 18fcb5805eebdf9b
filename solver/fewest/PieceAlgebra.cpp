#include "PieceAlgebra.h"

#include <algorithm>
#include <cstddef>
#include <numeric>

namespace turnix::fewest {

namespace {

template <std::size_t N>
void Compose(const std::array<int, N>& piece, const std::array<int, N>& turn,
             const std::array<int, N>& byPiece, const std::array<int, N>& byTurn, int kinds,
             std::array<int, N>& piecesOut, std::array<int, N>& turnsOut) {
    for (std::size_t i = 0; i < N; ++i) {
        const auto from = static_cast<std::size_t>(byPiece[i]);
        piecesOut[i] = piece[from];
        turnsOut[i] = (turn[from] + byTurn[i]) % kinds;
    }
}

template <std::size_t N>
void Invert(const std::array<int, N>& piece, const std::array<int, N>& turn, int kinds,
            std::array<int, N>& piecesOut, std::array<int, N>& turnsOut) {
    for (std::size_t i = 0; i < N; ++i) {
        const auto to = static_cast<std::size_t>(piece[i]);
        piecesOut[to] = static_cast<int>(i);
        turnsOut[to] = (kinds - turn[i]) % kinds;
    }
}

template <std::size_t N>
bool IsPermutation(const std::array<int, N>& piece) {
    std::array<int, N> sorted = piece;
    std::ranges::sort(sorted);
    for (std::size_t i = 0; i < N; ++i) {
        if (sorted[i] != static_cast<int>(i)) {
            return false;
        }
    }
    return true;
}

template <std::size_t N>
bool IsOdd(const std::array<int, N>& piece) {
    bool odd = false;
    for (std::size_t i = 0; i < N; ++i) {
        for (std::size_t j = i + 1; j < N; ++j) {
            odd ^= piece[i] > piece[j];
        }
    }
    return odd;
}

template <std::size_t N>
bool InRange(const std::array<int, N>& turn, int kinds) {
    return std::ranges::all_of(turn, [kinds](int t) { return t >= 0 && t < kinds; });
}

} // namespace

Arrangement Then(const Arrangement& state, const Arrangement& turn) {
    Arrangement result;
    Compose(state.corner, state.twist, turn.corner, turn.twist, 3, result.corner, result.twist);
    Compose(state.edge, state.flip, turn.edge, turn.flip, 2, result.edge, result.flip);
    return result;
}

Arrangement Inverse(const Arrangement& a) {
    Arrangement result;
    Invert(a.corner, a.twist, 3, result.corner, result.twist);
    Invert(a.edge, a.flip, 2, result.edge, result.flip);
    return result;
}

bool IsSolvable(const Arrangement& a) {
    return IsPermutation(a.corner) && IsPermutation(a.edge) && InRange(a.twist, 3) &&
           InRange(a.flip, 2) && IsOdd(a.corner) == IsOdd(a.edge) &&
           std::accumulate(a.twist.begin(), a.twist.end(), 0) % 3 == 0 &&
           std::accumulate(a.flip.begin(), a.flip.end(), 0) % 2 == 0;
}

} // namespace turnix::fewest
