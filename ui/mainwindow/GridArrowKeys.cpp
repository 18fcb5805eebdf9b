#include "GridArrowKeys.h"

#include <QKeyEvent>
#include <QPushButton>
#include <algorithm>
#include <optional>

namespace turnix {

namespace {

// Nothing for keys other than the arrows.
std::optional<std::size_t> SquareTowards(std::size_t square, int key) {
    const std::size_t row = square / 3;
    const std::size_t column = square % 3;
    switch (key) {
    case Qt::Key_Left:
        return column > 0 ? square - 1 : square;
    case Qt::Key_Right:
        return column < 2 ? square + 1 : square;
    case Qt::Key_Up:
        return row > 0 ? square - 3 : square;
    case Qt::Key_Down:
        return row < 2 ? square + 3 : square;
    default:
        return std::nullopt;
    }
}

} // namespace

GridArrowKeys::GridArrowKeys(const std::array<QPushButton*, 9>& gridSquares, QObject* parent)
    : QObject(parent), squares(gridSquares) {
    for (QPushButton* square : squares) {
        square->installEventFilter(this);
    }
    TakeTabStop(squares.front());
}

void GridArrowKeys::TakeTabStop(const QPushButton* square) const {
    for (QPushButton* other : squares) {
        other->setFocusPolicy(other == square ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

bool GridArrowKeys::eventFilter(QObject* watched, QEvent* event) {
    const auto square = std::find(squares.cbegin(), squares.cend(), watched);
    if (event->type() == QEvent::FocusIn && square != squares.cend()) {
        TakeTabStop(*square);
    }
    if (event->type() != QEvent::KeyPress || square == squares.cend()) {
        return QObject::eventFilter(watched, event);
    }
    const auto next = SquareTowards(static_cast<std::size_t>(square - squares.cbegin()),
                                    static_cast<QKeyEvent*>(event)->key());
    if (!next) {
        return QObject::eventFilter(watched, event);
    }
    squares.at(*next)->setFocus(Qt::TabFocusReason);
    return true;
}

} // namespace turnix
