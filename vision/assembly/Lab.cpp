#include "Lab.h"

#include <algorithm>
#include <cmath>

namespace turnix::vision {

namespace {

// sRGB primaries to XYZ, rows X, Y, Z; and the D65 white.
constexpr std::array<LinearRgb, 3> ToXyz{{{0.4124564, 0.3575761, 0.1804375},
                                          {0.2126729, 0.7151522, 0.0721750},
                                          {0.0193339, 0.1191920, 0.9503041}}};
constexpr std::array<double, 3> White{0.95047, 1.0, 1.08883};

[[nodiscard]] double LabCurve(double t) noexcept {
    constexpr double Delta = 6.0 / 29.0;
    return t > Delta * Delta * Delta ? std::cbrt(t) : t / (3 * Delta * Delta) + 4.0 / 29.0;
}

} // namespace

double LinearFromSrgb(double value255) noexcept {
    const double v = std::clamp(value255 / 255.0, 0.0, 1.0);
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

Lab LabFromLinear(const LinearRgb& rgb) noexcept {
    std::array<double, 3> f{};
    for (std::size_t row = 0; row < 3; ++row) {
        const auto& m = ToXyz[row];
        f[row] =
            LabCurve(std::max(0.0, m[0] * rgb[0] + m[1] * rgb[1] + m[2] * rgb[2]) / White[row]);
    }
    return {116 * f[1] - 16, 500 * (f[0] - f[1]), 200 * (f[1] - f[2])};
}

} // namespace turnix::vision
