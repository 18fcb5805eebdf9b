#pragma once

#include "CubeTestSupport.h"
#include "Pieces.h"
#include "SolverTestSupport.h"

#include <algorithm>
#include <numeric>
#include <random>

namespace turnix::test {

// Any arrangement that turning can reach, all equally likely.
inline Arrangement RandomSolvable(std::mt19937& random) {
    Arrangement a;
    std::shuffle(a.corner.begin(), a.corner.end(), random);
    std::shuffle(a.edge.begin(), a.edge.end(), random);
    std::uniform_int_distribution<int> twist(0, 2);
    std::uniform_int_distribution<int> flip(0, 1);
    std::generate(a.twist.begin(), a.twist.end(), [&] { return twist(random); });
    std::generate(a.flip.begin(), a.flip.end(), [&] { return flip(random); });
    a.twist[7] = (a.twist[7] + 3 - std::accumulate(a.twist.begin(), a.twist.end(), 0) % 3) % 3;
    a.flip[11] = (a.flip[11] + std::accumulate(a.flip.begin(), a.flip.end(), 0)) % 2;
    if (IsOdd(a.corner) != IsOdd(a.edge)) {
        std::swap(a.edge[0], a.edge[1]);
    }
    return a;
}

// Reads back the arrangement of a cube whose centres show their own side
// (side s shows colour s), as CubeOf makes them; the inverse of
// SetArrangement, written here square by square so that it shares nothing
// with the solver.
inline Arrangement ArrangementOf(const clsCube& cube) {
    const auto colour = [&](SquareAt at) {
        return cube.Side(at.side).Square(at.square)->ColorIndex();
    };
    const auto read = [&](const auto& squares, auto& piece, auto& turn) {
        for (std::size_t p = 0; p < squares.size(); ++p) {
            for (std::size_t home = 0; home < squares.size(); ++home) {
                for (std::size_t t = 0; t < squares[p].size(); ++t) {
                    bool match = true;
                    for (std::size_t n = 0; n < squares[p].size(); ++n) {
                        match = match && colour(squares[p][(n + t) % squares[p].size()]) ==
                                             squares[home][n].side;
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
