#include "ColourModel.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace turnix::vision {

namespace {

// Degrees of freedom of the t distribution: tails heavy enough for glare.
constexpr double Freedom = 4;
// No sticker costs more than this (beyond its scale's share): one that is
// far from every colour (glare, a shadow, a smudge) says little about which
// it is, and should not outweigh the pieces around it.
constexpr double Unreadable = 12;
// The spread of a sticker's pixels, in sRGB steps, as CIELAB units.
constexpr double SpreadToLab = 0.25;
// Photos are never as even as arithmetic: the least scale on each axis.
constexpr Lab LeastScale{2.0, 1.5, 1.5};
constexpr Lab TypicalScale{8.0, 6.0, 6.0};
// From the median absolute deviation to a standard deviation, a little more
// since each colour's centre is the median of its own nine.
constexpr double DeviationOfMedian = 1.6;

[[nodiscard]] std::array<Lab, SampleCount> LabsOf(const Samples& samples, const Gains& gains) {
    std::array<Lab, SampleCount> labs{};
    for (std::size_t i = 0; i < SampleCount; ++i) {
        labs[i] = LabFromLinear(Balanced(samples[i], gains));
    }
    return labs;
}

[[nodiscard]] double Median(std::vector<double> values) {
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    if (values.size() % 2 == 1) {
        return *middle;
    }
    return (*middle + *std::max_element(values.begin(), middle)) / 2;
}

} // namespace

ColourModel CentreModel(const Samples& samples, const Gains& gains) {
    ColourModel model{gains, {}, TypicalScale};
    for (std::size_t p = 0; p < PhotoCount; ++p) {
        model.colours[p] = LabFromLinear(Balanced(samples[CentreSample(p)], gains));
    }
    return model;
}

ColourModel FitModel(const Samples& samples, const ClassOf& classes, const Gains& start) {
    ColourModel model{FitGains(samples, classes, start), {}, {}};
    const auto labs = LabsOf(samples, model.gains);
    for (std::size_t c = 0; c < PhotoCount; ++c) {
        for (std::size_t k = 0; k < 3; ++k) {
            std::vector<double> values;
            for (std::size_t i = 0; i < SampleCount; ++i) {
                if (classes[i] == c) {
                    values.push_back(labs[i][k]);
                }
            }
            model.colours[c][k] = values.empty() ? 0 : Median(std::move(values));
        }
    }
    for (std::size_t k = 0; k < 3; ++k) {
        std::vector<double> deviations(SampleCount);
        for (std::size_t i = 0; i < SampleCount; ++i) {
            deviations[i] = std::abs(labs[i][k] - model.colours[classes[i]][k]);
        }
        model.scale[k] = std::max(LeastScale[k], DeviationOfMedian * Median(std::move(deviations)));
    }
    return model;
}

SampleCosts CostsOf(const ColourModel& model, const Samples& samples) {
    const auto labs = LabsOf(samples, model.gains);
    SampleCosts costs{};
    for (std::size_t i = 0; i < SampleCount; ++i) {
        const double uneven = SpreadToLab * samples[i].spread;
        Lab variance{};
        double logDeterminant = 0;
        for (std::size_t k = 0; k < 3; ++k) {
            variance[k] = model.scale[k] * model.scale[k] + uneven * uneven;
            logDeterminant += std::log(variance[k]);
        }
        for (std::size_t c = 0; c < PhotoCount; ++c) {
            double distance = 0;
            for (std::size_t k = 0; k < 3; ++k) {
                const double d = labs[i][k] - model.colours[c][k];
                distance += d * d / variance[k];
            }
            costs[i][c] = std::min((Freedom + 3) / 2 * std::log1p(distance / Freedom), Unreadable) +
                          logDeterminant / 2;
        }
    }
    return costs;
}

} // namespace turnix::vision
