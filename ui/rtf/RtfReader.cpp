#include "RtfReader.h"

#include <QChar>
#include <QTextDocument>
#include <algorithm>
#include <array>
#include <utility>

namespace turnix {

namespace {

enum class Keyword {
    Character,
    Paragraph,
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    Strike,
    Hidden,
    FontSize,
    Font,
    DefaultFont,
    Color,
    ResetCharacters,
    ResetParagraph,
    AlignLeft,
    AlignCenter,
    AlignRight,
    AlignJustify,
    LeftIndent,
    RightIndent,
    FirstIndent,
    SpaceBefore,
    SpaceAfter,
    Red,
    Green,
    Blue,
    Unicode,
    UnicodeSkip,
    Binary,
    FontTable,
    ColorTable,
    SkipDestination,
};

struct KeywordEntry {
    std::string_view name;
    Keyword keyword;
    char16_t character; // what a Keyword::Character stands for
};

// The control words this reader knows, sorted by name.
constexpr auto Keywords = std::to_array<KeywordEntry>({
    {"aftncn", Keyword::SkipDestination, 0},
    {"aftnsep", Keyword::SkipDestination, 0},
    {"aftnsepc", Keyword::SkipDestination, 0},
    {"annotation", Keyword::SkipDestination, 0},
    {"atnauthor", Keyword::SkipDestination, 0},
    {"atnid", Keyword::SkipDestination, 0},
    {"author", Keyword::SkipDestination, 0},
    {"b", Keyword::Bold, 0},
    {"bin", Keyword::Binary, 0},
    {"blue", Keyword::Blue, 0},
    {"bullet", Keyword::Character, 0x2022},
    {"buptim", Keyword::SkipDestination, 0},
    {"cell", Keyword::Character, u'\t'},
    {"cf", Keyword::Color, 0},
    {"colorschememapping", Keyword::SkipDestination, 0},
    {"colortbl", Keyword::ColorTable, 0},
    {"comment", Keyword::SkipDestination, 0},
    {"company", Keyword::SkipDestination, 0},
    {"creatim", Keyword::SkipDestination, 0},
    {"datastore", Keyword::SkipDestination, 0},
    {"deff", Keyword::DefaultFont, 0},
    {"doccomm", Keyword::SkipDestination, 0},
    {"docvar", Keyword::SkipDestination, 0},
    {"emdash", Keyword::Character, 0x2014},
    {"emspace", Keyword::Character, 0x2003},
    {"endash", Keyword::Character, 0x2013},
    {"enspace", Keyword::Character, 0x2002},
    {"f", Keyword::Font, 0},
    {"fi", Keyword::FirstIndent, 0},
    {"fldinst", Keyword::SkipDestination, 0},
    {"fonttbl", Keyword::FontTable, 0},
    {"footer", Keyword::SkipDestination, 0},
    {"footerf", Keyword::SkipDestination, 0},
    {"footerl", Keyword::SkipDestination, 0},
    {"footerr", Keyword::SkipDestination, 0},
    {"footnote", Keyword::SkipDestination, 0},
    {"fs", Keyword::FontSize, 0},
    {"ftncn", Keyword::SkipDestination, 0},
    {"ftnsep", Keyword::SkipDestination, 0},
    {"ftnsepc", Keyword::SkipDestination, 0},
    {"generator", Keyword::SkipDestination, 0},
    {"green", Keyword::Green, 0},
    {"header", Keyword::SkipDestination, 0},
    {"headerf", Keyword::SkipDestination, 0},
    {"headerl", Keyword::SkipDestination, 0},
    {"headerr", Keyword::SkipDestination, 0},
    {"i", Keyword::Italic, 0},
    {"info", Keyword::SkipDestination, 0},
    {"keywords", Keyword::SkipDestination, 0},
    {"latentstyles", Keyword::SkipDestination, 0},
    {"ldblquote", Keyword::Character, 0x201C},
    {"li", Keyword::LeftIndent, 0},
    {"line", Keyword::Character, 0x2028},
    {"listoverridetable", Keyword::SkipDestination, 0},
    {"listtable", Keyword::SkipDestination, 0},
    {"lquote", Keyword::Character, 0x2018},
    {"mmathPr", Keyword::SkipDestination, 0},
    {"nonshppict", Keyword::SkipDestination, 0},
    {"object", Keyword::SkipDestination, 0},
    {"operator", Keyword::SkipDestination, 0},
    {"page", Keyword::Paragraph, 0},
    {"par", Keyword::Paragraph, 0},
    {"pard", Keyword::ResetParagraph, 0},
    {"pgdsctbl", Keyword::SkipDestination, 0},
    {"pict", Keyword::SkipDestination, 0},
    {"plain", Keyword::ResetCharacters, 0},
    {"printim", Keyword::SkipDestination, 0},
    {"private", Keyword::SkipDestination, 0},
    {"qc", Keyword::AlignCenter, 0},
    {"qj", Keyword::AlignJustify, 0},
    {"ql", Keyword::AlignLeft, 0},
    {"qr", Keyword::AlignRight, 0},
    {"rdblquote", Keyword::Character, 0x201D},
    {"red", Keyword::Red, 0},
    {"revtbl", Keyword::SkipDestination, 0},
    {"revtim", Keyword::SkipDestination, 0},
    {"ri", Keyword::RightIndent, 0},
    {"row", Keyword::Paragraph, 0},
    {"rquote", Keyword::Character, 0x2019},
    {"rsidtbl", Keyword::SkipDestination, 0},
    {"rxe", Keyword::SkipDestination, 0},
    {"sa", Keyword::SpaceAfter, 0},
    {"sb", Keyword::SpaceBefore, 0},
    {"sect", Keyword::Paragraph, 0},
    {"strike", Keyword::Strike, 0},
    {"stylesheet", Keyword::SkipDestination, 0},
    {"subject", Keyword::SkipDestination, 0},
    {"tab", Keyword::Character, u'\t'},
    {"tc", Keyword::SkipDestination, 0},
    {"themedata", Keyword::SkipDestination, 0},
    {"title", Keyword::SkipDestination, 0},
    {"txe", Keyword::SkipDestination, 0},
    {"u", Keyword::Unicode, 0},
    {"uc", Keyword::UnicodeSkip, 0},
    {"ul", Keyword::Underline, 0},
    {"uld", Keyword::Underline, 0},
    {"uldb", Keyword::Underline, 0},
    {"ulnone", Keyword::UnderlineNone, 0},
    {"ulth", Keyword::Underline, 0},
    {"ulw", Keyword::Underline, 0},
    {"v", Keyword::Hidden, 0},
    {"xe", Keyword::SkipDestination, 0},
    {"xmlnstbl", Keyword::SkipDestination, 0},
});

constexpr bool ByName(const KeywordEntry& left, const KeywordEntry& right) {
    return left.name < right.name;
}
static_assert(std::is_sorted(Keywords.begin(), Keywords.end(), ByName));

// Windows-1252 bytes 0x80..0x9F; 0 where the code page leaves a byte unused.
// The other bytes are Latin-1.
constexpr std::array<char16_t, 32> Windows1252High{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,      //
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178, //
};

// Bounds on what any input can make the reader keep. Numbers stop growing at
// ParameterLimit; sizes, spacing and indents are clamped well inside it.
constexpr int ParameterLimit = 1'000'000'000;
constexpr std::size_t MaxWordLength = 32;
constexpr int MaxFonts = 1000;
constexpr int MaxColors = 1000;
constexpr qsizetype MaxFontName = 100;
constexpr int MaxUnicodeSkip = 16;
constexpr int MaxTwips = 20 * 1440;

constexpr double TwipsPerPixel = 15.0;

const KeywordEntry* FindKeyword(std::string_view name) {
    const auto found = std::lower_bound(Keywords.begin(), Keywords.end(),
                                        KeywordEntry{name, Keyword::Character, 0}, ByName);
    return found != Keywords.end() && found->name == name ? &*found : nullptr;
}

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int HexValue(char c) {
    if (IsDigit(c)) {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

char16_t FromWindows1252(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0) {
        return Windows1252High.at(byte - 0x80);
    }
    return byte;
}

// False for control characters and for those that would break a block apart
// or stand for an embedded object.
bool IsShowable(char16_t unit) {
    return (unit >= 0x20 || unit == u'\t') && unit != 0x7F && unit != 0x2029 && unit != 0xFFFC &&
           unit != 0xFFFE && unit != 0xFFFF;
}

bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit < 0xDC00;
}

bool IsLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit < 0xE000;
}

constexpr char16_t ZeroWidthSpace = 0x200B;

bool IsPlaceToWrap(char16_t unit) {
    return unit == u' ' || unit == u'\t' || unit == 0x2028 || unit == ZeroWidthSpace;
}

// A break before unit would split a character or cut a mark or joiner from
// the character it belongs to.
bool MayBreakBefore(char16_t unit) {
    if (IsLowSurrogate(unit)) {
        return false;
    }
    const QChar::Category category = QChar(unit).category();
    return category != QChar::Mark_NonSpacing && category != QChar::Mark_SpacingCombining &&
           category != QChar::Mark_Enclosing && category != QChar::Other_Format;
}

} // namespace

