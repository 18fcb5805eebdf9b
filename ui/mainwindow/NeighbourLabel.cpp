#include "NeighbourLabel.h"

#include <QMouseEvent>

namespace turnix {

NeighbourLabel::NeighbourLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    QFont font(QStringLiteral("Serif"));
    font.setStyleHint(QFont::Serif);
    font.setPointSizeF(9);
    font.setUnderline(true);
    setFont(font);

    QPalette colors = palette();
    colors.setColor(QPalette::WindowText, Qt::blue);
    setPalette(colors);

    setCursor(Qt::PointingHandCursor);
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
