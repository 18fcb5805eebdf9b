#include "TerminationWatcher.h"

#include <QApplication>
#include <QSocketNotifier>
#include <array>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace turnix {

namespace {

// The handler may only write to a descriptor; the event loop reads the other
// end and does the real work.
std::array<int, 2> wakeUp{-1, -1};

constexpr std::array<int, 3> WatchedSignals{SIGTERM, SIGINT, SIGHUP};

extern "C" void OnTerminationSignal(int /*signal*/) {
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(wakeUp[0], &byte, 1);
}

void InstallHandlers(void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : WatchedSignals) {
        ::sigaction(signal, &action, nullptr);
    }
}

} // namespace

TerminationWatcher::TerminationWatcher(QObject* parent) : QObject(parent) {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, wakeUp.data()) != 0) {
        return;
    }
    notifier = new QSocketNotifier(wakeUp[1], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &TerminationWatcher::CloseAllWindows);
    InstallHandlers(OnTerminationSignal);
}

TerminationWatcher::~TerminationWatcher() {
    if (notifier == nullptr) {
        return;
    }
    InstallHandlers(SIG_DFL);
    ::close(wakeUp[0]);
    ::close(wakeUp[1]);
    wakeUp = {-1, -1};
}

void TerminationWatcher::CloseAllWindows() {
    char byte = 0;
    [[maybe_unused]] const auto read = ::read(wakeUp[1], &byte, 1);
    QApplication::closeAllWindows();
}

} // namespace turnix
