#include "rtf/RtfReader.h"

#include <QAbstractTextDocumentLayout>
#include <QSignalSpy>
#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>
#include <algorithm>
#include <cmath>
#include <random>

using namespace turnix;

namespace {

// The paragraphs joined by "\n", kept as they are (toPlainText would turn
// line separators and no-break spaces into plain ones). With details, each
// paragraph starts with its alignment, left, right and first-line indents,
// space before and after and tab stops, in pixels, and each run of text ends
// with what sets it apart from plain 12 pt text in the view's font and colour.
QString Read(const QByteArray& rtf, bool details = false) {
    QTextDocument document;
    RtfReader::Read(rtf, document);
    QStringList paragraphs;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextBlockFormat p = block.blockFormat();
        const QList<QTextOption::Tab> tabs = p.tabPositions();
        const Qt::Alignment a = p.alignment();
        QString text =
            QString("<%1 %2 %3 %4 %5 %6%7>")
                .arg(a == Qt::AlignHCenter   ? "centre"
                     : a == Qt::AlignRight   ? "right"
                     : a == Qt::AlignJustify ? "justify"
                                             : "left")
                .arg(p.leftMargin())
                .arg(p.rightMargin())
                .arg(p.textIndent())
                .arg(p.topMargin())
                .arg(p.bottomMargin())
                .arg(tabs.isEmpty() ? QString() : QString(" tab %1").arg(tabs[0].position));
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            QStringList marks{QString(f.fontWeight() >= QFont::Bold ? "b" : "") +
                              (f.fontItalic() ? "i" : "") + (f.fontUnderline() ? "u" : "") +
                              (f.fontStrikeOut() ? "s" : "")};
            marks << (f.fontPointSize() != 12.0 ? QString::number(f.fontPointSize()) : "")
                  << f.fontFamilies().toStringList().join(',')
                  << (f.hasProperty(QTextFormat::ForegroundBrush) ? f.foreground().color().name()
                                                                  : "");
            marks.removeAll("");
            text += it.fragment().text() + (marks.isEmpty() ? "|" : "[" + marks.join(' ') + "]|");
        }
        paragraphs << (details ? text : block.text());
    }
    return paragraphs.join('\n');
}

// Qt lays out a document without pages as one page this tall, in pixels;
// laying out a line below it never ends.
constexpr qreal LayoutLimit = 8'388'607;

// The most height the document can take at any width, when its fonts hold
// all its characters: every character on a line of its own (a line break
// alone on one as tall as its paragraph's font), one more line for each
// paragraph, and the paragraphs' spacing.
qreal MostHeight(const QTextDocument& document) {
    const auto lineOf = [&document](const QTextCharFormat& format) {
        const QFont font = format.font().resolve(document.defaultFont());
        return std::ceil(QFontMetricsF(font).lineSpacing()) + 1;
    };
    qreal height = 2 * document.documentMargin();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextBlockFormat format = block.blockFormat();
        const qreal blockLine = lineOf(block.charFormat());
        height += format.topMargin() + format.bottomMargin() + blockLine;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const qreal line = lineOf(it.fragment().charFormat());
            const auto breaks = it.fragment().text().count(QChar::LineSeparator);
            height += qreal(it.fragment().length() - breaks) * line +
                      qreal(breaks) * std::max(line, blockLine);
        }
    }
    return height;
}

} // namespace

