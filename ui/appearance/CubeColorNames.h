#pragma once

#include "ScreenColor.h"
#include "diagnosis/Diagnosis.h"
#include "diagnosis/FindingText.h"

#include <QColor>
#include <optional>
#include <string_view>

namespace turnix {

// The colours of cubes sold today, with opposite sides opposite: white on
// top, yellow below, green in front, blue behind, orange left, red right.
inline constexpr ColorScheme StandardCubeColors{
    0xFFFFFF, // white
    0x00D5FF, // yellow
    0x489B00, // green
    0xAD4600, // blue
    0x0058FF, // orange
    0x3412B7, // red
};

// The distance between two colours as the eye sees it (CIE76 in CIELAB).
[[nodiscard]] double ColorDistance(const QColor& a, const QColor& b);

// "White", "Yellow", "Green", "Blue", "Red" or "Orange" when the colour is
// close to one of a real cube's colours, as the six of StandardCubeColors
// and the default scheme's are; nothing otherwise.
[[nodiscard]] std::optional<std::string_view> CubeColorName(ScreenColor color);

// For the findings: the name of the colour that each side's centre shows,
// unless another centre's colour has the same name.
[[nodiscard]] ColorNames CentreColorNames(const CubeColorValues& colors, const ColorScheme& scheme);

} // namespace turnix
