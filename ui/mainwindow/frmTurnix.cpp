#include "frmTurnix.h"

#include "DockGrowth.h"
#include "MainInput.h"
#include "NeighbourLabel.h"
#include "SideLettersMenu.h"
#include "WindowStateStore.h"
#include "dialogs/InstructionsCommand.h"
#include "dialogs/frmAbout.h"
#include "fewest/FewestTurns.h"
#include "mainwindow/RecentFilesMenu.h"
#include "optimal/OptimalSolve.h"
#include "platform/ApplicationTitle.h"
#include "reading/PhotoReadingController.h"
#include "session/SessionKeeper.h"
#include "view3d/View3DController.h"
#include "wholecube/CubeNet.h"
#include "wholecube/WholeCubePanel.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QUndoStack>
#include <algorithm>
#include <optional>

namespace turnix {

namespace {

// Enough to undo a good while back, and a small file still.
constexpr int KeptEdits = 200;

} // namespace

frmTurnix::frmTurnix(Platform services, QWidget* parent)
    : frmTurnix(services, PrepareFewestTurnsTables, parent) {}

frmTurnix::frmTurnix(Platform services, std::function<void()> prepareFewestTurns, QWidget* parent)
    : QMainWindow(parent), platform(services),
      history([this](const CubeColorValues& values) { RestoreCube(values); }),
      fewestTurns(std::move(prepareFewestTurns)), facelets(services, *this),
      actions(*this, history.CreateUndoAction(this), history.CreateRedoAction(this)),
      ui(*this, *actions.mnuView),
      optimalSolve([](const Arrangement& cube,
                      const OptimalOptions& options) { return SolveOptimal(cube, options); },
                   this) {
    setWindowTitle(ApplicationTitle());
    // Beside Open: a reading replaces the cube as Open does.
    reading = new PhotoReadingController(platform, *this, lngColors);
    const QList<QAction*> fileEntries = actions.mnuFile->actions();
    reading->AddEntries(*actions.mnuFile,
                        fileEntries.at(fileEntries.indexOf(actions.mnuFileExit) - 1));
    view3d =
        new View3DController(*this, platform.settings, *actions.mnuView, *actions.mnuCube,
                             *actions.Toolbar, *ui.txtDummy, [this] { ui.cmdOneStep->click(); });
    // Under Open: the files last opened or saved.
    mnuFileOpenRecent = new RecentFilesMenu(recentFiles, actions.mnuFile);
    actions.mnuFile->insertMenu(
        fileEntries.at(fileEntries.indexOf(actions.mnuFileOpenConfiguration) + 1),
        mnuFileOpenRecent);
    sideLetters = new SideLettersMenu(*actions.mnuView, platform.settings);
    windowState = new WindowStateStore(*this, platform.settings);
    ConnectCommands();
    ConnectControls();
    ShowSideLetters();
    new DockGrowth(*this);
    // The 3-D view comes after the net, so that Tab still reaches the net
    // in three presses.
    if (auto* view = findChild<QWidget*>(QStringLiteral("CubeView3D"))) {
        setTabOrder(&ui.wholeCube->Net(), view);
    }

    // Start-up proper, in its fixed order: the colour scheme (and the
    // pictures drawn in it), the shown side of the new cube, the
    // installation folder, the window's place, the instructions, edit mode.
    lngColors = LoadColorScheme(platform.settings);
    actions.DrawSchemePictures(*this, lngColors);
    DisplaySide();
    strInstallFolder = platform.system.InstallFolder();
    windowState->Restore();
    ui.SetDefaultGeometry(*this);
    instructions = new InstructionsCommand(*actions.mnuHelpInstructions, *this, strInstallFolder);
    ShowSessionState();
    sessionKeeper = new SessionKeeper(StateFile(platform.system.StateFolder()), *this,
                                      [this] { return CaptureSession(); });
    connect(&history.Stack(), &QUndoStack::indexChanged, sessionKeeper, &SessionKeeper::Changed);
    RestoreSession();
    ui.txtDummy->setFocus();
}

frmTurnix::~frmTurnix() {
    sessionKeeper->Stop();
    instructions->Close();
}

void frmTurnix::ConnectCommands() {
    const MainActions& a = actions;
    connect(a.mnuFileNewConfiguration, &QAction::triggered, this, &frmTurnix::NewConfiguration);
    connect(a.mnuFileOpenConfiguration, &QAction::triggered, this, &frmTurnix::OpenConfiguration);
    connect(a.mnuFileSaveConfiguration, &QAction::triggered, this,
            [this] { SaveConfiguration(QStringLiteral("Current.cub")); });
    connect(a.mnuFileExit, &QAction::triggered, this, &frmTurnix::close);
    connect(a.mnuEditCopyFacelets, &QAction::triggered, this, [this] {
        facelets.Copy(cubMain);
        ui.txtDummy->setFocus();
    });
    connect(a.mnuEditPasteFacelets, &QAction::triggered, this, &frmTurnix::PasteFacelets);
    connect(a.mnuEditApplyTurns, &QAction::triggered, this, &frmTurnix::ApplyTurns);
    connect(mnuFileOpenRecent, &RecentFilesMenu::fileChosen, this,
            &frmTurnix::OpenConfigurationFile);
    connect(reading, &PhotoReadingController::cubeFileDropped, this,
            &frmTurnix::OpenConfigurationFile);
    connect(a.mnuCubeSolve, &QAction::triggered, this, &frmTurnix::SolveCube);
    connect(a.mnuCubeSolveInFewestTurns, &QAction::triggered, this, &frmTurnix::SolveInFewestTurns);
    connect(a.mnuCubeSolveOptimally, &QAction::triggered, this, &frmTurnix::SolveOptimally);
    connect(a.mnuCubeStepBack, &QAction::triggered, this, &frmTurnix::StepBack);
    connect(a.mnuCubeClearSteps, &QAction::triggered, this, &frmTurnix::DiscardSolution);
    connect(a.mnuCubeDefine, &QAction::triggered, this, &frmTurnix::DefineColorScheme);
    for (const MainActions::RotateEntry& entry : a.mnuCubeRotateEntries) {
        connect(entry.action, &QAction::triggered, this,
                [this, rotation = entry.rotation] { RotateCube(rotation); });
    }
    for (const MainActions::TurnEntry& entry : a.mnuSideTurnEntries) {
        connect(entry.action, &QAction::triggered, this,
                [this, entry] { TurnSide(entry.side, entry.turn); });
    }
    for (std::int16_t s = 0; s < side::Count; ++s) {
        connect(a.mnuSideShowEntries.at(static_cast<std::size_t>(s)), &QAction::triggered, this,
                [this, s] { ShowSide(s); });
    }
    connect(a.mnuHelpAbout, &QAction::triggered, this, [this] {
        frmAbout about(platform, lngColors, this);
        platform.modalRunner.Exec(about);
        ui.txtDummy->setFocus();
    });
    connect(sideLetters, &SideLettersMenu::changed, this, [this] {
        ShowSideLetters();
        DisplaySide();
    });
    connect(&optimalSolve, &OptimalSolveRun::Finished, this, &frmTurnix::OptimalSolveFinished);
    connect(&fewestTurns, &FewestTurnsPreparer::prepared, this,
            [this] { SolveWith(SolverKind::FewestTurns); });
    connect(reading, &PhotoReadingController::cubeRead, this, &frmTurnix::ApplyReading);
    connect(reading, &PhotoReadingController::dismissed, ui.txtDummy,
            [this] { ui.txtDummy->setFocus(); });
    const EntryChecks& checks = ui.wholeCube->Checks();
    connect(&checks, &EntryChecks::turnBackRequested, this, &frmTurnix::TurnSideBack);
    connect(&checks, &EntryChecks::colorChosen, this, &frmTurnix::ChangeDoubtfulSquare);
    const CubeNet& net = ui.wholeCube->Net();
    connect(&net, &CubeNet::sideChosen, this, &frmTurnix::ShowSide);
    connect(&net, &CubeNet::strokeStarted, this, [this] { history.StartStroke(); });
    connect(&net, &CubeNet::squarePainted, this, &frmTurnix::PaintSquare);
    connect(view3d, &View3DController::sideChosen, this, &frmTurnix::ShowSide);
    connect(view3d, &View3DController::strokeStarted, this, [this] { history.StartStroke(); });
    connect(view3d, &View3DController::squarePainted, this, &frmTurnix::PaintSquare);
}

// The controls of the central area.
void frmTurnix::ConnectControls() {
    new MainInput(*this, ui, [this](std::int16_t square, QPoint pointer) {
        PickSquareColor(square, pointer);
    });
    connect(ui.cmdOneStep, &QPushButton::clicked, this, &frmTurnix::OneStep);
    // Outside the lambdas, where lupdate finds the class they belong to.
    const QString toCompletion = tr("Steps to Completion");
    const QString previous = tr("Previous Steps");
    connect(ui.cmdStepsToCompletion, &QPushButton::clicked, this,
            [this, toCompletion] { ShowStepList(toCompletion, session.RemainingStepTexts()); });
    connect(ui.cmdPreviousSteps, &QPushButton::clicked, this,
            [this, previous] { ShowStepList(previous, session.PreviousStepTexts()); });
    connect(ui.cmdClear, &QPushButton::clicked, this, &frmTurnix::DiscardSolution);
    connect(ui.lblNorth, &NeighbourLabel::clicked, this, [this] { ShowNeighbour(Edge::North); });
    connect(ui.lblWest, &NeighbourLabel::clicked, this, [this] { ShowNeighbour(Edge::West); });
    connect(ui.lblEast, &NeighbourLabel::clicked, this, [this] { ShowNeighbour(Edge::East); });
    connect(ui.lblSouth, &NeighbourLabel::clicked, this, [this] { ShowNeighbour(Edge::South); });
}

void frmTurnix::DisplaySide() {
    ui.ShowSide(cubMain, intCurrentSide, lngColors, sideLetters->Letters());
    ui.wholeCube->Refresh(cubMain, intCurrentSide, lngColors);
    view3d->ShowCube(cubMain, intCurrentSide, lngColors);
    ShowNextTurn();
    ui.txtDummy->setFocus();
}

void frmTurnix::ShowSide(std::int16_t intSide) {
    intCurrentSide = intSide;
    DisplaySide();
    KeepSession();
}

void frmTurnix::ShowNeighbour(Edge edge) {
    ShowSide(NeighbourAt(intCurrentSide, edge));
}

void frmTurnix::ShowSideLetters() {
    const SquareLetters letters = sideLetters->Letters();
    ui.wholeCube->Net().SetLetters(letters);
    view3d->SetLetters(letters);
}

void frmTurnix::closeEvent(QCloseEvent* event) {
    StoreColorScheme(platform.settings, lngColors);
    // First: storing the docks may show one for a moment.
    sessionKeeper->SaveNow();
    windowState->Store();
    instructions->Close();
    event->accept();
}

// Where the user is has changed: written to the state file soon.
void frmTurnix::KeepSession() {
    if (sessionKeeper != nullptr) {
        sessionKeeper->Changed();
    }
}

SessionState frmTurnix::CaptureSession() const {
    const EditHistory::Kept kept = history.Keep(KeptEdits);
    return {ColorValuesOf(cubMain), intCurrentSide,          kept.edits, kept.made,
            session.Kept(),         windowState->Placement()};
}

// The history first: undoing to its place goes through the kept cubes,
// which a finished list must not take for changes by hand. The cube being
// edited is the one that counts.
void frmTurnix::RestoreSession() {
    const std::optional<SessionState> state = sessionKeeper->Load();
    if (!state) {
        return;
    }
    intCurrentSide = state->side;
    history.Reload({state->history, state->historyIndex});
    SetColorValues(cubMain, state->cube);
    if (state->solution && session.Restore(*state->solution, cubMain) && session.SolutionMode()) {
        EnterSolutionMode();
    }
    ShowSessionState();
    DisplaySide();
    if (state->window) {
        windowState->Place(*state->window);
    }
}

} // namespace turnix
