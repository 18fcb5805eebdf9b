#pragma once

#include <QScrollArea>

namespace turnix {

// Holds a window's central controls. It asks for all the room they need,
// as if it were not there, until a screen too small for them lets it
// scroll.
class CentralArea final : public QScrollArea {
public:
    explicit CentralArea(QWidget* content, QWidget* parent = nullptr);

    void SetScrolling(bool scrolling);
    [[nodiscard]] bool Scrolling() const noexcept { return scrolls; }

    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSizeHint() const override;

private:
    bool scrolls{false};
};

} // namespace turnix
