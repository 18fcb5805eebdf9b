#pragma once

#include "appearance/ScreenColor.h"
#include "diagnosis/Diagnosis.h"

#include <QWidget>
#include <cstdint>
#include <optional>

class QLabel;

namespace turnix {

class CubeView3D;

// The content of the "3-D Cube" panel: the cube in perspective, how to hold
// the real cube, and, when the next turn's side faces away, a note that says
// so.
class View3DPanel : public QWidget {
    Q_OBJECT

public:
    explicit View3DPanel(QWidget* parent = nullptr);

    void ShowCube(const CubeColorValues& colors, std::int16_t shownSide, const ColorScheme& scheme);
    void SetNextTurn(std::optional<std::int16_t> code);
    [[nodiscard]] CubeView3D& View() const noexcept { return *view; }

private:
    void ShowNote();

    CubeView3D* view{};
    QLabel* lblHold{};
    QLabel* lblNote{};
    std::optional<std::int16_t> nextTurn;
};

// "Hold the cube with green facing you and white on top", naming the
// colours of the front and top centres; a plainer line when a centre's
// colour has no name.
[[nodiscard]] QString HoldText(const CubeColorValues& colors, const ColorScheme& scheme);

// "Turn the back side clockwise (it faces away: see the view from behind)"
// for a step code 0..17.
[[nodiscard]] QString FacingAwayNote(std::int16_t code);

} // namespace turnix
