#pragma once

#include <QObject>

class QSocketNotifier;

namespace turnix {

// Lets the session end the program as if its windows were closed: SIGTERM,
// SIGINT and SIGHUP close every window on the event loop, so the main window
// stores its colours as on a regular exit. One instance per program.
class TerminationWatcher final : public QObject {
    Q_OBJECT

public:
    explicit TerminationWatcher(QObject* parent = nullptr);
    ~TerminationWatcher() override;

    TerminationWatcher(const TerminationWatcher&) = delete;
    TerminationWatcher& operator=(const TerminationWatcher&) = delete;

private:
    void CloseAllWindows();

    QSocketNotifier* notifier{};
};

} // namespace turnix
