#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace turnix {

// What the command line asks of the program. Help and version are answered
// without a window; a command line that makes no sense is refused.
struct ProgramStart {
    enum class Kind { Window, Help, Version, Refused };
    Kind kind{Kind::Window};
    // The cube file to open in the window.
    std::optional<QString> file;
    // For standard output (help, version) or standard error (refused).
    QString text;
};

// The arguments as QCoreApplication::arguments() gives them, the program
// first; a QCoreApplication must exist.
[[nodiscard]] ProgramStart ReadProgramArguments(const QStringList& arguments);

// Whether the arguments ask for help or the version, to be answered before
// a window system is needed. A QCoreApplication must exist.
[[nodiscard]] bool AsksForHelpOrVersion(const QStringList& arguments);

} // namespace turnix
