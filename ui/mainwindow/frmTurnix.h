#pragma once

#include "ConfigurationFile.h"
#include "SolutionStatusBar.h"
#include "StepCodes.h"
#include "TurnedSides.h"
#include "appearance/ColorScheme.h"
#include "appearance/ScreenColor.h"
#include "clsCube.h"
#include "clsSolver.h"
#include "editing/CubeEdit.h"
#include "language/SquareWords.h"
#include "platform/Platform.h"
#include "reading/PhotoReading.h"

#include <QFuture>
#include <QMainWindow>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>

class QAction;
class QDockWidget;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QToolBar;
template <typename T>
class QFutureWatcher;
class QUndoStack;

namespace turnix {

class NeighbourLabel;
class TurnHintOverlay;
class WholeCubePanel;
class frmInstructions;

// The main window: shows one side of the cube, names its neighbours, and
// carries every command. It owns the cube, the solver and the colour scheme
// for the whole run; closing it stores the scheme and ends the program.
// In edit mode the user changes and solves the cube; in solution mode the
// cube changes only by replaying the solution one step at a time.
class frmTurnix : public QMainWindow {
    Q_OBJECT

public:
    explicit frmTurnix(Platform platform, QWidget* parent = nullptr);
    // The same, with the fewest-turns solver's tables built by
    // prepareFewestTurns on a worker thread instead of by the solver's own
    // PrepareFewestTurnsTables.
    frmTurnix(Platform platform, std::function<void()> prepareFewestTurns,
              QWidget* parent = nullptr);
    ~frmTurnix() override;

