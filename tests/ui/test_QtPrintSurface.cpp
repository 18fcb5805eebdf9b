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

QTEST_MAIN(TestQtPrintSurface)
#include "test_QtPrintSurface.moc"
