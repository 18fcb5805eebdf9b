#include "Samples.h"

#include <algorithm>

namespace turnix::vision {

Samples SamplesOf(std::span<const SideReading> sides) {
    Samples samples{};
    for (std::size_t photo = 0; photo < PhotoCount; ++photo) {
        for (std::size_t q = 0; q < SquaresPerPhoto; ++q) {
            const StickerSample& sticker = sides[photo].stickers[q];
            samples[photo * SquaresPerPhoto + q] = {
                photo,
                {LinearFromSrgb(sticker.color.red), LinearFromSrgb(sticker.color.green),
                 LinearFromSrgb(sticker.color.blue)},
                std::max(0.0, static_cast<double>(sticker.spread))};
        }
    }
    return samples;
}

double TotalCost(const SampleCosts& costs, const ClassOf& classes) noexcept {
    double total = 0;
    for (std::size_t i = 0; i < SampleCount; ++i) {
        total += costs[i][classes[i]];
    }
    return total;
}

} // namespace turnix::vision
