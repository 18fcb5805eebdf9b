#include "ColorSquare.h"
#include "ElidingLabel.h"
#include "NeighbourLabel.h"
#include "SquareGridArea.h"
#include "TurnHintOverlay.h"
#include "frmTurnix.h"
#include "platform/WindowPlacement.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
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
    auto* label = new QLabel(frmTurnix::tr("Front Side"), parent);
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
    button->setToolTip(frmTurnix::tr("Click to change color"));
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
            widest = std::max(widest, metrics.horizontalAdvance(QString::fromStdString(name)));
        }
    }
    const QMargins margins = label.contentsMargins();
    return widest + margins.left() + margins.right();
}

} // namespace

void frmTurnix::CreateCentralArea() {
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    lblMain = CreateSideName(central);
    column->addWidget(lblMain);
    column->addWidget(CreateSideView(), 1);
    column->addWidget(CreateNextTurnNote(central));
    column->addWidget(CreateSolutionFrame());
    setCentralWidget(central);
    CreateFocusSink(central);
    SetTabOrder();
}

QWidget* frmTurnix::CreateSideView() {
    auto* area = new SquareGridArea(this);
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
        // eventFilter takes every mouse press, so a click that still comes
        // is from the keyboard; the dialog then opens beside the square,
        // and the focus comes back to it afterwards.
        square->installEventFilter(this);
        connect(square, &QPushButton::clicked, this, [this, square, i] {
            PickSquareColor(static_cast<std::int16_t>(i),
                            square->mapToGlobal(square->rect().center()));
            square->setFocus(Qt::TabFocusReason);
        });
    }

    gridTurnHint = new TurnHintOverlay(Shape1);
    gridTurnHint->setObjectName(QStringLiteral("gridTurnHint"));

    lblNorth = CreateNeighbourLabel(tr("Top"), QStringLiteral("lblNorth"), area);
    lblWest = CreateNeighbourLabel(tr("Left"), QStringLiteral("lblWest"), area);
    lblEast = CreateNeighbourLabel(tr("Right"), QStringLiteral("lblEast"), area);
    lblSouth = CreateNeighbourLabel(tr("Bottom"), QStringLiteral("lblSouth"), area);
    lblWest->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblEast->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    connect(lblNorth, &NeighbourLabel::clicked, this, &frmTurnix::ShowNeighbourNorth);
    connect(lblWest, &NeighbourLabel::clicked, this, &frmTurnix::ShowNeighbourWest);
    connect(lblEast, &NeighbourLabel::clicked, this, &frmTurnix::ShowNeighbourEast);
    connect(lblSouth, &NeighbourLabel::clicked, this, &frmTurnix::ShowNeighbourSouth);

    area->SetParts(Shape1, lblNorth, lblWest, lblEast, lblSouth);
    area->SetSideLabelWidth(WidestNeighbourLabel(cubMain, *lblWest));
    return area;
}

// One line that keeps its height when empty, so that the grid does not jump,
// and never widens the window.
QLabel* frmTurnix::CreateNextTurnNote(QWidget* parent) {
    lblNextTurn = new ElidingLabel(parent);
    lblNextTurn->setObjectName(QStringLiteral("lblNextTurn"));
    lblNextTurn->setAlignment(Qt::AlignCenter);
    lblNextTurn->setTextFormat(Qt::PlainText);
    lblNextTurn->setFixedHeight(lblNextTurn->fontMetrics().height() + 2);
    return lblNextTurn;
}

QWidget* frmTurnix::CreateSolutionFrame() {
    fraSolution = new QGroupBox(tr("Solution Steps"), this);
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

    connect(cmdOneStep, &QPushButton::clicked, this, &frmTurnix::OneStep);
    connect(cmdStepsToCompletion, &QPushButton::clicked, this, &frmTurnix::StepsToCompletion);
    connect(cmdPreviousSteps, &QPushButton::clicked, this, &frmTurnix::PreviousSteps);
    connect(cmdClear, &QPushButton::clicked, this, &frmTurnix::DiscardSolution);

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
void frmTurnix::CreateFocusSink(QWidget* centralArea) {
    txtDummy = new QLineEdit(QStringLiteral("Text1"), centralArea);
    txtDummy->setObjectName(QStringLiteral("txtDummy"));
    txtDummy->setReadOnly(true);
    txtDummy->setGeometry(-200, -200, 40, 20);
    txtDummy->lower();
}

// Tab from the resting place goes round the side view in reading order, then
// the solution controls.
void frmTurnix::SetTabOrder() {
    std::vector<QWidget*> order{txtDummy, lblNorth, lblWest};
    order.insert(order.end(), cmdColor.cbegin(), cmdColor.cend());
    order.insert(order.end(), {lblEast, lblSouth, txtSolution, cmdOneStep, cmdStepsToCompletion,
                               cmdPreviousSteps, cmdClear});
    for (std::size_t i = 1; i < order.size(); ++i) {
        setTabOrder(order.at(i - 1), order.at(i));
    }
}

void frmTurnix::SetDefaultGeometry() {
    resize((DefaultClientSize + WholeCubeRoom()).expandedTo(sizeHint()));
    CenterOnScreen(*this);
}

} // namespace turnix
