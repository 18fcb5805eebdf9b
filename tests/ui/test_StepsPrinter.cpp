// The page layout on a surface that records it, and the real surface that
// prints to PDF.

#include "FakePrintSurface.h"
#include "QtPrintSurface.h"
#include "StepsPrinter.h"

#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using namespace turnix;
using test::FakePrintSurface;

namespace {

// 9000 twips wide; 4500 high, so that below the 680 twips of the header
// (an empty 10 pt line, the 12 pt title line, an empty 12 pt line) the left
// column holds 19 lines of 200 twips.
constexpr double PageWidth = 9000;
constexpr double PageHeight = 4500;
constexpr double ListTop = 680;
const QString Title = QStringLiteral("Steps to Completion");

// One printed text as "page x,y font text", the font as "10" or "bold 12".
QString Text(int page, double x, double y, bool bold, int size, const QString& text) {
    return QString("%1 %2,%3 %4%5 %6")
        .arg(page)
        .arg(x)
        .arg(y)
        .arg(bold ? "bold " : "")
        .arg(size)
        .arg(text);
}

QStringList Printed(const FakePrintSurface::Record& record) {
    QStringList texts;
    for (const auto& p : record.texts) {
        texts << Text(p.page, p.x, p.y, p.bold, p.size, p.text);
    }
    return texts;
}

// "Page n" right-aligned in 10 pt (100 twips a character), the title centred
// in bold 12 pt (120 twips a character) on the same line.
QStringList Header(int page) {
    const QString pageText = QString("Page %1").arg(page);
    return {Text(page, PageWidth - 100.0 * pageText.size(), 200, false, 10, pageText),
            Text(page, (PageWidth - 120.0 * Title.size()) / 2, 200, true, 12, Title)};
}

std::unique_ptr<QPrinter> PdfPrinter(const QString& path) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    printer->setPageSize(QPageSize(QPageSize::A4));
    return printer;
}

} // namespace

class TestStepsPrinter : public QObject {
    Q_OBJECT

private slots:
    // Numbering runs on from the left column to the right and onto page 2.
    void stepsFillTheLeftColumnThenTheRightThenANewPageWithItsHeader() {
        FakePrintSurface surface(PageWidth, PageHeight);
        QStringList steps;
        QStringList expected = Header(1);
        for (int k = 1; k <= 40; ++k) {
            steps << QString("Step %1").arg(k);
            const QString line = QString("%1. Step %1").arg(k);
            if (k <= 19) {
                expected << Text(1, 0, ListTop + (k - 1) * 200, false, 10, line);
            } else if (k <= 38) {
                expected << Text(1, PageWidth / 2, ListTop + (k - 20) * 200, false, 10, line);
            } else {
                if (k == 39) {
                    expected << Header(2);
                }
                expected << Text(2, 0, ListTop + (k - 39) * 200, false, 10, line);
            }
        }
        QVERIFY(PrintSteps(surface, Title, steps.join("\r\n"), PrintScaleTwips, PrintPortrait));
        QCOMPARE(Printed(*surface.record), expected);
        QCOMPARE(surface.record->scaleModes, std::vector<int>{1});
        QCOMPARE(surface.record->orientations, std::vector<int>{1});
        QCOMPARE(surface.record->endDocCalls, 1);
    }

    void anEmptyListPrintsTheHeaderAlone() {
        FakePrintSurface surface(PageWidth, PageHeight);
        QVERIFY(PrintSteps(surface, Title, QString(), 1, 1));
        QCOMPARE(Printed(*surface.record), Header(1));
        QCOMPARE(surface.record->endDocCalls, 1);
    }

    void measuresInTwipsAndMovesLikeALinePrinter() {
        QTemporaryDir folder;
        auto printer = PdfPrinter(folder.filePath("area.pdf"));
        const QRectF area = printer->pageRect(QPrinter::Inch);
        QtPrintSurface surface(std::move(printer));
        surface.SetScaleMode(PrintScaleTwips);
        surface.SetOrientation(PrintPortrait);
        // Within a few device pixels: the drawing area is whole pixels.
        QVERIFY(qAbs(surface.ScaleWidth() - area.width() * 1440) < 10);
        QVERIFY(qAbs(surface.ScaleHeight() - area.height() * 1440) < 10);
        surface.SetOrientation(2);
        QVERIFY(surface.ScaleWidth() > surface.ScaleHeight());

        surface.SetFont(true, 10);
        const double height = surface.TextHeight("X");
        QVERIFY2(height > 180 && height < 400, qPrintable(QString::number(height)));
        surface.SetCurrentX(720);
        surface.SetCurrentY(1440);
        surface.Print("Page ", false);
        QCOMPARE(qRound(surface.CurrentX()), qRound(720 + surface.TextWidth("Page ")));
        QCOMPARE(qRound(surface.CurrentY()), 1440);
        surface.Print("1");
        QCOMPARE(surface.CurrentX(), 0.0);
        QCOMPARE(qRound(surface.CurrentY()), qRound(1440 + height));
        surface.NewPage();
        QCOMPARE(surface.CurrentY(), 0.0);
        QVERIFY(surface.EndDoc());
    }

    void printsTheStepsToAPdfOfSeveralPages() {
        QTemporaryDir folder;
        const QString path = folder.filePath("Steps.pdf");
        QtPrintSurface surface(PdfPrinter(path));
        const QString steps = QStringList(300, "Turn front side clockwise").join("\r\n");
        QVERIFY(PrintSteps(surface, "Steps to Completion", steps, PrintScaleTwips, PrintPortrait));
        QFile pdf(path);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray bytes = pdf.readAll();
        QVERIFY(bytes.startsWith("%PDF"));
        const int pages = QRegularExpression("/Count (\\d+)")
                              .match(QString::fromLatin1(bytes))
                              .captured(1)
                              .toInt();
        QVERIFY2(pages >= 2, qPrintable(QString::number(pages))); // 300 lines need more than one
    }

    void anUnwritableOutputMakesEndDocFail() {
        QTemporaryDir folder;
        const QString path = folder.filePath("missing/Steps.pdf");
        QtPrintSurface surface(PdfPrinter(path));
        surface.Print("1. Turn front side clockwise");
        QVERIFY(!surface.EndDoc());
        QVERIFY(!QFile::exists(path));
    }
};

QTEST_MAIN(TestStepsPrinter)
#include "test_StepsPrinter.moc"
