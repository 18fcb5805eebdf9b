#pragma once

#include "clsSquare.h"

namespace turnix {

// Every position takes the old value of the position after it, and the last
// takes the first's old value: one saved value, nothing allocated.
inline void ShiftFour(clsSquare& a, clsSquare& b, clsSquare& c, clsSquare& d) noexcept {
    const std::int16_t saved = a.ColorIndex();
    a.SetColorIndex(b.ColorIndex());
    b.SetColorIndex(c.ColorIndex());
    c.SetColorIndex(d.ColorIndex());
    d.SetColorIndex(saved);
}

inline void Exchange(clsSquare& a, clsSquare& b) noexcept {
    const std::int16_t saved = a.ColorIndex();
    a.SetColorIndex(b.ColorIndex());
    b.SetColorIndex(saved);
}

} // namespace turnix
