#pragma once

#include "appearance/ScreenColor.h"
#include "diagnosis/Diagnosis.h"

#include <QString>
#include <array>
#include <cstdint>

namespace turnix {

// What each square of a drawn cube carries besides its colour: nothing, the
// letter of the side its colour belongs to (U R F D L B), or the initial of
// the colour's name.
enum class StickerLetters : std::uint8_t { None, Side, ColorInitial };

// The letter for each colour index 0..5, as the grid and the net show it
// (see SquareLetter); empty for None.
[[nodiscard]] std::array<QString, ColorCount>
LettersOf(StickerLetters letters, const CubeColorValues& colors, const ColorScheme& scheme);

} // namespace turnix
