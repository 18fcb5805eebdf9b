#pragma once

#include <array>

namespace turnix::vision {

// Red, green and blue in proportion to light, 1 for the brightest white the
// sRGB encoding can hold.
using LinearRgb = std::array<double, 3>;

// CIELAB under D65: lightness 0..100 and the two opponent axes.
using Lab = std::array<double, 3>;

[[nodiscard]] double LinearFromSrgb(double value255) noexcept;

[[nodiscard]] Lab LabFromLinear(const LinearRgb& rgb) noexcept;

} // namespace turnix::vision
