#include "InstructionsCommand.h"

#include <QAction>
#include <QWidget>

namespace turnix {

InstructionsCommand::InstructionsCommand(QAction& entry, QWidget& mainWindow,
                                         const QString& installFolder)
    : QObject(&mainWindow), window(mainWindow) {
    const std::optional<QString> path = ProbeInstructionsFile(installFolder);
    file = path.value_or(QString());
    entry.setEnabled(path.has_value());
    connect(&entry, &QAction::triggered, this, [this] { ShowInstructions(shown, &window, file); });
}

void InstructionsCommand::Close() {
    if (shown != nullptr) {
        shown->close();
    }
}

} // namespace turnix