void RtfReader::Read(QByteArrayView rtf, QTextDocument& document) {
    RtfReader reader(rtf, document);
    reader.Run();
}

RtfReader::RtfReader(QByteArrayView rtf, QTextDocument& document) : input(rtf) {
    document.setUndoRedoEnabled(false);
    cursor = QTextCursor(&document);
    // Outside an edit block every insertion lays out its whole paragraph
    // again; clearing inside it lets a view lay out the new text lazily.
    cursor.beginEditBlock();
    document.clear();
    groups.reserve(MaxDepth + 1);
    groups.emplace_back();
    // Known rather than the view's font, which the charges cannot know.
    cursor.setBlockCharFormat(FormatOf(Current().characters));
}

void RtfReader::Run() {
    while (position < input.size() && !finished) {
        const char c = input[position++];
        switch (c) {
        case '{':
            OpenGroup();
            break;
        case '}':
            CloseGroup();
            break;
        case '\\':
            ReadControl();
            break;
        case '\r':
        case '\n':
            break;
        default:
            atGroupStart = false;
            ignorableNext = false;
            PlainByte(static_cast<unsigned char>(c));
            break;
        }
    }
    if (!finished) {
        EndDocument();
    }
    cursor.endEditBlock();
    cursor.document()->setModified(false);
}

