#pragma once

#include "clsCube.h"

#include <QCoreApplication>
#include <QList>
#include <QSize>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

class QDockWidget;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMainWindow;
class QMenu;
class QPushButton;
class QWidget;

namespace turnix {

class NeighbourLabel;
class SolutionStatusBar;
class TurnHintOverlay;
class WholeCubePanel;

// The main window's controls, made, named and laid out, as a form designer
// would: the side view in the middle, the solution frame under it, the
// status bar, and the "Whole Cube" panel docked beside. Owned by the window
// through their Qt parents; the window wires them.
class MainControls {
    Q_DECLARE_TR_FUNCTIONS(turnix::MainControls)

public:
    // The panel's entry goes into viewMenu.
    MainControls(QMainWindow& window, QMenu& viewMenu);

    // The default size, with room for the docked panel, centred on the
    // screen. On a screen too small for it, docks give way and then the
    // controls scroll; returns the docks hidden for room.
    QList<QDockWidget*> SetDefaultGeometry(QMainWindow& window) const;
    // The squares and the panel take colours only while editing.
    void SetEditable(bool editing) const;
    // The step just made on a window-coloured field; without one, an empty
    // field that looks inactive.
    void ShowStepText(const std::optional<QString>& text) const;
    // The step that One Step would make, on the net's turning side, and over
    // the grid or, for the side facing away, in words.
    void ShowNextTurn(std::optional<std::int16_t> code, std::int16_t shownSide) const;

    QLabel* lblMain{};
    NeighbourLabel* lblNorth{};
    NeighbourLabel* lblWest{};
    NeighbourLabel* lblEast{};
    NeighbourLabel* lblSouth{};
    std::array<QPushButton*, clsSide::SquareCount> cmdColor{};
    QFrame* Shape1{};
    // The next step of a solution, over the grid, or in words under it
    // when the side that turns faces away.
    TurnHintOverlay* gridTurnHint{};
    QLabel* lblNextTurn{};
    QGroupBox* fraSolution{};
    QLineEdit* txtSolution{};
    QPushButton* cmdOneStep{};
    QPushButton* cmdStepsToCompletion{};
    QPushButton* cmdPreviousSteps{};
    QPushButton* cmdClear{};
    QLineEdit* txtDummy{};
    SolutionStatusBar* statusSolution{};
    QDockWidget* dckWholeCube{};
    WholeCubePanel* wholeCube{};

private:
    [[nodiscard]] QWidget* CreateSideView(QWidget* parent);
    [[nodiscard]] QLabel* CreateNextTurnNote(QWidget* parent);
    [[nodiscard]] QWidget* CreateSolutionFrame(QWidget* parent);
    void CreateFocusSink(QWidget* centralArea);
    void CreateWholeCubePanel(QMainWindow& window, QMenu& viewMenu);
    void SetTabOrder(QWidget& window) const;
    [[nodiscard]] QSize WholeCubeRoom(const QMainWindow& window) const;
};

} // namespace turnix
