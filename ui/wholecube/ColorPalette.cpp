#include "ColorPalette.h"

#include "appearance/FocusMark.h"
#include "language/SquareWords.h"

#include <QAction>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <algorithm>

namespace turnix {

namespace {

constexpr int Gap = 4;
constexpr int FocusRoom = 3;
constexpr QSize PreferredSwatch{32, 24};
constexpr QSize SmallestSwatch{22, 20};

// Black or white, whichever reads better on the colour.
[[nodiscard]] QColor TextOn(const QColor& color) {
    return qGray(color.rgb()) > 128 ? Qt::black : Qt::white;
}

// Over the selection mark too: the digit sits on a plate of the swatch's
// own colour, in black or white, whichever reads on it.
// The key's digit, and the colour's letter when letters are shown.
void DrawKeyText(QPainter& painter, const QRect& swatch, const QString& text, const QColor& color) {
    const QFontMetrics metrics = painter.fontMetrics();
    QRect plate(QPoint(), QSize(metrics.horizontalAdvance(text) + 4, metrics.height()));
    plate.moveCenter(swatch.center());
    painter.fillRect(plate.intersected(swatch.adjusted(1, 1, -1, -1)), color);
    painter.setPen(TextOn(color));
    painter.drawText(swatch, Qt::AlignCenter, text);
}

[[nodiscard]] QSize RowOf(QSize swatch) {
    return {ColorCount * swatch.width() + (ColorCount - 1) * Gap + 2 * FocusRoom,
            swatch.height() + 2 * FocusRoom};
}

} // namespace

ColorPalette::ColorPalette(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    AddKeys();
    InstallPaintedItemsAccessibility();
}

QRect ColorPalette::AccessibleItemRect(int item) const {
    return SwatchRect(static_cast<std::int16_t>(item));
}

QString ColorPalette::AccessibleItemName(int item) const {
    const auto index = static_cast<std::int16_t>(item);
    const QString name = tr("Colour %1: %2").arg(item + 1).arg(ColourWords(index, colors));
    return index == selected ? tr("%1, selected").arg(name) : name;
}

QString ColorPalette::AccessibleItemDescription(int item) const {
    return tr("Key %1 paints with this colour").arg(item + 1);
}

QAccessible::Role ColorPalette::AccessibleItemRole() const {
    return QAccessible::RadioButton;
}

// Window-wide, so that a colour can be chosen wherever the focus rests.
void ColorPalette::AddKeys() {
    for (std::int16_t i = 0; i < ColorCount; ++i) {
        auto* key = new QAction(this);
        key->setObjectName(QStringLiteral("SelectColor%1").arg(i + 1));
        key->setShortcut(QKeySequence(Qt::Key_1 + i));
        key->setShortcutContext(Qt::WindowShortcut);
        connect(key, &QAction::triggered, this, [this, i] { SelectColor(i); });
        addAction(key);
    }
}

void ColorPalette::SetScheme(const ColorScheme& scheme) {
    if (scheme != colors) {
        colors = scheme;
        update();
    }
}

void ColorPalette::SetLetters(const std::array<QString, ColorCount>& newLetters) {
    if (newLetters != letters) {
        letters = newLetters;
        update();
    }
}

void ColorPalette::SelectColor(std::int16_t colorIndex) {
    if (colorIndex < 0 || colorIndex >= ColorCount) {
        return;
    }
    if (colorIndex != selected) {
        selected = colorIndex;
        update();
    }
    emit colorSelected(selected);
}

QSize ColorPalette::sizeHint() const {
    return RowOf(PreferredSwatch);
}

QSize ColorPalette::minimumSizeHint() const {
    return RowOf(SmallestSwatch);
}

// The swatches share the width and keep their height; the row is centred.
QRect ColorPalette::SwatchRect(std::int16_t colorIndex) const {
    const int room = width() - 2 * FocusRoom - (ColorCount - 1) * Gap;
    const int swatchWidth =
        std::clamp(room / ColorCount, SmallestSwatch.width(), PreferredSwatch.width() * 3 / 2);
    const int rowWidth = ColorCount * swatchWidth + (ColorCount - 1) * Gap;
    const int left = (width() - rowWidth) / 2;
    return {left + colorIndex * (swatchWidth + Gap), FocusRoom, swatchWidth,
            height() - 2 * FocusRoom};
}

void ColorPalette::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    for (std::int16_t i = 0; i < ColorCount; ++i) {
        const QRect swatch = SwatchRect(i);
        const QColor color = ToQColor(colors.at(SlotOf(i)));
        painter.fillRect(swatch, palette().color(QPalette::Dark));
        painter.fillRect(swatch.adjusted(1, 1, -1, -1), color);
        if (i == selected) {
            DrawFocusMark(painter, swatch);
        }
        const QString& letter = letters.at(SlotOf(i));
        DrawKeyText(painter, swatch,
                    letter.isEmpty() ? QString::number(i + 1)
                                     : QStringLiteral("%1 %2").arg(i + 1).arg(letter),
                    color);
    }
    // The style's own focus frame is a faint dotted line in some styles.
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), FocusRoom - 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
}

void ColorPalette::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    event->accept();
    for (std::int16_t i = 0; i < ColorCount; ++i) {
        if (SwatchRect(i).contains(event->position().toPoint())) {
            SelectColor(i);
        }
    }
}

void ColorPalette::keyPressEvent(QKeyEvent* event) {
    const int step = event->key() == Qt::Key_Left ? -1 : event->key() == Qt::Key_Right ? 1 : 0;
    if (step == 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    SelectColor(static_cast<std::int16_t>(std::clamp(selected + step, 0, ColorCount - 1)));
}

} // namespace turnix
