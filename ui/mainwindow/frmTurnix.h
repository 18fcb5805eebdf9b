#pragma once

// CubeVocabulary.h is included rather than Edge declared: lupdate loses the
// namespace after an opaque enum declaration.
#include "CubeVocabulary.h"
#include "MainActions.h"
#include "MainControls.h"
#include "appearance/ColorScheme.h"
#include "appearance/ScreenColor.h"
#include "clsCube.h"
#include "editing/CubeFiles.h"
#include "editing/FaceletClipboard.h"
#include "layers/clsSolver.h"
#include "platform/Platform.h"
#include "platform/RecentFiles.h"
#include "session/EditHistory.h"
#include "session/FewestTurnsPreparer.h"
#include "session/OptimalSolveRun.h"
#include "session/SolutionSession.h"
#include "wholecube/EntryChecks.h"

#include <QMainWindow>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace turnix {

class PhotoReadingController;
class RecentFilesMenu;
class SessionKeeper;
class SideLettersMenu;
class View3DController;
class WindowStateStore;
class InstructionsCommand;
struct SessionState;
struct TurnedSide;

// The main window: shows one side of the cube, names its neighbours, and
// carries every command. It owns the cube and the colour scheme for the
// whole run; closing it stores the scheme and ends the program. The
// solution, the edit history and the fewest-turns tables live in classes
// of their own, which the window reads to draw its controls.
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
    [[nodiscard]] const clsSolver& Solver() const noexcept { return session.Solver(); }
    [[nodiscard]] bool SolutionMode() const noexcept { return session.SolutionMode(); }
    // "Solve Optimally"'s runs; a test hands its search a fake.
    [[nodiscard]] OptimalSolveRun& OptimalSolver() noexcept { return optimalSolve; }

    // Opens a cube file named from outside the open dialog: on the command
    // line, in "Open Recent" or dropped. One that cannot be read is named
    // in a message and changes nothing.
    void OpenConfigurationFile(const QString& path);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Wiring, display, side navigation and the kept session (frmTurnix.cpp).
    void ConnectCommands();
    void ConnectControls();
    void DisplaySide();
    void ShowSide(std::int16_t intSide);
    void ShowNeighbour(Edge edge);
    void ShowSideLetters();
    void KeepSession();
    [[nodiscard]] SessionState CaptureSession() const;
    void RestoreSession();

    // Changes of the cube by hand, each one step of the history
    // (frmTurnixEditing.cpp).
    void EditCube(const QString& strText, const std::function<void()>& change);
    void ReplaceCube(const QString& strText, const std::function<void()>& change);
    void NoteCubeChanged();
    void RestoreCube(const CubeColorValues& values);
    void TurnSide(std::int16_t intSide, MainActions::SideTurn turn);
    void RotateCube(MainActions::CubeRotation rotation);
    void PickSquareColor(std::int16_t intSquare, QPoint globalPointer);
    void PaintSquare(std::int16_t intSide, std::int16_t intSquare);
    void NewConfiguration();
    void OpenConfiguration();
    void SaveConfiguration(const QString& strFileName,
                           const std::optional<QString>& vFolder = std::nullopt);
    void PasteFacelets();
    void ApplyTurns();
    void ApplyReading(const CubeColorValues& values, const std::vector<SquareDoubt>& doubts);
    void TurnSideBack(TurnedSide turned);
    void ChangeDoubtfulSquare(SquareAt at, std::int16_t color);
    void ClearDoubts();
    void DefineColorScheme();

    // Solving and stepping (frmTurnixSolution.cpp).
    void SolveCube();
    void SolveWith(SolverKind kind, const std::vector<std::int16_t>* found = nullptr);
    void SolveInFewestTurns();
    void SolveOptimally();
    void OptimalSolveFinished(const OptimalResult& result);
    void DiscardSolution();
    void ApplyStep(std::int16_t intStep);
    void OneStep();
    void StepBack();
    void EnterSolutionMode();
    void ShowStepList(const QString& strCaption, const QStringList& steps);
    void ShowSessionState();
    void SessionChanged();
    void ShowNextTurn();

    Platform platform;
    RecentFiles recentFiles{platform.settings};

    ColorScheme lngColors{DefaultScreenColors};
    std::int16_t intCurrentSide{side::Front};
    clsCube cubMain;
    QString strInstallFolder;
    SolutionSession session;
    EditHistory history;
    FewestTurnsPreparer fewestTurns;
    FaceletClipboard facelets;
    CubeFiles cubeFiles{platform, recentFiles, *this};
    MainActions actions;
    MainControls ui;
    PhotoReadingController* reading{};
    View3DController* view3d{};
    RecentFilesMenu* mnuFileOpenRecent{};
    SideLettersMenu* sideLetters{};
    WindowStateStore* windowState{};
    InstructionsCommand* instructions{};
    SessionKeeper* sessionKeeper{};
    // Last, so that it goes first: its worker must stop before the members
    // that its results reach.
    OptimalSolveRun optimalSolve;
};

} // namespace turnix
