#include "WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <array>

namespace turnix {

namespace {

QSize Decoration(const QWidget& window) {
    const QWidget* top = window.window();
    return (top->frameGeometry().size() - top->size()).expandedTo(QSize(0, 0));
}

// A window's frame is unknown until the window manager has decorated it, so
// take the decoration of a window that has one as the best guess.
QSize FrameSize(const QWidget& window, const QWidget* decorated) {
    return window.size() + (decorated != nullptr ? Decoration(*decorated) : QSize(0, 0));
}

QSize FrameSize(const QWidget& window) {
    return FrameSize(window, window.parentWidget());
}

[[nodiscard]] qint64 Covered(const QRect& frame, const QRect& other) {
    const QRect overlap = frame.intersected(other);
    return overlap.isEmpty() ? 0 : qint64{overlap.width()} * overlap.height();
}

QRect AvailableArea(const QScreen* screen) {
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    return screen != nullptr ? screen->availableGeometry() : QRect();
}

// Before the window manager has framed a window, room for a title bar and
// borders of the usual size, in the screen's own pixels.
QMargins FrameMargins(const QWidget& window) {
    const QRect frame = window.frameGeometry();
    const QRect inner = window.geometry();
    if (frame != inner) {
        return {inner.left() - frame.left(), inner.top() - frame.top(),
                frame.right() - inner.right(), frame.bottom() - inner.bottom()};
    }
    constexpr int TitleBar = 32;
    constexpr int Border = 4;
    const qreal ratio = window.devicePixelRatioF();
    const int border = static_cast<int>(Border / ratio);
    return {border, static_cast<int>(TitleBar / ratio), border, border};
}

QRect AreaFor(const QWidget& window, const QRect& client) {
    const QScreen* screen = QGuiApplication::screenAt(client.center());
    return AvailableArea(screen != nullptr ? screen : window.screen());
}

} // namespace

QRect FittedInto(const QRect& client, const QMargins& frame, const QRect& area) {
    const QRect outer = client.marginsAdded(frame);
    const QSize size = outer.size().boundedTo(area.size());
    return QRect(KeptInside(QRect(outer.topLeft(), size), area), size).marginsRemoved(frame);
}

QRect FittedOnScreen(const QWidget& window, const QRect& client) {
    const QRect area = AreaFor(window, client);
    return area.isEmpty() ? client : FittedInto(client, FrameMargins(window), area);
}

QSize RoomOnScreen(const QWidget& window, const QRect& client) {
    const QRect area = AreaFor(window, client);
    return area.isEmpty() ? QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX)
                          : area.marginsRemoved(FrameMargins(window)).size();
}

QPoint CenteredIn(QSize frame, const QRect& area) {
    return {area.left() + (area.width() - frame.width()) / 2,
            area.top() + (area.height() - frame.height()) / 2};
}

QPoint KeptInside(const QRect& frame, const QRect& area) {
    const int x = std::max(area.left(), std::min(frame.left(), area.right() + 1 - frame.width()));
    const int y = std::max(area.top(), std::min(frame.top(), area.bottom() + 1 - frame.height()));
    return {x, y};
}

QPoint BesideFrame(QSize frame, const QRect& owner, const QRect& area) {
    const auto inside = [&](QPoint corner) {
        return KeptInside(QRect(corner, frame), area);
    };
    // Right of owner, left, below, above, each moved into area as far as it
    // must. The first that covers least wins: the right one whenever it has
    // room, since it then covers nothing.
    const std::array corners{
        inside({owner.right() + 1, owner.top()}),
        inside({owner.left() - frame.width(), owner.top()}),
        inside({owner.left(), owner.bottom() + 1}),
        inside({owner.left(), owner.top() - frame.height()}),
    };
    return *std::min_element(corners.cbegin(), corners.cend(), [&](QPoint a, QPoint b) {
        return Covered(QRect(a, frame), owner) < Covered(QRect(b, frame), owner);
    });
}

int WidthBeside(int width, int narrowest, const QRect& owner, const QRect& area) {
    const int room = std::max(area.right() - owner.right(), owner.left() - area.left());
    return width <= room || room < narrowest ? width : room;
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

void PlaceBeside(QWidget& window, const QWidget& owner, int narrowest) {
    const QWidget& ownerWindow = *owner.window();
    const QRect area = AvailableArea(ownerWindow.screen());
    const QRect ownerFrame = ownerWindow.frameGeometry();
    const QSize frame = FrameSize(window, &ownerWindow);
    const int width = WidthBeside(frame.width(), narrowest, ownerFrame, area);
    window.resize(window.width() - (frame.width() - width), window.height());
    window.move(BesideFrame(FrameSize(window, &ownerWindow), ownerFrame, area));
}

} // namespace turnix
