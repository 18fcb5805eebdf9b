#pragma once

#include "clsCube.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace turnix::test {

using CubeColors = std::array<std::array<std::int16_t, 9>, 6>;

inline CubeColors ColorsOf(const clsCube& cube) {
    CubeColors colors{};
    for (std::size_t s = 0; s < colors.size(); ++s) {
        for (std::size_t q = 0; q < colors[s].size(); ++q) {
            colors[s][q] = cube.Side(static_cast<std::int16_t>(s))
                               .Square(static_cast<std::int16_t>(q))
                               ->ColorIndex();
        }
    }
    return colors;
}

// Every square shows its side's centre colour, whatever colour indices the
// cube uses.
inline bool IsSolved(const CubeColors& colors) {
    return std::ranges::all_of(
        colors, [](const auto& side) { return std::ranges::count(side, side[4]) == 9; });
}

inline bool IsSolved(const clsCube& cube) {
    return IsSolved(ColorsOf(cube));
}

// A value that names its own square, so that every permutation of the 54
// squares is visible in the colours.
constexpr std::int16_t Marker(std::int16_t s, std::int16_t q) {
    return static_cast<std::int16_t>(100 * (s + 1) + q);
}

inline void MarkEverySquare(clsCube& cube) {
    for (std::int16_t s = 0; s < 6; ++s) {
        for (std::int16_t q = 0; q < 9; ++q) {
            cube.Side(s).Square(q)->SetColorIndex(Marker(s, q));
        }
    }
}

} // namespace turnix::test
