#include "SameSide.h"

#include <algorithm>
#include <cmath>

namespace turnix::vision {

namespace {

// One photo's light may differ from another's by any brightness but by at
// most this factor between its channels (log units): a cast, not a change
// of colour.
constexpr double MostCast = 0.4;
// Stickers this far apart (CIELAB) after the light is matched are different.
constexpr double Unlike = 22;
constexpr double DarkChannel = 0.02;
constexpr double Darkest = 1e-4;
constexpr int Turns = 4;

[[nodiscard]] std::size_t Turned(std::size_t q, int turn) {
    std::size_t row = q / 3;
    std::size_t column = q % 3;
    for (int t = 0; t < turn; ++t) {
        const std::size_t was = row;
        row = column;
        column = 2 - was;
    }
    return row * 3 + column;
}

// Whether photo b, its square q read as square Turned(q, turn) of photo a,
// shows the same stickers as a.
[[nodiscard]] bool Alike(const Samples& samples, std::size_t a, std::size_t b, int turn) {
    std::array<double, 3> logGain{};
    for (std::size_t k = 0; k < 3; ++k) {
        double sum = 0;
        double weight = 0;
        for (std::size_t q = 0; q < SquaresPerPhoto; ++q) {
            const double x =
                std::max(samples[a * SquaresPerPhoto + Turned(q, turn)].light[k], Darkest);
            const double y = std::max(samples[b * SquaresPerPhoto + q].light[k], Darkest);
            const double w = x / (x + DarkChannel) * y / (y + DarkChannel);
            sum += w * std::log(y / x);
            weight += w;
        }
        logGain[k] = sum / weight;
    }
    const double brightness = (logGain[0] + logGain[1] + logGain[2]) / 3;
    if (std::ranges::any_of(logGain,
                            [&](double g) { return std::abs(g - brightness) > MostCast; })) {
        return false;
    }
    for (std::size_t q = 0; q < SquaresPerPhoto; ++q) {
        const LinearRgb& x = samples[a * SquaresPerPhoto + Turned(q, turn)].light;
        LinearRgb y = samples[b * SquaresPerPhoto + q].light;
        for (std::size_t k = 0; k < 3; ++k) {
            y[k] /= std::exp(logGain[k]);
        }
        const Lab p = LabFromLinear(x);
        const Lab r = LabFromLinear(y);
        const double distance = std::hypot(p[0] - r[0], p[1] - r[1], p[2] - r[2]);
        if (distance > Unlike) {
            return false;
        }
    }
    return true;
}

} // namespace

std::optional<std::pair<std::size_t, std::size_t>> SameSideTwice(const Samples& samples) {
    for (std::size_t a = 0; a < PhotoCount; ++a) {
        for (std::size_t b = a + 1; b < PhotoCount; ++b) {
            for (int turn = 0; turn < Turns; ++turn) {
                if (Alike(samples, a, b, turn)) {
                    return std::pair{a, b};
                }
            }
        }
    }
    return std::nullopt;
}

} // namespace turnix::vision
