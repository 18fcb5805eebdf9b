#pragma once

#include "Samples.h"

namespace turnix::vision {

// How bright each photo's light made each channel: a sticker shows about
// the gain of its photo times the colour of its sticker, channel by channel.
// The gains multiply to 1 in each channel over the six photos, so the set's
// common cast stays and only the differences between photos are taken out.
using Gains = std::array<LinearRgb, PhotoCount>;

[[nodiscard]] Gains EvenGains() noexcept;

// Each channel's brightest sticker of a photo taken for white: a good start
// when the light differs much from photo to photo.
[[nodiscard]] Gains BrightestStickerGains(const Samples& samples) noexcept;

// The gains that best explain the samples, given which colour each shows,
// refined from start.
[[nodiscard]] Gains FitGains(const Samples& samples, const ClassOf& classes, const Gains& start);

[[nodiscard]] LinearRgb Balanced(const Sample& sample, const Gains& gains) noexcept;

} // namespace turnix::vision
