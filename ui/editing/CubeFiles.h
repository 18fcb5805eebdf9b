#pragma once

#include "clsCube.h"
#include "platform/Platform.h"

#include <QCoreApplication>
#include <QString>
#include <optional>

class QWidget;

namespace turnix {

class RecentFiles;

// Cube files as the window opens and saves them: through the file dialogs
// or by a name from outside, with the recent files kept up to date.
class CubeFiles {
    Q_DECLARE_TR_FUNCTIONS(turnix::CubeFiles)

public:
    CubeFiles(Platform platform, RecentFiles& recentFiles, QWidget& window);

    // The file the user chooses in the open dialog, if any.
    [[nodiscard]] std::optional<QString> ChooseToOpen() const;
    // Loads a chosen file's values as they are: a short file sets only the
    // squares it holds. Failures are silent; the squares read so far keep
    // their new values.
    void ReadChosen(const QString& path, clsCube& cube) const;
    // A file named from outside the dialog, read whole before anything
    // changes: the cube it holds, or nothing after a message that says why.
    [[nodiscard]] std::optional<clsCube> ReadNamed(const QString& path,
                                                   const clsCube& current) const;

    // Replaces the file as a whole or not at all, without a word, as a file
    // such as "SaveLast.cub" may well be read-only.
    static void SaveInFolder(const QString& folder, const QString& fileName, const clsCube& cube);
    // The user chooses the file, starting from fileName; a failure is
    // reported.
    void SaveChosen(const QString& fileName, const clsCube& cube) const;

private:
    Platform platform;
    RecentFiles& recent;
    QWidget& window;
};

} // namespace turnix
