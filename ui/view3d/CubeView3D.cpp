#include "CubeView3D.h"

#include "StepBetween.h"
#include "TurnArrow3D.h"
#include "appearance/FocusMark.h"
#include "language/SquareWords.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

namespace turnix {

namespace {

// About sixty frames a second.
constexpr int FrameMilliseconds = 16;
// How far one press of an arrow key turns the view, in pixels of a drag.
constexpr double KeyStep = 26;

// Starts and ends gently, as a hand turns.
double Eased(double t) {
    return t * t * (3 - 2 * t);
}

SquareAt ItemSquare(int item) {
    return {static_cast<std::int16_t>(item / clsSide::SquareCount),
            static_cast<std::int16_t>(item % clsSide::SquareCount)};
}

} // namespace

CubeView3D::CubeView3D(QWidget* parent)
    : QWidget(parent), frameTimer(new QTimer(this)), clickTimer(new QTimer(this)) {
    setObjectName(QStringLiteral("CubeView3D"));
    setAccessibleName(tr("3-D cube"));
    clickTimer->setSingleShot(true);
    clickTimer->setInterval(QApplication::doubleClickInterval());
    connect(clickTimer, &QTimer::timeout, this, [this] { Click(clickedAt); });
    setFocusPolicy(Qt::TabFocus);
    setToolTip(tr("Drag to turn the view; double-click for the usual view"));
    frameTimer->setObjectName(QStringLiteral("CubeView3DFrames"));
    frameTimer->setInterval(FrameMilliseconds);
    connect(frameTimer, &QTimer::timeout, this, &CubeView3D::Advance);
    InstallPaintedItemsAccessibility();
}

// Choosing another side in the grid brings its default view; a change that
// leaves cube and side as they are leaves a turn in progress alone.
void CubeView3D::ShowCube(const CubeColorValues& colors, std::int16_t shownSide,
                          const ColorScheme& newScheme) {
    scheme = newScheme;
    if (shownSide != shown) {
        shown = shownSide;
        angles = {};
        emit arrowMoved();
    }
    if (hasCube && colors == target) {
        update();
        return;
    }
    FinishTurn();
    const auto step = hasCube ? StepBetween(target, colors, nextTurn) : std::nullopt;
    from = target;
    target = colors;
    hasCube = true;
    if (step && Animates()) {
        StartTurn(*step);
    }
    update();
}

void CubeView3D::SetNextTurn(std::optional<std::int16_t> code) {
    if (code != nextTurn) {
        nextTurn = code;
        update();
        emit arrowMoved();
    }
}

void CubeView3D::SetSpeed(TurnSpeed newSpeed) {
    speed = newSpeed;
    if (!Animates()) {
        FinishTurn();
    }
}

void CubeView3D::SetReducedMotion(bool reduced) {
    reducedMotion = reduced;
    if (!Animates()) {
        FinishTurn();
    }
}

void CubeView3D::SetLetters(SquareLetters newLetters) {
    letters = newLetters;
    update();
}

void CubeView3D::SetPaintable(bool paintable) {
    canPaint = paintable;
}

void CubeView3D::SetAngles(view3d::ViewAngles newAngles) {
    angles = newAngles;
    update();
    emit arrowMoved();
}

void CubeView3D::ResetView() {
    SetAngles({});
}

void CubeView3D::FinishTurn() {
    if (!turning) {
        return;
    }
    frameTimer->stop();
    turning.reset();
    from = target;
    update();
    emit turnFinished();
}

// A hidden view has nothing to show moving.
bool CubeView3D::Animates() const {
    return speed != TurnSpeed::NoAnimation && !reducedMotion && isVisible();
}

void CubeView3D::StartTurn(std::int16_t code) {
    turning = view3d::MotionOf(code);
    turnMilliseconds = TurnMilliseconds(speed, turning->quarters);
    clock.start();
    frameTimer->start();
}

void CubeView3D::Advance() {
    if (clock.elapsed() >= turnMilliseconds) {
        FinishTurn();
    } else {
        update();
    }
}

view3d::FrameState CubeView3D::Frame() const {
    view3d::FrameState state;
    state.colors = turning ? from : target;
    state.scheme = scheme;
    state.letters = letters;
    state.shownSide = shown;
    state.angles = angles;
    state.nextTurn = nextTurn;
    if (turning) {
        const double t =
            std::min(1.0, static_cast<double>(clock.elapsed()) / std::max(1, turnMilliseconds));
        state.turn = view3d::TurnInProgress{*turning, turning->angle * Eased(t)};
    }
    return state;
}

bool CubeView3D::NextTurnFacesAway() const {
    if (!nextTurn) {
        return false;
    }
    const auto arrow = view3d::ArrowFor(*nextTurn, view3d::Camera(shown, angles));
    return arrow && arrow->behind;
}

std::optional<SquareAt> CubeView3D::SquareAtPoint(QPointF point) const {
    return view3d::PickSquare(rect(), Frame(), point);
}

int CubeView3D::AccessibleItemCount() const {
    return side::Count * clsSide::SquareCount;
}

QRect CubeView3D::AccessibleItemRect(int item) const {
    return view3d::SquareBounds(rect(), Frame(), ItemSquare(item)).toAlignedRect();
}

// The cube a turn in progress leads to, as the grid already shows it.
QString CubeView3D::AccessibleItemName(int item) const {
    const SquareAt at = ItemSquare(item);
    return SquareAccessibleName(at, target.at(SlotOf(at.side)).at(SlotOf(at.square)), scheme);
}

QString CubeView3D::AccessibleItemDescription(int item) const {
    const SquareAt at = ItemSquare(item);
    return SquareAccessibleDescription(target.at(SlotOf(at.side)).at(SlotOf(at.square)));
}

QAccessible::Role CubeView3D::AccessibleItemRole() const {
    return QAccessible::Cell;
}

QSize CubeView3D::sizeHint() const {
    return {260, 340};
}

QSize CubeView3D::minimumSizeHint() const {
    return {140, 140};
}

void CubeView3D::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    view3d::DrawFrame(painter, rect(), Frame(), palette().color(QPalette::WindowText));
    if (hasFocus()) {
        DrawFocusMark(painter, rect());
    }
}

