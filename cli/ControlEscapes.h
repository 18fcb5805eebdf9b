#pragma once

#include <string>
#include <string_view>

namespace turnix::cli {

// The text as it may go to a terminal: control characters, C0 and C1, and
// bytes that are no UTF-8 are written as escapes ("\n", "\x1B", "\u009B"),
// so that a file name cannot move the cursor or recolour the screen. Other
// text, UTF-8 included, stays as it is.
[[nodiscard]] std::string EscapeControlCharacters(std::string_view text);

} // namespace turnix::cli