class TestRtfReader : public QObject {
    Q_OBJECT

private slots:
    void readsTheText_data() {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("text"); // paragraphs joined by "\n"
        const auto row = [](const char* name, const QByteArray& rtf, const char* text) {
            QTest::newRow(name) << rtf << QString::fromUtf8(text);
        };
        row("paragraphs, lines, tabs",
            "{\\rtf1\\ansi One\\par Two\\line half\\tab tab\\par\n\rThree}",
            "One\nTwo\u2028half\ttab\nThree");
        row("other breaks", "{\\rtf1 a\\\nb\\page c\\sect d}", "a\nb\nc\nd");
        row("empty", "", "");
        row("escapes", "{\\rtf1 caf\\'e9 \\'80\\'96\\'8d \\{x\\} a\\\\b n\\~b h\\-y\\_z}",
            "café €– {x} a\\b n\u00a0b hy\u2011z");
        row("special characters",
            "{\\rtf1 \\bullet\\emdash\\endash\\lquote\\rquote\\ldblquote\\rdblquote\\enspace"
            "\\emspace}",
            "•—–‘’“”\u2002\u2003");
        row("bad hex", "{\\rtf1 \\'4 x\\'zz}", " xzz");
        row("unicode", "{\\rtf1 \\u8364?a\\u-10179?\\u-8704?b}", "€a😀b");
        row("unicode fallbacks", "{\\rtf1\\uc2 \\u233\\'65\\'27x{\\uc0\\u233 y}\\u233 ez}",
            "éxéyé");
        row("no fallback", "{\\rtf1 \\u233\\b fallback\\b0  bold? no}", "éfallback bold? no");
        row("unicode ends a group", "{\\rtf1 {\\u233}x}", "éx");
        row("lone surrogates", "{\\rtf1 a\\u-10179?b\\u-8704?c}", "abc");
        row("destinations",
            "{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red1;}{\\stylesheet{\\s1 Heading;}}"
            "{\\info{\\title T}{\\author A}}{\\*\\generator G;}{\\*\\unknown {nested} text}"
            "{\\unknownword kept}{\\pict\\wmetafile8 0102ff}{\\header h}{\\footer f}"
            "{\\field{\\*\\fldinst HYPERLINK x}{\\fldrslt link}}{\\pntext \\'b7\\tab}shown}",
            "keptlink·\tshown");
        row("binary", "{\\rtf1 a{\\pict\\bin6 }}{{\\{}b}", "ab");
        row("negative binary", "{\\rtf1 a\\bin-5 b}", "ab");
        row("endless binary", "{\\rtf1 a\\bin99999999999999 b}", "a");
        row("after the document", "{\\rtf1 in}out{\\rtf1 second}", "in");
        row("unbalanced", "}}{\\rtf1 a}}}", "a");
        row("not rtf", "plain text, no rtf", "plain text, no rtf");
        for (const char* cut : {"\\b", "\\", "\\'", "\\u"}) {
            row(cut, QByteArray("{\\rtf1 abc") + cut, "abc");
        }
        row("cut in groups", "{\\rtf1 {\\b abc {\\i def", "abc def");
        row("cut in the font table", "{\\rtf1{\\fonttbl{\\f0 Ari", "");
        row("control bytes", QByteArray("{\\rtf1 a\0b\x01\x7f\x1b c}", 16), "ab c");
        const int limit = RtfReader::MaxDepth;
        row("nested to the limit",
            "{\\rtf1 a" + QByteArray(limit - 1, '{') + "in" + QByteArray(limit - 1, '}') + "b}",
            "ainb");
        row("nested beyond",
            "{\\rtf1 a" + QByteArray(limit, '{') + "deep\\}\\{{x}" + QByteArray(limit, '}') + "b}",
            "ab");
        row("nested far beyond",
            "{\\rtf1 a" + QByteArray(200000, '{') + "x" + QByteArray(200000, '}') + "b}", "ab");
        row("never closed", "{\\rtf1 a" + QByteArray(200000, '{'), "a");
        // Toggles end with their group; \\plain ends them all.
        row("character formats",
            "{\\rtf1 n {\\b b {\\i bi\\b0  i}}\\ul u\\ulnone  \\strike s\\strike0 "
            "\\ul\\b\\i x\\plain  p}",
            "<left 0 0 0 0 0>n |b [b]|bi[bi]| i[i]|u[u]| |s[s]|x[biu]| p|");
        // What a paragraph or a letter can ask for: spacing up to an inch,
        // indents up to 20 inches, sizes from 1 pt to 144 pt.
        row("spacing, indents and sizes in range",
            "{\\rtf1 \\sb1440\\sa1\\li28800\\ri15\\fi-28800\\fs288 a\\fs2 b}",
            "<left 1920 1 -1920 96 0.0666667 tab 1920>a[144]|b[1]|");
        row("spacing, indents and sizes beyond",
            "{\\rtf1 \\sb1441\\sa99999999999\\li28801\\ri99999\\fi-28801\\fs289 a\\fs1 b"
            "\\par\\sb-1\\sa-99999\\li-1\\ri-28801\\fi28801\\fs-5 c}",
            "<left 1920 1920 -1920 96 96 tab 1920>a[144]|b[1]|\n<left 0 0 1920 0 0>c[1]|");
        row("toggles with 0 and 1", "{\\rtf1 \\ul u\\ul0 n\\ul1 u\\ul0\\b1 b\\b0\\i1 i\\i0 n}",
            "<left 0 0 0 0 0>u[u]|n|u[u]|b[b]|i[i]|n|");
        // Tables read after some text still count for the text after them.
        row("tables after the text",
            "{\\rtf1 {\\f1 a}{\\b b}{\\fonttbl{\\f1 Courier;}}{\\f1 c}{\\cf1 d}{\\ul e}"
            "{\\colortbl;\\red255\\green0\\blue0;}{\\cf1 f}g{\\i h}\\deff1 i}",
            "<left 0 0 0 0 0>a|b[b]|c[Courier]|d|e[u]|f[#ff0000]|g|h[i Courier]|i[Courier]|");
    }

