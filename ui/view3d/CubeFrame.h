#pragma once

#include "Camera.h"
#include "CubeScene.h"
#include "StickerLetters.h"
#include "appearance/ScreenColor.h"
#include "diagnosis/Diagnosis.h"

#include <QColor>
#include <QRectF>
#include <cstdint>
#include <optional>

class QPainter;

namespace turnix::view3d {

// Everything one picture of the cube depends on.
struct FrameState {
    CubeColorValues colors{};
    ColorScheme scheme{DefaultScreenColors};
    SquareLetters letters{SquareLetters::None};
    std::int16_t shownSide{side::Front};
    ViewAngles angles;
    // The colours above are those from before this turn.
    std::optional<TurnInProgress> turn;
    // Drawn only while no turn is in progress.
    std::optional<std::int16_t> nextTurn;
};

// The two cameras of a frame: the large view and the small one from behind.
struct FrameCameras {
    Camera front;
    Camera behind;
    ViewLayout layout;
};
[[nodiscard]] FrameCameras CamerasFor(const QRectF& area, const FrameState& state);

// The cube in area, with the three sides facing away small in the corner,
// on whatever background the painter already holds.
void DrawFrame(QPainter& painter, const QRectF& area, const FrameState& state,
               const QColor& captionColor);

// The square drawn at point in either view, if any.
[[nodiscard]] std::optional<SquareAt> PickSquare(const QRectF& area, const FrameState& state,
                                                 QPointF point);

// Where the square is drawn, in the large view or else in the small one;
// empty when neither shows it.
[[nodiscard]] QRectF SquareBounds(const QRectF& area, const FrameState& state, SquareAt at);

} // namespace turnix::view3d
