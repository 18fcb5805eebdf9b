#include "FirstClassification.h"

#include "Assignment.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace turnix::vision {

namespace {

constexpr int FreeRounds = 4;
constexpr int HeldRounds = 3;
constexpr std::ptrdiff_t Neighbours = 8;
// Two centres whose names could swap for this little (a centre with glare
// or a logo looks like no colour well) are left for the pieces to decide.
constexpr double NamingGap = 8;

// The model's colours named again so that, at the least cost, each centre's
// colour is its own; then the namings that swap two of those names and cost
// less than NamingGap more, for the pieces to decide between.
[[nodiscard]] std::vector<ColourModel> NamedByCentres(const ColourModel& model,
                                                      const Samples& samples) {
    const SampleCosts costs = CostsOf(model, samples);
    std::vector<double> matrix(PhotoCount * PhotoCount);
    for (std::size_t p = 0; p < PhotoCount; ++p) {
        for (std::size_t c = 0; c < PhotoCount; ++c) {
            matrix[p * PhotoCount + c] = costs[CentreSample(p)][c];
        }
    }
    const auto colourOf = CheapestAssignment(matrix, PhotoCount);
    const auto named = [&model](const std::vector<std::size_t>& of) {
        ColourModel renamed = model;
        for (std::size_t p = 0; p < PhotoCount; ++p) {
            renamed.colours[p] = model.colours[of[p]];
        }
        return renamed;
    };
    std::vector<ColourModel> namings{named(colourOf)};
    for (std::size_t a = 0; a < PhotoCount; ++a) {
        for (std::size_t b = a + 1; b < PhotoCount; ++b) {
            const double more =
                matrix[a * PhotoCount + colourOf[b]] + matrix[b * PhotoCount + colourOf[a]] -
                matrix[a * PhotoCount + colourOf[a]] - matrix[b * PhotoCount + colourOf[b]];
            if (more < NamingGap) {
                auto swapped = colourOf;
                std::swap(swapped[a], swapped[b]);
                namings.push_back(named(swapped));
            }
        }
    }
    return namings;
}

// The light and colours refitted with the centres held, and their cost.
[[nodiscard]] std::pair<ColourModel, double> Settled(ColourModel model, const Samples& samples) {
    ClassOf classes{};
    for (int round = 0; round < HeldRounds; ++round) {
        classes = NinePerColour(CostsOf(model, samples), true);
        model = FitModel(samples, classes, model.gains);
    }
    return {model, TotalCost(CostsOf(model, samples), classes)};
}

// Six stickers far apart, each among others of its colour: the densest
// first, then each time the dense sticker farthest from those chosen. A
// sticker with glare, alone in its part of the space, is never one.
[[nodiscard]] ColourModel StickerModel(const Samples& samples, const Gains& gains) {
    std::array<Lab, SampleCount> labs{};
    for (std::size_t i = 0; i < SampleCount; ++i) {
        labs[i] = LabFromLinear(Balanced(samples[i], gains));
    }
    const auto distance = [&labs](std::size_t a, std::size_t b) {
        return std::hypot(labs[a][0] - labs[b][0], labs[a][1] - labs[b][1],
                          labs[a][2] - labs[b][2]);
    };
    // How far a sticker's eighth nearest is: the other eight of its colour.
    std::array<double, SampleCount> reach{};
    for (std::size_t i = 0; i < SampleCount; ++i) {
        std::vector<double> d;
        for (std::size_t j = 0; j < SampleCount; ++j) {
            if (j != i) {
                d.push_back(distance(i, j));
            }
        }
        std::nth_element(d.begin(), d.begin() + Neighbours - 1, d.end());
        reach[i] = d[Neighbours - 1];
    }
    auto sorted = reach;
    std::ranges::sort(sorted);
    const double dense = 2 * sorted[SampleCount / 2];
    std::vector<std::size_t> seeds{
        static_cast<std::size_t>(std::ranges::min_element(reach) - reach.begin())};
    while (seeds.size() < PhotoCount) {
        std::size_t farthest = 0;
        double most = -1;
        for (std::size_t i = 0; i < SampleCount; ++i) {
            double nearest = std::numeric_limits<double>::infinity();
            for (const std::size_t s : seeds) {
                nearest = std::min(nearest, distance(i, s));
            }
            if (reach[i] <= dense && nearest > most) {
                most = nearest;
                farthest = i;
            }
        }
        seeds.push_back(farthest);
    }
    ColourModel model = CentreModel(samples, gains);
    for (std::size_t c = 0; c < PhotoCount; ++c) {
        model.colours[c] = labs[seeds[c]];
    }
    return model;
}

} // namespace

ClassOf NinePerColour(const SampleCosts& costs, bool centresHeld) {
    std::vector<std::size_t> rows;
    ClassOf classes{};
    for (std::size_t i = 0; i < SampleCount; ++i) {
        if (centresHeld && i % SquaresPerPhoto == CentreSquare) {
            classes[i] = i / SquaresPerPhoto;
        } else {
            rows.push_back(i);
        }
    }
    const std::size_t n = rows.size();
    const std::size_t perColour = n / PhotoCount;
    std::vector<double> matrix(n * n);
    for (std::size_t row = 0; row < n; ++row) {
        for (std::size_t place = 0; place < n; ++place) {
            matrix[row * n + place] = costs[rows[row]][place / perColour];
        }
    }
    const auto places = CheapestAssignment(matrix, n);
    for (std::size_t row = 0; row < n; ++row) {
        classes[rows[row]] = places[row] / perColour;
    }
    return classes;
}

std::vector<ColourModel> ClassifyByColour(const Samples& samples) {
    std::vector<std::pair<ColourModel, double>> settled;
    for (const Gains& gains : {EvenGains(), BrightestStickerGains(samples)}) {
        settled.push_back(Settled(CentreModel(samples, gains), samples));
        ColourModel model = StickerModel(samples, gains);
        for (int round = 0; round < FreeRounds; ++round) {
            model = FitModel(samples, NinePerColour(CostsOf(model, samples), false), model.gains);
        }
        for (const ColourModel& named : NamedByCentres(model, samples)) {
            settled.push_back(Settled(named, samples));
        }
    }
    std::ranges::stable_sort(settled, {}, &std::pair<ColourModel, double>::second);
    std::vector<ColourModel> models;
    models.reserve(settled.size());
    for (const auto& [model, cost] : settled) {
        models.push_back(model);
    }
    return models;
}

} // namespace turnix::vision
