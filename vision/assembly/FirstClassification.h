#pragma once

#include "ColourModel.h"

namespace turnix::vision {

// Nine squares of each colour, the centres fixed, at the least cost: the
// 48 other squares assigned to eight places of each colour.
[[nodiscard]] ClassOf NinePerColour(const SampleCosts& costs);

// The colours and the light of each photo from the colours alone, before
// anything is known of where the photos' sides lie: from a few starts for
// the light, the one that explains the stickers best.
[[nodiscard]] ColourModel ClassifyByColour(const Samples& samples);

} // namespace turnix::vision
