#pragma once

#include "ScreenColor.h"
#include "platform/Platform.h"

#include <QString>
#include <array>
#include <optional>

namespace turnix {

// The stored scheme, key by key; a key that is absent or holds no colour
// number gives its default. Keys of the older "Color1".."Color6" layout are
// removed on the way.
[[nodiscard]] ColorScheme LoadColorScheme(ISettingsStore& settings);

// Writes all six colours as decimal text.
void StoreColorScheme(ISettingsStore& settings, const ColorScheme& colors);

// A whole decimal number in 0..0xFFFFFF; nothing for any other text.
[[nodiscard]] std::optional<ScreenColor> ParseColorValue(const QString& text);

} // namespace turnix
