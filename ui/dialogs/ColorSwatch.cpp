#include "ColorSwatch.h"

#include "appearance/CubeColorNames.h"
#include "language/CoreTexts.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace turnix {

ColorSwatch::ColorSwatch(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setFixedSize(44, 28);
    setFocusPolicy(Qt::StrongFocus);
}

// A screen reader says which colour the swatch holds: its common name, or
// its value where it has none.
void ColorSwatch::SetColor(ScreenColor newColor) {
    color = newColor & 0xFFFFFF;
    const auto name = CubeColorName(color);
    setAccessibleDescription(name ? CoreText(*name).toLower() : ToQColor(color).name());
    update();
}

void ColorSwatch::SetNeutral() {
    SetColor(FromQColor(NeutralSquareColor));
}

void ColorSwatch::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.fillRect(contentsRect(), ToQColor(color));
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = contentsRect().adjusted(2, 2, -2, -2);
        option.backgroundColor = ToQColor(color);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void ColorSwatch::mousePressEvent(QMouseEvent* event) {
    pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void ColorSwatch::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed && event->button() == Qt::LeftButton && !releaseEndsDoubleClick &&
                       rect().contains(event->position().toPoint());
    pressed = false;
    releaseEndsDoubleClick = false;
    event->accept();
    if (click) {
        emit clicked();
    }
}

void ColorSwatch::mouseDoubleClickEvent(QMouseEvent* event) {
    pressed = false;
    event->accept();
    if (event->button() == Qt::LeftButton) {
        releaseEndsDoubleClick = true;
        emit doubleClicked();
    }
}

void ColorSwatch::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
        event->accept();
        emit clicked();
        return;
    }
    QFrame::keyPressEvent(event);
}

} // namespace turnix
