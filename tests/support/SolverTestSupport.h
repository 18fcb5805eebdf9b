#pragma once

#include "CubeTestSupport.h"
#include "Pieces.h"
#include "StepCodes.h"
#include "layers/clsSolver.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <numeric>
#include <random>
#include <vector>

namespace turnix::test {

using Steps = std::vector<std::int16_t>;

inline Steps ActiveSteps(const clsSolver& solver) {
    return solver.ActiveSteps().Codes();
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

// The active steps solve the cube, with no side turned twice in a row.
inline bool SolutionSolves(clsSolver& solver, const clsCube& cube) {
    const Steps steps = ActiveSteps(solver);
    return std::ranges::adjacent_find(steps, {}, [](std::int16_t code) { return code / 3; }) ==
               steps.end() &&
           IsSolved(After(cube, steps));
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

// Any arrangement; with mend set, mended to a reachable one.
inline Arrangement RandomArrangement(std::mt19937& random, bool mend) {
    Arrangement a;
    std::shuffle(a.corner.begin(), a.corner.end(), random);
    std::shuffle(a.edge.begin(), a.edge.end(), random);
    std::uniform_int_distribution<int> twist(0, 2);
    std::uniform_int_distribution<int> flip(0, 1);
    std::generate(a.twist.begin(), a.twist.end(), [&] { return twist(random); });
    std::generate(a.flip.begin(), a.flip.end(), [&] { return flip(random); });
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
