#pragma once

#include "appearance/ScreenColor.h"

#include <QFrame>

namespace turnix {

// A small field of one colour that reports a click and a double click. A
// double click reports a click for its first press and release, then the
// double click, and no click for its second release. Space on a focused
// swatch is a click.
class ColorSwatch : public QFrame {
    Q_OBJECT

public:
    explicit ColorSwatch(QWidget* parent = nullptr);

    [[nodiscard]] ScreenColor Color() const { return color; }
    // Only the colour is kept: the unused top byte is dropped.
    void SetColor(ScreenColor newColor);
    // Shows the neutral grey of a colour index that has no colour; Color()
    // then returns the neutral grey.
    void SetNeutral();

signals:
    void clicked();
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    ScreenColor color{0};
    bool pressed{false};
    bool releaseEndsDoubleClick{false};
};

} // namespace turnix
