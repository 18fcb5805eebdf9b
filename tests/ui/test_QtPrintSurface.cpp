#include "QtPrintSurface.h"
#include "StepsPrinter.h"

#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using namespace turnix;

namespace {

std::unique_ptr<QPrinter> PdfPrinter(const QString& path) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    printer->setPageSize(QPageSize(QPageSize::A4));
    return printer;
}

} // namespace

class TestQtPrintSurface : public QObject {
    Q_OBJECT

private slots:
    void init() {
        folder = std::make_unique<QTemporaryDir>();
        QVERIFY(folder->isValid());
    }

    void measuresTheDrawingAreaInTwipsAndTurnsThePage() {
        auto printer = PdfPrinter(folder->filePath(QStringLiteral("area.pdf")));
        const QRectF area = printer->pageRect(QPrinter::Inch);
        QtPrintSurface surface(std::move(printer));
        surface.SetScaleMode(PrintScaleTwips);
        surface.SetOrientation(PrintPortrait);
        // Within a few device pixels: the drawing area is whole pixels.
        QVERIFY(qAbs(surface.ScaleWidth() - area.width() * 1440) < 10);
        QVERIFY(qAbs(surface.ScaleHeight() - area.height() * 1440) < 10);
        QVERIFY(surface.ScaleHeight() > surface.ScaleWidth());

        surface.SetScaleMode(2); // points
        QVERIFY(qAbs(surface.ScaleWidth() - area.width() * 72) < 1);
        surface.SetScaleMode(1);
        surface.SetOrientation(2);
        QVERIFY(surface.ScaleWidth() > surface.ScaleHeight());
    }

    void fontsAndTextMeasuresFollowThePointSize() {
        QtPrintSurface surface(PdfPrinter(folder->filePath(QStringLiteral("fonts.pdf"))));
        surface.SetFont(false, 10);
        QCOMPARE(surface.FontBold(), false);
        QCOMPARE(surface.FontSize(), 10);
        const double small = surface.TextHeight(QStringLiteral("ABC"));
        const double width = surface.TextWidth(QStringLiteral("ABCDEFGHIJ"));
        // A 10 pt line is a little more than 200 twips high.
        QVERIFY2(small > 180 && small < 400, qPrintable(QString::number(small)));
        QVERIFY(width > 0);
        surface.SetFont(true, 20);
        QCOMPARE(surface.FontBold(), true);
        QCOMPARE(surface.FontSize(), 20);
        QVERIFY(surface.TextHeight(QStringLiteral("ABC")) > 1.5 * small);
        QVERIFY(surface.TextWidth(QStringLiteral("ABCDEFGHIJ")) > 1.5 * width);
    }

    void printMovesOnAlongTheLineOrToTheNextLine() {
        QtPrintSurface surface(PdfPrinter(folder->filePath(QStringLiteral("moves.pdf"))));
        surface.SetScaleMode(1);
        surface.SetFont(false, 10);
        surface.SetCurrentX(720);
        surface.SetCurrentY(1440);
        QCOMPARE(qRound(surface.CurrentX()), 720);
        QCOMPARE(qRound(surface.CurrentY()), 1440);

        surface.Print(QStringLiteral("Page "), false);
        QCOMPARE(qRound(surface.CurrentX()), qRound(720 + surface.TextWidth("Page ")));
        QCOMPARE(qRound(surface.CurrentY()), 1440);
        surface.Print(QStringLiteral("1"));
        QCOMPARE(surface.CurrentX(), 0.0);
        QCOMPARE(qRound(surface.CurrentY()), qRound(1440 + surface.TextHeight("X")));
        surface.NewPage();
        QCOMPARE(surface.CurrentX(), 0.0);
        QCOMPARE(surface.CurrentY(), 0.0);
        QVERIFY(surface.EndDoc());
    }

    void printsTheStepsToANonEmptyPdf() {
        const QString path = folder->filePath(QStringLiteral("Steps.pdf"));
        QtPrintSurface surface(PdfPrinter(path));
        QStringList lines;
        for (int k = 1; k <= 300; ++k) {
            lines << QStringLiteral("Turn front side clockwise");
        }
        QVERIFY(PrintSteps(surface, QStringLiteral("Steps to Completion"),
                           lines.join(QStringLiteral("\r\n")), PrintScaleTwips, PrintPortrait));

        QFile pdf(path);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray bytes = pdf.readAll();
        QVERIFY(bytes.size() > 1000);
        QVERIFY(bytes.startsWith("%PDF"));
        const auto pages = QRegularExpression(QStringLiteral("/Count (\\d+)"))
                               .match(QString::fromLatin1(bytes))
                               .captured(1)
                               .toInt();
        QVERIFY2(pages >= 2, qPrintable(QString::number(pages))); // 300 lines need two pages
    }

    void anUnwritableOutputMakesEndDocFail() {
        const QString path = folder->filePath(QStringLiteral("missing/Steps.pdf"));
        QtPrintSurface surface(PdfPrinter(path));
        surface.Print(QStringLiteral("1. Turn front side clockwise"));
        QVERIFY(!surface.EndDoc());
        QVERIFY(!QFile::exists(path));
    }

private:
    std::unique_ptr<QTemporaryDir> folder;
};

QTEST_MAIN(TestQtPrintSurface)
#include "test_QtPrintSurface.moc"
