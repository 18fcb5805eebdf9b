#pragma once

#include <QDialog>
#include <QPointer>
#include <QString>
#include <optional>

class QPushButton;
class QTextBrowser;

namespace turnix {

// "Instructions": shows the user guide read-only beside the main window.
class frmInstructions : public QDialog {
    Q_OBJECT

public:
    // Files larger than this are not shown; the guide is a few kilobytes.
    static constexpr qint64 MaxFileSize = qint64{8} * 1024 * 1024;

    explicit frmInstructions(QWidget* parent = nullptr);

    // Shows the RTF file at path from its start. When the file cannot be
    // read, the view says so and the result is false.
    bool LoadFile(const QString& path);

protected:
    void changeEvent(QEvent* event) override;

private:
    void ShowProblem(const QString& text);

    QTextBrowser* rtxInstructions{nullptr};
    QPushButton* cmdClose{nullptr};
};

// The start-up probe: the path of "Instructions.rtf" in the installation
// folder when that file can be opened for reading; nothing when the folder is
// unknown (empty) or the file cannot be opened.
[[nodiscard]] std::optional<QString> ProbeInstructionsFile(const QString& installFolder);

// "&Instructions": loads path into the open instructions window, or into a new
// one that the next Close destroys, and brings it to the front, restored if
// it was minimised. A new window opens beside the window beside, narrowed if
// that lets it fit there, or centred on the screen without one. window keeps
// track of the open window between calls.
void ShowInstructions(QPointer<frmInstructions>& window, const QWidget* beside,
                      const QString& path);

} // namespace turnix
