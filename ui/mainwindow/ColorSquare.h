#pragma once

#include <QPushButton>

namespace turnix {

// One of the nine colour squares: a flat button in the colour of its
// palette's Button role that, while it has the keyboard focus, shows a mark
// that stands out on any colour. Only the keyboard gives it the focus.
class ColorSquare : public QPushButton {
    Q_OBJECT

public:
    explicit ColorSquare(QWidget* parent = nullptr);

    // Drawn over the colour; empty for none.
    void SetLetter(const QString& newLetter);
    [[nodiscard]] const QString& Letter() const noexcept { return letter; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString letter;
};

} // namespace turnix
