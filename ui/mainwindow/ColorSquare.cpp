#include "ColorSquare.h"

#include "appearance/FocusMark.h"

#include <QPainter>

namespace turnix {

ColorSquare::ColorSquare(QWidget* parent) : QPushButton(parent) {
    setFlat(true);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::TabFocus);
    // Enter picks a colour for the focused square, as Space does.
    setAutoDefault(true);
}

void ColorSquare::paintEvent(QPaintEvent* event) {
    QPushButton::paintEvent(event);
    if (hasFocus()) {
        QPainter painter(this);
        DrawFocusMark(painter, rect());
    }
}

} // namespace turnix
