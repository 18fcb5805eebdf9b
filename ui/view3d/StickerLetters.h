#pragma once

#include "appearance/ScreenColor.h"
#include "diagnosis/Diagnosis.h"
#include "language/SquareWords.h"

#include <QString>
#include <array>
#include <cstdint>

namespace turnix {

// The letter for each colour index 0..5, as the grid and the net show it
// (see SquareLetter); empty for None.
[[nodiscard]] std::array<QString, ColorCount>
LettersOf(SquareLetters letters, const CubeColorValues& colors, const ColorScheme& scheme);

} // namespace turnix
