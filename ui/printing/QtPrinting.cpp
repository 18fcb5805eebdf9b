#include "QtPrinting.h"

#include "QtPrintSurface.h"

#include <QPrintDialog>
#include <QPrinter>

namespace turnix {

namespace {

IPrinting::Job Unavailable(const QString& reason) {
    IPrinting::Job job;
    job.status = IPrinting::Status::Unavailable;
    job.strReason = reason;
    return job;
}

} // namespace

IPrinting::Job QtPrinting::BeginDocument(QWidget* parent, const QString& strDocumentName) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!printer->isValid()) {
        return Unavailable(QStringLiteral("No printer is installed, and no other output "
                                          "can be used."));
    }
    printer->setDocName(strDocumentName);

    // The whole list is always printed, so there is no page range to choose.
    QPrintDialog dialog(printer.get(), parent);
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize |
                      QAbstractPrintDialog::PrintCollateCopies);
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    if (!printer->isValid()) {
        return Unavailable(QStringLiteral("The chosen printer cannot be used."));
    }

    Job job;
    job.status = Status::Ready;
    job.surface = std::make_unique<QtPrintSurface>(std::move(printer));
    return job;
}

} // namespace turnix
