#include "TurnHintOverlay.h"

#include "appearance/TurnArrows.h"

#include <QEvent>
#include <QLayout>
#include <QPainter>

namespace turnix {

TurnHintOverlay::TurnHintOverlay(QWidget* grid) : QWidget(grid) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(grid->rect());
    grid->installEventFilter(this);
    raise();
}

void TurnHintOverlay::SetHint(const std::optional<TurnHint>& hint) {
    if (hint != shown) {
        shown = hint;
        update();
    }
}

bool TurnHintOverlay::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize) {
        setGeometry(parentWidget()->rect());
    }
    return QWidget::eventFilter(watched, event);
}

// The squares fill the layout's area inside its margins.
void TurnHintOverlay::paintEvent(QPaintEvent* /*event*/) {
    if (!shown) {
        return;
    }
    const QLayout* squares = parentWidget()->layout();
    QPainter painter(this);
    DrawTurnHint(painter, squares != nullptr ? squares->contentsRect() : rect(), *shown);
}

} // namespace turnix
