#pragma once

#include "Samples.h"

#include <optional>
#include <utility>

namespace turnix::vision {

// Two photos that show the same side: all nine stickers alike, one photo
// turned by a quarter or not, under light that differs no more than light
// does between photos. The first such pair, or nothing.
[[nodiscard]] std::optional<std::pair<std::size_t, std::size_t>>
SameSideTwice(const Samples& samples);

} // namespace turnix::vision
