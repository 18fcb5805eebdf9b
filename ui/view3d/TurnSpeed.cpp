#include "TurnSpeed.h"

#include <array>

namespace turnix {

namespace {

struct SpeedTiming {
    TurnSpeed speed;
    int quarterMilliseconds;
    const char* word;
};

constexpr std::array<SpeedTiming, 4> Speeds{{
    {TurnSpeed::Slow, 1000, "Slow"},
    {TurnSpeed::Normal, 500, "Normal"},
    {TurnSpeed::Fast, 250, "Fast"},
    {TurnSpeed::NoAnimation, 0, "None"},
}};

const SpeedTiming& EntryOf(TurnSpeed speed) {
    return Speeds.at(static_cast<std::size_t>(speed));
}

} // namespace

int TurnMilliseconds(TurnSpeed speed, int quarters) noexcept {
    const int quarter = EntryOf(speed).quarterMilliseconds;
    return quarters > 1 ? quarter * 3 / 2 : quarter;
}

QString SpeedWord(TurnSpeed speed) {
    return QString::fromLatin1(EntryOf(speed).word);
}

std::optional<TurnSpeed> SpeedFromWord(const QString& word) {
    for (const SpeedTiming& entry : Speeds) {
        if (word == QLatin1String(entry.word)) {
            return entry.speed;
        }
    }
    return std::nullopt;
}

} // namespace turnix
