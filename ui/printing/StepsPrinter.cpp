#include "StepsPrinter.h"

#include "StepLines.h"

#include <QCoreApplication>
#include <cmath>

namespace turnix {

namespace {

struct StepsPrinterWords {
    Q_DECLARE_TR_FUNCTIONS(turnix::StepsPrinterWords)
};

constexpr int ListPointSize = 10;
constexpr int TitlePointSize = 12;
const QString MeasuringText = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ");

[[nodiscard]] double Rounded(double value) {
    return std::round(value);
}

// Cuts the steps text into lines as the printout walks it.
class LineReader {
public:
    explicit LineReader(const QString& steps) : text(steps), done(steps.isEmpty()) {}

    [[nodiscard]] bool AtEnd() const { return done; }

    [[nodiscard]] QString Next() {
        const qsizetype found = text.indexOf(StepLineEnd, position);
        if (found < 0) {
            done = true;
            return text.mid(position);
        }
        QString line = text.mid(position, found - position);
        position = found + StepLineEnd.size();
        return line;
    }

private:
    const QString& text;
    qsizetype position{0};
    bool done;
};

} // namespace

void PrintPageHeader(IPrintSurface& surface, const QString& title, std::int16_t page) {
    const QString pageText = StepsPrinterWords::tr("Page %1").arg(page);
    const bool bold = surface.FontBold();
    const int size = surface.FontSize();

    surface.Print(QString());
    const double y = surface.CurrentY();
    surface.SetCurrentX(surface.ScaleWidth() - surface.TextWidth(pageText));
    surface.Print(pageText);

    surface.SetFont(true, TitlePointSize);
    surface.SetCurrentY(y);
    surface.SetCurrentX((surface.ScaleWidth() - surface.TextWidth(title)) / 2);
    surface.Print(title);
    surface.Print(QString());

    surface.SetFont(bold, size);
}

bool PrintSteps(IPrintSurface& surface, const QString& title, const QString& steps) {
    std::int16_t page = 1;
    int column = 1;
    int stepNumber = 1;

    surface.SetFont(false, ListPointSize);
    const double columnWidth = Rounded(surface.ScaleWidth() / 2);
    const double lineHeight = Rounded(surface.TextHeight(MeasuringText));

    PrintPageHeader(surface, title, page);
    // Both columns of every page begin at the height below the first header.
    const double top = Rounded(surface.CurrentY());

    LineReader lines(steps);
    while (!lines.AtEnd()) {
        const QString line = lines.Next();
        if (surface.CurrentY() + lineHeight > surface.ScaleHeight()) {
            if (column == 2) {
                column = 1;
                ++page;
                surface.NewPage();
                PrintPageHeader(surface, title, page);
            } else {
                column = 2;
                surface.SetCurrentY(top);
            }
        }
        surface.SetCurrentX(surface.CurrentX() + (column - 1) * columnWidth);
        surface.Print(QString::number(stepNumber) + QStringLiteral(". ") + line);
        ++stepNumber;
    }

    return surface.EndDoc();
}

} // namespace turnix
