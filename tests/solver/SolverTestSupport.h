#pragma once

#include "CubeTestSupport.h"
#include "StepCodes.h"
#include "clsSolver.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <numeric>
#include <random>
#include <vector>

namespace turnix::test {

// Every square of side s holds s.
inline bool IsSolved(const clsCube& cube) {
    for (std::int16_t s = 0; s < 6; ++s) {
        for (std::int16_t q = 0; q < 9; ++q) {
            if (cube.Side(s).Square(q)->ColorIndex() != s) {
                return false;
            }
        }
    }
    return true;
}

// Every square shows its side's centre colour, whichever way the cube is
// held and whatever colour indices it uses.
inline bool MatchesCenters(const clsCube& cube) {
    for (std::int16_t s = 0; s < 6; ++s) {
        const std::int16_t center = cube.Side(s).Square(4)->ColorIndex();
        for (std::int16_t q = 0; q < 9; ++q) {
            if (cube.Side(s).Square(q)->ColorIndex() != center) {
                return false;
            }
        }
    }
    return true;
}

// The active steps, walked with the public cursor from the first one; the
// cursor ends where it stood.
inline std::vector<std::int16_t> ActiveSteps(clsSolver& solver) {
    std::vector<std::int16_t> steps;
    solver.SaveBookMark();
    for (solver.MoveFirst(); !solver.IsEOF(); solver.MoveNext()) {
        steps.push_back(solver.CurrentStep());
    }
    solver.RestoreBookMark();
    return steps;
}

inline void ApplySteps(clsCube& cube, const std::vector<std::int16_t>& steps) {
    for (const std::int16_t code : steps) {
        ApplyStep(cube, code);
    }
}

inline clsCube CopyOf(const clsCube& cube) {
    clsCube copy;
    cube.Copy(copy);
    return copy;
}

// The colours of a cube after it is rotated left the given number of times.
inline CubeColors RotatedLeft(const clsCube& cube, int times) {
    clsCube copy = CopyOf(cube);
    for (int k = 0; k < times; ++k) {
        copy.RotateLeft();
    }
    return ColorsOf(copy);
}

inline void Scramble(clsCube& cube, std::mt19937& random, int turns) {
    std::uniform_int_distribution<int> code(0, SideTurnCount - 1);
    for (int k = 0; k < turns; ++k) {
        ApplyStep(cube, static_cast<std::int16_t>(code(random)));
    }
}

// Corner positions URF, UFL, ULB, UBR, DFR, DLF, DBL, DRB, each by its three
// squares in clockwise order starting on the top or bottom side.
struct SquareAt {
    std::int16_t side;
    std::int16_t square;
};
inline constexpr std::array<std::array<SquareAt, 3>, 8> CornerSquares{{
    {{{0, 8}, {5, 0}, {2, 2}}},
    {{{0, 6}, {2, 0}, {4, 2}}},
    {{{0, 0}, {4, 0}, {3, 2}}},
    {{{0, 2}, {3, 0}, {5, 2}}},
    {{{1, 2}, {2, 8}, {5, 6}}},
    {{{1, 0}, {4, 8}, {2, 6}}},
    {{{1, 6}, {3, 8}, {4, 6}}},
    {{{1, 8}, {5, 8}, {3, 6}}},
}};
// Edge positions UR, UF, UL, UB, DR, DF, DL, DB, FR, FL, BL, BR.
inline constexpr std::array<std::array<SquareAt, 2>, 12> EdgeSquares{{
    {{{0, 5}, {5, 1}}},
    {{{0, 7}, {2, 1}}},
    {{{0, 3}, {4, 1}}},
    {{{0, 1}, {3, 1}}},
    {{{1, 5}, {5, 7}}},
    {{{1, 1}, {2, 7}}},
    {{{1, 3}, {4, 7}}},
    {{{1, 7}, {3, 7}}},
    {{{2, 5}, {5, 3}}},
    {{{2, 3}, {4, 5}}},
    {{{3, 5}, {4, 3}}},
    {{{3, 3}, {5, 5}}},
}};

// Which piece sits in each position and how it is turned there: a corner
// twisted t shows its first square t places on clockwise, an edge flipped
// shows its squares exchanged.
struct Arrangement {
    std::array<int, 8> corner{0, 1, 2, 3, 4, 5, 6, 7};
    std::array<int, 8> twist{};
    std::array<int, 12> edge{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
    std::array<int, 12> flip{};
};

// Sets all 54 squares, centres included.
inline void SetArrangement(clsCube& cube, const Arrangement& arrangement) {
    for (std::int16_t s = 0; s < 6; ++s) {
        cube.Side(s).Square(4)->SetColorIndex(s);
    }
    const auto set = [&cube](SquareAt at, std::int16_t color) {
        cube.Side(at.side).Square(at.square)->SetColorIndex(color);
    };
    for (std::size_t position = 0; position < 8; ++position) {
        const auto& piece = CornerSquares[static_cast<std::size_t>(arrangement.corner[position])];
        for (std::size_t n = 0; n < 3; ++n) {
            const std::size_t shown =
                (n + static_cast<std::size_t>(arrangement.twist[position])) % 3;
            set(CornerSquares[position][shown], piece[n].side);
        }
    }
    for (std::size_t position = 0; position < 12; ++position) {
        const auto& piece = EdgeSquares[static_cast<std::size_t>(arrangement.edge[position])];
        for (std::size_t n = 0; n < 2; ++n) {
            const std::size_t shown =
                (n + static_cast<std::size_t>(arrangement.flip[position])) % 2;
            set(EdgeSquares[position][shown], piece[n].side);
        }
    }
}

inline clsCube CubeOf(const Arrangement& arrangement) {
    clsCube cube;
    SetArrangement(cube, arrangement);
    return cube;
}

inline clsCube SolvedThen(const std::vector<std::int16_t>& steps) {
    clsCube cube;
    ApplySteps(cube, steps);
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

// Turning reaches exactly the arrangements with even permutation parity,
// twists adding up to whole turns and an even number of flipped edges.
inline bool IsReachable(const Arrangement& a) {
    return IsOdd(a.corner) == IsOdd(a.edge) &&
           std::accumulate(a.twist.begin(), a.twist.end(), 0) % 3 == 0 &&
           std::accumulate(a.flip.begin(), a.flip.end(), 0) % 2 == 0;
}

// Any arrangement; with mend set, mended to a reachable one.
inline Arrangement RandomArrangement(std::mt19937& random, bool mend) {
    Arrangement a;
    std::shuffle(a.corner.begin(), a.corner.end(), random);
    std::shuffle(a.edge.begin(), a.edge.end(), random);
    std::uniform_int_distribution<int> twist(0, 2);
    std::uniform_int_distribution<int> flip(0, 1);
    for (int& t : a.twist) {
        t = twist(random);
    }
    for (int& f : a.flip) {
        f = flip(random);
    }
    if (mend) {
        a.twist[7] = (a.twist[7] + 3 - std::accumulate(a.twist.begin(), a.twist.end(), 0) % 3) % 3;
        a.flip[11] = (a.flip[11] + std::accumulate(a.flip.begin(), a.flip.end(), 0)) % 2;
        if (IsOdd(a.corner) != IsOdd(a.edge)) {
            std::swap(a.edge[0], a.edge[1]);
        }
    }
    return a;
}

} // namespace turnix::test
