#pragma once

#include <QObject>
#include <array>

class QPushButton;

namespace turnix {

// The arrow keys move the focus across the nine squares, row by row as the
// squares are numbered; at the grid's edge the focus stays.
class GridArrowKeys : public QObject {
    Q_OBJECT

public:
    GridArrowKeys(const std::array<QPushButton*, 9>& squares, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::array<QPushButton*, 9> squares;
};

} // namespace turnix
