#include "CameraView.h"

#include <QPainter>
#include <QPainterPath>

namespace turnix {

namespace {

QPointF Mapped(vision::PointF point, const QRectF& picture, QSizeF frame) {
    return {picture.left() + point.x * picture.width() / frame.width(),
            picture.top() + point.y * picture.height() / frame.height()};
}

} // namespace

CameraView::CameraView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("CameraView"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CameraView::ShowFrame(const QImage& newFrame) {
    frame = newFrame;
    problem.clear();
    update();
}

void CameraView::ShowGrid(const std::optional<vision::SideReading>& found, double steady,
                          bool taken) {
    grid = found;
    steadiness = steady;
    gridTaken = taken;
    update();
}

void CameraView::ShowProblem(const QString& text) {
    problem = text;
    update();
}

QRectF CameraView::PictureRect() const {
    if (frame.isNull()) {
        return {};
    }
    QSizeF size = frame.size();
    size.scale(QSizeF(this->size()), Qt::KeepAspectRatio);
    return {QPointF((width() - size.width()) / 2, (height() - size.height()) / 2), size};
}

void CameraView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (!problem.isEmpty()) {
        painter.setPen(Qt::white);
        painter.drawText(rect().adjusted(12, 12, -12, -12), Qt::AlignCenter | Qt::TextWordWrap,
                         problem);
        return;
    }
    const QRectF picture = PictureRect();
    if (picture.isEmpty()) {
        painter.setPen(Qt::white);
        painter.drawText(rect(), Qt::AlignCenter, tr("Starting the camera…"));
        return;
    }
    painter.drawImage(picture, frame);
    DrawGrid(painter, picture);
}

// The outline and the lines between the squares, in green that shows on any
// sticker, drawn over a dark edge.
void CameraView::DrawGrid(QPainter& painter, const QRectF& picture) const {
    if (!grid) {
        return;
    }
    const QSizeF size = frame.size();
    const auto at = [&](double u, double v) {
        // Bilinear between the four corners: close enough to the perspective
        // for lines a few pixels wide.
        const auto& c = grid->corners;
        const double x = (1 - u) * (1 - v) * c[0].x + u * (1 - v) * c[1].x + u * v * c[2].x +
                         (1 - u) * v * c[3].x;
        const double y = (1 - u) * (1 - v) * c[0].y + u * (1 - v) * c[1].y + u * v * c[2].y +
                         (1 - u) * v * c[3].y;
        return Mapped({static_cast<float>(x), static_cast<float>(y)}, picture, size);
    };
    QPainterPath lines;
    for (int k = 0; k <= 3; ++k) {
        const double t = k / 3.0;
        lines.moveTo(at(t, 0));
        lines.lineTo(at(t, 1));
        lines.moveTo(at(0, t));
        lines.lineTo(at(1, t));
    }
    const double width = gridTaken ? 5.0 : 2.0 + 2.0 * steadiness;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.strokePath(lines, QPen(QColor(0, 0, 0, 160), width + 2));
    painter.strokePath(
        lines, QPen(gridTaken ? QColor(0x30, 0xE0, 0x30) : QColor(0xF0, 0xE0, 0x30), width));
}

} // namespace turnix
