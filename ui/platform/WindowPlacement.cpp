#include "WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace turnix {

namespace {

// A window's frame is unknown until the window manager has decorated it, so
// take the parent window's decoration as the best guess.
QSize FrameSize(const QWidget& window) {
    QSize decoration;
    if (const QWidget* parent = window.parentWidget(); parent != nullptr) {
        const QWidget* top = parent->window();
        decoration = top->frameGeometry().size() - top->size();
    }
    return window.size() + decoration.expandedTo(QSize(0, 0));
}

QRect AvailableArea(const QScreen* screen) {
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    return screen != nullptr ? screen->availableGeometry() : QRect();
}

} // namespace

QPoint CenteredIn(QSize frame, const QRect& area) {
    return {area.left() + (area.width() - frame.width()) / 2,
            area.top() + (area.height() - frame.height()) / 2};
}

QPoint KeptInside(const QRect& frame, const QRect& area) {
    const int x = std::max(area.left(), std::min(frame.left(), area.right() + 1 - frame.width()));
    const int y = std::max(area.top(), std::min(frame.top(), area.bottom() + 1 - frame.height()));
    return {x, y};
}

void CenterOnScreen(QWidget& window) {
    const QWidget* parent = window.parentWidget();
    const QRect area = AvailableArea(parent != nullptr ? parent->screen() : nullptr);
    const QSize frame = FrameSize(window);
    window.move(KeptInside(QRect(CenteredIn(frame, area), frame), area));
}

void PlaceAt(QWidget& window, QPoint point) {
    const QRect area = AvailableArea(QGuiApplication::screenAt(point));
    window.move(KeptInside(QRect(point, FrameSize(window)), area));
}

} // namespace turnix
