#pragma once

#include "SideReading.h"

#include <QWidget>
#include <vector>

namespace turnix {

// Six places in a row, each showing a taken side's nine squares in the
// colours the camera saw, or an empty outline while the side is to come.
class CapturedSides : public QWidget {
    Q_OBJECT

public:
    explicit CapturedSides(QWidget* parent = nullptr);

    void ShowSides(const std::vector<vision::SideReading>& sides);

    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    [[nodiscard]] int PlaceSize() const;

    std::vector<vision::SideReading> taken;
};

// How to hold the cube: one side square to the camera, filling about a third
// of the picture; drawn in the palette's colours.
[[nodiscard]] QPixmap HoldCubePicture(int size, const QPalette& palette);

} // namespace turnix
