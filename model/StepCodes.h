#pragma once

#include "clsCube.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace turnix {

// The words shown for each step, indexed by code.
inline constexpr std::array<std::string_view, StepCodeCount> StepDescriptions{
    "Turn front side clockwise",
    "Turn front side counterclockwise",
    "Turn front side twice",
    "Turn left side clockwise",
    "Turn left side counterclockwise",
    "Turn left side twice",
    "Turn back side clockwise",
    "Turn back side counterclockwise",
    "Turn back side twice",
    "Turn right side clockwise",
    "Turn right side counterclockwise",
    "Turn right side twice",
    "Turn top side clockwise",
    "Turn top side counterclockwise",
    "Turn top side twice",
    "Turn bottom side clockwise",
    "Turn bottom side counterclockwise",
    "Turn bottom side twice",
    "Rotate cube up (front side becomes top side)",
    "Rotate cube down (front side becomes bottom side)",
    "Rotate cube left (front side becomes left side)",
    "Rotate cube right (front side becomes right side)",
};

// The usual face-turn notation of each code: F, F', F2, L … D2 for the side
// turns, x, x', y, y' for the rotations up, down, left and right.
inline constexpr std::array<std::string_view, StepCodeCount> StepNotations{
    "F",  "F'", "F2", "L",  "L'", "L2", "B",  "B'", "B2", "R", "R'",
    "R2", "U",  "U'", "U2", "D",  "D'", "D2", "x",  "x'", "y", "y'",
};

// The description of a code; empty outside 0..21.
[[nodiscard]] std::string_view StepText(std::int16_t code) noexcept;

// The notation of a code; empty outside 0..21.
[[nodiscard]] std::string_view StepNotation(std::int16_t code) noexcept;

// Performs a code's turn or rotation on the cube; codes outside 0..21 do
// nothing.
void ApplyStep(clsCube& cube, std::int16_t code) noexcept;

} // namespace turnix
