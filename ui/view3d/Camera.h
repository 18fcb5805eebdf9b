#pragma once

#include "CubeGeometry.h"

#include <QPointF>
#include <QRectF>
#include <cstdint>

namespace turnix::view3d {

// Where the camera stands, relative to the side the grid shows: yaw to the
// right of it and pitch above it, in radians.
struct ViewAngles {
    double yaw{0.55};
    double pitch{0.45};

    bool operator==(const ViewAngles&) const = default;
};

// Short of straight above or below, so that up stays clear.
inline constexpr double MaxPitch = 1.25;

// The angles after a drag by (dx, dy) pixels: right turns the cube to the
// right, down tilts its top towards the viewer.
[[nodiscard]] ViewAngles Dragged(ViewAngles angles, QPointF delta);

// The circle on the screen that the cube, turned any way, fills.
struct Viewport {
    QPointF centre;
    double radius{1};
};

// The cube large in the middle of area, and a small view from behind in
// its lower right corner, clear of the large one.
struct ViewLayout {
    Viewport front;
    Viewport behind;
};
[[nodiscard]] ViewLayout LayoutIn(const QRectF& area);

// A perspective camera looking at the cube's centre, the shown side's
// north edge up.
class Camera {
public:
    Camera(std::int16_t shownSide, ViewAngles angles);

    // From the opposite point, with the same up: the three other sides.
    [[nodiscard]] Camera FromBehind() const;
    [[nodiscard]] Vec3 Eye() const noexcept { return eye; }
    // Whether a surface through point, facing along normal, faces the camera.
    [[nodiscard]] bool Sees(Vec3 point, Vec3 normal) const noexcept;
    [[nodiscard]] QPointF Project(Vec3 point, const Viewport& viewport) const;

private:
    Camera(Vec3 eye, Vec3 upHint);

    Vec3 eye;
    Vec3 right;
    Vec3 up;
    Vec3 forward;
};

} // namespace turnix::view3d
