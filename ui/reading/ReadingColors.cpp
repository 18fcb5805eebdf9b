#include "ReadingColors.h"

#include "appearance/CubeColorNames.h"

#include <QColor>
#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace turnix {

QColor ScreenColorOf(const vision::Rgb& rgb) {
    const auto channel = [](float value) {
        return std::clamp(static_cast<int>(std::lround(value)), 0, 255);
    };
    return {channel(rgb.red), channel(rgb.green), channel(rgb.blue)};
}

// Six colours have 720 orders: trying them all is quicker than being clever.
ReadingIndices IndicesFor(const std::array<vision::Rgb, 6>& centreColors,
                          const ColorScheme& scheme) {
    std::array<std::array<double, 6>, 6> distance{};
    for (std::size_t s = 0; s < 6; ++s) {
        for (std::size_t c = 0; c < 6; ++c) {
            distance[s][c] = ColorDistance(ScreenColorOf(centreColors[s]), ToQColor(scheme[c]));
        }
    }
    ReadingIndices order{0, 1, 2, 3, 4, 5};
    ReadingIndices best = order;
    double bestTotal = std::numeric_limits<double>::max();
    do {
        double total = 0;
        for (std::size_t s = 0; s < 6; ++s) {
            total += distance[s][static_cast<std::size_t>(order[s])];
        }
        if (total < bestTotal) {
            bestTotal = total;
            best = order;
        }
    } while (std::next_permutation(order.begin(), order.end()));
    return best;
}

CubeColorValues ColorValuesOf(const vision::SideColors& colors, const ReadingIndices& indices) {
    CubeColorValues values{};
    for (std::size_t s = 0; s < values.size(); ++s) {
        for (std::size_t q = 0; q < values[s].size(); ++q) {
            values[s][q] = indices.at(static_cast<std::size_t>(colors[s][q]));
        }
    }
    return values;
}

std::vector<SquareDoubt> DoubtsOf(const vision::CubeReading& reading,
                                  const ReadingIndices& indices) {
    std::vector<SquareDoubt> doubts;
    for (const vision::Doubt& doubt : reading.doubts) {
        doubts.push_back({{doubt.side, doubt.square},
                          indices.at(static_cast<std::size_t>(doubt.read)),
                          indices.at(static_cast<std::size_t>(doubt.second))});
    }
    return doubts;
}

} // namespace turnix
