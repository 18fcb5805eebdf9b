#include "CapturedSides.h"

#include "CubeVocabulary.h"
#include "ReadingColors.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <algorithm>
#include <array>
#include <cmath>

namespace turnix {

namespace {

constexpr int Places = side::Count;
constexpr int Gap = 6;

void DrawNine(QPainter& painter, const QRectF& place, const std::array<QColor, 9>& colors) {
    const double cell = place.width() / 3;
    painter.fillRect(place, QColor(0x20, 0x20, 0x20));
    for (int q = 0; q < 9; ++q) {
        const QRectF square(place.left() + (q % 3) * cell, place.top() + (q / 3) * cell, cell,
                            cell);
        painter.fillRect(square.adjusted(1, 1, -1, -1), colors.at(static_cast<std::size_t>(q)));
    }
}

} // namespace

CapturedSides::CapturedSides(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("CapturedSides"));
    setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
}

void CapturedSides::ShowSides(const std::vector<vision::SideReading>& sides) {
    taken = sides;
    update();
}

int CapturedSides::PlaceSize() const {
    return 3 * fontMetrics().height();
}

QSize CapturedSides::sizeHint() const {
    return {Places * PlaceSize() + (Places - 1) * Gap + 2, PlaceSize() + 2};
}

void CapturedSides::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const int size = PlaceSize();
    for (int k = 0; k < Places; ++k) {
        const QRectF place(1 + k * (size + Gap), 1, size, size);
        if (static_cast<std::size_t>(k) < taken.size()) {
            std::array<QColor, 9> colors;
            for (std::size_t q = 0; q < colors.size(); ++q) {
                colors[q] = ScreenColorOf(taken[static_cast<std::size_t>(k)].stickers[q].color);
            }
            DrawNine(painter, place, colors);
        } else {
            QPen pen(palette().color(QPalette::WindowText), 1, Qt::DashLine);
            painter.setPen(pen);
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(place.adjusted(0.5, 0.5, -0.5, -0.5));
        }
    }
}

// A camera's frame with a cube side square in its middle, about a third of
// its width, and corner marks that say "fill this much".
QPixmap HoldCubePicture(int size, const QPalette& palette) {
    QPixmap pixmap(size, size * 3 / 4);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF frame(1, 1, pixmap.width() - 2, pixmap.height() - 2);
    painter.setPen(QPen(palette.color(QPalette::WindowText), 2));
    painter.setBrush(palette.color(QPalette::Base));
    painter.drawRoundedRect(frame, 6, 6);
    const double side = frame.height() * 0.5;
    const QRectF face(frame.center().x() - side / 2, frame.center().y() - side / 2, side, side);
    const std::array<QColor, 9> sample{
        QColor(0xFF, 0xFF, 0xFF), QColor(0xB7, 0x12, 0x34), QColor(0x00, 0x9B, 0x48),
        QColor(0xFF, 0xD5, 0x00), QColor(0x00, 0x9B, 0x48), QColor(0xFF, 0x58, 0x00),
        QColor(0x00, 0x46, 0xAD), QColor(0xFF, 0xFF, 0xFF), QColor(0xB7, 0x12, 0x34)};
    DrawNine(painter, face, sample);
    const double mark = side * 0.2;
    const QRectF reach = face.adjusted(-mark, -mark, mark, mark);
    QPainterPath corners;
    for (const QPointF corner :
         {reach.topLeft(), reach.topRight(), reach.bottomRight(), reach.bottomLeft()}) {
        const double dx = corner.x() < face.center().x() ? mark : -mark;
        const double dy = corner.y() < face.center().y() ? mark : -mark;
        corners.moveTo(corner + QPointF(dx, 0));
        corners.lineTo(corner);
        corners.lineTo(corner + QPointF(0, dy));
    }
    painter.setPen(QPen(palette.color(QPalette::Highlight), 3));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(corners);
    return pixmap;
}

} // namespace turnix
