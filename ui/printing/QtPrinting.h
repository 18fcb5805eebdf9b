#pragma once

#include "platform/Platform.h"

#include <functional>

class QPrinter;

namespace turnix {

// Printing through QPrintDialog, which offers the installed printers and a
// PDF file; the document is then drawn by a QtPrintSurface.
class QtPrinting final : public IPrinting {
public:
    // Lets the user set printer up for one document; false on a cancel.
    using PrinterChoice = std::function<bool(QPrinter& printer, QWidget* parent)>;

    // The print dialog, with the installed printers and a PDF file.
    static bool RunPrintDialog(QPrinter& printer, QWidget* parent);

    explicit QtPrinting(PrinterChoice choice = RunPrintDialog);

    Job BeginDocument(QWidget* parent, const QString& strDocumentName,
                      const PageSetup& start) override;

private:
    PrinterChoice choosePrinter;
};

} // namespace turnix
