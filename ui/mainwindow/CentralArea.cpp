#include "CentralArea.h"

namespace turnix {

CentralArea::CentralArea(QWidget* content, QWidget* parent) : QScrollArea(parent) {
    setObjectName(QStringLiteral("CentralArea"));
    setFrameShape(QFrame::NoFrame);
    // Tab goes straight to the controls; scrolling follows the focus.
    setFocusPolicy(Qt::NoFocus);
    setWidgetResizable(true);
    setWidget(content);
}

void CentralArea::SetScrolling(bool scrolling) {
    if (scrolling != scrolls) {
        scrolls = scrolling;
        updateGeometry();
    }
}

QSize CentralArea::sizeHint() const {
    return widget()->sizeHint();
}

QSize CentralArea::minimumSizeHint() const {
    return scrolls ? QScrollArea::minimumSizeHint() : widget()->minimumSizeHint();
}

} // namespace turnix
