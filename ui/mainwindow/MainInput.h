#pragma once

#include <QObject>
#include <QPoint>
#include <cstdint>
#include <functional>

class QMainWindow;

namespace turnix {

class MainControls;

// Where the main window's keys, presses and focus go. The focus rests in a
// hidden text box, so that no control shows a mark, unless the keyboard put
// it where a mark is wanted; Enter there takes One Step; a press on a
// colour square opens the colour choice at the pointer, a click from the
// keyboard beside the square.
class MainInput final : public QObject {
    Q_OBJECT

public:
    using PickColor = std::function<void(std::int16_t square, QPoint globalPointer)>;

    MainInput(QMainWindow& window, const MainControls& controls, PickColor pickColor);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    [[nodiscard]] bool FilterShortcut(const QObject* watched, QEvent& event) const;
    [[nodiscard]] bool FilterSquarePress(const QObject* watched, const QEvent& event) const;
    [[nodiscard]] bool FilterWindowEvent(QEvent& event) const;

    QMainWindow& window;
    const MainControls& ui;
    PickColor pick;
};

} // namespace turnix
