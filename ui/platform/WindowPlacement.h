#pragma once

#include <QMargins>
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

// Top-left corner for a frame of the given size beside owner (a frame), all
// within area: to owner's right when area has room there, else to its left,
// else wherever it covers least of owner, trying right, left, below and
// above in that order. Side by side, the frames share their top edge as far
// as area allows.
[[nodiscard]] QPoint BesideFrame(QSize frame, const QRect& owner, const QRect& area);

// Width for a frame beside owner within area: its own width when that fits
// on either side, else the width of the wider side when that is at least
// narrowest, else its own width.
[[nodiscard]] int WidthBeside(int width, int narrowest, const QRect& owner, const QRect& area);

// The window rect nearest to client whose frame (client with frame around
// it) lies wholly inside area: made smaller where it must, then moved in.
[[nodiscard]] QRect FittedInto(const QRect& client, const QMargins& frame, const QRect& area);

// FittedInto the available area of the screen that holds client's middle,
// else of window's own screen, with window's frame as the window manager
// drew it, or as a title bar is likely to be before it has.
[[nodiscard]] QRect FittedOnScreen(const QWidget& window, const QRect& client);

// The room for a window (without its frame) in the free area of the screen
// FittedOnScreen would use.
[[nodiscard]] QSize RoomOnScreen(const QWidget& window, const QRect& client);

// Centres a window that is not yet shown on its parent's screen, or on the
// primary screen when it has no parent.
void CenterOnScreen(QWidget& window);

// Moves a window that is not yet shown so that its top-left corner lies at
// point, then as little as needed to keep it on the screen that holds point.
void PlaceAt(QWidget& window, QPoint point);

// Moves a window that is not yet shown beside owner, a shown window, on
// owner's screen, narrowing its frame down to narrowest if that lets it fit
// (see WidthBeside and BesideFrame).
void PlaceBeside(QWidget& window, const QWidget& owner, int narrowest);

} // namespace turnix