    [[nodiscard]] const clsCube& Cube() const noexcept { return cubMain; }
    [[nodiscard]] std::int16_t CurrentSide() const noexcept { return intCurrentSide; }
    [[nodiscard]] const ColorScheme& Colors() const noexcept { return lngColors; }
    [[nodiscard]] const QString& InstallFolder() const noexcept { return strInstallFolder; }
    [[nodiscard]] const clsSolver& Solver() const noexcept { return solMain; }
    [[nodiscard]] bool SolutionMode() const noexcept { return blnSolutionMode; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    using SideTurn = void (clsSide::*)() noexcept;
    using CubeRotation = void (clsCube::*)() noexcept;

    // Construction and layout (frmTurnixLayout.cpp).
    void CreateCentralArea();
    [[nodiscard]] QWidget* CreateSideView();
    [[nodiscard]] QLabel* CreateNextTurnNote(QWidget* parent);
    [[nodiscard]] QWidget* CreateSolutionFrame();
    void CreateFocusSink(QWidget* centralArea);
    void SetTabOrder();
    void SetDefaultGeometry();

    // Menus and toolbar (frmTurnixMenus.cpp).
    void CreateMenus();
    void CreateFileMenu();
    void CreateCubeMenu();
    void CreateSideMenu();
    void CreateHelpMenu();
    void CreateToolbar();
    void DrawSchemePictures();
    void ToolbarButtonClick(int index);

    // Display and side navigation (frmTurnix.cpp).
    void DisplaySide();
    void ShowSide(std::int16_t intSide);
    void ShowNeighbourNorth();
    void ShowNeighbourSouth();
    void ShowNeighbourWest();
    void ShowNeighbourEast();
    [[nodiscard]] QColor SquareColor(std::int16_t colorIndex) const;
    [[nodiscard]] bool HoldsKeyboardPlace() const;

    // Cube commands (frmTurnix.cpp).
    void TurnSide(std::int16_t intSide, SideTurn turn);
    void RotateCube(CubeRotation rotation);

    // Configuration files (frmTurnixFiles.cpp).
    void NewConfiguration();
    void OpenConfiguration();
    void SaveConfiguration(const QString& strFileName,
                           const std::optional<QString>& vFolder = std::nullopt);
    [[nodiscard]] QString GetInstallFolder() const;

    // Solving and stepping (frmTurnixSolution.cpp).
    void FillStepTexts();
    void SolveCube();
    void ShowSolveMessage(const QString& strText);
    void EnterEditMode();
    void EnterSolutionMode();
    void SetEditControlsEnabled(bool editing);
    void DiscardSolution();
    [[nodiscard]] bool HasStepList() const noexcept;
    void ApplyStep(std::int16_t intStep);
    void OneStep();
    void PreviousSteps();
    void StepsToCompletion();
    void ShowStepList(const QString& strCaption, const std::vector<std::int16_t>& codes);
    void SolveWith(SolverKind kind);

    // Following a solution: step back, the status bar, the next turn drawn
    // (frmTurnixFollow.cpp).
    void CreateFollowControls();
    void StepBack();
    [[nodiscard]] bool CanStepBack() const noexcept;
    void UpdateFollowControls();
    void CheckFinishedListStillFits();
    [[nodiscard]] SolutionProgress Progress();
    [[nodiscard]] QString LastStepDoneText();
    void ShowNextTurn();
    [[nodiscard]] bool LeavesKeyToShortcuts(const QObject* watched, const QKeyEvent& key) const;

    // The fewest-turns solver (frmTurnixFewestTurns.cpp).
    void StartPreparingFewestTurns(std::function<void()> prepare);
    void SolveInFewestTurns();
    void FewestTurnsTablesPrepared();
    [[nodiscard]] bool LoadFewestTurnsSolution();
    void SetSolveEntriesEnabled(bool enabled);
    void StopWaitingForFewestTurns();

    // The edit history, the facelet clipboard and painting
    // (frmTurnixEditing.cpp).
    void CreateEditMenu();
    void RecordEdit(const QString& strText, const CubeColorValues& before,
                    int stroke = CubeEdit::NoStroke);
    void RestoreCube(const CubeColorValues& values);
    void CopyFacelets();
    void PasteFacelets();
    void PaintSquare(std::int16_t intSide, std::int16_t intSquare);

    // The "Whole Cube" panel and its place (frmTurnixWholeCube.cpp).
    void CreateViewMenu();
    void CreateWholeCubePanel();
    void RestoreWindowState();
    void StoreWindowState();
    [[nodiscard]] QSize WholeCubeRoom() const;

    // Reading the cube from photos or the camera, and mending what was
    // entered (frmTurnixReading.cpp).
    void CreateReadingEntries();
    void ReadCubeFromPhotos();
    void ReadPhotoFiles(const QStringList& files);
    void PhotosRead();
    void ScanWithCamera();
    void ApplyReading(const vision::CubeReading& reading);
    void ShowReadingProblems(const QStringList& problems);
    void ClearDoubts();
    void TurnSideBack(TurnedSide turned);
    void ChangeDoubtfulSquare(SquareAt at, std::int16_t color);

    // Letters on the squares and the squares' names for screen readers
    // (frmTurnixLetters.cpp).
    void CreateLetterEntries();
    void ChooseSideLetters();
    void DescribeGridSquares();

    // Colours and Help (frmTurnixDialogs.cpp).
    void DefineColorScheme();
    void PickSquareColor(std::int16_t intSquare, QPoint globalPointer);
    void ShowAbout();
    void ProbeInstructions();
    void ShowInstructionsWindow();
    void CloseInstructions();

    Platform platform;

    ColorScheme lngColors{DefaultScreenColors};
    SquareLetters sideLetters{SquareLetters::None};
    std::array<QString, StepCodeCount> strStepText;
    std::int16_t intCurrentSide{side::Front};
    clsCube cubMain;
    clsSolver solMain;
    QString strInstallFolder;
    QString strInstructionsFile;
    bool blnSolutionMode{false};
    SolverKind solutionSolver{SolverKind::LayerByLayer};
    // The list still belongs to cubMain: from a solve until the cube is
    // changed other than by its steps. Step back needs it.
    bool listFollowsCube{false};
    // cubMain after the last step, to tell whether it changed since.
    ConfigurationBytes finishedCube{};
    // The fewest-turns tables, built on a worker thread; a solve asked for
    // before they are ready waits for them.
    QFuture<void> fewestTurnsTables;
    QFutureWatcher<void>* fewestTurnsWatcher{};
    bool fewestTurnsWaiting{false};
    // The open instructions window, if any; it closes with this window and
    // deletes itself.
    QPointer<frmInstructions> instructionsWindow;
    // Changes of the cube in edit mode; solution mode starts it afresh.
    QUndoStack* undoStack{};
    // The number of the paint stroke in progress, whose squares are one step.
    int paintStroke{0};
    // Photos being read off the GUI thread.
    QFutureWatcher<PhotoOutcome>* photoReader{};
    // The history's index just after the last reading, whose doubts go when
    // it is undone.
    int readingIndex{-1};

    // Controls, owned by their Qt parents.
    QToolBar* Toolbar{};
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

    QMenu* mnuFile{};
    QAction* mnuFileNewConfiguration{};
    QAction* mnuFileOpenConfiguration{};
    QAction* mnuFileSaveConfiguration{};
    QAction* mnuFileReadPhotos{};
    QAction* mnuFileScanCamera{};
    QAction* mnuFileExit{};
    QMenu* mnuEdit{};
    QAction* mnuEditCopyFacelets{};
    QAction* mnuEditPasteFacelets{};
    QMenu* mnuCube{};
    QAction* mnuCubeSolve{};
    QAction* mnuCubeSolveInFewestTurns{};
    QAction* mnuCubeStepBack{};
    QMenu* mnuCubeRotate{};
    QAction* mnuCubeDefine{};
    QMenu* mnuSide{};
    QMenu* mnuSideShow{};
    QMenu* mnuSideTurn{};
    QMenu* mnuView{};
    QAction* mnuViewShowSideLetters{};
    QAction* mnuViewLettersOfSides{};
    QAction* mnuViewLettersOfColours{};
    QMenu* mnuHelp{};
    QAction* mnuHelpInstructions{};
    QAction* mnuHelpAbout{};
    // Toolbar buttons 4 to 9, by side index.
    std::array<QAction*, side::Count> toolbarShowSide{};
    // Toolbar button 11, which solution mode disables.
    QAction* toolbarSolve{};
    // Toolbar button 12.
    QAction* toolbarStepBack{};
};

} // namespace turnix
