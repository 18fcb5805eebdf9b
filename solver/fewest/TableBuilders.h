#pragma once

#include "PieceAlgebra.h"
#include "TurnEffects.h"

#include <cstddef>
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

// The fewest of the listed turns that bring each of `total` values of a
// coordinate to 0, by a search outwards from 0; neighbour(value, code) is
// where the turn takes a value. The listed turns must include each one's
// inverse.
//
// Level by level. Early levels go forwards from the known entries; once
// most entries are known it is cheaper to go backwards, from each unknown
// entry to any neighbour on the level just finished.
template <typename Neighbour>
[[nodiscard]] DepthTable BuildDepthTable(std::size_t total, Neighbour neighbour,
                                         std::span<const int> codes) {
    constexpr std::uint8_t unknown = 0xFF;
    DepthTable depths(total, unknown);
    depths[0] = 0;
    std::size_t known = 1;
    for (std::uint8_t depth = 0; known < total; ++depth) {
        const auto next = static_cast<std::uint8_t>(depth + 1);
        const bool backwards = known > total / 2;
        const std::size_t before = known;
        for (std::size_t index = 0; index < total; ++index) {
            if (backwards) {
                if (depths[index] != unknown) {
                    continue;
                }
                for (const int code : codes) {
                    if (depths[neighbour(index, code)] == depth) {
                        depths[index] = next;
                        ++known;
                        break;
                    }
                }
            } else if (depths[index] == depth) {
                for (const int code : codes) {
                    const std::size_t to = neighbour(index, code);
                    if (depths[to] == unknown) {
                        depths[to] = next;
                        ++known;
                    }
                }
            }
        }
        if (known == before) {
            break; // the rest cannot be reached; it stays unknown, above any real depth
        }
    }
    return depths;
}

// The same for pairs (a, b) of two coordinates, at a × countB + b.
[[nodiscard]] DepthTable BuildDepthTable(const MoveTable& movesA, int countA,
                                         const MoveTable& movesB, int countB,
                                         std::span<const int> codes);

} // namespace turnix::fewest
