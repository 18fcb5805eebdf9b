#pragma once

#include "AtomicFile.h"
#include "platform/Platform.h"

#include <QString>
#include <filesystem>

class QWidget;

namespace turnix {

// A file name as the system spells it.
[[nodiscard]] std::filesystem::path LocalPath(const QString& fileName);

// Tells the user that a file they chose was not saved: a message under the
// program's title with an exclamation, naming the file and the reason.
// Nothing on success.
void ReportSaveFailure(IMessageBoxes& messageBoxes, QWidget* parent, const QString& path,
                       const WriteResult& result);

} // namespace turnix
