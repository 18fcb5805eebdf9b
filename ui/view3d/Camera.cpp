#include "Camera.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace turnix::view3d {

namespace {

// Far enough for a gentle perspective.
constexpr double EyeDistance = 9;
constexpr double RadiansPerPixel = 0.01;
// The radius of the sphere round the cube, which any turn keeps it in.
const double CubeReach = HalfSize * std::sqrt(3.0);

} // namespace

ViewAngles Dragged(ViewAngles angles, QPointF delta) {
    angles.yaw = std::remainder(angles.yaw - delta.x() * RadiansPerPixel, 2 * std::numbers::pi);
    angles.pitch = std::clamp(angles.pitch + delta.y() * RadiansPerPixel, -MaxPitch, MaxPitch);
    return angles;
}

// A long area has the two views side by side, the large one first; a
// squarish one has the small view in the large one's corner.
ViewLayout LayoutIn(const QRectF& area) {
    const double w = area.width();
    const double h = area.height();
    constexpr double Long = 1.1;
    constexpr double LargeShare = 0.62;
    if (h >= Long * w || w >= Long * h) {
        const bool tall = h >= w;
        const double length = tall ? h : w;
        const double across = tall ? w : h;
        const double large = std::min(across, LargeShare * length) / 2 * 0.92;
        const double small = std::min(across, (1 - LargeShare) * length) / 2 * 0.8;
        const double smallAt = LargeShare * length + (1 - LargeShare) * length / 2;
        const QPointF largeCentre =
            tall ? QPointF(w / 2, LargeShare * h / 2) : QPointF(LargeShare * w / 2, h / 2);
        const QPointF smallCentre = tall ? QPointF(w / 2, smallAt) : QPointF(smallAt, h / 2);
        return {{area.topLeft() + largeCentre, large}, {area.topLeft() + smallCentre, small}};
    }
    const double half = std::min(w, h) / 2;
    const double margin = 0.03 * half;
    ViewLayout layout;
    layout.front = {area.center(), 0.72 * half};
    const double small = 0.36 * layout.front.radius;
    layout.behind = {area.bottomRight() - QPointF(margin + small, margin + small), small};
    return layout;
}

Camera::Camera(std::int16_t shownSide, ViewAngles angles) {
    const SideFrame& shown = FrameOf(shownSide);
    const Vec3 north = shown.south * -1;
    const Vec3 towards = shown.east * (std::sin(angles.yaw) * std::cos(angles.pitch)) +
                         north * std::sin(angles.pitch) +
                         shown.normal * (std::cos(angles.yaw) * std::cos(angles.pitch));
    *this = Camera(towards * EyeDistance, north);
}

Camera::Camera(Vec3 eyeAt, Vec3 upHint)
    : eye(eyeAt), right(), up(), forward(Normalized(eyeAt * -1)) {
    right = Normalized(Cross(forward, upHint));
    up = Cross(right, forward);
}

Camera Camera::FromBehind() const {
    return {eye * -1, up};
}

bool Camera::Sees(Vec3 point, Vec3 normal) const noexcept {
    return Dot(normal, eye - point) > 1e-9;
}

QPointF Camera::Project(Vec3 point, const Viewport& viewport) const {
    const Vec3 seen = point - eye;
    const double depth = Dot(seen, forward);
    const double reach = std::tan(std::asin(CubeReach / EyeDistance));
    const double scale = viewport.radius / reach / depth;
    return viewport.centre + QPointF(Dot(seen, right) * scale, -Dot(seen, up) * scale);
}

} // namespace turnix::view3d
