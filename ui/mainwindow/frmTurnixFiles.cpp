#include "ConfigurationFile.h"
#include "editing/EditTexts.h"
#include "frmTurnix.h"
#include "platform/FileSaving.h"

#include <QDir>
#include <QFileInfo>

namespace turnix {

namespace {

FileDialogOptions ConfigurationDialog(const QString& strTitle, const QString& strFileName) {
    return {strTitle, strFileName, frmTurnix::tr("Cube File (*.cub)"), QStringLiteral("cub")};
}

} // namespace

// A listed solution never belongs to a cube that was replaced: New and Open
// discard it, Open only once a file has been chosen.
void frmTurnix::NewConfiguration() {
    if (HasStepList()) {
        DiscardSolution();
    }
    const CubeColorValues before = ColorValuesOf(cubMain);
    cubMain.Reset();
    ClearDoubts();
    DisplaySide();
    RecordEdit(NewConfigurationEditText(), before);
}

// Values are loaded as they are; a short file sets only the squares it holds.
// Failures are silent: the squares read so far keep their new values.
void frmTurnix::OpenConfiguration() {
    const std::optional<QString> fileName = platform.fileDialogs.OpenFileName(
        this, ConfigurationDialog(tr("Open Configuration"), QString()));
    if (!fileName) {
        return;
    }
    if (HasStepList()) {
        DiscardSolution();
    }
    const CubeColorValues before = ColorValuesOf(cubMain);
    // Only a regular file: a chosen pipe or device could block or never end.
    if (QFileInfo(*fileName).isFile()) {
        ReadConfigurationFile(LocalPath(*fileName), cubMain);
    }
    ClearDoubts();
    DisplaySide();
    RecordEdit(OpenConfigurationEditText(), before);
}

// Without a folder the user chooses the file, starting from strFileName.
// The file is replaced as a whole or not at all. A file the user chose and
// could not be saved is reported; a save into a folder is not, as
// "SaveLast.cub" is written before every solve and may well be read-only.
void frmTurnix::SaveConfiguration(const QString& strFileName,
                                  const std::optional<QString>& vFolder) {
    if (vFolder) {
        static_cast<void>(
            WriteConfigurationFile(LocalPath(QDir(*vFolder).filePath(strFileName)), cubMain));
        return;
    }
    const std::optional<QString> chosen = platform.fileDialogs.SaveFileName(
        this, ConfigurationDialog(tr("Save Configuration"), strFileName));
    if (chosen) {
        ReportSaveFailure(platform.messageBoxes, this, *chosen,
                          WriteConfigurationFile(LocalPath(*chosen), cubMain));
    }
}

QString frmTurnix::GetInstallFolder() const {
    return platform.system.InstallFolder();
}

} // namespace turnix
