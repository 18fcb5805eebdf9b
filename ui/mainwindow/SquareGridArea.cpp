#include "SquareGridArea.h"

#include <QEvent>
#include <algorithm>

namespace turnix {

namespace {

constexpr int Gap = 6;
constexpr int PreferredSquare = 186;
constexpr int SmallestSquare = 96;

} // namespace

SquareGridArea::SquareGridArea(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void SquareGridArea::SetParts(QWidget* gridFrame, QWidget* northLabel, QWidget* westLabel,
                              QWidget* eastLabel, QWidget* southLabel) {
    grid = gridFrame;
    north = northLabel;
    west = westLabel;
    east = eastLabel;
    south = southLabel;
    for (QWidget* part : {grid, north, west, east, south}) {
        part->setParent(this);
    }
    updateGeometry();
    PlaceParts();
}

void SquareGridArea::SetSideLabelWidth(int width) {
    sideLabelWidth = width;
    updateGeometry();
    PlaceParts();
}

int SquareGridArea::LabelHeights() const {
    if (north == nullptr) {
        return 0;
    }
    return north->sizeHint().height() + south->sizeHint().height() + 2 * Gap;
}

QSize SquareGridArea::AroundSquare(int squareSide) const {
    return {squareSide + 2 * (sideLabelWidth + Gap), squareSide + LabelHeights()};
}

QSize SquareGridArea::sizeHint() const {
    return AroundSquare(PreferredSquare);
}

QSize SquareGridArea::minimumSizeHint() const {
    return AroundSquare(SmallestSquare);
}

// A label whose text changed asks its parent for a new layout.
bool SquareGridArea::event(QEvent* event) {
    if (event->type() == QEvent::LayoutRequest) {
        PlaceParts();
    }
    return QWidget::event(event);
}

void SquareGridArea::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    PlaceParts();
}

void SquareGridArea::PlaceParts() {
    if (grid == nullptr) {
        return;
    }
    const int northHeight = north->sizeHint().height();
    const int freeWidth = width() - 2 * (sideLabelWidth + Gap);
    const int freeHeight = height() - LabelHeights();
    const int squareSide = std::max(SmallestSquare, std::min(freeWidth, freeHeight));

    const int left = (width() - squareSide) / 2;
    const int top = northHeight + Gap + (freeHeight - squareSide) / 2;
    grid->setGeometry(left, top, squareSide, squareSide);

    const QSize northSize = north->sizeHint();
    north->setGeometry(left + (squareSide - northSize.width()) / 2, top - Gap - northSize.height(),
                       northSize.width(), northSize.height());
    const QSize southSize = south->sizeHint();
    south->setGeometry(left + (squareSide - southSize.width()) / 2, top + squareSide + Gap,
                       southSize.width(), southSize.height());
    const QSize westSize = west->sizeHint();
    west->setGeometry(left - Gap - westSize.width(), top + (squareSide - westSize.height()) / 2,
                      westSize.width(), westSize.height());
    const QSize eastSize = east->sizeHint();
    east->setGeometry(left + squareSide + Gap, top + (squareSide - eastSize.height()) / 2,
                      eastSize.width(), eastSize.height());
}

} // namespace turnix
