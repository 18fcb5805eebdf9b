#pragma once

#include "CubeReading.h"
#include "CubeTestSupport.h"
#include "SideReading.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <random>
#include <vector>

namespace turnix::test {

// Sticker colours as a camera shows them in even daylight, sRGB, by the side
// whose colour they are: Top white, Bottom yellow, Front green, Back blue,
// Left orange, Right red.
using Palette = std::array<vision::Rgb, 6>;
inline constexpr Palette StandardColours{
    {{225, 228, 230}, {235, 215, 30}, {0, 155, 72}, {0, 70, 173}, {255, 105, 10}, {185, 20, 35}}};
// A cube whose red and orange lie close together.
inline constexpr Palette CloseRedAndOrange{
    {{225, 228, 230}, {235, 215, 30}, {0, 155, 72}, {0, 70, 173}, {235, 80, 25}, {200, 35, 30}}};

// The light of a set of photos: each photo's brightness and colour cast are
// drawn at random within these bounds, then each sticker's shading and the
// camera's noise.
struct Light {
    float dimmest{1};
    float brightest{1};
    float cast{0};    // each channel's gain within 1 ± cast
    float shading{0}; // each sticker's brightness within 1 ± shading
    float noise{0};   // sRGB steps, standard deviation
    float spread{0};  // the spread each sticker reports
};
inline constexpr Light EvenLight{0.9F, 1.05F, 0.04F, 0.03F, 1.5F, 3};
inline constexpr Light HardLight{0.55F, 1.25F, 0.15F, 0.10F, 5, 6};

[[nodiscard]] inline float ToLinear(float v) {
    const float c = std::clamp(v / 255.0F, 0.0F, 1.0F);
    return c <= 0.04045F ? c / 12.92F : std::pow((c + 0.055F) / 1.055F, 2.4F);
}

[[nodiscard]] inline float ToSrgb(float linear) {
    const float c = std::clamp(linear, 0.0F, 1.0F);
    return 255.0F * (c <= 0.0031308F ? 12.92F * c : 1.055F * std::pow(c, 1 / 2.4F) - 0.055F);
}

// Six photos of the cube in the order U R F D L B, each upright as in the
// net.
[[nodiscard]] inline std::array<vision::SideReading, 6>
PhotosOf(const CubeColors& cube, const Palette& palette, const Light& light, std::mt19937& random) {
    constexpr std::array<std::size_t, 6> Order{0, 5, 2, 1, 4, 3};
    std::uniform_real_distribution<float> brightness(light.dimmest, light.brightest);
    std::uniform_real_distribution<float> cast(1 - light.cast, 1 + light.cast);
    std::uniform_real_distribution<float> shading(1 - light.shading, 1 + light.shading);
    std::normal_distribution<float> noise(0, light.noise);
    std::array<vision::SideReading, 6> photos{};
    for (std::size_t n = 0; n < Order.size(); ++n) {
        const float level = brightness(random);
        const std::array<float, 3> gain{level * cast(random), level * cast(random),
                                        level * cast(random)};
        for (std::size_t q = 0; q < 9; ++q) {
            const vision::Rgb& c = palette[static_cast<std::size_t>(cube[Order[n]][q])];
            const float shade = shading(random);
            const auto channel = [&](float value, std::size_t k) {
                return std::clamp(ToSrgb(ToLinear(value) * gain[k] * shade) + noise(random), 0.0F,
                                  255.0F);
            };
            photos[n].stickers[q] = {{channel(c.red, 0), channel(c.green, 1), channel(c.blue, 2)},
                                     light.spread};
        }
    }
    return photos;
}

// The stickers of a photo as it looks turned a quarter clockwise.
template <typename Square>
[[nodiscard]] std::array<Square, 9> TurnedQuarter(const std::array<Square, 9>& squares) {
    std::array<Square, 9> turned{};
    for (std::size_t r = 0; r < 3; ++r) {
        for (std::size_t c = 0; c < 3; ++c) {
            turned[r * 3 + c] = squares[(2 - c) * 3 + r];
        }
    }
    return turned;
}

// The colours named again by the sides whose centres show them.
[[nodiscard]] inline CubeColors NamedByCentres(const CubeColors& colors) {
    CubeColors named{};
    for (std::size_t s = 0; s < 6; ++s) {
        for (std::size_t q = 0; q < 9; ++q) {
            for (std::size_t c = 0; c < 6; ++c) {
                if (colors[c][4] == colors[s][q]) {
                    named[s][q] = static_cast<std::int16_t>(c);
                }
            }
        }
    }
    return named;
}

inline void SetColors(clsCube& cube, const CubeColors& colors) {
    for (std::int16_t s = 0; s < 6; ++s) {
        for (std::int16_t q = 0; q < 9; ++q) {
            cube.Side(s).Square(q)->SetColorIndex(
                colors[static_cast<std::size_t>(s)][static_cast<std::size_t>(q)]);
        }
    }
}

// The same cube held any other way: every whole-cube rotation, reached by
// quarter rotations left and up.
[[nodiscard]] inline bool SameCubeTurned(const CubeColors& a, const CubeColors& b) {
    std::vector<CubeColors> reached{a};
    for (std::size_t n = 0; n < reached.size(); ++n) {
        if (NamedByCentres(reached[n]) == NamedByCentres(b)) {
            return true;
        }
        for (const auto rotate : {&clsCube::RotateLeft, &clsCube::RotateUp}) {
            clsCube cube;
            SetColors(cube, reached[n]);
            (cube.*rotate)();
            if (std::ranges::find(reached, ColorsOf(cube)) == reached.end()) {
                reached.push_back(ColorsOf(cube));
            }
        }
    }
    return false;
}

} // namespace turnix::test
