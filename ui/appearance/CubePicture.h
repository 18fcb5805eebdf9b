#pragma once

#include "ScreenColor.h"
#include "clsSide.h"

#include <QPixmap>
#include <QPointF>
#include <array>
#include <cstdint>

class QPainter;

namespace turnix {

// The colour indices (0..5) of one side's nine squares, row by row.
using SideSquares = std::array<std::int16_t, clsSide::SquareCount>;

[[nodiscard]] constexpr SideSquares PlainSide(std::int16_t colorIndex) {
    SideSquares squares{};
    squares.fill(colorIndex);
    return squares;
}

// The three sides seen from above the cube's front-right corner.
struct CubeView {
    SideSquares top;
    SideSquares front;
    SideSquares right;
};

// Every cube picture is drawn on this design grid; scale the painter to draw
// it at another size.
inline constexpr double CubeDesignSize = 32;

// Nine squares on the parallelogram origin, origin + across, origin + down,
// over a dark backing so that white squares stay visible.
void DrawSide(QPainter& painter, QPointF origin, QPointF across, QPointF down,
              const SideSquares& squares, const ColorScheme& colors = DefaultScreenColors);

// The top, front and right sides of a cube, filling the design grid.
void DrawCube(QPainter& painter, const CubeView& view,
              const ColorScheme& colors = DefaultScreenColors);

// A solved cube, size pixels square, on a transparent background: top, front
// and right in the colours of indices 0, 2 and 5.
[[nodiscard]] QPixmap DrawCubePicture(int size, const ColorScheme& colors = DefaultScreenColors);

} // namespace turnix
