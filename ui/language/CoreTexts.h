#pragma once

#include <QString>
#include <cstdint>
#include <string_view>

namespace turnix {

// The core names sides, steps and stages in English; the window shows them
// in the user's language. A text the table does not know stays as it is.
[[nodiscard]] QString CoreText(std::string_view english);

// A sentence the core builds around names and numbers ("B.jpg is
// damaged"), matched against the core's patterns; one that matches none
// stays as it is.
[[nodiscard]] QString CoreReason(const QString& english);

// "Top", "Bottom", ... for sides 0..5; empty outside.
[[nodiscard]] QString SideWord(std::int16_t side);

} // namespace turnix