// The last paragraph takes the properties in force where the text ends.
void RtfReader::EndDocument() {
    Flush();
    ApplyParagraph();
}

void RtfReader::OpenGroup() {
    fallbackLeft = 0;
    atGroupStart = true;
    ignorableNext = false;
    if (skippedDepth > 0 || static_cast<int>(groups.size()) > MaxDepth) {
        ++skippedDepth;
        return;
    }
    groups.push_back(groups.back());
}

void RtfReader::CloseGroup() {
    fallbackLeft = 0;
    atGroupStart = false;
    ignorableNext = false;
    if (skippedDepth > 0) {
        --skippedDepth;
        return;
    }
    if (groups.size() == 1) {
        return; // a stray closing brace
    }
    if (Current().destination == Destination::FontTable) {
        CommitFont();
    }
    if (groups.size() == 2) {
        EndDocument(); // the document's own group has ended
        finished = true;
    }
    groups.pop_back();
}

void RtfReader::ReadControl() {
    if (position >= input.size()) {
        return;
    }
    if (IsLetter(input[position])) {
        const ControlWord word = ReadControlWord();
        atGroupStart = false;
        HandleWord(word, std::exchange(ignorableNext, false));
        return;
    }
    const char symbol = input[position++];
    if (symbol == '*') {
        ignorableNext = atGroupStart;
        return;
    }
    atGroupStart = false;
    ignorableNext = false;
    HandleSymbol(symbol);
}

RtfReader::ControlWord RtfReader::ReadControlWord() {
    const qsizetype start = position;
    while (position < input.size() && IsLetter(input[position])) {
        ++position;
    }
    ControlWord word;
    const auto length = static_cast<std::size_t>(position - start);
    // An overlong name matches nothing and so counts as unknown.
    word.name = std::string_view(input.data() + start, std::min(length, MaxWordLength + 1));

    bool negative = false;
    if (position + 1 < input.size() && input[position] == '-' && IsDigit(input[position + 1])) {
        negative = true;
        ++position;
    }
    long long value = 0;
    while (position < input.size() && IsDigit(input[position])) {
        word.hasParameter = true;
        value = std::min<long long>(value * 10 + (input[position] - '0'), ParameterLimit);
        ++position;
    }
    word.parameter = static_cast<int>(negative ? -value : value);
    if (position < input.size() && input[position] == ' ') {
        ++position;
    }
    return word;
}

void RtfReader::HandleSymbol(char symbol) {
    switch (symbol) {
    case '\'':
        ReadHexByte();
        break;
    case '\\':
    case '{':
    case '}':
        PlainByte(static_cast<unsigned char>(symbol));
        break;
    case '~':
        Unicode(0x00A0);
        break;
    case '_':
        Unicode(0x2011);
        break;
    case '-': // optional hyphen: nothing to show
        static_cast<void>(TakeFallback());
        break;
    case '\r':
    case '\n':
        if (TakeFallback()) {
            EndParagraph();
        }
        break;
    default:
        break;
    }
}

