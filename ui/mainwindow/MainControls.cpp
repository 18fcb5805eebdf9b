#include "MainControls.h"

#include "CentralArea.h"
#include "ColorSquare.h"
#include "DockGrowth.h"
#include "ElidingLabel.h"
#include "GridArrowKeys.h"
#include "NeighbourLabel.h"
#include "SolutionStatusBar.h"
#include "SquareGridArea.h"
#include "TurnHintOverlay.h"
#include "appearance/TurnHint.h"
#include "language/CoreTexts.h"
#include "platform/WindowPlacement.h"
#include "session/SolutionSession.h"
#include "wholecube/ColorPalette.h"
#include "wholecube/CubeNet.h"
#include "wholecube/WholeCubePanel.h"

#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

namespace turnix {

namespace {

constexpr int GridMargin = 4;
constexpr int GridSpacing = 3;
constexpr QSize DefaultClientSize{470, 430};

QLabel* CreateSideName(QWidget* parent) {
    auto* label = new QLabel(MainControls::tr("Front Side"), parent);
    label->setObjectName(QStringLiteral("lblMain"));
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(13.5);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

NeighbourLabel* CreateNeighbourLabel(const QString& text, const QString& name, QWidget* parent) {
    auto* label = new NeighbourLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QPushButton* CreateColorButton(int index, QWidget* parent) {
    auto* button = new ColorSquare(parent);
    button->setObjectName(QStringLiteral("cmdColor%1").arg(index));
    button->setToolTip(MainControls::tr("Click to change color"));
    button->setMinimumSize(16, 16);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    return button;
}

QPushButton* CreateStepButton(const QString& caption, const QString& name, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setEnabled(false);
    // A focused step button takes Enter itself, as in a dialog.
    button->setAutoDefault(true);
    return button;
}

// Width of the widest west or east label, whatever name it shows, so the
// grid does not move when the shown side changes.
int WidestNeighbourLabel(const clsCube& cube, const QLabel& label) {
    const QFontMetrics metrics = label.fontMetrics();
    int widest = 0;
    for (std::int16_t s = 0; s < side::Count; ++s) {
        for (const std::string& name : {cube.Side(s).WestLabel(), cube.Side(s).EastLabel()}) {
            widest = std::max(widest, metrics.horizontalAdvance(CoreText(name)));
        }
    }
    const QMargins margins = label.contentsMargins();
    return widest + margins.left() + margins.right();
}

void SetButtonColor(QPushButton& button, const QColor& color) {
    QPalette colors = button.palette();
    colors.setColor(QPalette::Button, color);
    button.setPalette(colors);
}

// Only an opened file can hold an index outside the scheme; it is drawn
// neutral rather than refused.
QColor SquareColor(std::int16_t colorIndex, const ColorScheme& colors) {
    if (colorIndex < 0 || colorIndex >= static_cast<std::int16_t>(colors.size())) {
        return NeutralSquareColor;
    }
    return ToQColor(colors.at(static_cast<std::size_t>(colorIndex)));
}

} // namespace

MainControls::MainControls(QMainWindow& window, QMenu& viewMenu) {
    auto* central = new QWidget(&window);
    auto* column = new QVBoxLayout(central);
    lblMain = CreateSideName(central);
    column->addWidget(lblMain);
    column->addWidget(CreateSideView(central), 1);
    column->addWidget(CreateNextTurnNote(central));
    column->addWidget(CreateSolutionFrame(central));
    window.setCentralWidget(new CentralArea(central, &window));
    CreateFocusSink(central);
    statusSolution = new SolutionStatusBar(&window);
    window.setStatusBar(statusSolution);
    CreateWholeCubePanel(window, viewMenu);
    SetTabOrder(window);
}

QWidget* MainControls::CreateSideView(QWidget* parent) {
    auto* area = new SquareGridArea(parent);
    area->setObjectName(QStringLiteral("SideView"));

    Shape1 = new QFrame(area);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setFrameShape(QFrame::Box);
    Shape1->setFrameShadow(QFrame::Plain);
    auto* grid = new QGridLayout(Shape1);
    grid->setContentsMargins(GridMargin, GridMargin, GridMargin, GridMargin);
    grid->setSpacing(GridSpacing);
    for (int i = 0; i < static_cast<int>(cmdColor.size()); ++i) {
        QPushButton* square = CreateColorButton(i, Shape1);
        cmdColor.at(static_cast<std::size_t>(i)) = square;
        grid->addWidget(square, i / 3, i % 3);
    }

    new GridArrowKeys(cmdColor, Shape1);

    gridTurnHint = new TurnHintOverlay(Shape1);
    gridTurnHint->setObjectName(QStringLiteral("gridTurnHint"));

    lblNorth = CreateNeighbourLabel(tr("Top"), QStringLiteral("lblNorth"), area);
    lblWest = CreateNeighbourLabel(tr("Left"), QStringLiteral("lblWest"), area);
    lblEast = CreateNeighbourLabel(tr("Right"), QStringLiteral("lblEast"), area);
    lblSouth = CreateNeighbourLabel(tr("Bottom"), QStringLiteral("lblSouth"), area);
    lblWest->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblEast->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    area->SetParts(Shape1, lblNorth, lblWest, lblEast, lblSouth);
    area->SetSideLabelWidth(WidestNeighbourLabel(clsCube(), *lblWest));
    return area;
}

// One line that keeps its height when empty, so that the grid does not jump,
// and never widens the window.
QLabel* MainControls::CreateNextTurnNote(QWidget* parent) {
    lblNextTurn = new ElidingLabel(parent);
    lblNextTurn->setObjectName(QStringLiteral("lblNextTurn"));
    lblNextTurn->setAlignment(Qt::AlignCenter);
    lblNextTurn->setTextFormat(Qt::PlainText);
    lblNextTurn->setFixedHeight(lblNextTurn->fontMetrics().height() + 2);
    return lblNextTurn;
}

QWidget* MainControls::CreateSolutionFrame(QWidget* parent) {
    fraSolution = new QGroupBox(tr("Solution Steps"), parent);
    fraSolution->setObjectName(QStringLiteral("fraSolution"));

    txtSolution = new QLineEdit(fraSolution);
    txtSolution->setObjectName(QStringLiteral("txtSolution"));
    txtSolution->setReadOnly(true);

    cmdOneStep = CreateStepButton(tr("One Step"), QStringLiteral("cmdOneStep"), fraSolution);
    cmdOneStep->setDefault(true);
    cmdStepsToCompletion = CreateStepButton(tr("Steps To Completion"),
                                            QStringLiteral("cmdStepsToCompletion"), fraSolution);
    cmdPreviousSteps =
        CreateStepButton(tr("Previous Steps"), QStringLiteral("cmdPreviousSteps"), fraSolution);
    cmdClear = CreateStepButton(tr("Clear  Steps"), QStringLiteral("cmdClear"), fraSolution);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {cmdOneStep, cmdStepsToCompletion, cmdPreviousSteps, cmdClear}) {
        buttons->addWidget(button);
    }
    auto* frame = new QVBoxLayout(fraSolution);
    frame->addWidget(txtSolution);
    frame->addLayout(buttons);

    fraSolution->setEnabled(false);
    return fraSolution;
}

// Keyboard focus rests in a text box that lies outside the visible area, so
// no visible control shows a focus mark. Read-only, so that it leaves the
// window's shortcuts (Undo, the colour keys) alone.
void MainControls::CreateFocusSink(QWidget* centralArea) {
    txtDummy = new QLineEdit(QStringLiteral("Text1"), centralArea);
    txtDummy->setObjectName(QStringLiteral("txtDummy"));
    txtDummy->setReadOnly(true);
    txtDummy->setGeometry(-200, -200, 40, 20);
    txtDummy->lower();
}

// Docked right of the grid; "View > Whole Cube" hides and shows it.
void MainControls::CreateWholeCubePanel(QMainWindow& window, QMenu& viewMenu) {
    wholeCube = new WholeCubePanel(&window);
    wholeCube->setObjectName(QStringLiteral("WholeCube"));
    dckWholeCube = new QDockWidget(tr("Whole Cube"), &window);
    dckWholeCube->setObjectName(QStringLiteral("dckWholeCube"));
    dckWholeCube->setWidget(wholeCube);
    window.addDockWidget(Qt::RightDockWidgetArea, dckWholeCube);

    QAction* toggle = dckWholeCube->toggleViewAction();
    toggle->setText(tr("&Whole Cube"));
    toggle->setObjectName(QStringLiteral("mnuViewWholeCube"));
    viewMenu.addAction(toggle);
}

// Tab from the resting place reaches the grid, the palette and the net
// first, each one stop (the arrow keys move inside them), then the labels
// and the solution controls. The resting place itself takes no Tab stop.
void MainControls::SetTabOrder(QWidget& window) const {
    txtDummy->setFocusPolicy(Qt::NoFocus);
    std::vector<QWidget*> order{txtDummy};
    order.insert(order.end(), cmdColor.cbegin(), cmdColor.cend());
    order.insert(order.end(),
                 {&wholeCube->Palette(), &wholeCube->Net(), lblNorth, lblWest, lblEast, lblSouth,
                  txtSolution, cmdOneStep, cmdStepsToCompletion, cmdPreviousSteps, cmdClear});
    for (std::size_t i = 1; i < order.size(); ++i) {
        window.setTabOrder(order.at(i - 1), order.at(i));
    }
}

// Centred first, then moved as far as the frame needs to stay on the screen.
void MainControls::SetDefaultGeometry(QMainWindow& window) const {
    const QSize preferred =
        (DefaultClientSize + WholeCubeRoom(window)).expandedTo(window.sizeHint());
    FitWindowInto(window, preferred, RoomOnScreen(window, window.geometry()));
    CenterOnScreen(window);
    window.setGeometry(FittedOnScreen(window, window.geometry()));
}

// What the docked panel adds to the window's default size.
QSize MainControls::WholeCubeRoom(const QMainWindow& window) const {
    if (dckWholeCube->isHidden() || dckWholeCube->isFloating()) {
        return {};
    }
    const QSize panel = dckWholeCube->sizeHint();
    const Qt::DockWidgetArea area = window.dockWidgetArea(dckWholeCube);
    return area == Qt::LeftDockWidgetArea || area == Qt::RightDockWidgetArea
               ? QSize(panel.width(), 0)
               : QSize(0, panel.height());
}

void MainControls::ShowSide(const clsCube& cube, std::int16_t shownSide, const ColorScheme& colors,
                            SquareLetters letters) const {
    const clsSide& shown = cube.Side(shownSide);
    for (std::int16_t i = 0; i < clsSide::SquareCount; ++i) {
        QPushButton& button = *cmdColor.at(static_cast<std::size_t>(i));
        const std::int16_t colorIndex = shown.Square(i)->ColorIndex();
        // The colour index travels with the button, for the colour commands.
        button.setProperty("Tag", QString::number(colorIndex));
        SetButtonColor(button, SquareColor(colorIndex, colors));
    }
    lblMain->setText(CoreText(shown.MainLabel()));
    lblNorth->setText(CoreText(shown.NorthLabel()));
    lblWest->setText(CoreText(shown.WestLabel()));
    lblEast->setText(CoreText(shown.EastLabel()));
    lblSouth->setText(CoreText(shown.SouthLabel()));
    DescribeSquares(cube, shownSide, colors, letters);
}

// The box where the focus rests is named after the side, so a screen
// reader says where the user is rather than the box's own text.
void MainControls::DescribeSquares(const clsCube& cube, std::int16_t shownSide,
                                   const ColorScheme& colors, SquareLetters letters) const {
    txtDummy->setAccessibleName(lblMain->text());
    const CubeColorValues values = ColorValuesOf(cube);
    for (std::int16_t i = 0; i < clsSide::SquareCount; ++i) {
        QPushButton* button = cmdColor.at(static_cast<std::size_t>(i));
        const std::int16_t colorIndex = cube.Side(shownSide).Square(i)->ColorIndex();
        button->setAccessibleName(SquareAccessibleName({shownSide, i}, colorIndex, colors));
        button->setAccessibleDescription(SquareAccessibleDescription(colorIndex));
        if (auto* square = qobject_cast<ColorSquare*>(button)) {
            square->SetLetter(SquareLetter(letters, colorIndex, values, colors));
        }
    }
}

// Edit mode enables the squares, solution mode the stepping; a finished
// list keeps Previous Steps, Clear Steps and the frame until it goes.
void MainControls::ShowSession(const SolutionSession& session) const {
    const bool editing = !session.SolutionMode();
    SetEditable(editing);
    cmdOneStep->setEnabled(!editing);
    cmdStepsToCompletion->setEnabled(session.HasStepsToMake());
    cmdPreviousSteps->setEnabled(session.HasStepsMade());
    cmdClear->setEnabled(session.HasStepList());
    fraSolution->setEnabled(session.HasStepList());
    ShowStepText(editing ? std::nullopt : std::optional(session.LastStepText()));
    if (editing) {
        statusSolution->Clear();
    } else {
        statusSolution->Show(session.Progress());
    }
}

void MainControls::SetEditable(bool editing) const {
    for (QPushButton* square : cmdColor) {
        square->setEnabled(editing);
        square->setToolTip(tr("Click to change color"));
    }
    wholeCube->SetPaintable(editing);
}

// The step just made on a window-coloured field; without one, an empty
// field that looks inactive.
void MainControls::ShowStepText(const std::optional<QString>& text) const {
    txtSolution->setEnabled(text.has_value());
    txtSolution->setText(text.value_or(QString()));
    const QPalette system = QApplication::palette(txtSolution);
    QPalette colors = txtSolution->palette();
    colors.setColor(QPalette::Base, text ? system.color(QPalette::Active, QPalette::Base)
                                         : system.color(QPalette::Inactive, QPalette::Window));
    txtSolution->setPalette(colors);
}

void MainControls::ShowNextTurn(std::optional<std::int16_t> code, std::int16_t shownSide) const {
    const std::optional<TurnHint> hint = code ? TurnHintFor(*code, shownSide) : std::nullopt;
    gridTurnHint->SetHint(hint);
    wholeCube->Net().SetNextTurn(code);
    QString note;
    if (hint && hint->place == HintPlace::Opposite) {
        note = tr("Next turn: %1 (facing away), %2")
                   .arg(CoreText(clsCube().Side(hint->side).MainLabel()),
                        CoreText(SenseWords(hint->sense)));
    }
    lblNextTurn->setText(note);
}

bool MainControls::HoldsKeyboardPlace(const QWidget* focus) const {
    return std::find(cmdColor.cbegin(), cmdColor.cend(), focus) != cmdColor.cend() ||
           focus == lblNorth || focus == lblWest || focus == lblEast || focus == lblSouth ||
           wholeCube->isAncestorOf(focus);
}

// The hidden resting place of the focus takes no typing, and the step text
// is read-only; left to themselves, both would keep Backspace, and the
// resting place the turning letters, from the window's shortcuts.
bool MainControls::LeavesKeyToShortcuts(const QObject* watched, const QKeyEvent& key) const {
    return watched == txtDummy || (watched == txtSolution && key.key() == Qt::Key_Backspace);
}

// A text box other than the hidden resting place keeps the clipboard keys
// for its own text, even a read-only one that can only copy.
bool MainControls::TextBoxKeepsKey(const QObject* watched, const QKeyEvent& key) const {
    return watched != txtDummy && qobject_cast<const QLineEdit*>(watched) != nullptr &&
           (key.matches(QKeySequence::Copy) || key.matches(QKeySequence::Paste) ||
            key.matches(QKeySequence::Cut));
}

} // namespace turnix
