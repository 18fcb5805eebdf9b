#pragma once

#include "NetGeometry.h"
#include "accessibility/PaintedItems.h"
#include "appearance/ScreenColor.h"
#include "appearance/TurnHint.h"
#include "diagnosis/Diagnosis.h"
#include "language/SquareWords.h"

#include <QWidget>
#include <cstdint>
#include <optional>
#include <vector>

namespace turnix {

// All six sides of the cube at once, unfolded (NetGeometry), each square in
// its screen colour, the side that the main window shows outlined, and the
// squares to point out ringed, and a curved arrow on the side that the next
// step of a solution turns.
//
// While paintable, a press on a square starts a stroke that paints it, and
// dragging paints each square the pointer passes. A click on a side's name,
// or on a square while not paintable, chooses that side. With the keyboard
// focus (which only the keyboard gives), the arrow keys move a cursor across
// the net, Space acts as a click on its square and Enter chooses its side.
// Screen readers find each square by its side, place and colour.
class CubeNet : public QWidget, public PaintedItems {
    Q_OBJECT

public:
    explicit CubeNet(QWidget* parent = nullptr);

    // Colour indices outside 0..5 are drawn neutral.
    void ShowCube(const CubeColorValues& cubeColors, const ColorScheme& scheme,
                  std::int16_t shownSide, std::vector<SquareAt> markedSquares);
    void SetPaintable(bool paintable);
    // Squares whose colour a reading from photos is not sure of: each wears a
    // question mark.
    void SetDoubtfulSquares(std::vector<SquareAt> squares);
    [[nodiscard]] const std::vector<SquareAt>& DoubtfulSquares() const noexcept { return doubtful; }
    // The step code that comes next; nothing, or a code that turns no
    // side, draws no arrow.
    void SetNextTurn(std::optional<std::int16_t> code);
    void SetLetters(SquareLetters kind);
    [[nodiscard]] SquareLetters Letters() const noexcept { return letters; }

    [[nodiscard]] std::int16_t ColorIndexAt(SquareAt at) const;
    [[nodiscard]] std::int16_t ShownSide() const noexcept { return shown; }
    [[nodiscard]] const std::vector<SquareAt>& MarkedSquares() const noexcept { return marked; }
    // The arrow drawn, as seen on the turning side.
    [[nodiscard]] const std::optional<TurnHint>& NextTurn() const noexcept { return nextTurn; }
    [[nodiscard]] NetGeometry Geometry() const;

    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSizeHint() const override;

    [[nodiscard]] int AccessibleItemCount() const override;
    [[nodiscard]] QRect AccessibleItemRect(int item) const override;
    [[nodiscard]] QString AccessibleItemName(int item) const override;
    [[nodiscard]] QString AccessibleItemDescription(int item) const override;
    [[nodiscard]] QAccessible::Role AccessibleItemRole() const override;

signals:
    void sideChosen(std::int16_t side);
    // Every squarePainted until the next strokeStarted belongs to one stroke.
    void strokeStarted();
    void squarePainted(std::int16_t side, std::int16_t square);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    [[nodiscard]] int LabelHeight() const;
    [[nodiscard]] QColor SquareColor(SquareAt at) const;
    void DrawSide(QPainter& painter, const NetGeometry& net, std::int16_t side) const;
    void PaintAlong(QPoint from, QPoint to);
    void PaintOnce(SquareAt at);
    void ClickSquare(SquareAt at);

    CubeColorValues colors{};
    ColorScheme screenColors{DefaultScreenColors};
    std::int16_t shown{side::Front};
    std::vector<SquareAt> marked;
    std::vector<SquareAt> doubtful;
    std::optional<TurnHint> nextTurn;
    bool canPaint{true};
    SquareLetters letters{SquareLetters::None};
    SquareAt cursor{side::Front, 4};
    // A stroke in progress: where the pointer was, and the square painted
    // last, which a drag does not paint again until it leaves it.
    std::optional<QPoint> strokePoint;
    std::optional<SquareAt> lastPainted;
    // A press on a name, or on a square while not paintable, that chooses a
    // side when released over the same place.
    std::optional<std::int16_t> pressedSide;
};

} // namespace turnix
