#include "platform/FileSaving.h"

#include "platform/ApplicationTitle.h"

#include <QCoreApplication>
#include <QFile>

namespace turnix {

namespace {

struct FileSavingWords {
    Q_DECLARE_TR_FUNCTIONS(turnix::FileSavingWords)
};

} // namespace

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
        FileSavingWords::tr("The file could not be saved.\n\n%1: %2").arg(path, reason),
        MessageIcon::Exclamation);
}

} // namespace turnix
