#include "CubeFiles.h"

#include "ConfigurationFile.h"
#include "platform/ApplicationTitle.h"
#include "platform/FileSaving.h"
#include "platform/RecentFiles.h"

#include <QDir>
#include <QFileInfo>

namespace turnix {

namespace {

FileDialogOptions ConfigurationDialog(const QString& strTitle, const QString& strFileName) {
    return {strTitle, strFileName, CubeFiles::tr("Cube File (*.cub)"), QStringLiteral("cub")};
}

// Why a file named outside the open dialog, which checks the name itself,
// cannot be opened; nothing when it may be read. Only a regular file: a
// pipe or a device could block or never end.
std::optional<QString> WhyNotOpened(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) {
        return CubeFiles::tr("No such file");
    }
    if (info.isDir()) {
        return CubeFiles::tr("Is a folder");
    }
    if (!info.isFile()) {
        return CubeFiles::tr("Not a regular file");
    }
    return std::nullopt;
}

} // namespace

CubeFiles::CubeFiles(Platform services, RecentFiles& recentFiles, QWidget& parent)
    : platform(services), recent(recentFiles), window(parent) {}

std::optional<QString> CubeFiles::ChooseToOpen() const {
    return platform.fileDialogs.OpenFileName(
        &window, ConfigurationDialog(tr("Open Configuration"), QString()));
}

void CubeFiles::ReadChosen(const QString& path, clsCube& cube) const {
    // Only a regular file: a chosen pipe or device could block or never end.
    if (QFileInfo(path).isFile() && ReadConfigurationFile(LocalPath(path), cube)) {
        recent.Add(path);
    }
}

std::optional<clsCube> CubeFiles::ReadNamed(const QString& path, const clsCube& current) const {
    clsCube read;
    current.Copy(read);
    std::optional<QString> problem = WhyNotOpened(path);
    if (!problem && !ReadConfigurationFile(LocalPath(path), read)) {
        problem = tr("Cannot read the file");
    }
    if (problem) {
        platform.messageBoxes.ShowMessage(
            &window, ApplicationTitle(),
            tr("The file could not be opened.\n\n%1: %2").arg(path, *problem),
            MessageIcon::Exclamation);
        return std::nullopt;
    }
    recent.Add(path);
    return read;
}

void CubeFiles::SaveInFolder(const QString& folder, const QString& fileName, const clsCube& cube) {
    static_cast<void>(WriteConfigurationFile(LocalPath(QDir(folder).filePath(fileName)), cube));
}

void CubeFiles::SaveChosen(const QString& fileName, const clsCube& cube) const {
    const std::optional<QString> chosen = platform.fileDialogs.SaveFileName(
        &window, ConfigurationDialog(tr("Save Configuration"), fileName));
    if (!chosen) {
        return;
    }
    const WriteResult written = WriteConfigurationFile(LocalPath(*chosen), cube);
    ReportSaveFailure(platform.messageBoxes, &window, *chosen, written);
    if (written) {
        recent.Add(*chosen);
    }
}

} // namespace turnix
