#pragma once

#include <QIcon>
#include <cstdint>

namespace turnix {

// The program's pictures, drawn in code at the sizes toolbars and window
// frames ask for, in the colours of the default scheme.
[[nodiscard]] QIcon OpenConfigurationPicture();
[[nodiscard]] QIcon SaveConfigurationPicture();
// Nine squares in the default colour of the side (0..5).
[[nodiscard]] QIcon ShowSidePicture(std::int16_t intSide);
[[nodiscard]] QIcon SolvePicture();
[[nodiscard]] QIcon TurnixWindowPicture();

} // namespace turnix
