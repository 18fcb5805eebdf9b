#pragma once

#include "Camera.h"
#include "appearance/TurnHint.h"

#include <cstdint>
#include <optional>
#include <vector>

class QPainter;

namespace turnix::view3d {

// The next turn as drawn on the cube: a curved arrow just above the
// turning side, round its centre in the direction of turning (the last
// point is the head). A half turn wears two heads.
struct Arrow3D {
    std::int16_t side{0};
    TurnSense sense{TurnSense::Clockwise};
    std::vector<Vec3> path;
    // Drawn on the view from behind, because the side faces away.
    bool behind{false};
};

// Nothing for codes that turn no side.
[[nodiscard]] std::optional<Arrow3D> ArrowFor(std::int16_t code, const Camera& front);

// The arrow as the camera sees it in viewport: black on a white halo.
void DrawArrow(QPainter& painter, const Arrow3D& arrow, const Camera& camera,
               const Viewport& viewport);

} // namespace turnix::view3d
