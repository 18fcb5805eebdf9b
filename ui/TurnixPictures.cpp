#include "TurnixPictures.h"

#include "ScreenColor.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <array>
#include <functional>

namespace turnix {

namespace {

using Drawing = std::function<void(QPainter&)>;

// Every drawing is made on a 32 × 32 design grid and scaled to each size.
constexpr qreal DesignSize = 32;
constexpr std::array<int, 5> PictureSizes{16, 24, 32, 48, 64};

const QColor Outline{0x30, 0x30, 0x30};

QIcon Render(const Drawing& draw) {
    QIcon icon;
    for (const int size : PictureSizes) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / DesignSize, size / DesignSize);
        draw(painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QColor Default(std::int16_t colorIndex) {
    return ToQColor(DefaultScreenColors.at(static_cast<std::size_t>(colorIndex)));
}

// A 3 × 3 grid of squares on the parallelogram origin, origin + across,
// origin + down, over a dark backing so that white squares stay visible.
void DrawFace(QPainter& painter, QPointF origin, QPointF across, QPointF down,
              const std::array<std::int16_t, 9>& colorIndices) {
    painter.setPen(QPen(Outline, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Outline);
    painter.drawPolygon(QPolygonF{origin, origin + across, origin + across + down, origin + down});

    constexpr qreal Inset = 0.1;
    painter.setPen(Qt::NoPen);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            const auto at = [&](qreal x, qreal y) {
                return origin + across * x + down * y;
            };
            const qreal left = (column + Inset) / 3;
            const qreal right = (column + 1 - Inset) / 3;
            const qreal top = (row + Inset) / 3;
            const qreal bottom = (row + 1 - Inset) / 3;
            painter.setBrush(Default(colorIndices.at(static_cast<std::size_t>(3 * row + column))));
            painter.drawPolygon(
                QPolygonF{at(left, top), at(right, top), at(right, bottom), at(left, bottom)});
        }
    }
}

// A cube seen from above the front-right corner: top, front and right faces.
void DrawCube(QPainter& painter, const std::array<std::int16_t, 9>& top,
              const std::array<std::int16_t, 9>& front, const std::array<std::int16_t, 9>& right) {
    const QPointF back{16, 2};
    const QPointF left{3, 9};
    const QPointF near{16, 16};
    const QPointF rightCorner{29, 9};
    const QPointF drop{0, 14};
    DrawFace(painter, back, left - back, rightCorner - back, top);
    DrawFace(painter, left, near - left, drop, front);
    DrawFace(painter, near, rightCorner - near, drop, right);
}

constexpr std::array<std::int16_t, 9> Plain(std::int16_t colorIndex) {
    std::array<std::int16_t, 9> squares{};
    squares.fill(colorIndex);
    return squares;
}

void DrawFolder(QPainter& painter) {
    const QColor back{0xC8, 0x96, 0x2E};
    const QColor front{0xF4, 0xC8, 0x4E};
    painter.setPen(QPen(Outline, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(back);
    painter.drawPolygon(QPolygonF{{3, 7}, {12, 7}, {15, 10}, {27, 10}, {27, 26}, {3, 26}});
    painter.setBrush(front);
    painter.drawPolygon(QPolygonF{{7, 14}, {30, 14}, {27, 26}, {3, 26}});
}

void DrawDisk(QPainter& painter) {
    painter.setPen(QPen(Outline, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Default(0));
    painter.drawPolygon(QPolygonF{{4, 4}, {25, 4}, {28, 7}, {28, 28}, {4, 28}});
    painter.setBrush(Default(1));
    painter.drawRect(QRectF(8, 16, 16, 12));
    painter.setBrush(QColor(0xB0, 0xB0, 0xB0));
    painter.drawRect(QRectF(10, 4, 11, 8));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Outline);
    painter.drawRect(QRectF(17, 5.5, 2.5, 5));
}

void DrawSideFace(QPainter& painter, std::int16_t intSide) {
    DrawFace(painter, {3, 3}, {26, 0}, {0, 26}, Plain(intSide));
}

void DrawCheckMark(QPainter& painter) {
    QPainterPath tick;
    tick.moveTo(14, 22);
    tick.lineTo(20, 28);
    tick.lineTo(30, 14);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(tick);
    painter.setPen(QPen(Default(4), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(tick);
}

} // namespace

QIcon OpenConfigurationPicture() {
    return Render(DrawFolder);
}

QIcon SaveConfigurationPicture() {
    return Render(DrawDisk);
}

QIcon ShowSidePicture(std::int16_t intSide) {
    return Render([intSide](QPainter& painter) { DrawSideFace(painter, intSide); });
}

QIcon SolvePicture() {
    return Render([](QPainter& painter) {
        DrawCube(painter, Plain(0), Plain(2), Plain(5));
        DrawCheckMark(painter);
    });
}

// A scrambled cube, so that it reads as the puzzle rather than a box.
QIcon TurnixWindowPicture() {
    return Render([](QPainter& painter) {
        DrawCube(painter, {0, 0, 3, 5, 0, 0, 0, 2, 0}, {2, 4, 2, 2, 2, 1, 3, 2, 2},
                 {5, 5, 0, 5, 5, 5, 4, 5, 1});
    });
}

} // namespace turnix
