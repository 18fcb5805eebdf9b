#pragma once

#include "PieceAlgebra.h"
#include "TurnEffects.h"

#include <cstdint>
#include <span>
#include <vector>

namespace turnix::fewest {

using MoveTable = std::vector<std::uint16_t>;
using DepthTable = std::vector<std::uint8_t>;

// Where each turn takes each value of one coordinate: entry value × 18 + code.
// Only the listed codes are filled; the coordinate must stay in range under
// them. Get reads the coordinate, Set makes an arrangement that has it.
template <typename Get, typename Set>
[[nodiscard]] MoveTable BuildMoveTable(int count, Get get, Set set,
                                       const std::array<Arrangement, TurnCount>& turns,
                                       std::span<const int> codes) {
    MoveTable table(static_cast<std::size_t>(count) * TurnCount, 0);
    for (int value = 0; value < count; ++value) {
        Arrangement a;
        set(a, value);
        for (const int code : codes) {
            table[static_cast<std::size_t>(value) * TurnCount + static_cast<std::size_t>(code)] =
                static_cast<std::uint16_t>(get(Then(a, turns[static_cast<std::size_t>(code)])));
        }
    }
    return table;
}

// The fewest of the listed turns that bring each pair (a, b) of two
// coordinates to (0, 0), at a × countB + b, by a search outwards from the
// solved pair. The listed turns must include each one's inverse.
[[nodiscard]] DepthTable BuildDepthTable(const MoveTable& movesA, int countA,
                                         const MoveTable& movesB, int countB,
                                         std::span<const int> codes);

} // namespace turnix::fewest
