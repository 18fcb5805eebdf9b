#include "MainInput.h"

#include "MainControls.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMouseEvent>
#include <QPushButton>
#include <algorithm>

namespace turnix {

MainInput::MainInput(QMainWindow& mainWindow, const MainControls& controls, PickColor pickColor)
    : QObject(&mainWindow), window(mainWindow), ui(controls), pick(std::move(pickColor)) {
    window.installEventFilter(this);
    ui.txtDummy->installEventFilter(this);
    ui.txtSolution->installEventFilter(this);
    for (std::size_t i = 0; i < ui.cmdColor.size(); ++i) {
        // The filter takes every mouse press, so a click that still comes
        // is from the keyboard; the focus comes back to the square after.
        QPushButton* square = ui.cmdColor.at(i);
        square->installEventFilter(this);
        connect(square, &QPushButton::clicked, this, [this, square, i] {
            pick(static_cast<std::int16_t>(i), square->mapToGlobal(square->rect().center()));
            square->setFocus(Qt::TabFocusReason);
        });
    }
}

bool MainInput::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        return FilterShortcut(watched, *event);
    }
    if (watched == &window) {
        return FilterWindowEvent(*event);
    }
    return FilterSquarePress(watched, *event);
}

// The text boxes leave the window's shortcuts alone, but for the clipboard
// keys in a box with text of its own.
bool MainInput::FilterShortcut(const QObject* watched, QEvent& event) const {
    const auto& key = static_cast<const QKeyEvent&>(event);
    if (ui.LeavesKeyToShortcuts(watched, key)) {
        event.ignore();
        return true;
    }
    if (ui.TextBoxKeepsKey(watched, key)) {
        event.accept();
        return true;
    }
    return false;
}

// A press of any mouse button on an enabled colour square opens the pick
// dialog at once; the button itself never sees the press.
bool MainInput::FilterSquarePress(const QObject* watched, const QEvent& event) const {
    const auto square = std::find(ui.cmdColor.cbegin(), ui.cmdColor.cend(), watched);
    if (event.type() != QEvent::MouseButtonPress || square == ui.cmdColor.cend() ||
        !(*square)->isEnabled()) {
        return false;
    }
    pick(static_cast<std::int16_t>(square - ui.cmdColor.cbegin()),
         static_cast<const QMouseEvent&>(event).globalPosition().toPoint());
    return true;
}

// Enter reaches the window only when the control with the focus leaves it
// alone; the step buttons, the squares and the neighbour labels take it
// themselves. A square or label that the keyboard gave the focus keeps it
// when the window comes back, after a pick dialog for instance.
bool MainInput::FilterWindowEvent(QEvent& event) const {
    switch (event.type()) {
    case QEvent::KeyPress: {
        const int key = static_cast<const QKeyEvent&>(event).key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter) {
            return false;
        }
        event.accept();
        if (ui.cmdOneStep->isEnabled()) {
            ui.cmdOneStep->click();
        }
        return true;
    }
    case QEvent::ActivationChange:
        if (window.isActiveWindow() && !ui.HoldsKeyboardPlace(window.focusWidget())) {
            ui.txtDummy->setFocus();
        }
        return false;
    case QEvent::MouseButtonRelease:
        ui.txtDummy->setFocus();
        return false;
    default:
        return false;
    }
}

} // namespace turnix
