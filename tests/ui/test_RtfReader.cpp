#include "RtfReader.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>
#include <random>

using namespace turnix;

namespace {

struct Run {
    QString text;
    QTextCharFormat format;
};

QStringList Blocks(const QTextDocument& document) {
    QStringList texts;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        texts << block.text();
    }
    return texts;
}

QList<Run> Runs(const QTextDocument& document) {
    QList<Run> runs;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            runs.append({it.fragment().text(), it.fragment().charFormat()});
        }
    }
    return runs;
}

// The run that holds text, which must be exactly one run.
QTextCharFormat FormatOf(const QTextDocument& document, const QString& text) {
    for (const Run& run : Runs(document)) {
        if (run.text == text) {
            return run.format;
        }
    }
    qFatal("No run \"%s\"", qPrintable(text));
}

QTextBlockFormat BlockFormatOf(const QTextDocument& document, const QString& text) {
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.text() == text) {
            return block.blockFormat();
        }
    }
    qFatal("No block \"%s\"", qPrintable(text));
}

QStringList Read(const QByteArray& rtf) {
    QTextDocument document;
    RtfReader::Read(rtf, document);
    return Blocks(document);
}

QString ReadText(const QByteArray& rtf) {
    return Read(rtf).join(u'\n');
}

} // namespace

class TestRtfReader : public QObject {
    Q_OBJECT

private slots:
    void paragraphsLineBreaksAndTabs() {
        QCOMPARE(
            Read("{\\rtf1\\ansi One\\par Two\\line half\\tab tab\\par\n\rThree}"),
            (QStringList{"One", QString("Two") + QChar::LineSeparator + "half\ttab", "Three"}));
        QCOMPARE(Read("{\\rtf1 a\\\nb\\page c\\sect d}"), (QStringList{"a", "b", "c", "d"}));
        QCOMPARE(Read(""), QStringList{""});
    }

    void boldItalicUnderlineAndStrikeToggleAndEndWithTheirGroup() {
        QTextDocument document;
        RtfReader::Read("{\\rtf1 n {\\b b {\\i bi\\b0  i}}\\ul u\\ulnone  \\strike s\\strike0 "
                        "\\ul\\b\\i x\\plain  p}",
                        document);
        QCOMPARE(Blocks(document), QStringList{"n b bi iu sx p"});
        const auto format = [&document](const char* text) {
            return FormatOf(document, text);
        };
        QCOMPARE(format("n ").fontWeight(), int(QFont::Normal));
        QCOMPARE(format("b ").fontWeight(), int(QFont::Bold));
        QVERIFY(!format("b ").fontItalic());
        QCOMPARE(format("bi").fontWeight(), int(QFont::Bold));
        QVERIFY(format("bi").fontItalic());
        QCOMPARE(format(" i").fontWeight(), int(QFont::Normal));
        QVERIFY(format(" i").fontItalic());
        QVERIFY(format("u").fontUnderline());
        QVERIFY(!format("u").fontItalic());
        QVERIFY(format("s").fontStrikeOut());
        QVERIFY(format("x").fontUnderline() && format("x").fontItalic());
        QCOMPARE(format("x").fontWeight(), int(QFont::Bold));
        const QTextCharFormat plain = format(" p");
        QVERIFY(!plain.fontUnderline() && !plain.fontItalic() && !plain.fontStrikeOut());
        QCOMPARE(plain.fontWeight(), int(QFont::Normal));
    }

    void fontSizesFontsAndColorsComeFromTheirTables() {
        QTextDocument document;
        RtfReader::Read("{\\rtf1\\deff1{\\fonttbl{\\f0\\froman Times New Roman;}"
                        "{\\f1\\fswiss{\\*\\panose 020b}Arial;}\\f2 Courier;}"
                        "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue128;}"
                        "d{\\fs36 big}{\\f0 times}{\\f2 courier}{\\f9 unknown}"
                        "{\\cf1 red}{\\cf2\\fs16 navy}{\\cf0 auto}{\\cf7\\fs30 missing}\\fs21 odd}",
                        document);
        QCOMPARE(Blocks(document), QStringList{"dbigtimescourierunknownrednavyautomissingodd"});
        QCOMPARE(FormatOf(document, "d").fontPointSize(), 12.0);
        QCOMPARE(FormatOf(document, "d").fontFamilies().toStringList(), QStringList{"Arial"});
        QCOMPARE(FormatOf(document, "big").fontPointSize(), 18.0);
        QCOMPARE(FormatOf(document, "times").fontFamilies().toStringList(),
                 QStringList{"Times New Roman"});
        QCOMPARE(FormatOf(document, "courier").fontFamilies().toStringList(),
                 QStringList{"Courier"});
        QCOMPARE(FormatOf(document, "unknown").fontFamilies().toStringList(), QStringList{"Arial"});
        QCOMPARE(FormatOf(document, "red").foreground().color(), QColor(255, 0, 0));
        QCOMPARE(FormatOf(document, "navy").foreground().color(), QColor(0, 0, 128));
        QCOMPARE(FormatOf(document, "navy").fontPointSize(), 8.0);
        QVERIFY(!FormatOf(document, "auto").hasProperty(QTextFormat::ForegroundBrush));
        QVERIFY(!FormatOf(document, "missing").hasProperty(QTextFormat::ForegroundBrush));
        QCOMPARE(FormatOf(document, "odd").fontPointSize(), 10.5);
    }

