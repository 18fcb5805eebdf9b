#pragma once

#include "CubeTestSupport.h"
#include "Pieces.h"
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
