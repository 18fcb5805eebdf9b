#pragma once

#include "IPrintSurface.h"

#include <QString>
#include <cstdint>

namespace turnix {

// The two page-setup settings the Print button starts the print dialog with:
// the layout is measured in twips, on a portrait page unless the user
// chooses otherwise.
inline constexpr PageSetup StepsPageSetup{PrintScale::Twips, PrintOrientation::Portrait};

// Prints the steps ("\r\n" between lines) as numbered lines in two columns
// per page, the left column first, each page headed by the title and its
// page number; then ends the document. The columns share the page as the
// surface has it. An empty text prints the header alone. Returns what EndDoc
// reports.
bool PrintSteps(IPrintSurface& surface, const QString& title, const QString& steps);

// One empty line, then "Page n" right-aligned in the current font and the
// title centred on the same line in bold 12 pt, then an empty line in that
// font. The font is restored afterwards; the position stays below the header.
void PrintPageHeader(IPrintSurface& surface, const QString& title, std::int16_t page);

} // namespace turnix
