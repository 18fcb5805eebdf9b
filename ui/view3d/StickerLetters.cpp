#include "StickerLetters.h"

#include "language/SquareWords.h"

namespace turnix {

namespace {

SquareLetters KindOf(StickerLetters letters) {
    switch (letters) {
    case StickerLetters::Side:
        return SquareLetters::Sides;
    case StickerLetters::ColorInitial:
        return SquareLetters::ColourInitials;
    case StickerLetters::None:
        break;
    }
    return SquareLetters::None;
}

} // namespace

// The grid's and the net's own letters, so that all views agree in every
// language.
std::array<QString, ColorCount> LettersOf(StickerLetters letters, const CubeColorValues& colors,
                                          const ColorScheme& scheme) {
    std::array<QString, ColorCount> result;
    for (std::int16_t c = 0; c < ColorCount; ++c) {
        result.at(SlotOf(c)) = SquareLetter(KindOf(letters), c, colors, scheme);
    }
    return result;
}

} // namespace turnix
