#include "language/Translations.h"
#include "mainwindow/frmTurnix.h"
#include "platform/ApplicationTitle.h"
#include "platform/ProgramArguments.h"
#include "platform/QtPlatform.h"
#include "platform/TerminationWatcher.h"

#include <QApplication>
#include <cstdio>

namespace {

void Print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
}

// Help and the version need no window system: a terminal without a display
// gets them too.
bool AnswerHelpOrVersion(int argc, char* argv[]) {
    QCoreApplication core(argc, argv);
    if (!turnix::AsksForHelpOrVersion(QCoreApplication::arguments())) {
        return false;
    }
    turnix::InstallTranslations(core);
    Print(stdout, turnix::ReadProgramArguments(QCoreApplication::arguments()).text);
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    if (AnswerHelpOrVersion(argc, argv)) {
        return 0;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(turnix::ApplicationTitle());
    turnix::InstallTranslations(app);
    // Qt's own options are gone from the arguments by now.
    const turnix::ProgramStart start = turnix::ReadProgramArguments(QApplication::arguments());
    if (start.kind == turnix::ProgramStart::Kind::Refused) {
        Print(stderr, start.text);
        return 2;
    }

    const turnix::TerminationWatcher watcher;
    turnix::QtPlatform platform;
    turnix::frmTurnix window(platform.Services());
    window.show();
    if (start.file) {
        window.OpenConfigurationFile(*start.file);
    }
    return QApplication::exec();
}
