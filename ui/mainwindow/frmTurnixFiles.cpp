#include "ConfigurationFile.h"
#include "editing/EditTexts.h"
#include "frmTurnix.h"
#include "mainwindow/RecentFilesMenu.h"
#include "platform/ApplicationTitle.h"
#include "platform/FileSaving.h"

#include <QDir>
#include <QFileInfo>

namespace turnix {

namespace {

FileDialogOptions ConfigurationDialog(const QString& strTitle, const QString& strFileName) {
    return {strTitle, strFileName, QStringLiteral("Cube File (*.cub)"), QStringLiteral("cub")};
}

// Why a file named outside the open dialog, which checks the name itself,
// cannot be opened; nothing when it may be read. Only a regular file: a
// pipe or a device could block or never end.
std::optional<QString> WhyNotOpened(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) {
        return QStringLiteral("No such file");
    }
    if (info.isDir()) {
        return QStringLiteral("Is a folder");
    }
    if (!info.isFile()) {
        return QStringLiteral("Not a regular file");
    }
    return std::nullopt;
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
        this, ConfigurationDialog(QStringLiteral("Open Configuration"), QString()));
    if (!fileName) {
        return;
    }
    if (HasStepList()) {
        DiscardSolution();
    }
    const CubeColorValues before = ColorValuesOf(cubMain);
    // Only a regular file: a chosen pipe or device could block or never end.
    if (QFileInfo(*fileName).isFile() && ReadConfigurationFile(LocalPath(*fileName), cubMain)) {
        recentFiles.Add(*fileName);
    }
    ClearDoubts();
    DisplaySide();
    RecordEdit(OpenConfigurationEditText(), before);
}

// As Open does once a file is chosen, but read in full before anything
// changes, so that a file that fails leaves the cube and a listed solution
// alone.
void frmTurnix::OpenConfigurationFile(const QString& path) {
    clsCube read;
    cubMain.Copy(read);
    std::optional<QString> problem = WhyNotOpened(path);
    if (!problem && !ReadConfigurationFile(LocalPath(path), read)) {
        problem = QStringLiteral("Cannot read the file");
    }
    if (problem) {
        platform.messageBoxes.ShowMessage(
            this, ApplicationTitle(),
            QStringLiteral("The file could not be opened.\n\n%1: %2").arg(path, *problem),
            MessageIcon::Exclamation);
        txtDummy->setFocus();
        return;
    }
    if (HasStepList()) {
        DiscardSolution();
    }
    const CubeColorValues before = ColorValuesOf(cubMain);
    read.Copy(cubMain);
    ClearDoubts();
    DisplaySide();
    RecordEdit(OpenConfigurationEditText(), before);
    recentFiles.Add(path);
}

// Under "Open Configuration".
void frmTurnix::CreateRecentFilesMenu() {
    mnuFileOpenRecent = new RecentFilesMenu(recentFiles, mnuFile);
    const int open = static_cast<int>(mnuFile->actions().indexOf(mnuFileOpenConfiguration));
    mnuFile->insertMenu(mnuFile->actions().at(open + 1), mnuFileOpenRecent);
    connect(mnuFileOpenRecent, &RecentFilesMenu::fileChosen, this,
            &frmTurnix::OpenConfigurationFile);
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
        this, ConfigurationDialog(QStringLiteral("Save Configuration"), strFileName));
    if (chosen) {
        const WriteResult written = WriteConfigurationFile(LocalPath(*chosen), cubMain);
        ReportSaveFailure(platform.messageBoxes, this, *chosen, written);
        if (written) {
            recentFiles.Add(*chosen);
        }
    }
}

QString frmTurnix::GetInstallFolder() const {
    return platform.system.InstallFolder();
}

} // namespace turnix
