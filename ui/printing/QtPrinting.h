#pragma once

#include "platform/Platform.h"

namespace turnix {

// Printing through QPrintDialog, which offers the installed printers and a
// PDF file; the document is then drawn by a QtPrintSurface.
class QtPrinting final : public IPrinting {
public:
    Job BeginDocument(QWidget* parent, const QString& strDocumentName) override;
};

} // namespace turnix
