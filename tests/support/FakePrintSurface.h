#pragma once

// A print surface that records every text it is given, with its position and
// font, on pages of a chosen size. The record is shared, so a test can still
// read it after the window that printed has released the surface. Characters
// are 10 twips per point wide and lines 20 twips per point high, so 10 pt
// text is 100 wide and 200 high. The page's width and height are given
// upright; in landscape they trade places.

#include "printing/IPrintSurface.h"

#include <memory>
#include <vector>

namespace turnix::test {

class FakePrintSurface final : public IPrintSurface {
public:
    struct PrintedText {
        int page;
        double x;
        double y;
        bool bold;
        int size;
        QString text;
    };

    // The texts that are not empty, in print order, and the settings asked for.
    struct Record {
        std::vector<PrintedText> texts;
        std::vector<PrintScale> scaleModes;
        std::vector<PrintOrientation> orientations;
        int page{1};
        int endDocCalls{0};
    };

    FakePrintSurface(double pageWidth, double pageHeight) : width(pageWidth), height(pageHeight) {}

    std::shared_ptr<Record> record{std::make_shared<Record>()};
    bool endDocSucceeds{true};

    void SetScaleMode(PrintScale mode) override { record->scaleModes.push_back(mode); }
    void SetOrientation(PrintOrientation orientation) override {
        record->orientations.push_back(orientation);
        landscape = orientation == PrintOrientation::Landscape;
    }
    void SetFont(bool newBold, int pointSize) override {
        bold = newBold;
        size = pointSize;
    }
    [[nodiscard]] bool FontBold() const override { return bold; }
    [[nodiscard]] int FontSize() const override { return size; }
    [[nodiscard]] double ScaleWidth() const override { return landscape ? height : width; }
    [[nodiscard]] double ScaleHeight() const override { return landscape ? width : height; }
    [[nodiscard]] double TextWidth(const QString& text) const override {
        return static_cast<double>(text.size()) * 10.0 * size;
    }
    [[nodiscard]] double TextHeight(const QString&) const override { return 20.0 * size; }
    [[nodiscard]] double CurrentX() const override { return x; }
    [[nodiscard]] double CurrentY() const override { return y; }
    void SetCurrentX(double newX) override { x = newX; }
    void SetCurrentY(double newY) override { y = newY; }

    void Print(const QString& text, bool endLine = true) override {
        if (!text.isEmpty()) {
            record->texts.push_back({record->page, x, y, bold, size, text});
        }
        x = endLine ? 0 : x + TextWidth(text);
        y += endLine ? TextHeight(text) : 0;
    }
    void NewPage() override {
        ++record->page;
        x = 0;
        y = 0;
    }
    bool EndDoc() override {
        ++record->endDocCalls;
        return endDocSucceeds;
    }

private:
    double width;
    double height;
    bool landscape{false};
    bool bold{true};
    int size{8};
    double x{0};
    double y{0};
};

} // namespace turnix::test