void RtfReader::ReadHexByte() {
    int value = 0;
    int digits = 0;
    while (digits < 2 && position < input.size()) {
        const int digit = HexValue(input[position]);
        if (digit < 0) {
            break;
        }
        value = value * 16 + digit;
        ++position;
        ++digits;
    }
    if (digits > 0) {
        EscapedByte(static_cast<unsigned char>(value));
    }
}

void RtfReader::HandleWord(const ControlWord& word, bool ignorable) {
    const KeywordEntry* entry = FindKeyword(word.name);
    if (entry != nullptr && entry->keyword == Keyword::Binary) {
        SkipBinary(word.hasParameter ? word.parameter : 0);
        return;
    }
    if (Skipping() || !TakeFallback()) {
        return;
    }
    if (entry == nullptr) {
        if (ignorable) {
            Current().destination = Destination::Skip;
        }
        return;
    }
    switch (entry->keyword) {
    case Keyword::FontTable:
        Current().destination = Destination::FontTable;
        return;
    case Keyword::ColorTable:
        Current().destination = Destination::ColorTable;
        return;
    case Keyword::SkipDestination:
        Current().destination = Destination::Skip;
        return;
    default:
        break;
    }
    if (Current().destination == Destination::Text) {
        HandleTextWord(word);
    } else {
        HandleTableWord(word);
    }
}

void RtfReader::HandleTableWord(const ControlWord& word) {
    const KeywordEntry* entry = FindKeyword(word.name);
    const int component = std::clamp(word.parameter, 0, 255);
    switch (entry->keyword) {
    case Keyword::Font:
        if (Current().destination == Destination::FontTable) {
            CommitFont();
            fontNumber = word.parameter;
        }
        break;
    case Keyword::Red:
        red = component;
        break;
    case Keyword::Green:
        green = component;
        break;
    case Keyword::Blue:
        blue = component;
        break;
    case Keyword::Unicode:
        Unicode(word.parameter);
        fallbackLeft = Current().unicodeSkip;
        break;
    case Keyword::UnicodeSkip:
        Current().unicodeSkip = std::clamp(word.parameter, 0, MaxUnicodeSkip);
        break;
    default:
        break;
    }
}

void RtfReader::HandleTextWord(const ControlWord& word) {
    const KeywordEntry& entry = *FindKeyword(word.name);
    Characters& characters = Current().characters;
    Paragraph& paragraph = Current().paragraph;
    const bool on = !word.hasParameter || word.parameter != 0;
    const int twips = std::clamp(word.parameter, -MaxTwips, MaxTwips);
    const int spacing = std::clamp(word.parameter, 0, MaxSpacing);
    switch (entry.keyword) {
    case Keyword::Character:
        EmitUnit(entry.character);
        break;
    case Keyword::Paragraph:
        EndParagraph();
        break;
    case Keyword::Bold:
        characters.bold = on;
        break;
    case Keyword::Italic:
        characters.italic = on;
        break;
    case Keyword::Underline:
        characters.underline = on;
        break;
    case Keyword::UnderlineNone:
        characters.underline = false;
        break;
    case Keyword::Strike:
        characters.strike = on;
        break;
    case Keyword::Hidden:
        characters.hidden = on;
        break;
    case Keyword::FontSize:
        // Half points; from 1 pt to 144 pt.
        characters.halfPoints =
            word.hasParameter ? std::clamp(word.parameter, 2, MaxHalfPoints) : 24;
        break;
    case Keyword::Font:
        characters.font = word.parameter;
        break;
    case Keyword::DefaultFont:
        defaultFont = word.parameter;
        ForgetFormats();
        break;
    case Keyword::Color:
        characters.color = word.parameter;
        break;
    case Keyword::ResetCharacters:
        characters = Characters{};
        break;
    case Keyword::ResetParagraph:
        paragraph = Paragraph{};
        break;
    case Keyword::AlignLeft:
        paragraph.alignment = Qt::AlignLeft;
        break;
    case Keyword::AlignCenter:
        paragraph.alignment = Qt::AlignHCenter;
        break;
    case Keyword::AlignRight:
        paragraph.alignment = Qt::AlignRight;
        break;
    case Keyword::AlignJustify:
        paragraph.alignment = Qt::AlignJustify;
        break;
    case Keyword::LeftIndent:
        paragraph.leftIndent = twips;
        break;
    case Keyword::RightIndent:
        paragraph.rightIndent = twips;
        break;
    case Keyword::FirstIndent:
        paragraph.firstIndent = twips;
        break;
    case Keyword::SpaceBefore:
        paragraph.spaceBefore = spacing;
        break;
    case Keyword::SpaceAfter:
        paragraph.spaceAfter = spacing;
        break;
    case Keyword::Unicode:
        Unicode(word.parameter);
        fallbackLeft = Current().unicodeSkip;
        break;
    case Keyword::UnicodeSkip:
        Current().unicodeSkip = std::clamp(word.parameter, 0, MaxUnicodeSkip);
        break;
    default:
        break;
    }
}

