// The solution steps window, its page layout on a surface that records it,
// and the real surface that prints to PDF.

#include "DialogScripts.h"
#include "FakePlatform.h"
#include "FakePrintSurface.h"
#include "dialogs/frmSolutionSteps.h"
#include "printing/QtPrintSurface.h"
#include "printing/QtPrinting.h"
#include "printing/StepsPrinter.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>

using namespace turnix;
using namespace turnix::test;

namespace {

// 9000 twips wide; 4480 high, so that below the 680 twips of the header
// (an empty 10 pt line, the 12 pt title line, an empty 12 pt line) the left
// column holds exactly 19 lines of 200 twips, the last one ending at the
// bottom edge.
constexpr double PageWidth = 9000;
constexpr double PageHeight = 4480;
constexpr double ListTop = 680;
const QString Title = QStringLiteral("Steps to Completion");

// One printed text as "page x,y font text", the font as "10" or "bold 12".
QString Text(int page, double x, double y, const QString& font, const QString& text) {
    return QString("%1 %2,%3 %4 %5").arg(page).arg(x).arg(y).arg(font, text);
}

QStringList Printed(const FakePrintSurface::Record& record) {
    QStringList texts;
    for (const auto& p : record.texts) {
        texts << Text(p.page, p.x, p.y, (p.bold ? "bold " : "") + QString::number(p.size), p.text);
    }
    return texts;
}

// "Page n" right-aligned in 10 pt (100 twips a character), the title centred
// in bold 12 pt (120 twips a character) on the same line.
QStringList Header(int page) {
    const QString pageText = QString("Page %1").arg(page);
    return {
        Text(page, PageWidth - 100.0 * static_cast<double>(pageText.size()), 200, "10", pageText),
        Text(page, (PageWidth - 120.0 * static_cast<double>(Title.size())) / 2, 200, "bold 12",
             Title)};
}

std::unique_ptr<QPrinter> PdfPrinter(const QString& path) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    printer->setPageSize(QPageSize(QPageSize::A4));
    return printer;
}

} // namespace

