#pragma once

#include "Pieces.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <cstdint>
#include <optional>

namespace turnix {

// Where the parts of the unfolded cube lie in an area: the six sides as
// blocks of 3x3 squares, Top above Front, then Left, Front, Right, Back in a
// row, Bottom below Front; each block has its side's name in a strip above
// it. Squares run 0..8 row by row with the north edge up, as the main window
// shows a side, so neighbouring blocks meet along the edges they share.
// Everything that draws on the net or asks what lies under the pointer goes
// through here, so the net is laid out in one place.
class NetGeometry {
public:
    // The largest net that fits the area, centred in it.
    NetGeometry(QSize area, int labelHeight);

    // The area a net of squareSize needs, margins included.
    [[nodiscard]] static QSize AreaFor(int squareSize, int labelHeight);

    [[nodiscard]] int SquareSize() const noexcept { return squareSize; }
    [[nodiscard]] QRect SideRect(std::int16_t side) const;
    [[nodiscard]] QRect LabelRect(std::int16_t side) const;
    [[nodiscard]] QRect SquareRect(SquareAt at) const;

    [[nodiscard]] std::optional<SquareAt> SquareAtPoint(QPoint point) const;
    [[nodiscard]] std::optional<std::int16_t> LabelAtPoint(QPoint point) const;

    // The square one step across the net from at, by columns and rows of
    // squares, over the edge into the next side; nothing where the net ends.
    [[nodiscard]] static std::optional<SquareAt> SquareBeside(SquareAt at, int columns, int rows);

private:
    [[nodiscard]] QPoint BlockOrigin(std::int16_t side) const;

    int squareSize;
    int labelHeight;
    QPoint origin;
};

} // namespace turnix
