#pragma once

#include "IPrintSurface.h"

#include <QFont>
#include <QPainter>
#include <memory>

class QPrinter;

namespace turnix {

// A print surface on a QPrinter. Positions are in the chosen scale units over
// the printer's drawing area, and text is measured with the printer's own font
// metrics. Painting starts with the first output, so the scale mode and the
// orientation can still change the page until then.
class QtPrintSurface final : public IPrintSurface {
public:
    explicit QtPrintSurface(std::unique_ptr<QPrinter> printer);
    ~QtPrintSurface() override;
    QtPrintSurface(const QtPrintSurface&) = delete;
    QtPrintSurface& operator=(const QtPrintSurface&) = delete;

    // For the print dialog, which changes the page before the first output.
    [[nodiscard]] QPrinter& Printer() noexcept { return *printer; }

    // 1 twips, 2 points, 5 inches, 6 millimetres, 7 centimetres; other modes
    // are ignored.
    void SetScaleMode(PrintScale mode) override;
    void SetOrientation(PrintOrientation orientation) override;

    void SetFont(bool bold, int pointSize) override;
    [[nodiscard]] bool FontBold() const override { return font.bold(); }
    [[nodiscard]] int FontSize() const override { return font.pointSize(); }

    [[nodiscard]] double ScaleWidth() const override;
    [[nodiscard]] double ScaleHeight() const override;
    [[nodiscard]] double TextWidth(const QString& text) const override;
    [[nodiscard]] double TextHeight(const QString& text) const override;

    [[nodiscard]] double CurrentX() const override { return ToUnits(deviceX); }
    [[nodiscard]] double CurrentY() const override { return ToUnits(deviceY); }
    void SetCurrentX(double x) override { deviceX = ToDevice(x); }
    void SetCurrentY(double y) override { deviceY = ToDevice(y); }

    void Print(const QString& text, bool endLine = true) override;
    void NewPage() override;
    bool EndDoc() override;

private:
    [[nodiscard]] double ToUnits(double devicePixels) const;
    [[nodiscard]] double ToDevice(double units) const;
    [[nodiscard]] double LineSpacing() const;
    bool BeginPainting();

    std::unique_ptr<QPrinter> printer; // outlives the painter below
    QPainter painter;
    QFont font;
    double unitsPerInch{1440.0};
    double deviceX{0.0};
    double deviceY{0.0};
    bool failed{false};
    bool ended{false};
};

} // namespace turnix
