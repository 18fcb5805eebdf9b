#pragma once

#include "ColorScheme.h"
#include "Platform.h"
#include "ScreenColor.h"
#include "clsCube.h"

#include <QMainWindow>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

class QAction;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QToolBar;

namespace turnix {

class NeighbourLabel;

// The main window: shows one side of the cube, names its neighbours, and
// carries every command. It owns the cube and the colour scheme for the
// whole run; closing it stores the scheme and ends the program.
class frmTurnix : public QMainWindow {
    Q_OBJECT

public:
    explicit frmTurnix(Platform platform, QWidget* parent = nullptr);

    [[nodiscard]] const clsCube& Cube() const noexcept { return cubMain; }
    [[nodiscard]] std::int16_t CurrentSide() const noexcept { return intCurrentSide; }
    [[nodiscard]] const ColorScheme& Colors() const noexcept { return lngColors; }
    [[nodiscard]] const QString& InstallFolder() const noexcept { return strInstallFolder; }

protected:
    void changeEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    using SideTurn = void (clsSide::*)() noexcept;
    using CubeRotation = void (clsCube::*)() noexcept;

    // Construction and layout (frmTurnixLayout.cpp).
    void CreateCentralArea();
    [[nodiscard]] QWidget* CreateSideView();
    [[nodiscard]] QWidget* CreateSolutionFrame();
    void CreateFocusSink(QWidget* centralArea);
    void SetDefaultGeometry();

    // Menus and toolbar (frmTurnixMenus.cpp).
    void CreateMenus();
    void CreateFileMenu();
    void CreateCubeMenu();
    void CreateSideMenu();
    void CreateHelpMenu();
    void CreateToolbar();
    void ToolbarButtonClick(int index);

    // Display and side navigation (frmTurnix.cpp).
    void DisplaySide();
    void ShowSide(std::int16_t intSide);
    void ShowNeighbourNorth();
    void ShowNeighbourSouth();
    void ShowNeighbourWest();
    void ShowNeighbourEast();
    [[nodiscard]] QColor SquareColor(std::int16_t colorIndex) const;

    // Cube commands (frmTurnixCommands.cpp).
    void TurnSide(std::int16_t intSide, SideTurn turn);
    void RotateCube(CubeRotation rotation);

    // Configuration files (frmTurnixFiles.cpp).
    void NewConfiguration();
    void OpenConfiguration();
    void SaveConfiguration(const QString& strFileName,
                           const std::optional<QString>& vFolder = std::nullopt);
    [[nodiscard]] QString GetInstallFolder() const;

    Platform platform;

    ColorScheme lngColors{DefaultScreenColors};
    std::int16_t intCurrentSide{side::Front};
    clsCube cubMain;
    QString strInstallFolder;

    // Controls, owned by their Qt parents.
    QToolBar* Toolbar{};
    QLabel* lblMain{};
    NeighbourLabel* lblNorth{};
    NeighbourLabel* lblWest{};
    NeighbourLabel* lblEast{};
    NeighbourLabel* lblSouth{};
    std::array<QPushButton*, 9> cmdColor{};
    QFrame* Shape1{};
    QGroupBox* fraSolution{};
    QLineEdit* txtSolution{};
    QPushButton* cmdOneStep{};
    QPushButton* cmdStepsToCompletion{};
    QPushButton* cmdPreviousSteps{};
    QPushButton* cmdClear{};
    QLineEdit* txtDummy{};

    QMenu* mnuFile{};
    QAction* mnuFileNewConfiguration{};
    QAction* mnuFileOpenConfiguration{};
    QAction* mnuFileSaveConfiguration{};
    QAction* mnuFileExit{};
    QMenu* mnuCube{};
    QAction* mnuCubeSolve{};
    QMenu* mnuCubeRotate{};
    QAction* mnuCubeDefine{};
    QMenu* mnuSide{};
    QMenu* mnuSideShow{};
    QMenu* mnuSideTurn{};
    QMenu* mnuHelp{};
    QAction* mnuHelpInstructions{};
    QAction* mnuHelpAbout{};
    // Toolbar button 11, which solution mode disables.
    QAction* toolbarSolve{};
};

} // namespace turnix
