#pragma once

#include "Diagnosis.h"
#include "appearance/ScreenColor.h"
#include "clsCube.h"

#include <QWidget>
#include <cstdint>
#include <vector>

class QLabel;

namespace turnix {

class ColorPalette;
class CubeNet;

// The content of the "Whole Cube" panel: the colours to paint with, the
// unfolded cube, and under it what keeps the cube from being solved, or
// "Ready to solve". The window that owns the cube refreshes the panel after
// every change and handles the net's signals.
class WholeCubePanel : public QWidget {
    Q_OBJECT

public:
    explicit WholeCubePanel(QWidget* parent = nullptr);

    // Shows the cube, diagnosed as it stands, in the scheme's colours.
    void Refresh(const clsCube& cube, std::int16_t shownSide, const ColorScheme& scheme);
    void SetPaintable(bool paintable);

    [[nodiscard]] CubeNet& Net() const noexcept { return *net; }
    [[nodiscard]] ColorPalette& Palette() const noexcept { return *palette; }
    [[nodiscard]] std::int16_t SelectedColor() const;

private:
    ColorPalette* palette{};
    CubeNet* net{};
    QLabel* lblDiagnosis{};
};

// The squares the net rings: those of every finding that names squares
// (bad centres, foreign colours, unknown and duplicate pieces), each once.
[[nodiscard]] std::vector<SquareAt> SquaresToMark(const std::vector<Finding>& findings);

} // namespace turnix
