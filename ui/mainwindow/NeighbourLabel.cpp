#include "NeighbourLabel.h"

#include "appearance/FocusMark.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace turnix {

NeighbourLabel::NeighbourLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    QFont font(QStringLiteral("Serif"));
    font.setStyleHint(QFont::Serif);
    font.setPointSizeF(9);
    font.setUnderline(true);
    setFont(font);

    // The palette's link colour: blue on a light palette, a light blue that
    // still reads on a dark one.
    setForegroundRole(QPalette::Link);

    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    // Room for the focus mark around the name.
    constexpr int Room = FocusMarkWidth + 1;
    setContentsMargins(Room, Room, Room, Room);
}

void NeighbourLabel::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        event->accept();
        if (!event->isAutoRepeat()) {
            emit clicked();
            // The window's handler parks the focus; the keyboard user keeps
            // their place.
            setFocus(Qt::TabFocusReason);
        }
        break;
    default:
        QLabel::keyPressEvent(event);
    }
}

void NeighbourLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (hasFocus()) {
        QPainter painter(this);
        DrawFocusMark(painter, rect());
    }
}

// Taking the press is what sends the matching release here.
void NeighbourLabel::mousePressEvent(QMouseEvent* event) {
    event->setAccepted(event->button() == Qt::LeftButton);
}

// Like a button, the click counts only when released over the label.
void NeighbourLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    event->accept();
    if (rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

} // namespace turnix
