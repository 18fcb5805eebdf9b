#pragma once

#include "CubeVocabulary.h"
#include "Lab.h"
#include "SideReading.h"

#include <array>
#include <cstddef>
#include <span>

namespace turnix::vision {

inline constexpr std::size_t PhotoCount = side::Count;
inline constexpr std::size_t SquaresPerPhoto = SquaresPerSide;
inline constexpr std::size_t SampleCount = PhotoCount * SquaresPerPhoto;
inline constexpr std::size_t CentreSquare = square::Centre;

// One sticker as its photo shows it. Samples are numbered photo by photo,
// each photo's squares in its own order: photo * 9 + square.
struct Sample {
    std::size_t photo{0};
    LinearRgb light{};
    double spread{0};
};
using Samples = std::array<Sample, SampleCount>;

// For each sample, the colour it is taken to show, named by the photo whose
// centre shows that colour.
using ClassOf = std::array<std::size_t, SampleCount>;

// What it costs (a negative log-likelihood) to take each sample for each
// colour, the colours again named by photos.
using SampleCosts = std::array<std::array<double, PhotoCount>, SampleCount>;

[[nodiscard]] constexpr std::size_t CentreSample(std::size_t photo) noexcept {
    return photo * SquaresPerPhoto + CentreSquare;
}

// Six readings with finite colours, as the caller checked.
[[nodiscard]] Samples SamplesOf(std::span<const SideReading> sides);

[[nodiscard]] double TotalCost(const SampleCosts& costs, const ClassOf& classes) noexcept;

} // namespace turnix::vision
