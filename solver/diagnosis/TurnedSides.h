#pragma once

#include "Diagnosis.h"

#include <cstdint>
#include <vector>

namespace turnix {

// A side whose eight outer squares look entered turned: turning them back
// by `quarters` clockwise quarter turns, seen facing the side, makes the
// cube solvable. The centre and the rest of the cube stay as they are.
struct TurnedSide {
    std::int16_t side{0};
    int quarters{1}; // 1, 2 or 3

    friend bool operator==(const TurnedSide&, const TurnedSide&) = default;
};

// For a cube with findings, each side that turning back mends, in the order
// U R F D L B, each with the fewest clockwise quarters that do; none for a
// cube without findings.
[[nodiscard]] std::vector<TurnedSide> TurnedSides(const CubeColorValues& colors);

// The colours with the side's eight outer squares moved `quarters`
// clockwise quarter turns round its centre.
[[nodiscard]] CubeColorValues TurnOuterSquares(const CubeColorValues& colors, TurnedSide turn);

} // namespace turnix
