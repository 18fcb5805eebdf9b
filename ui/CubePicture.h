#pragma once

#include "ScreenColor.h"

#include <QPixmap>
#include <array>

namespace turnix {

// A cube seen from above, front-left and front-right: its top, front and right
// sides as three grids of nine squares in the colours of indices 0, 2 and 5.
[[nodiscard]] QPixmap
DrawCubePicture(int size, const std::array<ScreenColor, 6>& colors = DefaultScreenColors);

} // namespace turnix
