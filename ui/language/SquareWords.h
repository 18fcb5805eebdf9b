#pragma once

#include "appearance/ScreenColor.h"
#include "diagnosis/Diagnosis.h"

#include <QString>
#include <cstdint>

namespace turnix {

// What a letter on a square stands for, for people who cannot tell some
// colours apart.
enum class SquareLetters : std::uint8_t {
    None,
    // The side whose centre shows the square's colour: U R F D L B.
    Sides,
    // The first letter of the colour's name, or its number in the scheme.
    ColourInitials,
};

// "red", or "colour 3" for a colour that has no common name.
[[nodiscard]] QString ColourWords(std::int16_t colorIndex, const ColorScheme& scheme);

// "Front side, top left square: red".
[[nodiscard]] QString SquareAccessibleName(SquareAt at, std::int16_t colorIndex,
                                           const ColorScheme& scheme);

// What a screen reader adds when asked: the colour's number in the scheme.
[[nodiscard]] QString SquareAccessibleDescription(std::int16_t colorIndex);

// The letter to draw on a square of the given colour; empty for None and
// for a colour index outside 0..5.
[[nodiscard]] QString SquareLetter(SquareLetters kind, std::int16_t colorIndex,
                                   const CubeColorValues& cube, const ColorScheme& scheme);

} // namespace turnix