    void alignmentIndentsAndSpacingBelongToTheParagraph() {
        QTextDocument document;
        RtfReader::Read("{\\rtf1\\qc centred\\par\\qr right\\par\\pard\\qj just\\par "
                        "\\pard\\li720\\ri300\\fi-360\\sb150\\sa75 indented\\par\\pard plain}",
                        document);
        QCOMPARE(BlockFormatOf(document, "centred").alignment(), Qt::AlignHCenter);
        QCOMPARE(BlockFormatOf(document, "right").alignment(), Qt::AlignRight);
        QCOMPARE(BlockFormatOf(document, "just").alignment(), Qt::AlignJustify);
        const QTextBlockFormat indented = BlockFormatOf(document, "indented");
        QCOMPARE(indented.alignment(), Qt::AlignLeft);
        QCOMPARE(indented.leftMargin(), 48.0);
        QCOMPARE(indented.rightMargin(), 20.0);
        QCOMPARE(indented.textIndent(), -24.0);
        QCOMPARE(indented.topMargin(), 10.0);
        QCOMPARE(indented.bottomMargin(), 5.0);
        // A hanging first line tabs to the indent of the others.
        QCOMPARE(indented.tabPositions(),
                 QList<QTextOption::Tab>{QTextOption::Tab(24.0, QTextOption::LeftTab)});
        QCOMPARE(BlockFormatOf(document, "plain").leftMargin(), 0.0);
        QCOMPARE(BlockFormatOf(document, "plain").alignment(), Qt::AlignLeft);
    }

    void escapesAndSpecialCharacters() {
        QCOMPARE(ReadText("{\\rtf1 caf\\'e9 \\'80\\'96\\'8d \\{x\\} a\\\\b n\\~b h\\-y\\_z}"),
                 QString::fromUtf8("café €– {x} a\\b n\u00a0b hy\u2011z"));
        QCOMPARE(ReadText("{\\rtf1 \\bullet\\emdash\\endash\\lquote\\rquote\\ldblquote"
                          "\\rdblquote\\enspace\\emspace}"),
                 QString::fromUtf8("•—–‘’“”\u2002\u2003"));
        QCOMPARE(ReadText("{\\rtf1 \\'4 x\\'zz}"), QString(" xzz"));
    }

    void unicodeEscapesSkipTheirFallback() {
        QCOMPARE(ReadText("{\\rtf1 \\u8364?a\\u-10179?\\u-8704?b}"), QString::fromUtf8("€a😀b"));
        QCOMPARE(ReadText("{\\rtf1\\uc2 \\u233\\'65\\'27x{\\uc0\\u233 y}\\u233 ez}"),
                 QString::fromUtf8("éxéyé"));
        QCOMPARE(ReadText("{\\rtf1 \\u233\\b fallback\\b0  bold? no}"),
                 QString::fromUtf8("éfallback bold? no"));
        QCOMPARE(ReadText("{\\rtf1 {\\u233}x}"), QString::fromUtf8("éx"));
        // Lone surrogate halves have nothing to show.
        QCOMPARE(ReadText("{\\rtf1 a\\u-10179?b\\u-8704?c}"), QString("abc"));
    }

    void nonTextDestinationsAreSkipped() {
        QCOMPARE(ReadText("{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red1;}"
                          "{\\stylesheet{\\s1 Heading;}}{\\info{\\title T}{\\author A}}"
                          "{\\*\\generator G;}{\\*\\unknown {nested} text}{\\unknownword kept}"
                          "{\\pict\\wmetafile8 0102ff}{\\header h}{\\footer f}"
                          "{\\field{\\*\\fldinst HYPERLINK x}{\\fldrslt link}}"
                          "{\\pntext \\'b7\\tab}shown}"),
                 QString::fromUtf8("keptlink·\tshown"));
    }

    void binaryDataIsSkippedWhateverItHolds() {
        QCOMPARE(ReadText("{\\rtf1 a{\\pict\\bin6 }}{{\\{}b}"), QString("ab"));
        QCOMPARE(ReadText("{\\rtf1 a\\bin-5 b}"), QString("ab"));
        QCOMPARE(ReadText("{\\rtf1 a\\bin99999999999999 b}"), QString("a"));
    }

    void theDocumentEndsWithItsGroup() {
        QCOMPARE(ReadText("{\\rtf1 in}out{\\rtf1 second}"), QString("in"));
        QCOMPARE(ReadText("}}{\\rtf1 a}}}"), QString("a"));
        QCOMPARE(ReadText("plain text, no rtf"), QString("plain text, no rtf"));
    }

