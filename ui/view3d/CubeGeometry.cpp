#include "CubeGeometry.h"

#include "appearance/TurnHint.h"

#include <array>
#include <cmath>
#include <numbers>

namespace turnix::view3d {

namespace {

// By side index: Top, Bottom, Front, Back, Left, Right, each seen from
// outside with its north edge up.
constexpr std::array<SideFrame, side::Count> Frames{{
    {{0, 1, 0}, {1, 0, 0}, {0, 0, 1}},
    {{0, -1, 0}, {1, 0, 0}, {0, 0, -1}},
    {{0, 0, 1}, {1, 0, 0}, {0, -1, 0}},
    {{0, 0, -1}, {-1, 0, 0}, {0, -1, 0}},
    {{-1, 0, 0}, {0, 0, 1}, {0, -1, 0}},
    {{1, 0, 0}, {0, 0, -1}, {0, -1, 0}},
}};

constexpr double Quarter = std::numbers::pi / 2;

// Codes 18..21: up, down, left, right. Up rolls the front onto the top,
// left carries it to the left.
constexpr std::array<Motion, 4> Rotations{{
    {{1, 0, 0}, -Quarter, std::nullopt, 1},
    {{1, 0, 0}, Quarter, std::nullopt, 1},
    {{0, 1, 0}, -Quarter, std::nullopt, 1},
    {{0, 1, 0}, Quarter, std::nullopt, 1},
}};

} // namespace

Vec3 Normalized(Vec3 v) noexcept {
    const double length = std::sqrt(Dot(v, v));
    return length > 0 ? v * (1 / length) : v;
}

// Rodrigues' rotation formula.
Vec3 Rotated(Vec3 v, Vec3 axis, double angle) noexcept {
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    return v * c + Cross(axis, v) * s + axis * (Dot(axis, v) * (1 - c));
}

const SideFrame& FrameOf(std::int16_t side) {
    return Frames.at(static_cast<std::size_t>(side));
}

Vec3 SquareCentre(SquareAt at) {
    const SideFrame& frame = FrameOf(at.side);
    const double column = at.square % 3 - 1;
    const double row = at.square / 3 - 1;
    return frame.normal * HalfSize + frame.east * column + frame.south * row;
}

// A clockwise turn, seen from outside, turns the wrong way round the
// outward normal.
std::optional<Motion> MotionOf(std::int16_t code) noexcept {
    if (code >= 18 && code <= 21) {
        return Rotations.at(static_cast<std::size_t>(code - 18));
    }
    const std::optional<StepTurn> turn = StepTurnOf(code);
    if (!turn) {
        return std::nullopt;
    }
    Motion motion{FrameOf(turn->side).normal, -Quarter, turn->side, 1};
    if (turn->sense == TurnSense::Counterclockwise) {
        motion.angle = Quarter;
    } else if (turn->sense == TurnSense::Half) {
        motion.angle = -2 * Quarter;
        motion.quarters = 2;
    }
    return motion;
}

bool MovesWith(const Motion& motion, Vec3 point) {
    return !motion.side || Dot(point, motion.axis) > HalfSize - 1;
}

} // namespace turnix::view3d