void RtfReader::SkipBinary(int count) {
    position += std::min<qsizetype>(std::max(count, 0), input.size() - position);
}

bool RtfReader::Skipping() const {
    return skippedDepth > 0 || groups.back().destination == Destination::Skip;
}

bool RtfReader::TakeFallback() {
    if (fallbackLeft > 0) {
        --fallbackLeft;
        return false;
    }
    return true;
}

void RtfReader::PlainByte(unsigned char byte) {
    if (Skipping() || !TakeFallback()) {
        return;
    }
    if (byte == ';' && Current().destination == Destination::FontTable) {
        CommitFont();
        return;
    }
    if (byte == ';' && Current().destination == Destination::ColorTable) {
        CommitColor();
        return;
    }
    EmitUnit(FromWindows1252(byte));
}

void RtfReader::EscapedByte(unsigned char byte) {
    if (Skipping() || !TakeFallback()) {
        return;
    }
    EmitUnit(FromWindows1252(byte));
}

// \uN takes a signed 16-bit number; beyond that, a code point is read as one.
void RtfReader::Unicode(int value) {
    if (value < 0) {
        value += 0x10000;
    }
    if (value < 0 || value > 0x10FFFF) {
        return;
    }
    if (value < 0x10000) {
        EmitUnit(static_cast<char16_t>(value));
        return;
    }
    const char32_t codePoint = static_cast<char32_t>(value) - 0x10000;
    EmitUnit(static_cast<char16_t>(0xD800 + (codePoint >> 10)));
    EmitUnit(static_cast<char16_t>(0xDC00 + (codePoint & 0x3FF)));
}

// Pairs surrogates and drops a half that has no partner.
void RtfReader::EmitUnit(char16_t unit) {
    if (IsLowSurrogate(unit)) {
        if (highSurrogate != 0) {
            Emit(std::exchange(highSurrogate, char16_t{0}));
            Emit(unit);
        }
        return;
    }
    highSurrogate = 0;
    if (IsHighSurrogate(unit)) {
        highSurrogate = unit;
    } else if (unit != 0) {
        Emit(unit);
    }
}

void RtfReader::Emit(char16_t unit) {
    if (finished || !IsShowable(unit)) {
        return;
    }
    Group& group = Current();
    if (group.destination == Destination::FontTable) {
        if (fontName.size() < MaxFontName) {
            fontName.append(QChar(unit));
        }
        return;
    }
    // A line that holds only a line break is as tall as its block's font.
    const int halfPoints = unit == 0x2028 ? std::max(group.characters.halfPoints, blockHalfPoints)
                                          : group.characters.halfPoints;
    if (group.destination != Destination::Text || group.characters.hidden ||
        !Fits(LineHeight(halfPoints))) {
        return;
    }
    if (!(group.characters == pendingCharacters)) {
        Flush();
        pendingCharacters = group.characters;
    }
    AppendText(unit);
}

void RtfReader::AppendText(char16_t unit) {
    if (IsPlaceToWrap(unit)) {
        unbrokenText = 0;
    } else {
        if (MayBreakBefore(unit)) {
            const bool wordTooLong = unbrokenText >= MaxUnbrokenText;
            if (paragraphText >= MaxParagraphText && (unbrokenText == 0 || wordTooLong)) {
                EndParagraph();
                if (finished) {
                    return;
                }
            } else if (wordTooLong) {
                pendingText.append(QChar(ZeroWidthSpace));
                unbrokenText = 0;
            }
        }
        ++unbrokenText;
    }
    pendingText.append(QChar(unit));
    ++paragraphText;
}

