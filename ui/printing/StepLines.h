#pragma once

#include <QLatin1StringView>

namespace turnix {

// A list of steps travels as text, one description per line: the lines are
// separated by this, and in a saved file each line ends with it.
inline constexpr QLatin1StringView StepLineEnd{"\r\n"};

} // namespace turnix
