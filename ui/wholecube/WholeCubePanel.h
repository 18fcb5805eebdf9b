#pragma once

#include "EntryChecks.h"
#include "appearance/ScreenColor.h"
#include "clsCube.h"
#include "diagnosis/Diagnosis.h"

#include <QWidget>
#include <cstdint>
#include <vector>

class QLabel;

namespace turnix {

class ColorPalette;
class CubeNet;
class EntryChecks;

// The content of the "Whole Cube" panel: the colours to paint with, the
// unfolded cube, and under it what keeps the cube from being solved, or
// "Ready to solve", with the sides that look entered turned and the squares
// of a reading to check. The window that owns the cube refreshes the panel
// after every change and handles the signals of the net and the checks.
class WholeCubePanel : public QWidget {
    Q_OBJECT

public:
    explicit WholeCubePanel(QWidget* parent = nullptr);

    // Shows the cube, diagnosed as it stands, in the scheme's colours.
    void Refresh(const clsCube& cube, std::int16_t shownSide, const ColorScheme& scheme);
    void SetPaintable(bool paintable);

    [[nodiscard]] CubeNet& Net() const noexcept { return *net; }
    [[nodiscard]] EntryChecks& Checks() const noexcept { return *checks; }
    // The squares of a reading to check, until the next reading or
    // SetDoubts({}).
    void SetDoubts(std::vector<SquareDoubt> doubts);
    [[nodiscard]] ColorPalette& Palette() const noexcept { return *palette; }
    [[nodiscard]] std::int16_t SelectedColor() const;

private:
    ColorPalette* palette{};
    CubeNet* net{};
    QLabel* lblDiagnosis{};
    EntryChecks* checks{};
};

// The squares the net rings: those of every finding that names squares
// (bad centres, foreign colours, unknown and duplicate pieces), each once.
[[nodiscard]] std::vector<SquareAt> SquaresToMark(const std::vector<Finding>& findings);

} // namespace turnix
