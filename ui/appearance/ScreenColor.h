#pragma once

#include "CubeVocabulary.h"

#include <QColor>
#include <array>
#include <cstddef>
#include <cstdint>

namespace turnix {

// A screen colour as stored in settings and files: 0x00BBGGRR, red in the
// low byte.
using ScreenColor = std::int32_t;

// The colour indices a cube uses, 0..ColorCount-1: one per side.
inline constexpr std::int16_t ColorCount = side::Count;

// The screen colour of each colour index.
using ColorScheme = std::array<ScreenColor, ColorCount>;

// Where a colour index sits in a scheme, or in any row of six that follows
// one.
[[nodiscard]] constexpr std::size_t SlotOf(std::int16_t colorIndex) noexcept {
    return static_cast<std::size_t>(colorIndex);
}

inline constexpr ColorScheme DefaultScreenColors{
    0xC00000, // dark blue
    0xFFFFFF, // white
    0x0080FF, // orange
    0x0000FF, // red
    0x00C000, // green
    0x00FFFF, // yellow
};

// Drawn for a colour index outside 0..5, which only an opened file can hold.
inline const QColor NeutralSquareColor{0x80, 0x80, 0x80};

[[nodiscard]] QColor ToQColor(ScreenColor color);
[[nodiscard]] ScreenColor FromQColor(const QColor& color);

} // namespace turnix
