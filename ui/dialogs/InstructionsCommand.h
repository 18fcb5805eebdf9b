#pragma once

#include "frmInstructions.h"

#include <QObject>
#include <QPointer>
#include <QString>

class QAction;
class QWidget;

namespace turnix {

// "&Instructions": the guide is looked for once, at start; without a
// readable one the entry stays off for the run. The guide opens in a
// window of its own beside the main window, so that the cube can be
// brought to the front while it is open.
class InstructionsCommand final : public QObject {
    Q_OBJECT

public:
    InstructionsCommand(QAction& entry, QWidget& mainWindow, const QString& installFolder);

    // Closes the guide's window, if it is open; it deletes itself.
    void Close();

private:
    QWidget& window;
    QString file;
    QPointer<frmInstructions> shown;
};

} // namespace turnix
