#include "QtPrinting.h"

#include "QtPrintSurface.h"

#include <QCoreApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <utility>

namespace turnix {

namespace {

struct PrintingWords {
    Q_DECLARE_TR_FUNCTIONS(turnix::PrintingWords)
};

IPrinting::Job Unavailable(const QString& reason) {
    IPrinting::Job job;
    job.status = IPrinting::Status::Unavailable;
    job.strReason = reason;
    return job;
}

} // namespace

bool QtPrinting::RunPrintDialog(QPrinter& printer, QWidget* parent) {
    // The whole list is always printed, so there is no page range to choose.
    QPrintDialog dialog(&printer, parent);
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize |
                      QAbstractPrintDialog::PrintCollateCopies);
    return dialog.exec() == QDialog::Accepted;
}

QtPrinting::QtPrinting(PrinterChoice choice) : choosePrinter(std::move(choice)) {}

IPrinting::Job QtPrinting::BeginDocument(QWidget* parent, const QString& strDocumentName,
                                         const PageSetup& start) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!printer->isValid()) {
        return Unavailable(PrintingWords::tr("No printer is installed, and no other output "
                                             "can be used."));
    }
    printer->setDocName(strDocumentName);
    auto surface = std::make_unique<QtPrintSurface>(std::move(printer));
    // The dialog starts from the two settings, and what the user picks there
    // stands.
    surface->SetScaleMode(start.scale);
    surface->SetOrientation(start.orientation);
    if (!choosePrinter(surface->Printer(), parent)) {
        return {};
    }
    if (!surface->Printer().isValid()) {
        return Unavailable(PrintingWords::tr("The chosen printer cannot be used."));
    }

    Job job;
    job.status = Status::Ready;
    job.surface = std::move(surface);
    return job;
}

} // namespace turnix
