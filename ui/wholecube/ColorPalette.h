#pragma once

#include "accessibility/PaintedItems.h"
#include "appearance/ScreenColor.h"

#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>

namespace turnix {

// The six screen colours to paint with, in a row, each with the key that
// selects it; the selected one wears a black and white ring, which shows on
// any colour. A click selects a colour, and so do the keys 1 to 6 anywhere
// in the window that holds the palette; with the keyboard focus (which only
// the keyboard gives), the arrow keys move the selection.
class ColorPalette : public QWidget, public PaintedItems {
    Q_OBJECT

public:
    explicit ColorPalette(QWidget* parent = nullptr);

    void SetScheme(const ColorScheme& scheme);
    [[nodiscard]] const ColorScheme& Scheme() const noexcept { return colors; }
    [[nodiscard]] std::int16_t SelectedColor() const noexcept { return selected; }
    // Ignores an index outside 0..5.
    void SelectColor(std::int16_t colorIndex);
    // Each colour's letter, shown beside its key, as the squares show it.
    void SetLetters(const std::array<QString, ColorCount>& newLetters);
    [[nodiscard]] QRect SwatchRect(std::int16_t colorIndex) const;

    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSizeHint() const override;

    [[nodiscard]] int AccessibleItemCount() const override { return ColorCount; }
    [[nodiscard]] QRect AccessibleItemRect(int item) const override;
    [[nodiscard]] QString AccessibleItemName(int item) const override;
    [[nodiscard]] QString AccessibleItemDescription(int item) const override;
    [[nodiscard]] QAccessible::Role AccessibleItemRole() const override;

signals:
    void colorSelected(std::int16_t colorIndex);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void AddKeys();

    ColorScheme colors{DefaultScreenColors};
    std::array<QString, ColorCount> letters;
    std::int16_t selected{0};
};

} // namespace turnix
