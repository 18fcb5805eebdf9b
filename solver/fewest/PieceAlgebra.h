#pragma once

#include "Pieces.h"

namespace turnix::fewest {

// An Arrangement read as what a turn does: position i takes the piece from
// position corner[i] (edge[i]) and adds twist[i] (flip[i]) to its
// orientation. The arrangement a turn makes from the solved cube is exactly
// this description of the turn, so states and turns share one type.

// The state reached from `state` by `turn`.
[[nodiscard]] Arrangement Then(const Arrangement& state, const Arrangement& turn);

// The arrangement that undoes `a`: Then(a, Inverse(a)) is solved.
[[nodiscard]] Arrangement Inverse(const Arrangement& a);

// Turning reaches exactly these: both permutations of one parity, twists
// adding up to whole turns, an even number of flipped edges; pieces and
// orientations in range.
[[nodiscard]] bool IsSolvable(const Arrangement& a);

} // namespace turnix::fewest
