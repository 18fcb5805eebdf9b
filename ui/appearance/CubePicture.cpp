#include "CubePicture.h"

#include <QPainter>
#include <QPolygonF>

namespace turnix {

namespace {

const QColor Backing{0x30, 0x30, 0x30};

} // namespace

void DrawSide(QPainter& painter, QPointF origin, QPointF across, QPointF down,
              const SideSquares& squares, const ColorScheme& colors) {
    painter.setPen(QPen(Backing, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Backing);
    painter.drawPolygon(QPolygonF{origin, origin + across, origin + across + down, origin + down});

    // Each square leaves a tenth of its width of backing on every edge.
    constexpr double Inset = 0.1;
    const auto at = [&](double x, double y) {
        return origin + across * x + down * y;
    };
    painter.setPen(Qt::NoPen);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            const double left = (column + Inset) / 3;
            const double right = (column + 1 - Inset) / 3;
            const double top = (row + Inset) / 3;
            const double bottom = (row + 1 - Inset) / 3;
            const std::int16_t colorIndex =
                squares.at(static_cast<std::size_t>(row) * 3 + static_cast<std::size_t>(column));
            painter.setBrush(ToQColor(colors.at(static_cast<std::size_t>(colorIndex))));
            painter.drawPolygon(
                QPolygonF{at(left, top), at(right, top), at(right, bottom), at(left, bottom)});
        }
    }
}

void DrawCube(QPainter& painter, const CubeView& view, const ColorScheme& colors) {
    const QPointF back{16, 2};
    const QPointF left{3, 9};
    const QPointF near{16, 16};
    const QPointF rightCorner{29, 9};
    const QPointF drop{0, 14};
    DrawSide(painter, back, left - back, rightCorner - back, view.top, colors);
    DrawSide(painter, left, near - left, drop, view.front, colors);
    DrawSide(painter, near, rightCorner - near, drop, view.right, colors);
}

QPixmap DrawCubePicture(int size, const ColorScheme& colors) {
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / CubeDesignSize, size / CubeDesignSize);
    DrawCube(painter, {PlainSide(0), PlainSide(2), PlainSide(5)}, colors);
    return picture;
}

} // namespace turnix
