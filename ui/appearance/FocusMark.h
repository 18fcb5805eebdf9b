#pragma once

#include <QRect>

class QPainter;

namespace turnix {

// Room the focus mark takes inside the edge of what it marks.
inline constexpr int FocusMarkWidth = 6;

// Marks rect as holding the keyboard focus, just inside its edge: a dark
// ring with a light ring inside it, so that the mark shows on any colour.
void DrawFocusMark(QPainter& painter, const QRect& rect);

} // namespace turnix