void CubeView3D::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        pressedAt = event->position();
        dragging = false;
    }
}

void CubeView3D::mouseMoveEvent(QMouseEvent* event) {
    if (!pressedAt) {
        return;
    }
    const QPointF moved = event->position() - *pressedAt;
    if (!dragging && moved.manhattanLength() < QApplication::startDragDistance()) {
        return;
    }
    dragging = true;
    pressedAt = event->position();
    SetAngles(view3d::Dragged(angles, moved));
}

void CubeView3D::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !pressedAt) {
        return;
    }
    if (!dragging) {
        clickedAt = event->position();
        clickTimer->start();
    }
    pressedAt.reset();
    dragging = false;
}

void CubeView3D::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        clickTimer->stop();
        ResetView();
    }
}

void CubeView3D::Click(QPointF point) {
    const auto at = SquareAtPoint(point);
    if (!at) {
        return;
    }
    if (canPaint) {
        emit strokeStarted();
        emit squarePainted(at->side, at->square);
    } else {
        emit sideChosen(at->side);
    }
}

void CubeView3D::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Left:
        SetAngles(view3d::Dragged(angles, {-KeyStep, 0}));
        break;
    case Qt::Key_Right:
        SetAngles(view3d::Dragged(angles, {KeyStep, 0}));
        break;
    case Qt::Key_Up:
        SetAngles(view3d::Dragged(angles, {0, -KeyStep}));
        break;
    case Qt::Key_Down:
        SetAngles(view3d::Dragged(angles, {0, KeyStep}));
        break;
    case Qt::Key_Home:
        ResetView();
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

} // namespace turnix
