#include "FakePrintSurface.h"
#include "StepsPrinter.h"

#include <QStringList>
#include <QtTest>

using namespace turnix;
using test::FakePrintSurface;

namespace {

// 9000 twips wide; 4500 high, so that below the 680 twips of the header the
// left column holds 19 lines of 200 twips.
constexpr double PageWidth = 9000;
constexpr double PageHeight = 4500;
constexpr double ListTop = 680;
constexpr double LineHeight = 200;
constexpr double ColumnWidth = PageWidth / 2;
const QString Title = QStringLiteral("Steps to Completion");

QString NumberedSteps(int count) {
    QStringList lines;
    for (int k = 1; k <= count; ++k) {
        lines << QStringLiteral("Step %1").arg(k);
    }
    return lines.join(QStringLiteral("\r\n"));
}

void CheckText(const FakePrintSurface::PrintedText& actual, int page, double x, double y, bool bold,
               int size, const QString& text) {
    QCOMPARE(actual.text, text);
    QCOMPARE(actual.page, page);
    QCOMPARE(actual.x, x);
    QCOMPARE(actual.y, y);
    QCOMPARE(actual.bold, bold);
    QCOMPARE(actual.size, size);
    QVERIFY(actual.endLine);
}

// "Page n" right-aligned in 10 pt (100 twips a character), the title centred
// in bold 12 pt (120 twips a character) on the same line.
void CheckHeader(const std::vector<FakePrintSurface::PrintedText>& texts, std::size_t at,
                 int page) {
    const QString pageText = QStringLiteral("Page %1").arg(page);
    CheckText(texts.at(at), page, PageWidth - 100.0 * pageText.size(), 200, false, 10, pageText);
    CheckText(texts.at(at + 1), page, (PageWidth - 120.0 * Title.size()) / 2, 200, true, 12, Title);
}

} // namespace

class TestStepsPrinter : public QObject {
    Q_OBJECT

private slots:
    void headerLeavesEmptyLinesAroundPageNumberAndTitleAndRestoresTheFont() {
        FakePrintSurface surface(PageWidth, PageHeight);
        surface.SetFont(false, 10);
        PrintPageHeader(surface, Title, 3);

        const auto& printed = surface.record->printed;
        QCOMPARE(printed.size(), std::size_t{4});
        CheckText(printed[0], 1, 0, 0, false, 10, QString());
        CheckText(printed[1], 1, 8400, 200, false, 10, QStringLiteral("Page 3"));
        CheckText(printed[2], 1, 3360, 200, true, 12, Title);
        CheckText(printed[3], 1, 0, 440, true, 12, QString());
        QCOMPARE(surface.CurrentX(), 0.0);
        QCOMPARE(surface.CurrentY(), ListTop);
        QCOMPARE(surface.FontBold(), false);
        QCOMPARE(surface.FontSize(), 10);
    }

    void headerPrintsThePageNumberInWhateverFontItFinds() {
        FakePrintSurface surface(PageWidth, PageHeight);
        surface.SetFont(true, 8);
        PrintPageHeader(surface, QStringLiteral("Previous Steps"), 12);

        const auto texts = surface.record->Texts();
        QCOMPARE(texts.size(), std::size_t{2});
        CheckText(texts[0], 1, PageWidth - 7 * 80, 160, true, 8, QStringLiteral("Page 12"));
        QCOMPARE(texts[1].bold, true);
        QCOMPARE(texts[1].size, 12);
        QCOMPARE(surface.FontBold(), true);
        QCOMPARE(surface.FontSize(), 8);
    }

    void stepsFillTheLeftColumnThenTheRightThenANewPageWithItsHeader() {
        FakePrintSurface surface(PageWidth, PageHeight);
        QVERIFY(PrintSteps(surface, Title, NumberedSteps(40), PrintScaleTwips, PrintPortrait));

        QCOMPARE(surface.record->scaleModes, std::vector<int>{1});
        QCOMPARE(surface.record->orientations, std::vector<int>{1});
        QCOMPARE(surface.record->endDocCalls, 1);
        QCOMPARE(surface.record->page, 2);

        const auto texts = surface.record->Texts();
        QCOMPARE(texts.size(), std::size_t{2 + 38 + 2 + 2});
        CheckHeader(texts, 0, 1);
        for (int k = 1; k <= 40; ++k) {
            const QString line = QStringLiteral("%1. Step %1").arg(k);
            if (k <= 19) {
                CheckText(texts.at(1 + k), 1, 0, ListTop + (k - 1) * LineHeight, false, 10, line);
            } else if (k <= 38) {
                CheckText(texts.at(1 + k), 1, ColumnWidth, ListTop + (k - 20) * LineHeight, false,
                          10, line);
            } else {
                CheckText(texts.at(3 + k), 2, 0, ListTop + (k - 39) * LineHeight, false, 10, line);
            }
        }
        CheckHeader(texts, 40, 2);
    }

    void oneLinePrintsOneNumberedLineBelowTheHeader() {
        FakePrintSurface surface(PageWidth, PageHeight);
        QVERIFY(PrintSteps(surface, Title, QStringLiteral("Turn front side clockwise"), 1, 1));

        const auto texts = surface.record->Texts();
        QCOMPARE(texts.size(), std::size_t{3});
        CheckHeader(texts, 0, 1);
        CheckText(texts[2], 1, 0, ListTop, false, 10,
                  QStringLiteral("1. Turn front side clockwise"));
        QCOMPARE(surface.record->endDocCalls, 1);
    }

    void emptyListPrintsTheHeaderAlone() {
        FakePrintSurface surface(PageWidth, PageHeight);
        QVERIFY(PrintSteps(surface, Title, QString(), 1, 1));

        const auto texts = surface.record->Texts();
        QCOMPARE(texts.size(), std::size_t{2});
        CheckHeader(texts, 0, 1);
        QCOMPARE(surface.record->endDocCalls, 1);
    }

    void aFailedEndOfDocumentIsReported() {
        FakePrintSurface surface(PageWidth, PageHeight);
        surface.endDocSucceeds = false;
        QVERIFY(!PrintSteps(surface, Title, NumberedSteps(3), 1, 1));
        QCOMPARE(surface.record->endDocCalls, 1);
    }
};

QTEST_MAIN(TestStepsPrinter)
#include "test_StepsPrinter.moc"
