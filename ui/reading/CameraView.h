#pragma once

#include "SideReading.h"

#include <QImage>
#include <QWidget>
#include <optional>

namespace turnix {

// The live picture, scaled to fit, with the grid the finder sees drawn over
// it: thin while it steadies, thick once the side is taken.
class CameraView : public QWidget {
    Q_OBJECT

public:
    explicit CameraView(QWidget* parent = nullptr);

    void ShowFrame(const QImage& frame);
    // steadiness 0..1; a grid of a side just taken is drawn as taken.
    void ShowGrid(const std::optional<vision::SideReading>& grid, double steadiness, bool taken);
    void ShowProblem(const QString& problem);

    [[nodiscard]] QSize sizeHint() const override { return {480, 360}; }
    [[nodiscard]] QSize minimumSizeHint() const override { return {240, 180}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    [[nodiscard]] QRectF PictureRect() const;
    void DrawGrid(QPainter& painter, const QRectF& picture) const;

    QImage frame;
    std::optional<vision::SideReading> grid;
    double steadiness{0};
    bool gridTaken{false};
    QString problem;
};

} // namespace turnix
