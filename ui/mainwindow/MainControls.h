#pragma once

#include "appearance/ColorScheme.h"
#include "clsCube.h"
#include "language/SquareWords.h"

#include <QCoreApplication>
#include <QSize>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

class QDockWidget;
class QFrame;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMainWindow;
class QMenu;
class QPushButton;
class QWidget;

namespace turnix {

class NeighbourLabel;
class SolutionSession;
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
    // controls scroll.
    void SetDefaultGeometry(QMainWindow& window) const;
    // The shown side's squares and names, the letters on the squares and
    // their names for screen readers.
    void ShowSide(const clsCube& cube, std::int16_t shownSide, const ColorScheme& colors,
                  SquareLetters letters) const;
    // The squares and the panel take colours only while editing; the step
    // controls follow the solution.
    void ShowSession(const SolutionSession& session) const;
    // The step that One Step would make, on the net's turning side, and over
    // the grid or, for the side facing away, in words.
    void ShowNextTurn(std::optional<std::int16_t> code, std::int16_t shownSide) const;

    // A square, neighbour label or part of the panel that the keyboard
    // gave the focus: it shows a mark and takes no step on Enter.
    [[nodiscard]] bool HoldsKeyboardPlace(const QWidget* focus) const;
    // Whether a key pressed in watched goes to the window's shortcuts, and
    // whether a text box keeps it for its own text.
    [[nodiscard]] bool LeavesKeyToShortcuts(const QObject* watched, const QKeyEvent& key) const;
    [[nodiscard]] bool TextBoxKeepsKey(const QObject* watched, const QKeyEvent& key) const;

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
    void DescribeSquares(const clsCube& cube, std::int16_t shownSide, const ColorScheme& colors,
                         SquareLetters letters) const;
    void SetEditable(bool editing) const;
    void ShowStepText(const std::optional<QString>& text) const;
    [[nodiscard]] QSize WholeCubeRoom(const QMainWindow& window) const;
};

} // namespace turnix
