#include "SessionKeeper.h"

#include <QEvent>
#include <QWidget>
#include <utility>

namespace turnix {

SessionKeeper::SessionKeeper(StateFile stateFile, QWidget& window, Capture captureState)
    : QObject(&window), file(std::move(stateFile)), watchedWindow(&window),
      capture(std::move(captureState)) {
    timer.setSingleShot(true);
    timer.setInterval(Delay);
    connect(&timer, &QTimer::timeout, this, &SessionKeeper::SaveNow);
    window.installEventFilter(this);
}

std::optional<SessionState> SessionKeeper::Load() {
    return file.Load();
}

void SessionKeeper::Changed() {
    if (capture) {
        timer.start();
    }
}

void SessionKeeper::SaveNow() {
    timer.stop();
    if (capture) {
        static_cast<void>(file.Save(capture()));
    }
}

void SessionKeeper::Stop() {
    timer.stop();
    capture = nullptr;
    watchedWindow->removeEventFilter(this);
}

bool SessionKeeper::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::WindowStateChange:
        Changed();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace turnix
