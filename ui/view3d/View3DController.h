#pragma once

#include "StickerLetters.h"
#include "TurnSpeed.h"
#include "appearance/ScreenColor.h"

#include <QObject>
#include <cstdint>
#include <functional>
#include <optional>

class QAction;
class QActionGroup;
class QDockWidget;
class QMainWindow;
class QMenu;
class QTimer;
class QToolBar;
class QWidget;

namespace turnix {

class ISettingsStore;
class View3DPanel;
class clsCube;

// Puts the "3-D Cube" panel into a main window with its entries: "View >
// 3-D Cube", "View > Turn Speed" (kept in the settings) and "Cube > Play"
// (Space where the focus rests or on the view, and a toolbar button), which makes the solution's
// steps one after another, a short pause after each turn, until the last or
// until it is chosen again. The window shows it every change of the cube
// and of the next step, and handles the panel's clicks through the signals.
class View3DController : public QObject {
    Q_OBJECT

public:
    // oneStep makes the next step of the solution; restingPlace is where the
    // window keeps the focus when no control shows it. A focused button keeps
    // Space for itself.
    View3DController(QMainWindow& window, ISettingsStore& settings, QMenu& viewMenu,
                     QMenu& cubeMenu, QToolBar& toolbar, QWidget& restingPlace,
                     std::function<void()> oneStep);
    ~View3DController() override;

    void ShowCube(const clsCube& cube, std::int16_t shownSide, const ColorScheme& scheme);
    // The step One Step would make, in solution mode; nothing otherwise.
    void ShowNextTurn(std::optional<std::int16_t> code);
    void SetPaintable(bool paintable);
    void SetLetters(SquareLetters letters);
    // How long Play rests after each turn.
    void SetPlayPause(int milliseconds) noexcept { playPause = milliseconds; }

    [[nodiscard]] View3DPanel& Panel() const noexcept { return *panel; }
    [[nodiscard]] QDockWidget& Dock() const noexcept { return *dock; }
    [[nodiscard]] bool Playing() const noexcept;

signals:
    void sideChosen(std::int16_t side);
    void strokeStarted();
    void squarePainted(std::int16_t side, std::int16_t square);

private:
    void CreateSpeedMenu(QMenu& viewMenu);
    void CreatePlayEntry(QMenu& cubeMenu, QToolBar& toolbar, QWidget& restingPlace);
    void ChooseSpeed(TurnSpeed speed);
    void PlayToggled(bool on);
    void PlayNext();

    ISettingsStore& settings;
    std::function<void()> oneStep;
    View3DPanel* panel{};
    QDockWidget* dock{};
    QActionGroup* speeds{};
    QAction* play{};
    QTimer* playTimer{};
    std::optional<std::int16_t> nextTurn;
    int playPause;
};

} // namespace turnix
