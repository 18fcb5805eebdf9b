#include "ColorSquare.h"

#include "appearance/FocusMark.h"
#include "appearance/SquareLetterPainter.h"

#include <QPainter>

namespace turnix {

ColorSquare::ColorSquare(QWidget* parent) : QPushButton(parent) {
    setFlat(true);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::TabFocus);
    // Enter picks a colour for the focused square, as Space does.
    setAutoDefault(true);
}

void ColorSquare::SetLetter(const QString& newLetter) {
    if (newLetter != letter) {
        letter = newLetter;
        update();
    }
}

void ColorSquare::paintEvent(QPaintEvent* event) {
    QPushButton::paintEvent(event);
    QPainter painter(this);
    DrawSquareLetter(painter, rect(), letter, palette().color(QPalette::Button));
    if (hasFocus()) {
        DrawFocusMark(painter, rect());
    }
}

} // namespace turnix
