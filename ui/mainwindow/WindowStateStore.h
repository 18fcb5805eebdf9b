#pragma once

#include "session/SessionState.h"

#include <QObject>

class QMainWindow;

namespace turnix {

class ISettingsStore;

// The main window's docks and toolbars kept in the settings, and its size
// and place brought back from a kept session, fitted to the screen of today.
class WindowStateStore final : public QObject {
    Q_OBJECT

public:
    WindowStateStore(QMainWindow& window, ISettingsStore& settings);

    // A stored state that Qt does not recognise is ignored.
    void Restore();
    void Store();
    // Docks that would not leave room for the whole window are hidden.
    void Place(const SessionWindow& placement);
    [[nodiscard]] SessionWindow Placement() const;

private:
    QMainWindow& window;
    ISettingsStore& settings;
};

} // namespace turnix
