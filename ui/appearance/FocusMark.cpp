#include "FocusMark.h"

#include <QPainter>

namespace turnix {

namespace {

const QColor DarkRing{0x00, 0x00, 0x00};
const QColor LightRing{0xFF, 0xFF, 0xFF};
constexpr int RingWidth = FocusMarkWidth / 2;

void FillRing(QPainter& painter, const QRect& outside, const QColor& color) {
    const int w = outside.width();
    const int h = outside.height();
    painter.fillRect(QRect(outside.left(), outside.top(), w, RingWidth), color);
    painter.fillRect(QRect(outside.left(), outside.bottom() + 1 - RingWidth, w, RingWidth), color);
    painter.fillRect(QRect(outside.left(), outside.top(), RingWidth, h), color);
    painter.fillRect(QRect(outside.right() + 1 - RingWidth, outside.top(), RingWidth, h), color);
}

} // namespace

void DrawFocusMark(QPainter& painter, const QRect& rect) {
    FillRing(painter, rect, DarkRing);
    FillRing(painter, rect.adjusted(RingWidth, RingWidth, -RingWidth, -RingWidth), LightRing);
}

} // namespace turnix
