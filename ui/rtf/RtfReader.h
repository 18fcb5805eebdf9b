#pragma once

#include <QByteArrayView>
#include <QColor>
#include <QHash>
#include <QString>
#include <QTextCursor>
#include <QTextFormat>
#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

class QTextDocument;

namespace turnix {

// Reads the common subset of RTF that word processors write: groups,
// paragraphs, line breaks and tabs; bold, italic, underline, strike-through,
// hidden text and font size; the font and colour tables; alignment, indents
// and paragraph spacing; \'hh and \uN escapes; the usual special characters.
// Everything else is skipped. Any input, however broken, gives a document:
// groups nested deeper than MaxDepth are skipped whole, each input byte is
// looked at once, and the document holds at most one character per input
// byte, and one in a hundred more for the breaks below.
//
// Time grows in proportion to the input, also when a view shows the document:
// Qt lays out a paragraph only whole, and a word wider than the view in time
// quadratic in its length. So a run of MaxUnbrokenText characters without a
// place to wrap gets one, a zero-width space, and a paragraph that has grown
// to MaxParagraphText characters goes on in a new one of the same format.
// The document changes in one edit block that replaces all of it, which a
// view lays out a screen at a time.
//
// No view can lay out a document taller than Qt's page for unpaged text,
// INT_MAX/256 = 8,388,607 px: a line that would end below it waits forever
// for a next page, and the window freezes. So each character is charged a
// line of its own, LineHeight of its font size (a line break: of its
// paragraph's, when that is larger), and each paragraph break a line and its
// spacing; the document ends where the charges would pass MaxHeight.
class RtfReader {
public:
    static constexpr int MaxDepth = 100;
    static constexpr int MaxUnbrokenText = 200;
    static constexpr int MaxParagraphText = 10'000;

    // Font sizes in half points, lengths in twips (1/1440 inch, 15 to the
    // pixel at 96 dpi).
    static constexpr int MaxHalfPoints = 288;       // 144 pt
    static constexpr int MaxSpacing = 1440;         // an inch before or after a paragraph
    static constexpr qint64 MaxHeight = 30'000'000; // 2,000,000 px

    // Two ems, and never less than for 12 pt text: a line of tiny text takes
    // as long to lay out as any.
    [[nodiscard]] static constexpr int LineHeight(int halfPoints) {
        return 20 * std::max(halfPoints, 24);
    }

    // The worst case is the instructions window at its narrowest, a text
    // column of about 56 px, where one 144 pt letter, or any letter behind an
    // indent of an inch, fills a line: every character on a line of its own.
    // Lines are 1.1 to 1.6 ems tall in common fonts, so no input, of any
    // size, makes a document taller than MaxHeight, or longer than 62,500
    // lines, but for its first line and its last paragraph's spacing. That is
    // under a quarter of Qt's limit: room for fonts with taller lines and for
    // screens of up to four times 96 dpi, where spacing and fonts grow too.
    static_assert(MaxHeight / 15 * 4 < 8'388'607);

    // Replaces the content of document with the text of rtf.
    static void Read(QByteArrayView rtf, QTextDocument& document);

private:
    enum class Destination { Text, FontTable, ColorTable, Skip };

    struct Characters {
        bool bold{false};
        bool italic{false};
        bool underline{false};
        bool strike{false};
        bool hidden{false};
        int halfPoints{24};
        int font{-1}; // a font missing from the table: the document's default
        int color{0}; // 0: the text colour of the view
        bool operator==(const Characters&) const = default;
    };

    // Lengths in twips.
    struct Paragraph {
        Qt::Alignment alignment{Qt::AlignLeft};
        int leftIndent{0};
        int rightIndent{0};
        int firstIndent{0};
        int spaceBefore{0};
        int spaceAfter{0};
        bool operator==(const Paragraph&) const = default;
    };

    struct Group {
        Characters characters;
        Paragraph paragraph;
        Destination destination{Destination::Text};
        int unicodeSkip{1};
    };

    struct MadeFormat {
        Characters characters;
        QTextCharFormat format;
    };

    struct ControlWord {
        std::string_view name;
        bool hasParameter{false};
        int parameter{0};
    };

    RtfReader(QByteArrayView rtf, QTextDocument& document);
    void Run();

    void OpenGroup();
    void CloseGroup();
    void ReadControl();
    [[nodiscard]] ControlWord ReadControlWord();
    void ReadHexByte();
    void HandleSymbol(char symbol);
    void HandleWord(const ControlWord& word, bool ignorable);
    void HandleTableWord(const ControlWord& word);
    void HandleTextWord(const ControlWord& word);
    void SkipBinary(int count);

    // Each piece of text passes here; false while it is the fallback of \uN.
    [[nodiscard]] bool TakeFallback();
    void PlainByte(unsigned char byte);
    void EscapedByte(unsigned char byte);
    void Unicode(int value);
    void EmitUnit(char16_t unit);
    void Emit(char16_t unit);
    void AppendText(char16_t unit);
    void EndParagraph();
    // Whether height twips still fit in the document; if not, it ends here.
    [[nodiscard]] bool Fits(int height);
    void ApplyParagraph();
    void CommitFont();
    void CommitColor();
    void Flush();
    void EndDocument();

    [[nodiscard]] bool Skipping() const;
    [[nodiscard]] Group& Current() { return groups.back(); }
    [[nodiscard]] const QTextCharFormat& FormatOf(const Characters& characters);
    void ForgetFormats();
    [[nodiscard]] QTextCharFormat CharFormat(const Characters& characters) const;
    [[nodiscard]] static QTextBlockFormat BlockFormat(const Paragraph& paragraph);

    QByteArrayView input;
    qsizetype position{0};
    QTextCursor cursor;

    std::vector<Group> groups;
    qsizetype skippedDepth{0}; // groups opened below MaxDepth, skipped whole
    bool finished{false};
    bool atGroupStart{false};
    bool ignorableNext{false};
    int fallbackLeft{0};
    char16_t highSurrogate{0};

    QString pendingText;
    Characters pendingCharacters;
    int unbrokenText{0}; // characters since the last place to wrap
    int paragraphText{0};
    qint64 heightLeft{MaxHeight};
    int blockHalfPoints{Characters{}.halfPoints}; // the font size of the last block's empty lines
    std::optional<Paragraph> blockParagraph;      // what the document's last block shows
    QTextBlockFormat blockFormat;
    // Formats made lately, the oldest replaced first: a document switches
    // among a few, and making one costs more than finding it.
    std::array<MadeFormat, 8> madeFormats;
    std::size_t madeCount{0};
    std::size_t madeNext{0};

    QHash<int, QString> fonts;
    int defaultFont{-1};
    int fontNumber{0};
    QString fontName;
    std::vector<QColor> colors;
    int red{-1};
    int green{-1};
    int blue{-1};
};

} // namespace turnix
