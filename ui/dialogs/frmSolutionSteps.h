#pragma once

#include "platform/Platform.h"

#include <QDialog>
#include <QString>

class QPlainTextEdit;
class QPushButton;

namespace turnix {

// A list of step descriptions, one per line, that the user can read, save as
// a text file or print. The caller sets Steps and the caption, runs the dialog
// modally and destroys it afterwards; Close ends the modal run.
class frmSolutionSteps : public QDialog {
    Q_OBJECT

public:
    explicit frmSolutionSteps(Platform platform, QWidget* parent = nullptr);

    // Step descriptions separated by "\r\n", with none after the last.
    [[nodiscard]] QString Steps() const { return vSteps; }
    void SetSteps(const QString& vNewValue);
    // What Save writes instead, when the list is shown in another language
    // than files are written in.
    void SetFileSteps(const QString& steps) { fileSteps = steps; }

private:
    void BuildControls();
    void SaveSteps();
    void PrintStepList();
    void ShowPrintFailure(const QString& reason);
    void ReturnToList();

    Platform platform;
    QString vSteps;
    QString fileSteps;
    QPlainTextEdit* txtSteps{nullptr};
    QPushButton* cmdClose{nullptr};
    QPushButton* cmdSave{nullptr};
    QPushButton* cmdPrint{nullptr};
};

} // namespace turnix