class TestSolutionSteps : public QObject {
    Q_OBJECT

private slots:
    void init() {
        fake.emplace();
        form.emplace(fake->Services());
        form->SetSteps("Turn front side clockwise\r\nTurn left side twice");
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(&*form));
    }

    void cleanup() {
        form.reset();
        fake.reset();
    }

    // One step a line, read-only; Tab goes from the list to Close, Save and
    // Print; Enter in the list closes.
    void showsTheStepsOnePerLineAndCloses() {
        QCOMPARE(Captions(*form, {"cmdClose", "cmdSave", "cmdPrint"}),
                 QString("Solution Steps|Close|Save|Print"));
        QCOMPARE(List().toPlainText(), QString("Turn front side clockwise\nTurn left side twice"));
        QVERIFY(List().isReadOnly() && List().verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn);
        QVERIFY(IsCentred(frmSolutionSteps(fake->Services())));
        QVERIFY(Child<QPushButton>(*form, "cmdClose").isDefault());
        for (const char* next : {"cmdClose", "cmdSave", "cmdPrint", "txtSteps"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QString(next));
        }
        QTest::keyClick(&List(), Qt::Key_Return);
        QVERIFY(!form->isVisible() && form->result() == QDialog::Accepted);
    }

    // Cancelled silently; failed (saying why, leaving nothing) into a missing
    // folder or a pipe; done: every line ends with "\r\n" and the old file is
    // replaced whole; an empty list gives an empty file. Afterwards Enter
    // closes the list again. (Links and permissions are the atomic save's.)
    void saveWritesEveryLineEndedByCarriageReturnLineFeed() {
        QTemporaryDir folder;
        const QString path = folder.filePath("Solution.txt");
        const QString fifo = folder.filePath("fifo.txt");
        const QString missing = folder.filePath("no/Solution.txt");
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write(QByteArray(500, 'x')) == 500);
        old.close();
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        fake->fileDialogs.saveAnswers = {std::nullopt, missing, fifo, path};
        for (int i = 0; i < 4; ++i) {
            Click(Child(*form, "cmdSave"));
            QCOMPARE(QApplication::focusWidget(), &List());
            QVERIFY(Child<QPushButton>(*form, "cmdClose").isDefault());
        }
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(),
                 QByteArray("Turn front side clockwise\r\nTurn left side twice\r\n"));
        const FileDialogOptions& asked = fake->fileDialogs.saveRequests.front();
        QCOMPARE(asked.strTitle + "|" + asked.strFileName + "|" + asked.strFilter + "|" +
                     asked.strDefaultSuffix,
                 QString("Save Completion Steps|Solution.txt|Text File (*.txt)|txt"));
        form->SetSteps(QString());
        fake->fileDialogs.saveAnswers = {path};
        Click(Child(*form, "cmdSave"));
        QCOMPARE(QFileInfo(path).size(), 0);
        QCOMPARE(
            QDir(folder.path())
                .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System | QDir::Hidden),
            (QStringList{"fifo.txt", "Solution.txt"}));
        QCOMPARE(Messages(fake->messageBoxes),
                 (QStringList{SaveFailure(missing, "No such file or directory"),
                              SaveFailure(fifo, "Not a regular file")}));
    }

    // Under the window's caption; a cancel says nothing, a printer that
    // cannot be used or fails at the end says so.
    void printLaysOutTheStepsAndReportsFailures() {
        auto surface = std::make_unique<FakePrintSurface>(9000, 4500);
        const auto printed = surface->record;
        auto failing = std::make_unique<FakePrintSurface>(9000, 4500);
        failing->endDocSucceeds = false;
        fake->printing.jobs.push_back({IPrinting::Status::Ready, std::move(surface), {}});
        fake->printing.jobs.push_back({IPrinting::Status::Cancelled, nullptr, {}});
        fake->printing.jobs.push_back({IPrinting::Status::Unavailable, nullptr, "No printer."});
        fake->printing.jobs.push_back({IPrinting::Status::Ready, std::move(failing), {}});
        form->setWindowTitle("Previous Steps");
        for (int i = 0; i < 4; ++i) {
            Click(Child(*form, "cmdPrint"));
        }
        QStringList texts;
        for (const auto& text : printed->texts) {
            texts << text.text;
        }
        QCOMPARE(texts, (QStringList{"Page 1", "Previous Steps", "1. Turn front side clockwise",
                                     "2. Turn left side twice"}));
        QCOMPARE(fake->printing.documentNames, QStringList(4, "Previous Steps"));
        QCOMPARE(Messages(fake->messageBoxes),
                 (QStringList{"!Turnix|The steps could not be printed.\n\nNo printer.",
                              "!Turnix|The steps could not be printed.\n\nThe printer or the "
                              "output file could not be written."}));
    }

    // The dialog starts in twips on a portrait page; a landscape page chosen
    // there gets the same columns, wider and shorter.
    void printLaysOutThePageTheUserChoseInTheDialog() {
        QStringList steps;
        for (int k = 1; k <= 60; ++k) {
            steps << QString("Step %1").arg(k);
        }
        form->SetSteps(steps.join("\r\n"));
        QStringList layouts;
        for (const std::optional<PrintOrientation> picked :
             {std::optional<PrintOrientation>{}, std::optional(PrintOrientation::Landscape),
              std::optional(PrintOrientation::Portrait)}) {
            auto surface = std::make_unique<FakePrintSurface>(6000, 9000);
            const auto printed = surface->record;
            fake->printing.jobs.push_back({IPrinting::Status::Ready, std::move(surface), {}});
            fake->printing.pickedOrientations.push_back(picked);
            Click(Child(*form, "cmdPrint"));
            // Where "Page 1" ends and where the right column starts, and how
            // many lines the left column holds.
            const auto& texts = printed->texts;
            const auto right = std::find_if(texts.begin(), texts.end(), [](const auto& t) {
                return t.x > 0 && t.text.contains(". ");
            });
            QVERIFY(right != texts.end());
            layouts << QString("%1 %2 %3")
                           .arg(texts.front().x + 600)
                           .arg(right->x)
                           .arg(right->text.section('.', 0, 0).toInt() - 1);
        }
        // 41 lines of 200 twips below the 680 of the header fit in 9000, and
        // 26 in 6000.
        QCOMPARE(layouts, (QStringList{"6000 3000 41", "9000 4500 26", "6000 3000 41"}));
        QVERIFY(fake->printing.startingSetups == std::vector<PageSetup>(3, StepsPageSetup));
        QVERIFY(fake->messageBoxes.shown.empty());
    }

    // The real dialog gets the printer in the starting orientation, and the
    // surface keeps what was chosen there; a cancel gives no surface.
    void theRealPrintingStartsTheDialogFromTheSettingsAndKeepsTheChoice_data() {
        QTest::addColumn<PageSetup>("start");
        QTest::addColumn<int>("picked"); // a QPageLayout::Orientation; -1: cancelled
        const PageSetup landscape{PrintScale::Twips, PrintOrientation::Landscape};
        QTest::newRow("landscape picked") << StepsPageSetup << int(QPageLayout::Landscape);
        QTest::newRow("portrait picked") << landscape << int(QPageLayout::Portrait);
        QTest::newRow("cancelled") << landscape << -1;
    }

    void theRealPrintingStartsTheDialogFromTheSettingsAndKeepsTheChoice() {
        QFETCH(PageSetup, start);
        QFETCH(int, picked);
        QTemporaryDir folder;
        std::optional<QPageLayout::Orientation> offered;
        QtPrinting printing([&](QPrinter& printer, QWidget*) {
            offered = printer.pageLayout().orientation();
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(folder.filePath("chosen.pdf"));
            printer.setPageSize(QPageSize(QPageSize::A4));
            if (picked >= 0) {
                printer.setPageOrientation(QPageLayout::Orientation(picked));
            }
            return picked >= 0;
        });
        const IPrinting::Job job = printing.BeginDocument(nullptr, Title, start);
        QCOMPARE(offered, std::optional(start.orientation == PrintOrientation::Landscape
                                            ? QPageLayout::Landscape
                                            : QPageLayout::Portrait));
        QCOMPARE(job.status, picked >= 0 ? IPrinting::Status::Ready : IPrinting::Status::Cancelled);
        if (job.surface) {
            const bool wide = picked == QPageLayout::Landscape;
            QCOMPARE(job.surface->ScaleWidth() > job.surface->ScaleHeight(), wide);
            // Twips: an A4 sheet is 11906 by 16838, less the margins.
            const double across = wide ? 16838 : 11906;
            QVERIFY(job.surface->ScaleWidth() < across &&
                    job.surface->ScaleWidth() > across - 2000);
        }
    }

    // Numbering runs on from the left column to the right and onto page 2.
    void stepsFillTheLeftColumnThenTheRightThenANewPageWithItsHeader() {
        FakePrintSurface surface(PageWidth, PageHeight);
        QStringList steps;
        QStringList expected = Header(1);
        for (int k = 1; k <= 40; ++k) {
            steps << QString("Step %1").arg(k);
            expected << (k == 39 ? Header(2) : QStringList());
            const double x = (k - 1) % 38 < 19 ? 0 : PageWidth / 2;
            expected << Text(k <= 38 ? 1 : 2, x, ListTop + (k - 1) % 38 % 19 * 200, "10",
                             QString("%1. Step %1").arg(k));
        }
        QVERIFY(PrintSteps(surface, Title, steps.join("\r\n")));
        QCOMPARE(Printed(*surface.record), expected);
        QCOMPARE(surface.record->endDocCalls, 1);

        FakePrintSurface empty(PageWidth, PageHeight);
        QVERIFY(PrintSteps(empty, Title, QString()));
        QCOMPARE(Printed(*empty.record), Header(1));
    }

    // Twips, and a text cursor that moves on like a line printer's.
    void theRealSurfaceMeasuresInTwips() {
        QTemporaryDir folder;
        auto printer = PdfPrinter(folder.filePath("area.pdf"));
        const double width = printer->pageRect(QPrinter::Inch).width() * 1440;
        QtPrintSurface surface(std::move(printer));
        surface.SetScaleMode(StepsPageSetup.scale);
        surface.SetOrientation(StepsPageSetup.orientation);
        QVERIFY(qAbs(surface.ScaleWidth() - width) < 10); // whole device pixels
        surface.SetFont(true, 10);
        QVERIFY(surface.TextHeight("X") > 180 && surface.TextHeight("X") < 400);
        surface.SetCurrentX(720);
        surface.SetCurrentY(1440);
        surface.Print("Page ", false);
        QCOMPARE(qRound(surface.CurrentX()), qRound(720 + surface.TextWidth("Page ")));
        surface.Print("1");
        QCOMPARE(surface.CurrentX(), 0.0);
        QCOMPARE(qRound(surface.CurrentY()), qRound(1440 + surface.TextHeight("X")));
    }

    // Printing fails, rather than claiming success, when the file cannot be
    // written.
    void theRealSurfacePrintsToAPdfOfSeveralPages() {
        QTemporaryDir folder;
        const QString steps = QStringList(300, "Turn front side clockwise").join("\r\n");
        for (const QString& path : {folder.filePath("Steps.pdf"), folder.filePath("no/x.pdf")}) {
            QtPrintSurface surface(PdfPrinter(path));
            QCOMPARE(PrintSteps(surface, Title, steps), !path.contains("no/"));
        }
        QFile pdf(folder.filePath("Steps.pdf"));
        QVERIFY(pdf.open(QIODevice::ReadOnly) && pdf.read(4) == "%PDF");
        const QString pages = QRegularExpression("/Count (\\d+)").match(pdf.readAll()).captured(1);
        QVERIFY2(pages.toInt() >= 2,
                 qPrintable(pages)); // 300 lines need more than one
        QVERIFY(!QFile::exists(folder.filePath("no/x.pdf")));
    }

private:
    QPlainTextEdit& List() { return Child<QPlainTextEdit>(*form, "txtSteps"); }

    std::optional<FakePlatform> fake;
    std::optional<frmSolutionSteps> form;
};

QTEST_MAIN(TestSolutionSteps)
#include "test_frmSolutionSteps.moc"
