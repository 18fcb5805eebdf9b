#include "FirstClassification.h"

#include "Assignment.h"

#include <limits>
#include <vector>

namespace turnix::vision {

namespace {

constexpr std::size_t PlacesPerColour = SquaresPerPhoto - 1;
constexpr std::size_t Places = PhotoCount * PlacesPerColour;
constexpr int Rounds = 4;

} // namespace

ClassOf NinePerColour(const SampleCosts& costs) {
    std::vector<std::size_t> others;
    for (std::size_t i = 0; i < SampleCount; ++i) {
        if (i % SquaresPerPhoto != CentreSquare) {
            others.push_back(i);
        }
    }
    std::vector<double> matrix(Places * Places);
    for (std::size_t row = 0; row < Places; ++row) {
        for (std::size_t place = 0; place < Places; ++place) {
            matrix[row * Places + place] = costs[others[row]][place / PlacesPerColour];
        }
    }
    const auto places = CheapestAssignment(matrix, Places);
    ClassOf classes{};
    for (std::size_t p = 0; p < PhotoCount; ++p) {
        classes[CentreSample(p)] = p;
    }
    for (std::size_t row = 0; row < Places; ++row) {
        classes[others[row]] = places[row] / PlacesPerColour;
    }
    return classes;
}

ColourModel ClassifyByColour(const Samples& samples) {
    ColourModel best;
    double bestCost = std::numeric_limits<double>::infinity();
    for (const Gains& start : {EvenGains(), BrightestStickerGains(samples)}) {
        ColourModel model = CentreModel(samples, start);
        ClassOf classes{};
        for (int round = 0; round < Rounds; ++round) {
            classes = NinePerColour(CostsOf(model, samples));
            model = FitModel(samples, classes, model.gains);
        }
        const double cost = TotalCost(CostsOf(model, samples), classes);
        if (cost < bestCost) {
            bestCost = cost;
            best = model;
        }
    }
    return best;
}

} // namespace turnix::vision
