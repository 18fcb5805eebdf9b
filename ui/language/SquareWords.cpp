#include "SquareWords.h"

#include "CoreTexts.h"
#include "appearance/CubeColorNames.h"
#include "wholecube/EntryChecks.h"

#include <QCoreApplication>
#include <array>
#include <string_view>
#include <utility>

namespace turnix {

namespace {

struct SquareTexts {
    Q_DECLARE_TR_FUNCTIONS(turnix::SquareTexts)
};

bool IsColourIndex(std::int16_t colorIndex) {
    return colorIndex >= 0 && colorIndex < ColorCount;
}

// A colour belongs to the side whose centre shows it; while the centres do
// not show the six colours once each, to the side it has on a new cube.
std::int16_t ColourHomeSide(std::int16_t colorIndex, const CubeColorValues& cube) {
    constexpr std::size_t CentreSquare = 4;
    std::array<bool, ColorCount> seen{};
    std::int16_t home = colorIndex;
    for (std::int16_t s = 0; s < side::Count; ++s) {
        const std::int16_t centre = cube.at(static_cast<std::size_t>(s)).at(CentreSquare);
        if (!IsColourIndex(centre) || std::exchange(seen.at(SlotOf(centre)), true)) {
            return colorIndex;
        }
        if (centre == colorIndex) {
            home = s;
        }
    }
    return home;
}

// Each colour's letter; a language may need two letters where two names
// begin alike (Gelb, Grün).
struct Initial {
    const char* letter;
    const char* comment;
};
constexpr std::array<Initial, 6> Initials{{
    QT_TRANSLATE_NOOP3("turnix::SquareTexts", "W", "initial of White"),
    QT_TRANSLATE_NOOP3("turnix::SquareTexts", "Y", "initial of Yellow"),
    QT_TRANSLATE_NOOP3("turnix::SquareTexts", "G", "initial of Green"),
    QT_TRANSLATE_NOOP3("turnix::SquareTexts", "B", "initial of Blue"),
    QT_TRANSLATE_NOOP3("turnix::SquareTexts", "R", "initial of Red"),
    QT_TRANSLATE_NOOP3("turnix::SquareTexts", "O", "initial of Orange"),
}};

QString ColourInitial(std::string_view name) {
    for (const Initial& initial : Initials) {
        if (std::string_view(initial.comment).ends_with(name)) {
            return QCoreApplication::translate("turnix::SquareTexts", initial.letter,
                                               initial.comment);
        }
    }
    return {};
}

} // namespace

QString ColourWords(std::int16_t colorIndex, const ColorScheme& scheme) {
    if (!IsColourIndex(colorIndex)) {
        return SquareTexts::tr("no colour");
    }
    const auto name = CubeColorName(scheme.at(SlotOf(colorIndex)));
    return name ? CoreText(*name).toLower() : SquareTexts::tr("colour %1").arg(colorIndex + 1);
}

QString SquareAccessibleName(SquareAt at, std::int16_t colorIndex, const ColorScheme& scheme) {
    QString place = SquareWords(at);
    if (!place.isEmpty()) {
        place[0] = place[0].toUpper();
    }
    return SquareTexts::tr("%1: %2").arg(place, ColourWords(colorIndex, scheme));
}

QString SquareAccessibleDescription(std::int16_t colorIndex) {
    return IsColourIndex(colorIndex) ? SquareTexts::tr("Colour %1 of 6").arg(colorIndex + 1)
                                     : SquareTexts::tr("A colour the cube cannot have");
}

QString SquareLetter(SquareLetters kind, std::int16_t colorIndex, const CubeColorValues& cube,
                     const ColorScheme& scheme) {
    if (kind == SquareLetters::None || !IsColourIndex(colorIndex)) {
        return {};
    }
    if (kind == SquareLetters::Sides) {
        // The letters of the usual turn notation, by side index.
        constexpr std::array<char, side::Count> Letters{'U', 'D', 'F', 'B', 'L', 'R'};
        return QString(
            QLatin1Char(Letters.at(static_cast<std::size_t>(ColourHomeSide(colorIndex, cube)))));
    }
    const auto name = CubeColorName(scheme.at(SlotOf(colorIndex)));
    return name ? ColourInitial(*name) : QString::number(colorIndex + 1);
}

} // namespace turnix
