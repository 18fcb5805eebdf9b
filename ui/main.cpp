#include "language/Translations.h"
#include "mainwindow/frmTurnix.h"
#include "platform/ApplicationTitle.h"
#include "platform/QtPlatform.h"
#include "platform/TerminationWatcher.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(turnix::ApplicationTitle());
    turnix::InstallTranslations(app);

    const turnix::TerminationWatcher watcher;
    turnix::QtPlatform platform;
    turnix::frmTurnix window(platform.Services());
    window.show();
    return QApplication::exec();
}
