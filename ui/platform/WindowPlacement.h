#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace turnix {

// Top-left corner that centres a frame of the given size in area.
[[nodiscard]] QPoint CenteredIn(QSize frame, const QRect& area);

// Top-left corner nearest to frame's own that keeps it wholly inside area; a
// frame larger than area keeps its top-left corner inside.
[[nodiscard]] QPoint KeptInside(const QRect& frame, const QRect& area);

// Centres a window that is not yet shown on its parent's screen, or on the
// primary screen when it has no parent.
void CenterOnScreen(QWidget& window);

// Moves a window that is not yet shown so that its top-left corner lies at
// point, then as little as needed to keep it on the screen that holds point.
void PlaceAt(QWidget& window, QPoint point);

} // namespace turnix