    void brokenInputKeepsWhatCameBeforeTheBreak() {
        QCOMPARE(ReadText("{\\rtf1 abc\\b"), QString("abc"));
        QCOMPARE(ReadText("{\\rtf1 abc\\"), QString("abc"));
        QCOMPARE(ReadText("{\\rtf1 abc\\'"), QString("abc"));
        QCOMPARE(ReadText("{\\rtf1 abc\\u"), QString("abc"));
        QCOMPARE(ReadText("{\\rtf1 {\\b abc {\\i def"), QString("abc def"));
        QCOMPARE(ReadText("{\\rtf1{\\fonttbl{\\f0 Ari"), QString());
        QCOMPARE(ReadText(QByteArray("{\\rtf1 a\0b\x01\x7f\x1b c}", 16)), QString("ab c"));
    }

    void hugeAndNegativeNumbersAreClamped() {
        QTextDocument document;
        RtfReader::Read(
            "{\\rtf1{\\fs99999999999999999999 big}{\\fs-7 small}{\\fs0\\b zero}"
            "{\\cf-3 c}{\\f-99999999999 f}\\li-99999999999\\fi99999999999 "
            "\\uc-4\\u99999999999 \\u-99999999 x\\uc9999999 \\u65 abcdefghijklmnopqrsty}",
            document);
        QCOMPARE(FormatOf(document, "big").fontPointSize(), 144.0);
        QCOMPARE(FormatOf(document, "small").fontPointSize(), 1.0);
        QCOMPARE(FormatOf(document, "zero").fontPointSize(), 1.0);
        QCOMPARE(Blocks(document), QStringList{"bigsmallzerocfxAqrsty"});
        const QTextBlockFormat block = document.begin().blockFormat();
        QCOMPARE(block.leftMargin(), 0.0);
        QCOMPARE(block.textIndent(), 20.0 * 1440 / 15);
    }

    void groupsBeyondTheDepthLimitAreSkippedWhole() {
        const int limit = RtfReader::MaxDepth;
        const QByteArray within = QByteArray(limit - 1, '{') + "in" + QByteArray(limit - 1, '}');
        QCOMPARE(ReadText("{\\rtf1 a" + within + "b}"), QString("ainb"));
        const QByteArray beyond = QByteArray(limit, '{') + "deep\\}\\{{x}" + QByteArray(limit, '}');
        QCOMPARE(ReadText("{\\rtf1 a" + beyond + "b}"), QString("ab"));
        const QByteArray abyss = QByteArray(200000, '{') + "x" + QByteArray(200000, '}');
        QCOMPARE(ReadText("{\\rtf1 a" + abyss + "b}"), QString("ab"));
        QCOMPARE(ReadText("{\\rtf1 a" + QByteArray(200000, '{')), QString("a"));
    }

    // Every input gives a document no larger than the input, without a crash
    // or a hang: random bytes, random RTF tokens, and a good document cut
    // short or damaged at random places.
    void survivesThousandsOfRandomInputs() {
        std::mt19937 random(20240607);
        const QByteArray sample =
            "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1 Courier;}}"
            "{\\colortbl;\\red255\\green0\\blue0;}{\\*\\generator x;}\\pard\\qc\\b\\fs32 "
            "Title\\b0\\par\\pard\\li360\\fi-240\\bullet\\tab {\\i item} \\'e9\\u8364? "
            "{\\cf1\\ul red}\\line{\\pict\\bin3 {{}}\\uc2\\u233 xx{\\field{\\*\\fldinst a}"
            "{\\fldrslt b}}\\par}";
        const std::array<QByteArray, 24> tokens{
            "{",     "}",         "\\par ",     "\\b",   "\\b0 ", "\\i ",   "\\ul",        "\\fs",
            "\\f1 ", "\\cf1 ",    "\\'",        "\\'e9", "\\u",   "\\u-3 ", "\\uc",        "\\bin",
            "\\*",   "\\fonttbl", "\\colortbl", "\\red", "text ", "-",      "99999999999", ";"};
        std::uniform_int_distribution<int> byte(0, 255);
        QTextDocument document;
        for (int round = 0; round < 3000; ++round) {
            QByteArray input;
            switch (round % 3) {
            case 0:
                for (int i = round % 400; i > 0; --i) {
                    input.append(static_cast<char>(byte(random)));
                }
                break;
            case 1:
                for (int i = round % 150; i > 0; --i) {
                    input.append(tokens.at(static_cast<std::size_t>(byte(random)) % tokens.size()));
                    if (byte(random) < 40) {
                        input.append(QByteArray::number(byte(random) * 1000 - 90000));
                    }
                }
                break;
            default:
                input = sample.left(byte(random) * sample.size() / 255);
                for (int i = input.isEmpty() ? 0 : byte(random) % 6; i > 0; --i) {
                    input[byte(random) * (input.size() - 1) / 255] =
                        static_cast<char>(byte(random));
                }
                break;
            }
            RtfReader::Read(input, document);
            QVERIFY2(document.characterCount() <= input.size() + 1,
                     input.toPercentEncoding().constData());
        }
    }
};

QTEST_MAIN(TestRtfReader)
#include "test_RtfReader.moc"
