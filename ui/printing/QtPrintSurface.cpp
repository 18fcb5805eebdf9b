#include "QtPrintSurface.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPrinter>
#include <array>

namespace turnix {

namespace {

struct ScaleUnit {
    PrintScale mode;
    double unitsPerInch;
};

// How many units of each scale make an inch.
constexpr std::array<ScaleUnit, 5> ScaleUnits{{
    {PrintScale::Twips, 1440.0},
    {PrintScale::Points, 72.0},
    {PrintScale::Inches, 1.0},
    {PrintScale::Millimetres, 25.4},
    {PrintScale::Centimetres, 2.54},
}};
constexpr int DefaultPointSize = 10;

} // namespace

QtPrintSurface::QtPrintSurface(std::unique_ptr<QPrinter> target)
    : printer(std::move(target)), font(QFontDatabase::systemFont(QFontDatabase::GeneralFont)) {
    font.setPointSize(DefaultPointSize);
    font.setBold(false);
}

QtPrintSurface::~QtPrintSurface() {
    if (painter.isActive()) {
        painter.end();
    }
}

void QtPrintSurface::SetScaleMode(PrintScale mode) {
    for (const ScaleUnit& unit : ScaleUnits) {
        if (unit.mode == mode) {
            unitsPerInch = unit.unitsPerInch;
        }
    }
}

void QtPrintSurface::SetOrientation(PrintOrientation orientation) {
    printer->setPageOrientation(orientation == PrintOrientation::Landscape ? QPageLayout::Landscape
                                                                           : QPageLayout::Portrait);
}

void QtPrintSurface::SetFont(bool bold, int pointSize) {
    font.setBold(bold);
    if (pointSize > 0) {
        font.setPointSize(pointSize);
    }
}

double QtPrintSurface::ScaleWidth() const {
    return ToUnits(printer->width());
}

double QtPrintSurface::ScaleHeight() const {
    return ToUnits(printer->height());
}

double QtPrintSurface::TextWidth(const QString& text) const {
    return ToUnits(QFontMetricsF(font, printer.get()).horizontalAdvance(text));
}

double QtPrintSurface::TextHeight(const QString& text) const {
    const auto lines = text.count(QLatin1Char('\n')) + 1;
    return ToUnits(static_cast<double>(lines) * LineSpacing());
}

void QtPrintSurface::Print(const QString& text, bool endLine) {
    if (!BeginPainting()) {
        return;
    }
    const QFontMetricsF metrics(font, printer.get());
    if (!text.isEmpty()) {
        painter.setFont(font);
        painter.drawText(QPointF(deviceX, deviceY + metrics.ascent()), text);
    }
    if (endLine) {
        deviceX = 0.0;
        deviceY += metrics.lineSpacing();
    } else {
        deviceX += metrics.horizontalAdvance(text);
    }
}

void QtPrintSurface::NewPage() {
    if (BeginPainting() && !printer->newPage()) {
        failed = true;
    }
    deviceX = 0.0;
    deviceY = 0.0;
}

bool QtPrintSurface::EndDoc() {
    if (BeginPainting()) {
        failed = !painter.end() || failed;
    }
    ended = true;
    return !failed;
}

double QtPrintSurface::ToUnits(double devicePixels) const {
    return devicePixels * unitsPerInch / printer->resolution();
}

double QtPrintSurface::ToDevice(double units) const {
    return units * printer->resolution() / unitsPerInch;
}

double QtPrintSurface::LineSpacing() const {
    return QFontMetricsF(font, printer.get()).lineSpacing();
}

bool QtPrintSurface::BeginPainting() {
    if (!painter.isActive() && !failed && !ended) {
        failed = !painter.begin(printer.get());
    }
    return painter.isActive();
}

} // namespace turnix
