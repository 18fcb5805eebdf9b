#pragma once

#include "ScreenColor.h"

#include <QIcon>
#include <cstdint>

namespace turnix {

// The program's pictures, drawn in code at the sizes toolbars and window
// frames ask for. The cubes among them take their squares' colours from a
// scheme, so that they match the squares on screen.
[[nodiscard]] QIcon OpenConfigurationPicture();
[[nodiscard]] QIcon SaveConfigurationPicture();
// Nine squares in the colour of the side (0..5) of a solved cube.
[[nodiscard]] QIcon ShowSidePicture(std::int16_t intSide, const ColorScheme& colors);
[[nodiscard]] QIcon SolvePicture(const ColorScheme& colors);
// An arrow bending back to the left.
[[nodiscard]] QIcon StepBackPicture();
// Cube > Play.
[[nodiscard]] QIcon PlayPicture();
[[nodiscard]] QIcon TurnixWindowPicture(const ColorScheme& colors);

} // namespace turnix
