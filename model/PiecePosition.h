#pragma once

#include "Pieces.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace turnix {

// The 20 positions of the movable pieces, edges first, in the order and with
// the names other cube tools use; the order is the order of the report.
// clang-format off
enum class PiecePosition : std::uint8_t {
    UR, UF, UL, UB, DR, DF, DL, DB, FR, FL, BL, BR,
    URF, UFL, ULB, UBR, DFR, DLF, DBL, DRB,
};
// clang-format on
inline constexpr std::size_t EdgePositionCount = 12;
inline constexpr std::size_t PiecePositionCount = 20;

[[nodiscard]] constexpr bool IsCorner(PiecePosition position) noexcept {
    return static_cast<std::size_t>(position) >= EdgePositionCount;
}

// The index in EdgeSquares or CornerSquares.
[[nodiscard]] constexpr std::size_t PieceIndex(PiecePosition position) noexcept {
    const auto n = static_cast<std::size_t>(position);
    return n < EdgePositionCount ? n : n - EdgePositionCount;
}

[[nodiscard]] constexpr PiecePosition EdgePosition(std::size_t edge) noexcept {
    return static_cast<PiecePosition>(edge);
}

[[nodiscard]] constexpr PiecePosition CornerPosition(std::size_t corner) noexcept {
    return static_cast<PiecePosition>(EdgePositionCount + corner);
}

[[nodiscard]] constexpr std::string_view PositionName(PiecePosition position) noexcept {
    constexpr std::array<std::string_view, PiecePositionCount> Names{
        "UR", "UF", "UL",  "UB",  "DR",  "DF",  "DL",  "DB",  "FR",  "FL",
        "BL", "BR", "URF", "UFL", "ULB", "UBR", "DFR", "DLF", "DBL", "DRB"};
    return Names[static_cast<std::size_t>(position)];
}

// The squares of the position, as EdgeSquares or CornerSquares list them.
[[nodiscard]] constexpr std::span<const SquareAt> PositionSquares(PiecePosition position) noexcept {
    return IsCorner(position) ? std::span<const SquareAt>(CornerSquares[PieceIndex(position)])
                              : std::span<const SquareAt>(EdgeSquares[PieceIndex(position)]);
}

} // namespace turnix
