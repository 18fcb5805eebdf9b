#include "TurnixPictures.h"

#include "CubePicture.h"
#include "ScreenColor.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <array>
#include <functional>

namespace turnix {

namespace {

using Drawing = std::function<void(QPainter&)>;

// Each picture is drawn on the cube's design grid and scaled to these sizes.
constexpr std::array<int, 5> PictureSizes{16, 24, 32, 48, 64};

const QColor Outline{0x30, 0x30, 0x30};

QIcon Render(const Drawing& draw) {
    QIcon icon;
    for (const int size : PictureSizes) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / CubeDesignSize, size / CubeDesignSize);
        draw(painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QColor Default(std::int16_t colorIndex) {
    return ToQColor(DefaultScreenColors.at(static_cast<std::size_t>(colorIndex)));
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

void DrawSideFace(QPainter& painter, std::int16_t intSide, const ColorScheme& colors) {
    DrawSide(painter, {3, 3}, {26, 0}, {0, 26}, PlainSide(intSide), colors);
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

void DrawBackArrow(QPainter& painter) {
    QPainterPath bend;
    bend.moveTo(26, 27);
    bend.cubicTo(29, 17, 24, 10, 12, 11);
    const QPolygonF head{{4, 11}, {13, 4}, {13, 18}};
    for (const auto& [color, width] : {std::pair{QColor(Qt::white), 7.0}, {Outline, 4.0}}) {
        painter.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(bend);
        painter.setBrush(color);
        painter.drawPolygon(head);
    }
}

// A play triangle, outlined like the back arrow so that it shows on a dark bar.
void DrawPlayTriangle(QPainter& painter) {
    const QPolygonF triangle{{9, 5}, {27, 16}, {9, 27}};
    painter.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Outline);
    painter.drawPolygon(triangle);
}

} // namespace

QIcon OpenConfigurationPicture() {
    return Render(DrawFolder);
}

QIcon SaveConfigurationPicture() {
    return Render(DrawDisk);
}

QIcon ShowSidePicture(std::int16_t intSide, const ColorScheme& colors) {
    return Render(
        [intSide, &colors](QPainter& painter) { DrawSideFace(painter, intSide, colors); });
}

QIcon SolvePicture(const ColorScheme& colors) {
    return Render([&colors](QPainter& painter) {
        DrawCube(painter, {PlainSide(0), PlainSide(2), PlainSide(5)}, colors);
        DrawCheckMark(painter);
    });
}

QIcon StepBackPicture() {
    return Render(DrawBackArrow);
}

QIcon PlayPicture() {
    return Render(DrawPlayTriangle);
}

// A scrambled cube, so that it reads as the puzzle rather than a box.
QIcon TurnixWindowPicture(const ColorScheme& colors) {
    return Render([&colors](QPainter& painter) {
        DrawCube(
            painter,
            {{0, 0, 3, 5, 0, 0, 0, 2, 0}, {2, 4, 2, 2, 2, 1, 3, 2, 2}, {5, 5, 0, 5, 5, 5, 4, 5, 1}},
            colors);
    });
}

} // namespace turnix
