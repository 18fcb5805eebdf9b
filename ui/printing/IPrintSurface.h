#pragma once

#include <QString>
#include <cstdint>

namespace turnix {

// A line printer's two page-setup settings, by their customary numbers: the
// unit of positions and sizes, and the orientation of the page.
enum class PrintScale : std::int16_t {
    Twips = 1,
    Points = 2,
    Inches = 5,
    Millimetres = 6,
    Centimetres = 7
};
enum class PrintOrientation : std::int16_t { Portrait = 1, Landscape = 2 };

// The page-setup settings a document starts with. The print dialog opens
// with them and the user may still change the orientation there.
struct PageSetup {
    PrintScale scale;
    PrintOrientation orientation;

    friend bool operator==(const PageSetup&, const PageSetup&) = default;
};

// A page printer with a text cursor, in the manner of a line printer: text is
// printed at the current position, which then moves on. Positions and sizes
// are in the surface's scale units (twips unless set otherwise); (0, 0) is the
// top-left corner of the drawing area, and ScaleWidth/ScaleHeight its size.
class IPrintSurface {
public:
    virtual ~IPrintSurface() = default;

    // Page-setup settings, which count until the first output.
    virtual void SetScaleMode(PrintScale mode) = 0;
    virtual void SetOrientation(PrintOrientation orientation) = 0;

    virtual void SetFont(bool bold, int pointSize) = 0;
    [[nodiscard]] virtual bool FontBold() const = 0;
    [[nodiscard]] virtual int FontSize() const = 0;

    [[nodiscard]] virtual double ScaleWidth() const = 0;
    [[nodiscard]] virtual double ScaleHeight() const = 0;
    [[nodiscard]] virtual double TextWidth(const QString& text) const = 0;
    [[nodiscard]] virtual double TextHeight(const QString& text) const = 0;

    [[nodiscard]] virtual double CurrentX() const = 0;
    [[nodiscard]] virtual double CurrentY() const = 0;
    virtual void SetCurrentX(double x) = 0;
    virtual void SetCurrentY(double y) = 0;

    // Prints text at the current position in the current font. With endLine
    // the position then moves to the left edge of the next line (down by the
    // text height of the current font); otherwise to the end of the text.
    virtual void Print(const QString& text, bool endLine = true) = 0;
    // Ends the page; printing goes on at the top-left corner of the next one.
    virtual void NewPage() = 0;
    // Ends the document and sends it to the printer or file. False on failure.
    virtual bool EndDoc() = 0;
};

} // namespace turnix
