#pragma once

#include "Pieces.h"

#include <cstdint>
#include <optional>

namespace turnix::view3d {

// A point or direction in the cube's space: x to the right side, y to the
// top, z to the front. The cube spans -1.5..1.5 on each axis, one unit a
// square.
struct Vec3 {
    double x{0};
    double y{0};
    double z{0};
};

[[nodiscard]] constexpr Vec3 operator+(Vec3 a, Vec3 b) noexcept {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
[[nodiscard]] constexpr Vec3 operator-(Vec3 a, Vec3 b) noexcept {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
[[nodiscard]] constexpr Vec3 operator*(Vec3 a, double k) noexcept {
    return {a.x * k, a.y * k, a.z * k};
}
[[nodiscard]] constexpr double Dot(Vec3 a, Vec3 b) noexcept {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
[[nodiscard]] constexpr Vec3 Cross(Vec3 a, Vec3 b) noexcept {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
[[nodiscard]] Vec3 Normalized(Vec3 v) noexcept;
// Turns v by angle (radians) about the unit axis, counterclockwise as seen
// from the axis's tip.
[[nodiscard]] Vec3 Rotated(Vec3 v, Vec3 axis, double angle) noexcept;

inline constexpr double HalfSize = 1.5;

// A side's place: its outward normal, and the directions of its square
// numbers as the side is seen from outside, north up: east along a row,
// south down a column.
struct SideFrame {
    Vec3 normal;
    Vec3 east;
    Vec3 south;
};
[[nodiscard]] const SideFrame& FrameOf(std::int16_t side);

// The centre of a square, on the cube's surface.
[[nodiscard]] Vec3 SquareCentre(SquareAt at);

// What a step code does to the cube in space: a turn of the layer next to
// side by angle about axis, or, without a side, of the whole cube.
struct Motion {
    Vec3 axis;
    double angle{0};
    std::optional<std::int16_t> side;
    // 1 for a quarter turn, 2 for a half turn.
    int quarters{1};
};
// Nothing for codes outside 0..21.
[[nodiscard]] std::optional<Motion> MotionOf(std::int16_t code) noexcept;
// Whether a point of the cube moves with the turning layer.
[[nodiscard]] bool MovesWith(const Motion& motion, Vec3 point);

} // namespace turnix::view3d
