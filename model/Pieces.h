#pragma once

#include "clsCube.h"

#include <array>
#include <cstdint>

namespace turnix {

// The movable pieces by position, in the order and with the names other cube
// tools use. Corners URF, UFL, ULB, UBR, DFR, DLF, DBL, DRB, each by its
// three squares clockwise from its Top or Bottom square; edges UR, UF, UL, UB,
// DR, DF, DL, DB, FR, FL, BL, BR, each by its Top or Bottom square first, or
// its Front or Back square for the four middle edges.
// clang-format off
inline constexpr std::array<std::array<SquareAt, 3>, 8> CornerSquares{{
    {{{0, 8}, {5, 0}, {2, 2}}}, {{{0, 6}, {2, 0}, {4, 2}}}, {{{0, 0}, {4, 0}, {3, 2}}},
    {{{0, 2}, {3, 0}, {5, 2}}}, {{{1, 2}, {2, 8}, {5, 6}}}, {{{1, 0}, {4, 8}, {2, 6}}},
    {{{1, 6}, {3, 8}, {4, 6}}}, {{{1, 8}, {5, 8}, {3, 6}}}}};
inline constexpr std::array<std::array<SquareAt, 2>, 12> EdgeSquares{{
    {{{0, 5}, {5, 1}}}, {{{0, 7}, {2, 1}}}, {{{0, 3}, {4, 1}}}, {{{0, 1}, {3, 1}}},
    {{{1, 5}, {5, 7}}}, {{{1, 1}, {2, 7}}}, {{{1, 3}, {4, 7}}}, {{{1, 7}, {3, 7}}},
    {{{2, 5}, {5, 3}}}, {{{2, 3}, {4, 5}}}, {{{3, 5}, {4, 3}}}, {{{3, 3}, {5, 5}}}}};
// clang-format on

// Which piece sits in each position and how it is turned there. A piece is
// named by its home position. A corner twisted t shows its Top or Bottom
// colour on the position's square t of the three listed; a flipped edge (1)
// shows its first colour on the position's second square.
struct Arrangement {
    std::array<int, 8> corner{0, 1, 2, 3, 4, 5, 6, 7};
    std::array<int, 8> twist{};
    std::array<int, 12> edge{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
    std::array<int, 12> flip{};

    friend bool operator==(const Arrangement&, const Arrangement&) = default;
};

// Sets all 54 squares of the cube, centres included (side s shows s), so
// that the cube holds the arrangement. Pieces, twists and flips must lie in
// range.
void SetArrangement(clsCube& cube, const Arrangement& arrangement);

[[nodiscard]] clsCube CubeOf(const Arrangement& arrangement);

} // namespace turnix
