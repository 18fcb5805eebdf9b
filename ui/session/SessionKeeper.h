#pragma once

#include "StateFile.h"

#include <QObject>
#include <QTimer>
#include <chrono>
#include <functional>
#include <optional>

class QWidget;

namespace turnix {

// Writes where the user is to the state file soon after each change, so that
// a crash or a lost session costs a moment's work at most. The window tells
// it of changes to the cube and the solution; moves, resizes and maximising
// it sees for itself.
class SessionKeeper final : public QObject {
    Q_OBJECT

public:
    using Capture = std::function<SessionState()>;
    // Changes that come within this time of each other make one write.
    static constexpr std::chrono::milliseconds Delay{300};

    SessionKeeper(StateFile stateFile, QWidget& window, Capture captureState);

    // The state kept by the last run, if any could be read.
    [[nodiscard]] std::optional<SessionState> Load();

    void Changed();
    // Writes at once, as the window closes.
    void SaveNow();
    // From here on nothing is written; for a window that is going away.
    void Stop();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    StateFile file;
    QWidget* watchedWindow;
    Capture capture;
    QTimer timer;
};

} // namespace turnix
