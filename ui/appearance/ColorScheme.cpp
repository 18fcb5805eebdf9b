#include "ColorScheme.h"

#include <algorithm>
#include <cstddef>

namespace turnix {

namespace {

const QString Section = QStringLiteral("Colors");
constexpr ScreenColor LargestColor = 0xFFFFFF;
constexpr qsizetype LongestColorText = 8; // "16777215"

QString ValueKey(std::size_t index) {
    return QStringLiteral("ColorValue%1").arg(index + 1);
}

QString OldKey(std::size_t index) {
    return QStringLiteral("Color%1").arg(index + 1);
}

void RemoveOldKeys(ISettingsStore& settings) {
    if (settings.Value(Section, OldKey(0)).value_or(QString()).isEmpty()) {
        return;
    }
    for (std::size_t i = 0; i < DefaultScreenColors.size(); ++i) {
        settings.Remove(Section, OldKey(i));
    }
}

} // namespace

std::optional<ScreenColor> ParseColorValue(const QString& text) {
    const bool allDigits = std::all_of(text.cbegin(), text.cend(), [](QChar c) {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    });
    if (text.isEmpty() || !allDigits) {
        return std::nullopt;
    }
    qsizetype firstSignificant = 0;
    while (firstSignificant < text.size() - 1 && text[firstSignificant] == QLatin1Char('0')) {
        ++firstSignificant;
    }
    // Longer digit strings are out of range anyway and would overflow.
    if (text.size() - firstSignificant > LongestColorText) {
        return std::nullopt;
    }
    const ScreenColor value = text.sliced(firstSignificant).toInt();
    if (value > LargestColor) {
        return std::nullopt;
    }
    return value;
}

ColorScheme LoadColorScheme(ISettingsStore& settings) {
    RemoveOldKeys(settings);
    ColorScheme colors = DefaultScreenColors;
    for (std::size_t i = 0; i < colors.size(); ++i) {
        if (const auto text = settings.Value(Section, ValueKey(i))) {
            colors[i] = ParseColorValue(*text).value_or(DefaultScreenColors[i]);
        }
    }
    return colors;
}

void StoreColorScheme(ISettingsStore& settings, const ColorScheme& colors) {
    for (std::size_t i = 0; i < colors.size(); ++i) {
        settings.SetValue(Section, ValueKey(i), QString::number(colors[i]));
    }
}

} // namespace turnix
