#include "ApplicationTitle.h"
#include "QtPlatform.h"
#include "TerminationWatcher.h"
#include "frmTurnix.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(turnix::ApplicationTitle());

    const turnix::TerminationWatcher watcher;
    turnix::QtPlatform platform;
    turnix::frmTurnix window(platform.Services());
    window.show();
    return QApplication::exec();
}