    // With details when the expected text starts with them.
    void readsTheText() {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, text);
        QCOMPARE(Read(rtf, text.startsWith('<')), text);
    }

    // A zero-width space lets a view wrap a long run of text, never inside a
    // character nor before a mark; spaces, tabs and line breaks reset the count.
    void breaksLongRunsOfText_data() {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("text");
        const int limit = RtfReader::MaxUnbrokenText;
        const QString a(limit, 'a');
        const QString zwsp(QChar(0x200B));
        QTest::newRow("long word") << ("{\\rtf1 " + QByteArray(limit * 2 + 50, 'a') + "}")
                                   << a + zwsp + a + zwsp + QString(50, 'a');
        QTest::newRow("words") << ("{\\rtf1 " + QByteArray(limit - 1, 'a') + " " +
                                   QByteArray(limit - 1, 'b') + "\\tab " + QByteArray(limit, 'c') +
                                   "\\line " + QByteArray(limit, 'd') + "}")
                               << a.left(limit - 1) + " " + QString(limit - 1, 'b') + "\t" +
                                      QString(limit, 'c') + QChar(0x2028) + QString(limit, 'd');
        QTest::newRow("a run across formats")
            << ("{\\rtf1 " + QByteArray(limit - 1, 'a') + "{\\b bc}}")
            << a.left(limit - 1) + "b" + zwsp + "c";
        QTest::newRow("a mark") << ("{\\rtf1 " + QByteArray(limit, 'a') + "\\u769?b}")
                                << a + QChar(0x0301) + zwsp + "b";
        QTest::newRow("a surrogate pair")
            << ("{\\rtf1 " + QByteArray(limit - 1, 'a') + "\\u-10179?\\u-8704?b}")
            << a.left(limit - 1) + QString::fromUtf8("😀") + zwsp + "b";
        QTest::newRow("a new paragraph")
            << ("{\\rtf1 " + QByteArray(limit, 'a') + "\\par " + QByteArray(limit, 'a') + "}")
            << a + "\n" + a;
    }

    void breaksLongRunsOfText() {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, text);
        QCOMPARE(Read(rtf), text);
    }

    // A paragraph that has grown too long goes on in a new one of the same
    // format, after a space or where a long word gets its break.
    void splitsOverlongParagraphs() {
        const int limit = RtfReader::MaxParagraphText;
        for (const QByteArray& word : {QByteArray("word "), QByteArray("a")}) {
            const QByteArray text = word.repeated(limit * 5 / 2 / word.size());
            QTextDocument document;
            RtfReader::Read("{\\rtf1\\qc " + text + "\\par\\pard end}", document);
            QStringList paragraphs;
            for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
                QVERIFY(block.blockFormat().alignment() ==
                        (block.next().isValid() ? Qt::AlignHCenter : Qt::AlignLeft));
                paragraphs << block.text().remove(QChar(0x200B));
            }
            const QString part = QString::fromLatin1(text.left(limit));
            QCOMPARE(paragraphs, QStringList({part, part, part.left(limit / 2), "end"}));
        }
    }

    // Each character is charged a line of its own, and each paragraph break a
    // line and its spacing: two ems of the font, never less than at 12 pt
    // (480 twips), and for a line break at least its paragraph's. The
    // document ends where the charges would pass MaxHeight; nothing after
    // that is read.
    void endsWhereItWouldGrowTooTallToLayOut_data() {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("counted"); // what to count; empty: paragraph breaks
        QTest::addColumn<qint64>("kept");
        const auto row = [](const char* name, const QByteArray& head, const QByteArray& unit,
                            const char* counted, qint64 unitTwips, qint64 headTwips = 0) {
            QTest::newRow(name) << "{\\rtf1" + head + " " + unit.repeated(70'000) + "\\par end}"
                                << QString::fromUtf8(counted)
                                << (RtfReader::MaxHeight - headTwips) / unitTwips;
        };
        // 62,494 letters go on in six new paragraphs.
        row("letters at 12 pt", "", "x", "x", 480, qint64{6} * 480);
        row("letters at 144 pt", "\\fs288", "x", "x", 5760);
        row("letters at 1 pt as at 12 pt", "\\fs2", "x", "x", 480, qint64{6} * 480);
        row("hidden letters for nothing", "", "{\\v h}x", "x", 480, qint64{6} * 480);
        row("paragraphs", "", "\\par ", "", 480);
        row("paragraphs at 144 pt", "\\fs288", "\\par ", "", 5760);
        row("paragraphs spaced", "\\sb1440\\sa1440", "\\par ", "", 480 + 2 * 1440);
        row("paragraphs spaced beyond", "\\sb99999\\sa99999", "\\par ", "", 480 + 2 * 1440);
        row("line breaks", "\\fs2", "\\line ", "\u2028", 480);
        row("line breaks in a 144 pt paragraph", "\\fs288\\par\\fs2", "\\line ", "\u2028", 5760,
            5760);
        row("line breaks at 144 pt", "\\fs288", "\\line ", "\u2028", 5760);
    }

    void endsWhereItWouldGrowTooTallToLayOut() {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, counted);
        QFETCH(qint64, kept);
        QTextDocument document;
        RtfReader::Read(rtf, document);
        const QString text = document.toRawText();
        QCOMPARE(counted.isEmpty() ? text.count(QChar::ParagraphSeparator) : text.count(counted),
                 kept);
        QVERIFY(!text.endsWith("end"));
    }

    // The documents that once froze the instructions window, and the tallest
    // the charges allow, all in a text column narrower than the window's
    // narrowest (about 56 px), where most letters stand on lines of their own.
    void noDocumentGrowsTooTallToLayOut_data() {
        QTest::addColumn<QByteArray>("rtf");
        const auto row = [](const char* name, const QByteArray& head, const QByteArray& unit,
                            int repeats) {
            QTest::newRow(name) << "{\\rtf1" + head + " " + unit.repeated(repeats) + "}";
        };
        row("spaced paragraphs", "", "\\sb28800 x\\par ", 5'000);
        row("8 MB of paragraphs", "", "\\par", 2'000'000);
        row("spaced paragraphs at 144 pt", "\\fs288\\sb28800\\sa28800", "\\par ", 100'000);
        row("words at 144 pt", "\\fs288", "x ", 100'000);
        row("line breaks at 1 pt in a 144 pt paragraph", "\\fs288\\par\\fs2", "\\line ", 100'000);
        row("line breaks at 1 pt", "\\fs2", "\\line ", 100'000);
    }

    void noDocumentGrowsTooTallToLayOut() {
        QFETCH(QByteArray, rtf);
        QTextDocument document;
        // The charges cannot know the view's font, which may be large.
        document.setDefaultFont(QFont(document.defaultFont().family(), 72));
        QTextOption wrapAnywhere;
        wrapAnywhere.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        document.setDefaultTextOption(wrapAnywhere);
        RtfReader::Read(rtf, document);
        // Checked before the layout, which would never end past the limit.
        const qreal most = MostHeight(document);
        QVERIFY2(most < LayoutLimit / 4, qPrintable(QString::number(most)));
        document.setTextWidth(40);
        QVERIFY(document.documentLayout()->documentSize().height() <= most);
    }

    // A view lays out each change of its document; a change that covers the
    // whole document it lays out lazily, a screen at a time.
    void replacesALaidOutDocumentInOneChange() {
        QTextDocument document;
        document.setTextWidth(400);
        static_cast<void>(document.documentLayout());
        RtfReader::Read("{\\rtf1 old\\par text}", document);
        for (const int runs : {1, 1000}) {
            QSignalSpy changes(&document, &QTextDocument::contentsChange);
            RtfReader::Read("{\\rtf1 " + QByteArray("\\b a\\b0 b").repeated(runs) + "\\par x}",
                            document);
            QVERIFY(document.characterCount() > runs * 2);
            QCOMPARE(changes.size(), 2); // the old text removed, then the new one in
            QCOMPARE(changes.last(), QVariantList({0, 0, document.characterCount()}));
        }
    }

    // Every input gives a document no larger than the input, without a crash
    // or a hang: a good document cut short at random places, with random
    // bytes and RTF tokens, deep nesting among them, thrown in anywhere.
    void survivesThousandsOfRandomInputs() {
        std::mt19937 random(20240607);
        const QByteArray sample =
            "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1 Courier;}}"
            "{\\colortbl;\\red255\\green0\\blue0;}{\\*\\generator x;}\\pard\\qc\\b\\fs32 "
            "Title\\b0\\par\\pard\\li360\\fi-240\\bullet\\tab {\\i item} \\'e9\\u8364? "
            "{\\cf1\\ul red}\\line{\\pict\\bin3 {{}}\\uc2\\u233 xx{\\field{\\*\\fldinst a}"
            "{\\fldrslt b}}\\par}";
        const std::array<QByteArray, 14> tokens{
            "{",    "}",     "\\par ", "\\b",       "\\'",   "\\'e9",       "\\u-3 ",
            "\\uc", "\\bin", "\\*",    "\\fonttbl", "\\red", "99999999999", QByteArray(150, '{')};
        QTextDocument document;
        for (int round = 0; round < 3000; ++round) {
            // A place in 0..size, both ends included.
            const auto anyPlace = [&random](qsizetype size) {
                return std::uniform_int_distribution<qsizetype>(0, size)(random);
            };
            QByteArray input = sample.left(anyPlace(sample.size()));
            for (int i = round % 100; i > 0; --i) {
                input.insert(anyPlace(input.size()),
                             random() % 2 == 0 ? QByteArray(1, static_cast<char>(random()))
                                               : tokens.at(random() % tokens.size()));
            }
            RtfReader::Read(input, document);
            QVERIFY2(document.characterCount() <= input.size() + 1,
                     input.toPercentEncoding().constData());
        }
    }
};

QTEST_MAIN(TestRtfReader)
#include "test_RtfReader.moc"
