#pragma once

#include "Pieces.h"
#include "TurnEffects.h"

#include <array>
#include <cstdint>

namespace turnix::fewest {

inline constexpr int FrameCount = 3;

// The cube seen with each of its three axes upright. The search treats the
// Top-Bottom axis specially, so a cube that is hard that way up may be easy
// another way up. Frame 0 is the cube as it stands.
struct Frames {
    // A whole-cube rotation per frame, and its inverse.
    std::array<Arrangement, FrameCount> rotation;
    std::array<Arrangement, FrameCount> inverse;
    // The cube's turn that a turn in the frame stands for, by code.
    std::array<std::array<std::uint8_t, TurnCount>, FrameCount> cubeTurn{};

    // The cube as the frame sees it.
    [[nodiscard]] Arrangement Seen(int frame, const Arrangement& cube) const;

    // A quarter rotation about the Top-Bottom axis keeps the subgroup, so
    // the first phase's distance is the same in its view; but the Front-Back
    // flip of the middle edges becomes a Left-Right one, and the tables'
    // guess differs. The view's turn for each turn of the cube.
    Arrangement quarter;
    Arrangement quarterInverse;
    std::array<std::uint8_t, TurnCount> quarterTurn{};

    // The cube in the quarter view.
    [[nodiscard]] Arrangement Quartered(const Arrangement& cube) const;
};

// Rotations read off the cube model; throws std::logic_error if they do not
// bring each axis upright once, which would be a fault of this program.
[[nodiscard]] Frames BuildFrames(const std::array<Arrangement, TurnCount>& turns);

} // namespace turnix::fewest
