#pragma once

#include <QLabel>

namespace turnix {

// A one-line label that may be narrower than its text: it draws the text
// cut short with an ellipsis, and text() keeps all of it. It asks for no
// more width than a few characters, so a long text never widens a window.
class ElidingLabel : public QLabel {
    Q_OBJECT

public:
    explicit ElidingLabel(QWidget* parent = nullptr);

    [[nodiscard]] QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace turnix
