#include "StickerLetters.h"

#include "appearance/CubeColorNames.h"

#include <algorithm>

namespace turnix {

namespace {

// By side index.
constexpr std::array<char, side::Count> SideLetters{'U', 'D', 'F', 'B', 'L', 'R'};

std::array<std::int16_t, ColorCount> HomeSides(const CubeColorValues& colors) {
    std::array<std::int16_t, ColorCount> home{0, 1, 2, 3, 4, 5};
    std::array<std::int16_t, side::Count> centres{};
    for (std::int16_t s = 0; s < side::Count; ++s) {
        centres.at(SlotOf(s)) = colors.at(SlotOf(s)).at(4);
    }
    std::array<std::int16_t, side::Count> sorted = centres;
    std::ranges::sort(sorted);
    if (sorted != home) {
        return home;
    }
    for (std::int16_t s = 0; s < side::Count; ++s) {
        home.at(SlotOf(centres.at(SlotOf(s)))) = s;
    }
    return home;
}

} // namespace

std::array<QString, ColorCount> LettersOf(StickerLetters letters, const CubeColorValues& colors,
                                          const ColorScheme& scheme) {
    std::array<QString, ColorCount> result;
    if (letters == StickerLetters::Side) {
        const auto home = HomeSides(colors);
        for (std::size_t c = 0; c < result.size(); ++c) {
            result.at(c) = QChar(SideLetters.at(SlotOf(home.at(c))));
        }
    } else if (letters == StickerLetters::ColorInitial) {
        for (std::size_t c = 0; c < result.size(); ++c) {
            if (const auto name = CubeColorName(scheme.at(c)); name && !name->empty()) {
                result.at(c) = QChar(name->front());
            }
        }
    }
    return result;
}

} // namespace turnix
