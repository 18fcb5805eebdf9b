#include "StickerLetters.h"

#include "language/SquareWords.h"

namespace turnix {

namespace {

SquareLetters KindOf(SquareLetters letters) {
    switch (letters) {
    case SquareLetters::Sides:
        return SquareLetters::Sides;
    case SquareLetters::ColourInitials:
        return SquareLetters::ColourInitials;
    case SquareLetters::None:
        break;
    }
    return SquareLetters::None;
}

} // namespace

// The grid's and the net's own letters, so that all views agree in every
// language.
std::array<QString, ColorCount> LettersOf(SquareLetters letters, const CubeColorValues& colors,
                                          const ColorScheme& scheme) {
    std::array<QString, ColorCount> result;
    for (std::int16_t c = 0; c < ColorCount; ++c) {
        result.at(SlotOf(c)) = SquareLetter(KindOf(letters), c, colors, scheme);
    }
    return result;
}

} // namespace turnix
