#pragma once

#include "PhotoMaker.h"

#include <algorithm>
#include <cmath>

namespace turnix::vision::photos {

// The side of one square of the drawn grid, in pixels.
inline double Pitch(const Photo& photo) {
    const auto& c = photo.corners;
    return std::hypot(c[2].x - c[0].x, c[2].y - c[0].y) / (3 * std::sqrt(2.0));
}

// The farthest a reading's corner lies from the drawn one, in squares.
inline double CornerError(const SideReading& side, const Photo& photo) {
    double worst = 0;
    for (std::size_t k = 0; k < 4; ++k)
        worst = std::max(worst,
                         static_cast<double>(std::hypot(side.corners[k].x - photo.corners[k].x,
                                                        side.corners[k].y - photo.corners[k].y)));
    return worst / Pitch(photo);
}

// The largest difference in one channel between a sampled colour and the
// colour drawn there as the light left it.
inline float ColourError(const SideReading& side, const Photo& photo) {
    float worst = 0;
    for (std::size_t q = 0; q < 9; ++q) {
        const Rgb& a = side.stickers[q].color;
        const Rgb& b = photo.seen[q];
        worst = std::max({worst, std::abs(a.red - b.red), std::abs(a.green - b.green),
                          std::abs(a.blue - b.blue)});
    }
    return worst;
}

} // namespace turnix::vision::photos
