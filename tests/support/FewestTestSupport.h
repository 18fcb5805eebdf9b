#pragma once

#include "CacheIsolation.h"
#include "CubeTestSupport.h"
#include "Pieces.h"
#include "SolverTestSupport.h"

#include <algorithm>
#include <numeric>
#include <random>
#include <tuple>
#include <type_traits>

namespace turnix::test {

// Sanitizer builds run many times slower; there the tests check samples.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool Sanitized = true;
#else
inline constexpr bool Sanitized = false;
#endif

// Reads back the arrangement of a cube whose centres show their own side
// (side s shows colour s), as CubeOf makes them; the inverse of
// SetArrangement, written here square by square so that it shares nothing
// with the solver.
inline Arrangement ArrangementOf(const clsCube& cube) {
    const auto read = [&](const auto& squares, auto& piece, auto& turn) {
        constexpr std::size_t size = std::tuple_size_v<std::decay_t<decltype(squares[0])>>;
        for (std::size_t p = 0; p < squares.size(); ++p) {
            std::array<std::int16_t, size> seen{};
            for (std::size_t n = 0; n < size; ++n) {
                seen[n] = cube.Side(squares[p][n].side).Square(squares[p][n].square)->ColorIndex();
            }
            for (std::size_t home = 0; home < squares.size(); ++home) {
                for (std::size_t t = 0; t < size; ++t) {
                    bool match = true;
                    for (std::size_t n = 0; n < size; ++n) {
                        match = match && seen[(n + t) % size] == squares[home][n].side;
                    }
                    if (match) {
                        piece[p] = static_cast<int>(home);
                        turn[p] = static_cast<int>(t);
                    }
                }
            }
        }
    };
    Arrangement a;
    read(CornerSquares, a.corner, a.twist);
    read(EdgeSquares, a.edge, a.flip);
    return a;
}

// The cube of the arrangement after the steps, turned by the cube model.
inline clsCube Turned(const Arrangement& a, const Steps& steps) {
    clsCube cube = CubeOf(a);
    for (const std::int16_t code : steps) {
        ApplyStep(cube, code);
    }
    return cube;
}

} // namespace turnix::test
