#pragma once

#include "CubeTestSupport.h"
#include "StepCodes.h"
#include "clsSolver.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace turnix::test {

using Steps = std::vector<std::int16_t>;

// The active steps, walked with the public cursor from the first one.
inline Steps ActiveSteps(clsSolver& solver) {
    Steps steps;
    for (solver.MoveFirst(); !solver.IsEOF(); solver.MoveNext()) {
        steps.push_back(solver.CurrentStep());
    }
    return steps;
}

// The colours of a copy of the cube after the steps.
inline CubeColors After(const clsCube& cube, const Steps& steps) {
    clsCube copy;
    cube.Copy(copy);
    for (const std::int16_t code : steps) {
        ApplyStep(copy, code);
    }
    return ColorsOf(copy);
}

struct SquareAt {
    std::int16_t side;
    std::int16_t square;
};
// Corner positions URF, UFL, ULB, UBR, DFR, DLF, DBL, DRB, each by its three
// squares clockwise from the top or bottom one; edge positions UR, UF, UL,
// UB, DR, DF, DL, DB, FR, FL, BL, BR.
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

// Which piece sits in each position and how it is turned there: a corner
// twisted t shows its first square t places on clockwise, a flipped edge
// shows its squares exchanged.
struct Arrangement {
    std::array<int, 8> corner{0, 1, 2, 3, 4, 5, 6, 7};
    std::array<int, 8> twist{};
    std::array<int, 12> edge{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
    std::array<int, 12> flip{};
};

// Sets all 54 squares, centres included.
template <std::size_t N, std::size_t M>
void SetPieces(clsCube& cube, const std::array<std::array<SquareAt, M>, N>& squares,
               const std::array<int, N>& piece, const std::array<int, N>& turn) {
    for (std::size_t position = 0; position < N; ++position) {
        for (std::size_t n = 0; n < M; ++n) {
            const SquareAt at =
                squares[position][(n + static_cast<std::size_t>(turn[position])) % M];
            const std::int16_t color = squares[static_cast<std::size_t>(piece[position])][n].side;
            cube.Side(at.side).Square(at.square)->SetColorIndex(color);
        }
    }
}

inline void SetArrangement(clsCube& cube, const Arrangement& a) {
    for (std::int16_t s = 0; s < 6; ++s) {
        cube.Side(s).Square(4)->SetColorIndex(s);
    }
    SetPieces(cube, CornerSquares, a.corner, a.twist);
    SetPieces(cube, EdgeSquares, a.edge, a.flip);
}

inline clsCube CubeOf(const Arrangement& arrangement) {
    clsCube cube;
    SetArrangement(cube, arrangement);
    return cube;
}

template <std::size_t N>
bool IsOdd(const std::array<int, N>& permutation) {
    int inversions = 0;
    for (std::size_t i = 0; i < N; ++i) {
        for (std::size_t j = i + 1; j < N; ++j) {
            inversions += permutation[i] > permutation[j] ? 1 : 0;
        }
    }
    return inversions % 2 == 1;
}

} // namespace turnix::test
