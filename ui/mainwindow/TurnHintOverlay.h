#pragma once

#include "appearance/TurnHint.h"

#include <QWidget>
#include <optional>

namespace turnix {

// Draws the next turn over the nine squares of the grid: a child of the
// grid's frame that covers it, follows its size, and lets every mouse
// event through to the squares beneath.
class TurnHintOverlay : public QWidget {
    Q_OBJECT

public:
    // grid must have the layout that places the squares.
    explicit TurnHintOverlay(QWidget* grid);

    // Nothing clears the drawing.
    void SetHint(const std::optional<TurnHint>& hint);
    [[nodiscard]] const std::optional<TurnHint>& NextTurn() const noexcept { return shown; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<TurnHint> shown;
};

} // namespace turnix
