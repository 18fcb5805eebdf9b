#include "frmTurnix.h"

#include "DockGrowth.h"
#include "NeighbourLabel.h"
#include "appearance/TurnHint.h"
#include "dialogs/frmAbout.h"
#include "dialogs/frmInstructions.h"
#include "fewest/FewestTurns.h"
#include "language/CoreTexts.h"
#include "mainwindow/RecentFilesMenu.h"
#include "platform/ApplicationTitle.h"
#include "platform/WindowPlacement.h"
#include "reading/PhotoReadingController.h"
#include "session/OptimalSolveRun.h"
#include "session/SessionKeeper.h"
#include "view3d/View3DController.h"
#include "wholecube/CubeNet.h"
#include "wholecube/WholeCubePanel.h"

#include <QAction>
#include <QCloseEvent>
#include <QDockWidget>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QVariant>
#include <algorithm>
#include <optional>

namespace turnix {

namespace {

void SetButtonColor(QPushButton& button, const QColor& color) {
    QPalette colors = button.palette();
    colors.setColor(QPalette::Button, color);
    button.setPalette(colors);
}

} // namespace

frmTurnix::frmTurnix(Platform services, QWidget* parent)
    : frmTurnix(services, PrepareFewestTurnsTables, parent) {}

frmTurnix::frmTurnix(Platform services, std::function<void()> prepareFewestTurns, QWidget* parent)
    : QMainWindow(parent), platform(services),
      history([this](const CubeColorValues& values) { RestoreCube(values); }),
      fewestTurns(std::move(prepareFewestTurns)), facelets(services, *this),
      actions(*this, history.CreateUndoAction(this), history.CreateRedoAction(this)),
      ui(*this, *actions.mnuView) {
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
    CreateOptimalSolve();
    ConnectCommands();
    CreateLetterEntries();
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
    RestoreWindowState();
    ui.SetDefaultGeometry(*this);
    ProbeInstructions();
    ShowSessionState();
    CreateSessionKeeping();
    RestoreSession();
    ui.txtDummy->setFocus();
}

frmTurnix::~frmTurnix() {
    // Its worker reports to us: stop it before our members go.
    delete optimalSolve;
    sessionKeeper->Stop();
    CloseInstructions();
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
    connect(a.mnuHelpInstructions, &QAction::triggered, this,
            [this] { ShowInstructions(instructionsWindow, this, strInstructionsFile); });
    connect(a.mnuHelpAbout, &QAction::triggered, this, &frmTurnix::ShowAbout);

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
    for (std::size_t i = 0; i < ui.cmdColor.size(); ++i) {
        // eventFilter takes every mouse press, so a click that still comes
        // is from the keyboard; the dialog then opens beside the square,
        // and the focus comes back to it afterwards.
        QPushButton* square = ui.cmdColor.at(i);
        square->installEventFilter(this);
        connect(square, &QPushButton::clicked, this, [this, square, i] {
            PickSquareColor(static_cast<std::int16_t>(i),
                            square->mapToGlobal(square->rect().center()));
            square->setFocus(Qt::TabFocusReason);
        });
    }
    ui.txtDummy->installEventFilter(this);
    ui.txtSolution->installEventFilter(this);
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
    const clsSide& shown = cubMain.Side(intCurrentSide);
    for (std::int16_t i = 0; i < static_cast<std::int16_t>(ui.cmdColor.size()); ++i) {
        QPushButton& button = *ui.cmdColor.at(static_cast<std::size_t>(i));
        const std::int16_t colorIndex = shown.Square(i)->ColorIndex();
        // The colour index travels with the button, for the colour commands.
        button.setProperty("Tag", QString::number(colorIndex));
        SetButtonColor(button, SquareColor(colorIndex));
    }
    ui.lblMain->setText(CoreText(shown.MainLabel()));
    ui.lblNorth->setText(CoreText(shown.NorthLabel()));
    ui.lblWest->setText(CoreText(shown.WestLabel()));
    ui.lblEast->setText(CoreText(shown.EastLabel()));
    ui.lblSouth->setText(CoreText(shown.SouthLabel()));
    DescribeGridSquares();
    ui.wholeCube->Refresh(cubMain, intCurrentSide, lngColors);
    view3d->ShowCube(cubMain, intCurrentSide, lngColors);
    ShowNextTurn();
    if (sessionKeeper != nullptr) {
        sessionKeeper->Changed();
    }
    ui.txtDummy->setFocus();
}

// Only an opened file can hold an index outside the scheme; it is drawn
// neutral rather than refused.
QColor frmTurnix::SquareColor(std::int16_t colorIndex) const {
    if (colorIndex < 0 || colorIndex >= static_cast<std::int16_t>(lngColors.size())) {
        return NeutralSquareColor;
    }
    return ToQColor(lngColors.at(static_cast<std::size_t>(colorIndex)));
}

void frmTurnix::ShowSide(std::int16_t intSide) {
    intCurrentSide = intSide;
    DisplaySide();
}

void frmTurnix::ShowNeighbour(Edge edge) {
    ShowSide(NeighbourAt(intCurrentSide, edge));
}

// A press of any mouse button on an enabled colour square opens the pick
// dialog at once; the button itself never sees the press. The text boxes
// leave the window's shortcuts alone.
bool frmTurnix::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride &&
        LeavesKeyToShortcuts(watched, *static_cast<QKeyEvent*>(event))) {
        event->ignore();
        return true;
    }
    if (event->type() == QEvent::ShortcutOverride &&
        TextBoxKeepsKey(watched, *static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    const auto square = std::find(ui.cmdColor.cbegin(), ui.cmdColor.cend(), watched);
    if (square == ui.cmdColor.cend()) {
        return QMainWindow::eventFilter(watched, event);
    }
    const auto index = static_cast<std::size_t>(square - ui.cmdColor.cbegin());
    if (event->type() == QEvent::MouseButtonPress && (*square)->isEnabled()) {
        PickSquareColor(static_cast<std::int16_t>(index),
                        static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

// The hidden resting place of the focus takes no typing, and the step text
// is read-only; left to themselves, both would keep Backspace, and the
// resting place the turning letters, from the window's shortcuts.
bool frmTurnix::LeavesKeyToShortcuts(const QObject* watched, const QKeyEvent& key) const {
    return watched == ui.txtDummy || (watched == ui.txtSolution && key.key() == Qt::Key_Backspace);
}

// A text box other than the hidden resting place keeps the clipboard keys
// for its own text, even a read-only one that can only copy.
bool frmTurnix::TextBoxKeepsKey(const QObject* watched, const QKeyEvent& key) const {
    return watched != ui.txtDummy && qobject_cast<const QLineEdit*>(watched) != nullptr &&
           (key.matches(QKeySequence::Copy) || key.matches(QKeySequence::Paste) ||
            key.matches(QKeySequence::Cut));
}

// Reached only when the control with the focus leaves Enter alone; the step
// buttons, the squares and the neighbour labels take it themselves.
void frmTurnix::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    event->accept();
    if (ui.cmdOneStep->isEnabled()) {
        ui.cmdOneStep->click();
    }
}

// Focus rests in the hidden text box, so no visible control shows a focus
// mark, unless the keyboard put it where a mark is wanted.
void frmTurnix::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !HoldsKeyboardPlace()) {
        ui.txtDummy->setFocus();
    }
}

// A square or neighbour label that the keyboard gave the focus keeps it
// when the window comes back, after a pick dialog for instance: it shows a
// mark and takes no step on Enter.
bool frmTurnix::HoldsKeyboardPlace() const {
    const QWidget* place = focusWidget();
    return std::find(ui.cmdColor.cbegin(), ui.cmdColor.cend(), place) != ui.cmdColor.cend() ||
           place == ui.lblNorth || place == ui.lblWest || place == ui.lblEast ||
           place == ui.lblSouth || ui.wholeCube->isAncestorOf(place);
}

void frmTurnix::mouseReleaseEvent(QMouseEvent* event) {
    QMainWindow::mouseReleaseEvent(event);
    ui.txtDummy->setFocus();
}

void frmTurnix::closeEvent(QCloseEvent* event) {
    StoreColorScheme(platform.settings, lngColors);
    // First: storing the docks may show one for a moment.
    sessionKeeper->SaveNow();
    StoreWindowState();
    CloseInstructions();
    event->accept();
}

namespace {

// The panel's place lives apart from the colours, in a section of its own.
const QString WindowSection = QStringLiteral("Window");
const QString StateKey = QStringLiteral("State");
constexpr int StateVersion = 1;

} // namespace

// A stored state that Qt does not recognise is ignored.
void frmTurnix::RestoreWindowState() {
    if (const auto text = platform.settings.Value(WindowSection, StateKey)) {
        static_cast<void>(restoreState(QByteArray::fromBase64(text->toLatin1()), StateVersion));
    }
}

void frmTurnix::HideDocksForRoom(QSize room) {
    for (QDockWidget* dock : HideDocksBeyond(*this, room)) {
        docksHiddenForRoom.append(dock);
        connect(dock->toggleViewAction(), &QAction::triggered, this,
                [this, dock] { docksHiddenForRoom.removeAll(dock); });
    }
}

// A dock hidden only because the screen was small is stored as shown, so
// that a larger screen shows it again.
void frmTurnix::StoreWindowState() {
    QList<QDockWidget*> shown;
    for (const QPointer<QDockWidget>& dock : docksHiddenForRoom) {
        if (dock != nullptr && dock->isHidden()) {
            dock->show();
            shown.append(dock);
        }
    }
    platform.settings.SetValue(WindowSection, StateKey,
                               QString::fromLatin1(saveState(StateVersion).toBase64()));
    for (QDockWidget* dock : shown) {
        dock->hide();
    }
}

void frmTurnix::ShowAbout() {
    frmAbout about(platform, lngColors, this);
    platform.modalRunner.Exec(about);
    ui.txtDummy->setFocus();
}

// Probed once: without a readable guide the entry stays off for the run.
// The guide opens in a window of its own beside this one, so that the cube
// can be brought to the front while it is open.
void frmTurnix::ProbeInstructions() {
    const std::optional<QString> path = ProbeInstructionsFile(strInstallFolder);
    strInstructionsFile = path.value_or(QString());
    actions.mnuHelpInstructions->setEnabled(path.has_value());
}

void frmTurnix::CloseInstructions() {
    if (instructionsWindow != nullptr) {
        instructionsWindow->close();
    }
}

} // namespace turnix
