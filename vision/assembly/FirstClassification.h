#pragma once

#include "ColourModel.h"

#include <vector>

namespace turnix::vision {

// Nine squares of each colour at the least cost. With the centres held,
// each centre is its own colour and the 48 other squares fill eight places
// of each; else all 54 fill nine places of each, whatever the centres.
[[nodiscard]] ClassOf NinePerColour(const SampleCosts& costs, bool centresHeld);

// The colours and the light of each photo from the colours alone, before
// anything is known of where the photos' sides lie, from a few starts: the
// light as it comes or from each photo's brightest sticker; each colour
// from its centre, or from groups of nine found first with the centres free
// and named by the centres after (a centre with a logo or glare is then no
// worse than any sticker). The models that explain the stickers best
// first.
[[nodiscard]] std::vector<ColourModel> ClassifyByColour(const Samples& samples);

} // namespace turnix::vision
