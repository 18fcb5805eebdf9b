#pragma once

#include "Pieces.h"

#include <array>
#include <cstdint>
#include <functional>

namespace turnix::fewest {

inline constexpr int TurnCount = 18;

// What an operation of the cube model does to the 20 pieces, read off a
// cube whose 54 squares are all different. The operation may be a side turn
// or a whole-cube rotation; a rotation moves the centres too, which are not
// read.
[[nodiscard]] Arrangement EffectOf(const std::function<void(clsCube&)>& operation);

// The effect of each side turn, by step code 0..17.
[[nodiscard]] std::array<Arrangement, TurnCount> TurnEffects();

} // namespace turnix::fewest
