#include "CubeNet.h"

#include "appearance/FocusMark.h"
#include "appearance/SquareLetterPainter.h"
#include "appearance/TurnArrows.h"
#include "diagnosis/FindingText.h"
#include "language/CoreTexts.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cstdlib>
#include <utility>

namespace turnix {

namespace {

constexpr int PreferredSquare = 22;
constexpr int OutlineWidth = 3;
const QColor SideBacking{0x20, 0x20, 0x20};

// What a stroke may paint, at most a quarter square apart along the way, so
// that a quick drag still passes every square it crosses.
[[nodiscard]] int StepsBetween(QPoint from, QPoint to, int squareSize) {
    const QPoint way = to - from;
    const int longest = std::max(std::abs(way.x()), std::abs(way.y()));
    return longest / std::max(1, squareSize / 4) + 1;
}

// A ring of black and white dashes just inside rect: it shows on any colour
// and differs from the solid focus mark.
void DrawMarkRing(QPainter& painter, const QRect& rect) {
    QPen pen(Qt::black, 2, Qt::CustomDashLine);
    pen.setDashPattern({2, 2});
    pen.setJoinStyle(Qt::MiterJoin);
    painter.save();
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(Qt::white);
    painter.drawRect(QRectF(rect).adjusted(2, 2, -2, -2));
    painter.restore();
}

// A question mark in a white disc at the square's top right corner, in
// black, so that it reads on every colour.
void DrawDoubtMark(QPainter& painter, const QRect& rect) {
    const int size = std::max(7, rect.width() / 2);
    const QRectF disc(rect.right() - size + 1, rect.top(), size, size);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawEllipse(disc.adjusted(0.5, 0.5, -0.5, -0.5));
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(std::max(6, size - 3));
    painter.setFont(font);
    painter.drawText(disc, Qt::AlignCenter, QStringLiteral("?"));
    painter.restore();
}

} // namespace

CubeNet::CubeNet(QWidget* parent) : QWidget(parent) {
    for (std::size_t s = 0; s < colors.size(); ++s) {
        colors[s].fill(static_cast<std::int16_t>(s));
    }
    setFocusPolicy(Qt::TabFocus);
    setMouseTracking(true);
    InstallPaintedItemsAccessibility();
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void CubeNet::ShowCube(const CubeColorValues& cubeColors, const ColorScheme& scheme,
                       std::int16_t shownSide, std::vector<SquareAt> markedSquares) {
    colors = cubeColors;
    screenColors = scheme;
    shown = shownSide;
    marked = std::move(markedSquares);
    update();
}

void CubeNet::SetLetters(SquareLetters kind) {
    if (kind != letters) {
        letters = kind;
        update();
    }
}

// Items are the 54 squares, side by side, each side's nine in order.
int CubeNet::AccessibleItemCount() const {
    return side::Count * clsSide::SquareCount;
}

namespace {
SquareAt NetItemSquare(int item) {
    return {static_cast<std::int16_t>(item / clsSide::SquareCount),
            static_cast<std::int16_t>(item % clsSide::SquareCount)};
}
} // namespace

QRect CubeNet::AccessibleItemRect(int item) const {
    return Geometry().SquareRect(NetItemSquare(item));
}

QString CubeNet::AccessibleItemName(int item) const {
    const SquareAt at = NetItemSquare(item);
    return SquareAccessibleName(at, ColorIndexAt(at), screenColors);
}

QString CubeNet::AccessibleItemDescription(int item) const {
    return SquareAccessibleDescription(ColorIndexAt(NetItemSquare(item)));
}

QAccessible::Role CubeNet::AccessibleItemRole() const {
    return QAccessible::Cell;
}

void CubeNet::SetNextTurn(std::optional<std::int16_t> code) {
    std::optional<TurnHint> hint;
    if (const auto turn = code ? StepTurnOf(*code) : std::nullopt) {
        hint = TurnHintFor(*code, turn->side);
    }
    if (hint != nextTurn) {
        nextTurn = hint;
        update();
    }
}

void CubeNet::SetDoubtfulSquares(std::vector<SquareAt> squares) {
    if (squares != doubtful) {
        doubtful = std::move(squares);
        update();
    }
}

void CubeNet::SetPaintable(bool paintable) {
    canPaint = paintable;
    strokePoint.reset();
}

std::int16_t CubeNet::ColorIndexAt(SquareAt at) const {
    return colors.at(static_cast<std::size_t>(at.side)).at(static_cast<std::size_t>(at.square));
}

int CubeNet::LabelHeight() const {
    return fontMetrics().height() + 2;
}

NetGeometry CubeNet::Geometry() const {
    return {size(), LabelHeight()};
}

QSize CubeNet::sizeHint() const {
    return NetGeometry::AreaFor(PreferredSquare, LabelHeight());
}

// Small enough for a narrow panel, large enough for every side's name.
QSize CubeNet::minimumSizeHint() const {
    int widest = 0;
    for (std::int16_t s = 0; s < side::Count; ++s) {
        widest = std::max(widest, fontMetrics().horizontalAdvance(SideWord(s)));
    }
    return NetGeometry::AreaFor((widest + 2) / 3 + 1, LabelHeight());
}

QColor CubeNet::SquareColor(SquareAt at) const {
    const std::int16_t index = ColorIndexAt(at);
    if (index < 0 || index >= ColorCount) {
        return NeutralSquareColor;
    }
    return ToQColor(screenColors.at(SlotOf(index)));
}

void CubeNet::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const NetGeometry net = Geometry();
    for (std::int16_t s = 0; s < side::Count; ++s) {
        DrawSide(painter, net, s);
    }
    for (const SquareAt& at : marked) {
        DrawMarkRing(painter, net.SquareRect(at));
    }
    for (const SquareAt& at : doubtful) {
        DrawDoubtMark(painter, net.SquareRect(at));
    }
    if (nextTurn) {
        DrawTurnHint(painter, net.SideRect(nextTurn->side), *nextTurn);
    }
    if (hasFocus()) {
        DrawFocusMark(painter, net.SquareRect(cursor));
    }
}

// The name above the block, drawn like a link; the squares over a dark
// backing, so that white ones stay visible; the shown side framed.
void CubeNet::DrawSide(QPainter& painter, const NetGeometry& net, std::int16_t side) const {
    QFont font = painter.font();
    font.setUnderline(true);
    font.setBold(side == shown);
    painter.setFont(font);
    painter.setPen(palette().color(QPalette::Link));
    painter.drawText(net.LabelRect(side), Qt::AlignCenter, SideWord(side));

    const QRect block = net.SideRect(side);
    painter.fillRect(block, SideBacking);
    for (std::int16_t q = 0; q < clsSide::SquareCount; ++q) {
        const SquareAt at{side, q};
        painter.fillRect(net.SquareRect(at).adjusted(1, 1, -1, -1), SquareColor(at));
        DrawSquareLetter(painter, net.SquareRect(at),
                         SquareLetter(letters, ColorIndexAt(at), colors, screenColors),
                         SquareColor(at));
    }
    if (side == shown) {
        const int d = OutlineWidth;
        const QColor frame = palette().color(QPalette::Highlight);
        const QRect outside = block.adjusted(-d, -d, d, d);
        painter.fillRect(QRect(outside.left(), outside.top(), outside.width(), d), frame);
        painter.fillRect(QRect(outside.left(), block.bottom() + 1, outside.width(), d), frame);
        painter.fillRect(QRect(outside.left(), block.top(), d, block.height()), frame);
        painter.fillRect(QRect(block.right() + 1, block.top(), d, block.height()), frame);
    }
}

void CubeNet::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    event->accept();
    const NetGeometry net = Geometry();
    const QPoint point = event->position().toPoint();
    pressedSide = net.LabelAtPoint(point);
    if (const auto at = net.SquareAtPoint(point)) {
        if (canPaint) {
            strokePoint = point;
            lastPainted.reset();
            emit strokeStarted();
            PaintOnce(*at);
        } else {
            pressedSide = at->side;
        }
    }
}

