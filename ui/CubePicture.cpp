#include "CubePicture.h"

#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

namespace turnix {

namespace {

// One visible side: the corner of its square 0 and the vectors along its
// rows and columns, each the full width of the side.
struct Face {
    QPointF origin;
    QPointF across;
    QPointF down;
    int colorIndex;
};

void DrawFace(QPainter& painter, const Face& face, const std::array<ScreenColor, 6>& colors) {
    painter.setBrush(ToQColor(colors.at(static_cast<std::size_t>(face.colorIndex))));
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            const QPointF corner =
                face.origin + face.across * (column / 3.0) + face.down * (row / 3.0);
            const QPointF across = face.across / 3.0;
            const QPointF down = face.down / 3.0;
            painter.drawPolygon(
                QPolygonF{{corner, corner + across, corner + across + down, corner + down}});
        }
    }
}

} // namespace

QPixmap DrawCubePicture(int size, const std::array<ScreenColor, 6>& colors) {
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x20, 0x20, 0x20), std::max(1.0, size / 40.0), Qt::SolidLine,
                        Qt::RoundCap, Qt::RoundJoin));

    const double margin = size / 16.0;
    const double edge = (size - 2 * margin) / 2;
    const QPointF back(size / 2.0, margin);
    const QPointF right = QPointF(edge * std::sqrt(3.0) / 2, edge / 2);
    const QPointF left = QPointF(-right.x(), right.y());
    const QPointF down(0, edge);

    const std::array<Face, 3> faces{{
        {back, right, left, 0},        // top, its back corner farthest up
        {back + left, right, down, 2}, // front, on the left
        {back + down, -left, down, 5}, // right, on the right
    }};
    for (const Face& face : faces) {
        DrawFace(painter, face, colors);
    }
    return picture;
}

} // namespace turnix
