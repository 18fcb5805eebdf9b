#pragma once

#include <QObject>
#include <array>

class QPushButton;

namespace turnix {

// The arrow keys move the focus across the nine squares, row by row as the
// squares are numbered; at the grid's edge the focus stays. Tab stops at one
// square only, the one the focus was on last, so that it soon leaves the
// grid.
class GridArrowKeys : public QObject {
    Q_OBJECT

public:
    GridArrowKeys(const std::array<QPushButton*, 9>& squares, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void TakeTabStop(const QPushButton* square) const;

    std::array<QPushButton*, 9> squares;
};

} // namespace turnix
