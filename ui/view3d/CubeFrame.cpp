#include "CubeFrame.h"

#include "TurnArrow3D.h"

#include <QCoreApplication>
#include <QFont>
#include <QPainter>
#include <algorithm>

namespace turnix::view3d {

namespace {

const QColor BodyColor{0x20, 0x20, 0x20};

QColor SquareColor(const FrameState& state, SquareAt at) {
    const std::int16_t index = state.colors.at(SlotOf(at.side)).at(SlotOf(at.square));
    if (index < 0 || index >= ColorCount) {
        return NeutralSquareColor;
    }
    return ToQColor(state.scheme.at(SlotOf(index)));
}

// Dark letters on light squares and light ones on dark squares.
QColor LetterColor(const QColor& square) {
    return square.lightnessF() > 0.55 ? Qt::black : Qt::white;
}

void DrawLetter(QPainter& painter, const ScenePiece& piece, const QString& letter,
                const QColor& square) {
    const QRectF bounds = piece.outline.boundingRect();
    const double size = std::min(bounds.width(), bounds.height()) * 0.55;
    if (letter.isEmpty() || size < 4) {
        return;
    }
    QFont font = painter.font();
    font.setPixelSize(static_cast<int>(size));
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(LetterColor(square));
    painter.drawText(QRectF(piece.centre - QPointF(size, size), QSizeF(2 * size, 2 * size)),
                     Qt::AlignCenter, letter);
}

void DrawScene(QPainter& painter, const std::vector<ScenePiece>& scene, const FrameState& state) {
    const auto letters = LettersOf(state.letters, state.colors, state.scheme);
    for (const ScenePiece& piece : scene) {
        if (!piece.square) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(BodyColor.lighter(100 + static_cast<int>(60 * piece.light)));
            painter.drawPolygon(piece.outline);
            continue;
        }
        const QColor color = SquareColor(state, *piece.square);
        // The body shows between the squares; an outline would only cost time.
        painter.setPen(Qt::NoPen);
        painter.setBrush(color);
        painter.drawPolygon(piece.outline);
        const std::int16_t index =
            state.colors.at(SlotOf(piece.square->side)).at(SlotOf(piece.square->square));
        if (index >= 0 && index < ColorCount) {
            DrawLetter(painter, piece, letters.at(SlotOf(index)), color);
        }
    }
}

QRectF BoundsIn(const std::vector<ScenePiece>& scene, SquareAt at) {
    const auto piece = std::find_if(scene.cbegin(), scene.cend(), [at](const ScenePiece& p) {
        return p.square && p.square->side == at.side && p.square->square == at.square;
    });
    return piece == scene.cend() ? QRectF() : piece->outline.boundingRect();
}

// Just above the small view, where the large one never reaches.
void DrawBehindCaption(QPainter& painter, const Viewport& behind, const QColor& color) {
    QFont font = painter.font();
    const int size = std::max(8, static_cast<int>(behind.radius / 4));
    font.setPixelSize(size);
    font.setBold(false);
    painter.setFont(font);
    painter.setPen(color);
    const double height = 1.4 * size;
    const QRectF room(behind.centre.x() - 2 * behind.radius,
                      behind.centre.y() - behind.radius - height, 4 * behind.radius, height);
    painter.drawText(room, Qt::AlignHCenter | Qt::AlignBottom,
                     QCoreApplication::translate("turnix::CubeFrame", "from behind"));
}

} // namespace

FrameCameras CamerasFor(const QRectF& area, const FrameState& state) {
    const Camera front(state.shownSide, state.angles);
    return {front, front.FromBehind(), LayoutIn(area)};
}

void DrawFrame(QPainter& painter, const QRectF& area, const FrameState& state,
               const QColor& captionColor) {
    const FrameCameras cameras = CamerasFor(area, state);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    DrawScene(painter, BuildScene(cameras.front, cameras.layout.front, state.turn), state);
    DrawScene(painter, BuildScene(cameras.behind, cameras.layout.behind, state.turn), state);
    DrawBehindCaption(painter, cameras.layout.behind, captionColor);
    if (state.nextTurn && !state.turn) {
        if (const auto arrow = ArrowFor(*state.nextTurn, cameras.front)) {
            if (arrow->behind) {
                DrawArrow(painter, *arrow, cameras.behind, cameras.layout.behind);
            } else {
                DrawArrow(painter, *arrow, cameras.front, cameras.layout.front);
            }
        }
    }
    painter.restore();
}

std::optional<SquareAt> PickSquare(const QRectF& area, const FrameState& state, QPointF point) {
    const FrameCameras cameras = CamerasFor(area, state);
    const auto behind =
        SquareAtPoint(BuildScene(cameras.behind, cameras.layout.behind, state.turn), point);
    return behind
               ? behind
               : SquareAtPoint(BuildScene(cameras.front, cameras.layout.front, state.turn), point);
}

QRectF SquareBounds(const QRectF& area, const FrameState& state, SquareAt at) {
    const FrameCameras cameras = CamerasFor(area, state);
    const QRectF front = BoundsIn(BuildScene(cameras.front, cameras.layout.front, state.turn), at);
    return front.isEmpty()
               ? BoundsIn(BuildScene(cameras.behind, cameras.layout.behind, state.turn), at)
               : front;
}

} // namespace turnix::view3d
