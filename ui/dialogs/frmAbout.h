#pragma once

#include "appearance/ScreenColor.h"
#include "platform/Platform.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace turnix {

// "About Turnix": title, version, a short description and a distribution note
// beside a cube in the screen colours, with a button that starts the system's
// information tool.
class frmAbout : public QDialog {
    Q_OBJECT

public:
    frmAbout(Platform platform, const ColorScheme& colors, QWidget* parent = nullptr);

    // Starts the first system-information tool found on the PATH; when none
    // is found or none starts, says that system information is unavailable.
    void StartSysInfo();

private:
    Platform platform;
    QLabel* lblTitle{nullptr};
    QLabel* lblVersion{nullptr};
    QLabel* lblDescription{nullptr};
    QLabel* lblDisclaimer{nullptr};
    QPushButton* cmdOK{nullptr};
    QPushButton* cmdSysInfo{nullptr};
};

} // namespace turnix
