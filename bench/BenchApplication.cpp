#include "BenchApplication.h"

#include <QApplication>
#include <array>

namespace turnix::bench {

void EnsureApplication() {
    if (QCoreApplication::instance() != nullptr) {
        return;
    }
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static int argc = 1;
    static char name[] = "turnix-bench";
    static std::array<char*, 2> argv{name, nullptr};
    // Never destroyed: by the time static objects go, Qt's own have gone,
    // and an application that outlives them crashes on the way out.
    static const auto* const application = new QApplication(argc, argv.data());
    static_cast<void>(application);
}

} // namespace turnix::bench
