#pragma once

#include "CubeFrame.h"
#include "TurnSpeed.h"
#include "accessibility/PaintedItems.h"

#include <QElapsedTimer>
#include <QWidget>
#include <cstdint>
#include <optional>

class QTimer;

namespace turnix {

// The cube in perspective, with the sides facing away in a small view from
// behind. It follows the cube it is shown: a change that one turn or
// rotation makes is animated at the chosen speed, anything else is shown at
// once, and a change during a turn ends that turn first. A drag turns the
// view, a double-click (or Home) brings back the default view of the side
// that the grid shows; with the keyboard focus the arrow keys turn it.
// A click on a square paints it while paintable, and otherwise chooses its
// side, once it is clear that no double-click follows. Screen readers hear
// its 54 squares as the net's, side by side.
class CubeView3D : public QWidget, public PaintedItems {
    Q_OBJECT

public:
    explicit CubeView3D(QWidget* parent = nullptr);

    void ShowCube(const CubeColorValues& colors, std::int16_t shownSide, const ColorScheme& scheme);
    // The step that comes next, drawn as an arrow; nothing draws none.
    void SetNextTurn(std::optional<std::int16_t> code);
    void SetSpeed(TurnSpeed speed);
    [[nodiscard]] TurnSpeed Speed() const noexcept { return speed; }
    // When set, every turn is shown at once, whatever the speed.
    void SetReducedMotion(bool reduced);
    void SetLetters(SquareLetters letters);
    void SetPaintable(bool paintable);
    void SetAngles(view3d::ViewAngles angles);
    void ResetView();
    // Ends the turn in progress, showing the cube it leads to.
    void FinishTurn();

    [[nodiscard]] bool Turning() const noexcept { return turning.has_value(); }
    // The cube as it is once any turn in progress ends.
    [[nodiscard]] const CubeColorValues& Colors() const noexcept { return target; }
    [[nodiscard]] std::int16_t ShownSide() const noexcept { return shown; }
    [[nodiscard]] view3d::ViewAngles Angles() const noexcept { return angles; }
    // What the next paint draws.
    [[nodiscard]] view3d::FrameState Frame() const;
    // The next turn's arrow, when it goes on the view from behind.
    [[nodiscard]] bool NextTurnFacesAway() const;
    [[nodiscard]] std::optional<SquareAt> SquareAtPoint(QPointF point) const;

    [[nodiscard]] int AccessibleItemCount() const override;
    [[nodiscard]] QRect AccessibleItemRect(int item) const override;
    [[nodiscard]] QString AccessibleItemName(int item) const override;
    [[nodiscard]] QString AccessibleItemDescription(int item) const override;
    [[nodiscard]] QAccessible::Role AccessibleItemRole() const override;

    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSizeHint() const override;

signals:
    void sideChosen(std::int16_t side);
    void strokeStarted();
    void squarePainted(std::int16_t side, std::int16_t square);
    // The view turned or the next turn changed, so the arrow may have moved.
    void arrowMoved();
    void turnFinished();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    [[nodiscard]] bool Animates() const;
    void StartTurn(std::int16_t code);
    void Advance();
    void Click(QPointF point);

    CubeColorValues from{};
    CubeColorValues target{};
    bool hasCube{false};
    ColorScheme scheme{DefaultScreenColors};
    SquareLetters letters{SquareLetters::None};
    std::int16_t shown{side::Front};
    view3d::ViewAngles angles;
    std::optional<std::int16_t> nextTurn;
    TurnSpeed speed{TurnSpeed::Normal};
    bool reducedMotion{false};
    bool canPaint{true};

    std::optional<view3d::Motion> turning;
    int turnMilliseconds{0};
    QElapsedTimer clock;
    QTimer* frameTimer{};

    // A press not yet known to be a click or a drag.
    std::optional<QPointF> pressedAt;
    bool dragging{false};
    // A click waits for the double-click interval, so that a double-click
    // neither paints nor chooses a side.
    QTimer* clickTimer{};
    QPointF clickedAt;
};

} // namespace turnix
