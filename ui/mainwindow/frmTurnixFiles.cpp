#include "ConfigurationFile.h"
#include "frmTurnix.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace turnix {

namespace {

FileDialogOptions ConfigurationDialog(const QString& strTitle, const QString& strFileName) {
    return {strTitle, strFileName, QStringLiteral("Cube File (*.cub)"), QStringLiteral("cub")};
}

std::filesystem::path ToPath(const QString& fileName) {
    return std::filesystem::path(QFile::encodeName(fileName).toStdString());
}

} // namespace

// A listed solution never belongs to a cube that was replaced: New and Open
// discard it, Open only once a file has been chosen.
void frmTurnix::NewConfiguration() {
    if (HasStepList()) {
        DiscardSolution();
    }
    cubMain.Reset();
    DisplaySide();
}

// Values are loaded as they are; a short file sets only the squares it holds.
// Failures are silent: the squares read so far keep their new values.
void frmTurnix::OpenConfiguration() {
    const std::optional<QString> fileName = platform.fileDialogs.OpenFileName(
        this, ConfigurationDialog(QStringLiteral("Open Configuration"), QString()));
    if (!fileName) {
        return;
    }
    if (HasStepList()) {
        DiscardSolution();
    }
    // Only a regular file: a chosen pipe or device could block or never end.
    if (QFileInfo(*fileName).isFile()) {
        ReadConfigurationFile(ToPath(*fileName), cubMain);
    }
    DisplaySide();
}

// Without a folder the user chooses the file, starting from strFileName.
// The file is replaced as a whole or not at all; failures are silent.
void frmTurnix::SaveConfiguration(const QString& strFileName,
                                  const std::optional<QString>& vFolder) {
    QString path;
    if (vFolder) {
        path = QDir(*vFolder).filePath(strFileName);
    } else {
        const std::optional<QString> chosen = platform.fileDialogs.SaveFileName(
            this, ConfigurationDialog(QStringLiteral("Save Configuration"), strFileName));
        if (!chosen) {
            return;
        }
        path = *chosen;
    }
    WriteConfigurationFile(ToPath(path), cubMain);
}

QString frmTurnix::GetInstallFolder() const {
    return platform.system.InstallFolder();
}

} // namespace turnix
