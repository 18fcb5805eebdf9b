#pragma once

#include "clsCube.h"

#include <QString>
#include <cstdint>

namespace turnix {

// What each kind of edit is called in "Edit > Undo" and "Edit > Redo".
// A reason the core gives ("no 3×3 grid found in B.jpg") as a sentence of
// its own: the first letter upper case, a full stop at the end.
[[nodiscard]] QString AsSentence(QString reason);
// The same without the capital, for a text that may begin with a file name.
[[nodiscard]] QString WithFullStop(const QString& text);

[[nodiscard]] QString PickColorEditText();
[[nodiscard]] QString PaintEditText();
[[nodiscard]] QString NewConfigurationEditText();
[[nodiscard]] QString OpenConfigurationEditText();
[[nodiscard]] QString PasteFaceletsEditText();
[[nodiscard]] QString ReadCubeEditText();
[[nodiscard]] QString ApplyTurnsEditText();
// "Turn Back Bottom Side": a side entered turned, turned back.
[[nodiscard]] QString TurnBackEditText(std::int16_t side);
// A doubtful square of a reading given its other likely colour.
[[nodiscard]] QString ChangeSquareEditText();
// "Turn Top Side Clockwise", "Turn Back Side Twice" ...
[[nodiscard]] QString TurnEditText(std::int16_t side, void (clsSide::*turn)() noexcept);
// "Rotate Cube Left" ...
[[nodiscard]] QString RotationEditText(void (clsCube::*rotation)() noexcept);

} // namespace turnix