// The paragraph's spacing and the new one's first line.
void RtfReader::EndParagraph() {
    const Paragraph& paragraph = Current().paragraph;
    if (finished || Current().destination != Destination::Text ||
        !Fits(paragraph.spaceBefore + paragraph.spaceAfter +
              LineHeight(Current().characters.halfPoints))) {
        return;
    }
    Flush();
    unbrokenText = 0;
    paragraphText = 0;
    ApplyParagraph();
    blockHalfPoints = Current().characters.halfPoints;
    cursor.insertBlock(blockFormat, FormatOf(Current().characters));
}

bool RtfReader::Fits(int height) {
    if (height <= heightLeft) {
        heightLeft -= height;
        return true;
    }
    EndDocument();
    finished = true;
    return false;
}

// A paragraph takes the properties in force where it ends. The next one
// starts with the same, so most paragraphs need no second change.
void RtfReader::ApplyParagraph() {
    const Paragraph& paragraph = Current().paragraph;
    if (blockParagraph != paragraph) {
        blockParagraph = paragraph;
        blockFormat = BlockFormat(paragraph);
        cursor.setBlockFormat(blockFormat);
    }
}

void RtfReader::CommitFont() {
    const QString name = fontName.trimmed();
    fontName.clear();
    if (!name.isEmpty() && (fonts.size() < MaxFonts || fonts.contains(fontNumber))) {
        fonts.insert(fontNumber, name);
        ForgetFormats();
    }
}

// An entry with no component is the automatic colour.
void RtfReader::CommitColor() {
    if (static_cast<int>(colors.size()) < MaxColors) {
        const bool automatic = red < 0 && green < 0 && blue < 0;
        colors.push_back(
            automatic ? QColor() : QColor(std::max(red, 0), std::max(green, 0), std::max(blue, 0)));
        ForgetFormats();
    }
    red = green = blue = -1;
}

void RtfReader::Flush() {
    if (pendingText.isEmpty()) {
        return;
    }
    cursor.insertText(pendingText, FormatOf(pendingCharacters));
    pendingText.clear();
}

const QTextCharFormat& RtfReader::FormatOf(const Characters& characters) {
    const auto made = madeFormats.begin() + static_cast<std::ptrdiff_t>(madeCount);
    const auto found = std::find_if(madeFormats.begin(), made, [&characters](const MadeFormat& m) {
        return m.characters == characters;
    });
    if (found != made) {
        return found->format;
    }
    MadeFormat& slot = madeFormats.at(madeNext);
    slot = {characters, CharFormat(characters)};
    madeNext = (madeNext + 1) % madeFormats.size();
    madeCount = std::min(madeCount + 1, madeFormats.size());
    return slot.format;
}

// A table has changed, and formats made before may name the wrong font or
// colour.
void RtfReader::ForgetFormats() {
    madeCount = 0;
    madeNext = 0;
}

QTextCharFormat RtfReader::CharFormat(const Characters& characters) const {
    QTextCharFormat format;
    format.setFontWeight(characters.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(characters.italic);
    format.setFontUnderline(characters.underline);
    format.setFontStrikeOut(characters.strike);
    format.setFontPointSize(characters.halfPoints / 2.0);
    auto found = fonts.constFind(characters.font);
    if (found == fonts.constEnd()) {
        found = fonts.constFind(defaultFont);
    }
    if (found != fonts.constEnd()) {
        format.setFontFamilies(QStringList{*found});
    }
    if (characters.color > 0 && characters.color < static_cast<int>(colors.size())) {
        if (const QColor& color = colors.at(static_cast<std::size_t>(characters.color));
            color.isValid()) {
            format.setForeground(color);
        }
    }
    return format;
}

QTextBlockFormat RtfReader::BlockFormat(const Paragraph& paragraph) {
    QTextBlockFormat format;
    format.setAlignment(paragraph.alignment);
    format.setLeftMargin(std::max(paragraph.leftIndent, 0) / TwipsPerPixel);
    format.setRightMargin(std::max(paragraph.rightIndent, 0) / TwipsPerPixel);
    format.setTextIndent(paragraph.firstIndent / TwipsPerPixel);
    format.setTopMargin(paragraph.spaceBefore / TwipsPerPixel);
    format.setBottomMargin(paragraph.spaceAfter / TwipsPerPixel);
    // As in word processors, a hanging first line tabs to the paragraph's
    // indent; tab positions count from where the first line starts.
    if (paragraph.firstIndent < 0) {
        format.setTabPositions(
            {QTextOption::Tab(-paragraph.firstIndent / TwipsPerPixel, QTextOption::LeftTab)});
    }
    return format;
}

} // namespace turnix
