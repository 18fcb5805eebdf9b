#pragma once

#include "Camera.h"
#include "CubeGeometry.h"

#include <QPolygonF>
#include <optional>
#include <vector>

namespace turnix::view3d {

// One flat piece of the picture: a square of the cube, or a face of the
// dark body under the squares.
struct ScenePiece {
    QPolygonF outline;
    // Nothing for the body.
    std::optional<SquareAt> square;
    QPointF centre;
    // How much the piece faces the light, 0..1.
    double light{1};
};

// A layer (or the whole cube) turned part way through a motion.
struct TurnInProgress {
    Motion motion;
    double angle{0};
};

// The faces that camera sees, in the order to draw them: far first, so that
// nearer pieces cover them.
[[nodiscard]] std::vector<ScenePiece> BuildScene(const Camera& camera, const Viewport& viewport,
                                                 const std::optional<TurnInProgress>& turn);

// The square drawn on top at point, if any.
[[nodiscard]] std::optional<SquareAt> SquareAtPoint(const std::vector<ScenePiece>& scene,
                                                    QPointF point);

} // namespace turnix::view3d
