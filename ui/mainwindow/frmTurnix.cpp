#include "frmTurnix.h"

#include "FewestTurns.h"
#include "NeighbourLabel.h"
#include "appearance/TurnHint.h"
#include "dialogs/frmInstructions.h"
#include "editing/EditTexts.h"
#include "language/CoreTexts.h"
#include "platform/ApplicationTitle.h"
#include "wholecube/WholeCubePanel.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QVariant>
#include <algorithm>
#include <optional>

namespace turnix {

namespace {

// The square an arrow key moves the focus to, row by row as the squares are
// numbered; at the grid's edge the focus stays. Nothing for other keys.
std::optional<std::size_t> SquareTowards(std::size_t square, int key) {
    const std::size_t row = square / 3;
    const std::size_t column = square % 3;
    switch (key) {
    case Qt::Key_Left:
        return column > 0 ? square - 1 : square;
    case Qt::Key_Right:
        return column < 2 ? square + 1 : square;
    case Qt::Key_Up:
        return row > 0 ? square - 3 : square;
    case Qt::Key_Down:
        return row < 2 ? square + 3 : square;
    default:
        return std::nullopt;
    }
}

void SetButtonColor(QPushButton& button, const QColor& color) {
    QPalette colors = button.palette();
    colors.setColor(QPalette::Button, color);
    button.setPalette(colors);
}

} // namespace

frmTurnix::frmTurnix(Platform services, QWidget* parent)
    : frmTurnix(services, PrepareFewestTurnsTables, parent) {}

frmTurnix::frmTurnix(Platform services, std::function<void()> prepareFewestTurns, QWidget* parent)
    : QMainWindow(parent), platform(services) {
    setWindowTitle(ApplicationTitle());
    CreateMenus();
    CreateToolbar();
    CreateCentralArea();
    CreateFollowControls();
    CreateWholeCubePanel();
    CreateReadingEntries();
    CreateLetterEntries();

    // Start-up proper, in its fixed order: the colour scheme (and the
    // pictures drawn in it), the step texts,
    // the shown side of the new cube, the installation folder, the window's
    // place, the instructions, edit mode.
    lngColors = LoadColorScheme(platform.settings);
    DrawSchemePictures();
    FillStepTexts();
    DisplaySide();
    strInstallFolder = GetInstallFolder();
    RestoreWindowState();
    SetDefaultGeometry();
    ProbeInstructions();
    EnterEditMode();
    StartPreparingFewestTurns(std::move(prepareFewestTurns));
}

// The worker may still be building the tables; it must not outlive us. The
// undo stack, a child, is cleared after we are gone: its signals must not
// reach us then.
frmTurnix::~frmTurnix() {
    disconnect(undoStack, nullptr, this, nullptr);
    StopWaitingForFewestTurns();
    fewestTurnsTables.waitForFinished();
    CloseInstructions();
}

void frmTurnix::DisplaySide() {
    const clsSide& shown = cubMain.Side(intCurrentSide);
    for (std::int16_t i = 0; i < static_cast<std::int16_t>(cmdColor.size()); ++i) {
        QPushButton& button = *cmdColor.at(static_cast<std::size_t>(i));
        const std::int16_t colorIndex = shown.Square(i)->ColorIndex();
        // The colour index travels with the button, for the colour commands.
        button.setProperty("Tag", QString::number(colorIndex));
        SetButtonColor(button, SquareColor(colorIndex));
    }
    lblMain->setText(CoreText(shown.MainLabel()));
    lblNorth->setText(CoreText(shown.NorthLabel()));
    lblWest->setText(CoreText(shown.WestLabel()));
    lblEast->setText(CoreText(shown.EastLabel()));
    lblSouth->setText(CoreText(shown.SouthLabel()));
    DescribeGridSquares();
    CheckFinishedListStillFits();
    wholeCube->Refresh(cubMain, intCurrentSide, lngColors);
    ShowNextTurn();
    txtDummy->setFocus();
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

void frmTurnix::ShowNeighbourNorth() {
    ShowSide(NeighbourAt(intCurrentSide, GridEdge::North));
}

void frmTurnix::ShowNeighbourSouth() {
    ShowSide(NeighbourAt(intCurrentSide, GridEdge::South));
}

void frmTurnix::ShowNeighbourWest() {
    ShowSide(NeighbourAt(intCurrentSide, GridEdge::West));
}

void frmTurnix::ShowNeighbourEast() {
    ShowSide(NeighbourAt(intCurrentSide, GridEdge::East));
}

// The side index is fixed by the command, not by the side on view.
void frmTurnix::TurnSide(std::int16_t intSide, SideTurn turn) {
    const CubeColorValues before = ColorValuesOf(cubMain);
    (cubMain.Side(intSide).*turn)();
    DisplaySide();
    RecordEdit(TurnEditText(intSide, turn), before);
}

// The view stays on the same side position and shows the colours that the
// rotation brought there.
void frmTurnix::RotateCube(CubeRotation rotation) {
    const CubeColorValues before = ColorValuesOf(cubMain);
    (cubMain.*rotation)();
    DisplaySide();
    RecordEdit(RotationEditText(rotation), before);
}

// A press of any mouse button on an enabled colour square opens the pick
// dialog at once; the button itself never sees the press. The arrow keys
// move the focus across the grid. The text boxes leave the window's
// shortcuts alone.
bool frmTurnix::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride &&
        LeavesKeyToShortcuts(watched, *static_cast<QKeyEvent*>(event))) {
        event->ignore();
        return true;
    }
    const auto square = std::find(cmdColor.cbegin(), cmdColor.cend(), watched);
    if (square == cmdColor.cend()) {
        return QMainWindow::eventFilter(watched, event);
    }
    const auto index = static_cast<std::size_t>(square - cmdColor.cbegin());
    if (event->type() == QEvent::MouseButtonPress && (*square)->isEnabled()) {
        PickSquareColor(static_cast<std::int16_t>(index),
                        static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        if (const auto next = SquareTowards(index, static_cast<QKeyEvent*>(event)->key())) {
            cmdColor.at(*next)->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// Reached only when the control with the focus leaves Enter alone; the step
// buttons, the squares and the neighbour labels take it themselves.
void frmTurnix::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    event->accept();
    if (cmdOneStep->isEnabled()) {
        cmdOneStep->click();
    }
}

// Focus rests in the hidden text box, so no visible control shows a focus
// mark, unless the keyboard put it where a mark is wanted.
void frmTurnix::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !HoldsKeyboardPlace()) {
        txtDummy->setFocus();
    }
}

// A square or neighbour label that the keyboard gave the focus keeps it
// when the window comes back, after a pick dialog for instance: it shows a
// mark and takes no step on Enter.
bool frmTurnix::HoldsKeyboardPlace() const {
    const QWidget* place = focusWidget();
    return std::find(cmdColor.cbegin(), cmdColor.cend(), place) != cmdColor.cend() ||
           place == lblNorth || place == lblWest || place == lblEast || place == lblSouth ||
           wholeCube->isAncestorOf(place);
}

void frmTurnix::mouseReleaseEvent(QMouseEvent* event) {
    QMainWindow::mouseReleaseEvent(event);
    txtDummy->setFocus();
}

void frmTurnix::closeEvent(QCloseEvent* event) {
    StoreColorScheme(platform.settings, lngColors);
    StoreWindowState();
    CloseInstructions();
    event->accept();
}

} // namespace turnix