void CubeNet::mouseMoveEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    if (strokePoint) {
        PaintAlong(*strokePoint, point);
        strokePoint = point;
    }
    const NetGeometry net = Geometry();
    const bool choosesSide =
        net.LabelAtPoint(point).has_value() || (!canPaint && net.SquareAtPoint(point).has_value());
    setCursor(choosesSide ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

// Like a button, a side is chosen only when released over what was pressed.
void CubeNet::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    event->accept();
    const QPoint point = event->position().toPoint();
    if (strokePoint) {
        PaintAlong(*strokePoint, point);
        strokePoint.reset();
    }
    const auto pressed = std::exchange(pressedSide, std::nullopt);
    if (!pressed) {
        return;
    }
    const NetGeometry net = Geometry();
    const auto square = net.SquareAtPoint(point);
    if (net.LabelAtPoint(point) == pressed || (square && square->side == *pressed)) {
        emit sideChosen(*pressed);
    }
}

void CubeNet::PaintAlong(QPoint from, QPoint to) {
    const NetGeometry net = Geometry();
    const int steps = StepsBetween(from, to, net.SquareSize());
    for (int i = 1; i <= steps && strokePoint; ++i) {
        const QPoint point = from + (to - from) * i / steps;
        if (const auto at = net.SquareAtPoint(point); at && at != lastPainted) {
            PaintOnce(*at);
        }
    }
}

void CubeNet::PaintOnce(SquareAt at) {
    lastPainted = at;
    emit squarePainted(at.side, at.square);
}

// The window parks the focus after every change; the keyboard user keeps
// their place.
void CubeNet::keyPressEvent(QKeyEvent* event) {
    int columns = 0;
    int rows = 0;
    switch (event->key()) {
    case Qt::Key_Left:
        columns = -1;
        break;
    case Qt::Key_Right:
        columns = 1;
        break;
    case Qt::Key_Up:
        rows = -1;
        break;
    case Qt::Key_Down:
        rows = 1;
        break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        if (!event->isAutoRepeat()) {
            if (event->key() == Qt::Key_Space) {
                ClickSquare(cursor);
            } else {
                emit sideChosen(cursor.side);
            }
            setFocus(Qt::TabFocusReason);
        }
        return;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    if (const auto next = NetGeometry::SquareBeside(cursor, columns, rows)) {
        cursor = *next;
        update();
    }
}

void CubeNet::ClickSquare(SquareAt at) {
    if (!canPaint) {
        emit sideChosen(at.side);
        return;
    }
    emit strokeStarted();
    PaintOnce(at);
    lastPainted.reset();
}

void CubeNet::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        updateGeometry();
    }
}

} // namespace turnix
