#pragma once

#include <QWidget>

namespace turnix {

// Holds the frame of the colour grid and the four neighbour labels. The
// frame takes the largest square that fits between the labels, and each
// label sits beside the edge that it names.
class SquareGridArea : public QWidget {
    Q_OBJECT

public:
    explicit SquareGridArea(QWidget* parent = nullptr);

    // The widgets become children of this area.
    void SetParts(QWidget* grid, QWidget* north, QWidget* west, QWidget* east, QWidget* south);
    // Room kept free at the west and east edges, so that the grid stays in
    // place whatever the labels say.
    void SetSideLabelWidth(int width);

    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSizeHint() const override;

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    [[nodiscard]] QSize AroundSquare(int squareSide) const;
    [[nodiscard]] int LabelHeights() const;
    void PlaceParts();

    QWidget* grid{};
    QWidget* north{};
    QWidget* west{};
    QWidget* east{};
    QWidget* south{};
    int sideLabelWidth{0};
};

} // namespace turnix
