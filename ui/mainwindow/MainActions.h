#pragma once

#include "appearance/ColorScheme.h"
#include "clsCube.h"

#include <QCoreApplication>
#include <array>
#include <cstdint>

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;

namespace turnix {

// The main window's menus and toolbar: one action per command, in its menu
// and, for some, on the toolbar, so that enabling the action enables both.
// The window connects the actions; this class only makes and names them.
class MainActions {
    Q_DECLARE_TR_FUNCTIONS(turnix::MainActions)

public:
    using SideTurn = void (clsSide::*)() noexcept;
    using CubeRotation = void (clsCube::*)() noexcept;

    struct TurnEntry {
        QAction* action{};
        std::int16_t side{0};
        SideTurn turn{};
    };
    struct RotateEntry {
        QAction* action{};
        CubeRotation rotation{};
    };

    // Fills window's menu bar and adds its toolbar; undo and redo head the
    // Edit menu.
    MainActions(QMainWindow& window, QAction* undo, QAction* redo);

    // The toolbar's side pictures, the Solve picture and the window icon
    // are drawn in the screen colours.
    void DrawSchemePictures(QMainWindow& window, const ColorScheme& colors) const;
    // Turning (by hand or typed), rotating and solving belong to edit mode; a solve that waits
    // for its tables keeps the solve entries off.
    void SetEditCommandsEnabled(bool editing, bool solvable) const;

    QToolBar* Toolbar{};
    QMenu* mnuFile{};
    QAction* mnuFileNewConfiguration{};
    QAction* mnuFileOpenConfiguration{};
    QAction* mnuFileSaveConfiguration{};
    QAction* mnuFileExit{};
    QMenu* mnuEdit{};
    QAction* mnuEditCopyFacelets{};
    QAction* mnuEditPasteFacelets{};
    QAction* mnuEditApplyTurns{};
    QMenu* mnuCube{};
    QAction* mnuCubeSolve{};
    QAction* mnuCubeSolveInFewestTurns{};
    QAction* mnuCubeSolveOptimally{};
    QAction* mnuCubeStepBack{};
    QAction* mnuCubeClearSteps{};
    QMenu* mnuCubeRotate{};
    QAction* mnuCubeDefine{};
    QMenu* mnuSide{};
    QMenu* mnuSideShow{};
    QMenu* mnuSideTurn{};
    QMenu* mnuView{};
    QMenu* mnuHelp{};
    QAction* mnuHelpInstructions{};
    QAction* mnuHelpAbout{};
    // By side index.
    std::array<QAction*, side::Count> mnuSideShowEntries{};
    std::array<TurnEntry, 3 * side::Count> mnuSideTurnEntries{};
    std::array<RotateEntry, 4> mnuCubeRotateEntries{};

private:
    void CreateFileMenu(QMainWindow& window);
    void CreateEditMenu(QMainWindow& window, QAction* undo, QAction* redo);
    void CreateCubeMenu(QMainWindow& window);
    void CreateSideMenu(QMainWindow& window);
    void CreateHelpMenu(QMainWindow& window);
    void CreateToolbar(QMainWindow& window);
};

} // namespace turnix
