#include "TurnArrow3D.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

namespace turnix::view3d {

namespace {

// In degrees from the side's east towards its south (clockwise as seen from
// outside), leaving the gap at the bottom.
constexpr double ArcStart = 125;
constexpr double ArcSweep = 290;
constexpr int ArcPoints = 49;
constexpr double ArcRadius = 0.95;
constexpr double Lift = 0.03;
constexpr double HeadLength = 0.12; // of the viewport's radius
constexpr double HeadSpread = 0.5;  // radians either side of the shaft

QPointF Turned(QPointF v, double radians) {
    const double c = std::cos(radians);
    const double s = std::sin(radians);
    return {v.x() * c - v.y() * s, v.x() * s + v.y() * c};
}

QPointF UnitOf(QPointF v) {
    const double length = std::hypot(v.x(), v.y());
    return length > 0 ? v / length : v;
}

void AddHead(QPainterPath& path, QPointF from, QPointF tip, double length) {
    const QPointF back = UnitOf(from - tip) * length;
    path.moveTo(tip + Turned(back, HeadSpread));
    path.lineTo(tip);
    path.lineTo(tip + Turned(back, -HeadSpread));
}

} // namespace

std::optional<Arrow3D> ArrowFor(std::int16_t code, const Camera& front) {
    const std::optional<StepTurn> turn = StepTurnOf(code);
    if (!turn) {
        return std::nullopt;
    }
    const SideFrame& frame = FrameOf(turn->side);
    const Vec3 centre = frame.normal * (HalfSize + Lift);
    Arrow3D arrow{turn->side, turn->sense, {}, !front.Sees(centre, frame.normal)};
    const double way = turn->sense == TurnSense::Counterclockwise ? -1 : 1;
    const double start = way > 0 ? ArcStart : ArcStart + ArcSweep;
    for (int i = 0; i < ArcPoints; ++i) {
        const double degrees = start + way * ArcSweep * i / (ArcPoints - 1);
        const double a = degrees * std::numbers::pi / 180;
        arrow.path.push_back(centre + frame.east * (ArcRadius * std::cos(a)) +
                             frame.south * (ArcRadius * std::sin(a)));
    }
    return arrow;
}

// The second head of a half turn sits half way along.
void DrawArrow(QPainter& painter, const Arrow3D& arrow, const Camera& camera,
               const Viewport& viewport) {
    QPolygonF points;
    for (const Vec3 point : arrow.path) {
        points << camera.Project(point, viewport);
    }
    QPainterPath path;
    path.addPolygon(points);
    const double head = HeadLength * viewport.radius;
    AddHead(path, points.at(points.size() - 2), points.back(), head);
    if (arrow.sense == TurnSense::Half) {
        const qsizetype middle = points.size() / 2;
        AddHead(path, points.at(middle - 1), points.at(middle), head);
    }
    const double width = std::max(1.5, viewport.radius / 40);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, 3 * width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path);
    painter.setPen(QPen(Qt::black, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path);
    painter.restore();
}

} // namespace turnix::view3d
