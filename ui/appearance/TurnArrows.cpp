#include "TurnArrows.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace turnix {

namespace {

// The arc of the curved arrow, in degrees on screen (clockwise from
// east), leaving its gap at the bottom.
constexpr double ArcStart = 120.0;
constexpr double ArcSweep = 290.0;
constexpr int ArcSegments = 48;
constexpr double ArcRadius = 0.30;  // of the side's width
constexpr double HeadLength = 0.09; // of the side's width
constexpr double ShortestHead = 6;  // pixels, for the net's small sides
constexpr double HeadSpread = 0.5;  // radians either side of the shaft
constexpr double EdgeInset = 0.07;  // of the side's width, at each end

[[nodiscard]] QPointF Rotated(QPointF v, double radians) {
    const double c = std::cos(radians);
    const double s = std::sin(radians);
    return {v.x() * c - v.y() * s, v.x() * s + v.y() * c};
}

// An open head whose tip is at tip, pointing along the unit vector way.
void AddHead(QPainterPath& path, QPointF tip, QPointF way, double length) {
    const QPointF back = -way * length;
    path.moveTo(tip + Rotated(back, HeadSpread));
    path.lineTo(tip);
    path.lineTo(tip + Rotated(back, -HeadSpread));
}

[[nodiscard]] double HeadSize(const QRectF& squares) {
    return std::max(ShortestHead, HeadLength * squares.width());
}

[[nodiscard]] QPointF Unit(QPointF v) {
    const double length = std::hypot(v.x(), v.y());
    return length > 0 ? v / length : v;
}

// The arrow turning clockwise; a counterclockwise one is its mirror image.
[[nodiscard]] QPainterPath CurvedArrow(const QRectF& squares, TurnSense sense) {
    const QPointF centre = squares.center();
    const double radius = ArcRadius * squares.width();
    const auto at = [&](double degrees) {
        const double a = degrees * std::numbers::pi / 180.0;
        return centre + QPointF(std::cos(a), std::sin(a)) * radius;
    };
    // Clockwise on screen is the way the angle grows.
    const auto along = [](double degrees) {
        const double a = degrees * std::numbers::pi / 180.0;
        return QPointF(-std::sin(a), std::cos(a));
    };
    QPainterPath path(at(ArcStart));
    for (int i = 1; i <= ArcSegments; ++i) {
        path.lineTo(at(ArcStart + ArcSweep * i / ArcSegments));
    }
    const double head = HeadSize(squares);
    const double end = ArcStart + ArcSweep;
    AddHead(path, at(end), along(end), head);
    if (sense == TurnSense::Half) {
        AddHead(path, at(ArcStart), -along(ArcStart), head);
    }
    if (sense == TurnSense::Counterclockwise) {
        QTransform mirror;
        mirror.translate(2 * centre.x(), 0);
        mirror.scale(-1, 1);
        return mirror.map(path);
    }
    return path;
}

// The two ends of the row or column next to edge, through the middle of its
// squares, from one end to the other in the order north to south or west to
// east.
[[nodiscard]] std::pair<QPointF, QPointF> EdgeLine(const QRectF& squares, Edge edge) {
    const double third = squares.width() / 3;
    const double inset = EdgeInset * squares.width();
    const double left = squares.left() + inset;
    const double right = squares.right() - inset;
    const double top = squares.top() + inset;
    const double bottom = squares.bottom() - inset;
    switch (edge) {
    case Edge::North:
        return {{left, squares.top() + third / 2}, {right, squares.top() + third / 2}};
    case Edge::South:
        return {{left, squares.bottom() - third / 2}, {right, squares.bottom() - third / 2}};
    case Edge::West:
        return {{squares.left() + third / 2, top}, {squares.left() + third / 2, bottom}};
    case Edge::East:
        break;
    }
    return {{squares.right() - third / 2, top}, {squares.right() - third / 2, bottom}};
}

[[nodiscard]] QPainterPath EdgeArrow(const QRectF& squares, const TurnHint& hint) {
    auto [first, last] = EdgeLine(squares, hint.edge);
    if (hint.towards == Edge::North || hint.towards == Edge::West) {
        std::swap(first, last);
    }
    QPainterPath path(first);
    path.lineTo(last);
    const double head = HeadSize(squares);
    AddHead(path, last, Unit(last - first), head);
    if (!hint.towards) {
        AddHead(path, first, Unit(first - last), head);
    }
    return path;
}

// A "2" in the middle of a half-turn arrow, outlined like the arrow.
[[nodiscard]] QPainterPath HalfTurnMark(const QRectF& squares, const QFont& base) {
    QFont font = base;
    font.setPixelSize(std::max(7, static_cast<int>(squares.width() * 0.16)));
    QPainterPath text;
    text.addText(0, 0, font, QStringLiteral("2"));
    const QRectF box = text.boundingRect();
    return text.translated(squares.center() - box.center());
}

void StrokeWithHalo(QPainter& painter, const QPainterPath& path, double line) {
    const double halo = line + std::max(2.0, 1.5 * line);
    painter.strokePath(path, QPen(Qt::white, halo, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.strokePath(path, QPen(Qt::black, line, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

} // namespace

void DrawTurnHint(QPainter& painter, const QRectF& squares, const TurnHint& hint) {
    if (hint.place == HintPlace::Opposite) {
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const double line = std::max(1.5, squares.width() / 75);
    if (hint.place == HintPlace::AlongEdge) {
        StrokeWithHalo(painter, EdgeArrow(squares, hint), line);
    } else {
        StrokeWithHalo(painter, CurvedArrow(squares, hint.sense), line);
        if (hint.sense == TurnSense::Half) {
            const QPainterPath two = HalfTurnMark(squares, painter.font());
            StrokeWithHalo(painter, two, line / 2);
            painter.fillPath(two, Qt::black);
        }
    }
    painter.restore();
}

} // namespace turnix
