#include "platform/FileSaving.h"

#include "platform/ApplicationTitle.h"

#include <QFile>

namespace turnix {

std::filesystem::path LocalPath(const QString& fileName) {
    return std::filesystem::path(QFile::encodeName(fileName).toStdString());
}

void ReportSaveFailure(IMessageBoxes& messageBoxes, QWidget* parent, const QString& path,
                       const WriteResult& result) {
    if (result) {
        return;
    }
    const QString reason = QString::fromLocal8Bit(*result.failure);
    messageBoxes.ShowMessage(
        parent, ApplicationTitle(),
        QStringLiteral("The file could not be saved.\n\n%1: %2").arg(path, reason),
        MessageIcon::Exclamation);
}

} // namespace turnix
