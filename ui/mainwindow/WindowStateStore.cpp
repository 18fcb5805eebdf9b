#include "WindowStateStore.h"

#include "DockGrowth.h"
#include "platform/Platform.h"
#include "platform/WindowPlacement.h"

#include <QDockWidget>
#include <QMainWindow>

namespace turnix {

namespace {

// The panels' places live apart from the colours, in a section of their own.
const QString WindowSection = QStringLiteral("Window");
const QString StateKey = QStringLiteral("State");
constexpr int StateVersion = 1;

} // namespace

WindowStateStore::WindowStateStore(QMainWindow& mainWindow, ISettingsStore& settingsStore)
    : QObject(&mainWindow), window(mainWindow), settings(settingsStore) {}

void WindowStateStore::Restore() {
    if (const auto text = settings.Value(WindowSection, StateKey)) {
        static_cast<void>(
            window.restoreState(QByteArray::fromBase64(text->toLatin1()), StateVersion));
    }
}

// A dock hidden only for want of room is stored as shown, so that a larger
// screen shows it again.
void WindowStateStore::Store() {
    QList<QDockWidget*> shown;
    for (QDockWidget* dock : window.findChildren<QDockWidget*>()) {
        if (HiddenForRoom(*dock)) {
            dock->show();
            shown.append(dock);
        }
    }
    settings.SetValue(WindowSection, StateKey,
                      QString::fromLatin1(window.saveState(StateVersion).toBase64()));
    for (QDockWidget* dock : shown) {
        dock->hide();
    }
}

void WindowStateStore::Place(const SessionWindow& placement) {
    HideDocksBeyond(window, RoomOnScreen(window, placement.normal));
    window.setGeometry(FittedOnScreen(window, placement.normal));
    if (placement.maximised) {
        window.setWindowState(window.windowState() | Qt::WindowMaximized);
    }
}

SessionWindow WindowStateStore::Placement() const {
    const bool maximised = window.isMaximized();
    return {maximised ? window.normalGeometry() : window.geometry(), maximised};
}

} // namespace turnix
