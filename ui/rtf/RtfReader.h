#pragma once

#include <QByteArrayView>
#include <QColor>
#include <QHash>
#include <QString>
#include <QTextCursor>
#include <QTextFormat>
#include <cstdint>
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
// looked at once, and the document never holds more characters than the
// input has bytes.
class RtfReader {
public:
    static constexpr int MaxDepth = 100;

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
    };

    struct Group {
        Characters characters;
        Paragraph paragraph;
        Destination destination{Destination::Text};
        int unicodeSkip{1};
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
    void EndParagraph();
    void CommitFont();
    void CommitColor();
    void Flush();
    void EndDocument();

    [[nodiscard]] bool Skipping() const;
    [[nodiscard]] Group& Current() { return groups.back(); }
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
