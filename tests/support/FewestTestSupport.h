#pragma once

#include "CacheIsolation.h"
#include "CubeTestSupport.h"
#include "Pieces.h"
#include "SolverTestSupport.h"

#include <algorithm>
#include <numeric>
#include <random>
#include <string>
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

// Empty when the steps solve the cube and keep the fewest-turns solver's
// order (no side twice in a row, opposite sides in one order), else why not.
inline std::string Fault(const Arrangement& a, const Steps& steps) {
    const auto opposite = [](int x, int y) {
        return x != y && (x >= 4 ? y >= 4 : y < 4 && x % 2 == y % 2);
    };
    for (std::size_t i = 0; i + 1 < steps.size(); ++i) {
        const int first = steps[i] / 3;
        const int second = steps[i + 1] / 3;
        if (first == second || (opposite(first, second) && second < first)) {
            return "neighbours out of order at " + std::to_string(i);
        }
    }
    for (const std::int16_t code : steps) {
        if (code < 0 || code >= SideTurnCount) {
            return "not a side turn: " + std::to_string(code);
        }
    }
    return IsSolved(Turned(a, steps)) ? "" : "not solved";
}

// Scrambles of random turns, no side twice in a row; of half turns only,
// which keep the cube in the subgroup seen from every axis, when asked.
inline Steps Scramble(int length, bool halfTurns, std::mt19937& random) {
    std::uniform_int_distribution<int> side(0, 5);
    std::uniform_int_distribution<int> kind(0, 2);
    Steps scramble;
    for (int last = -1; static_cast<int>(scramble.size()) < length;) {
        const int next = side(random);
        if (next != last) {
            scramble.push_back(
                static_cast<std::int16_t>(3 * next + (halfTurns ? 2 : kind(random))));
            last = next;
        }
    }
    return scramble;
}

} // namespace turnix::test
