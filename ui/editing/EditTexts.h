#pragma once

#include "clsCube.h"

#include <QString>
#include <cstdint>

namespace turnix {

// What each kind of edit is called in "Edit > Undo" and "Edit > Redo".
[[nodiscard]] QString PickColorEditText();
[[nodiscard]] QString PaintEditText();
[[nodiscard]] QString NewConfigurationEditText();
[[nodiscard]] QString OpenConfigurationEditText();
[[nodiscard]] QString PasteFaceletsEditText();
// "Turn Top Side Clockwise", "Turn Back Side Twice" ...
[[nodiscard]] QString TurnEditText(std::int16_t side, void (clsSide::*turn)() noexcept);
// "Rotate Cube Left" ...
[[nodiscard]] QString RotationEditText(void (clsCube::*rotation)() noexcept);

} // namespace turnix
