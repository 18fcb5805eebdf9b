#include "CubeReading.h"

#include "assembly/FirstClassification.h"
#include "assembly/Placement.h"
#include "assembly/SameSide.h"
#include "assembly/SquareOdds.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <tuple>

namespace turnix::vision {

namespace {

// Costs are negative log-likelihoods. A rival this close is about as
// likely (at least one chance in e² ≈ 7) and is reported as fitting too.
constexpr double AboutEqually = 2.0;
// A square less sure than this is worth a second look.
constexpr float DoubtBelow = 0.99F;
// When the pieces as they look cost this much less than the best cube that
// turning could solve, the photos show a cube that cannot be solved (a
// twisted corner, a flipped edge, two pieces swapped), and that is what is
// reported. Stickers that fit no piece are not enough: glare makes those.
constexpr double ClearlyUnsolvable = 15.0;
// Placements of photos in any order tried in full, the likeliest by a quick
// bound; and rounds of refitting light and colours to the pieces found.
constexpr std::size_t PlacementsTried = 16;
// Up to so many ways of naming the colours rank the placements, the others'
// likeliest few tried too: they differ when a centre looks like no colour
// well, or like another.
constexpr std::size_t NamingsRanked = 3;
constexpr std::size_t OtherStartsTried = 4;
constexpr int RefitRounds = 4;
// A symmetric pattern fits many placements; this many are looked at for
// other cubes as likely as the best.
constexpr std::size_t MostTies = 4096;

constexpr std::array<std::size_t, 6> FaceletSides{0, 5, 2, 1, 4, 3};

// One way to read the photos: where they lie, their light and colours, and
// the cube that fits best.
struct Candidate {
    Placement placement;
    ColourModel model;
    SquareCosts costs{};
    // The cube it reads: the best that turning can solve, unless the pieces
    // as they look are clearly cheaper.
    Fit fit;
    bool solvable{true};
    // What the pieces as they look cost: how well the light and colours
    // explain the photos.
    double asSeen{0};
    // Which naming of the colours its placement was ranked under.
    std::size_t naming{0};
};

[[nodiscard]] std::string FromOne(std::size_t n) {
    return std::to_string(n + 1);
}

[[nodiscard]] std::optional<std::string> Unreadable(std::span<const SideReading> sides) {
    if (sides.size() != PhotoCount) {
        return "A cube is read from six photos, one of each side; " + std::to_string(sides.size()) +
               (sides.size() == 1 ? " was" : " were") + " given.";
    }
    for (std::size_t p = 0; p < PhotoCount; ++p) {
        for (std::size_t q = 0; q < SquaresPerPhoto; ++q) {
            const StickerSample& s = sides[p].stickers[q];
            if (!std::isfinite(s.color.red) || !std::isfinite(s.color.green) ||
                !std::isfinite(s.color.blue) || !std::isfinite(s.spread)) {
                return "Photo " + FromOne(p) + " gives no colour for square " + FromOne(q) + ".";
            }
        }
    }
    return std::nullopt;
}

// The fit of one placement under one light and colours.
[[nodiscard]] Candidate Fitted(const Placement& placement, const ColourModel& model,
                               const SquareCosts& costs) {
    const PieceFitter fitter(costs);
    const Fit asSeen = fitter.PiecesAsSeen();
    const bool solvable = fitter.Best().cost - asSeen.cost <= ClearlyUnsolvable;
    return {placement, model, costs, solvable ? fitter.Best() : asSeen, solvable, asSeen.cost};
}

// Puts first the candidate to report: of those whose pieces as they look
// explain the photos about as well as any, one whose cube can be solved if
// there is one, the cheapest.
void ChosenFirst(std::vector<Candidate>& candidates) {
    const double least = std::ranges::min_element(candidates, {}, &Candidate::asSeen)->asSeen;
    std::ranges::stable_sort(candidates, {}, [least](const Candidate& c) {
        const bool close = c.asSeen <= least + AboutEqually;
        return std::tuple{!close, !c.solvable, close ? c.fit.cost : c.asSeen};
    });
}

// Light, colours and pieces fitted to each other in turn, from the colours
// alone to the colours that the cube's pieces allow.
[[nodiscard]] Candidate Refit(const Samples& samples, const ColourModel& start,
                              const Placement& placement) {
    ColourModel model = start;
    ClassOf previous{};
    for (int round = 0;; ++round) {
        Candidate candidate =
            Fitted(placement, model, SideCosts(CostsOf(model, samples), placement));
        const ClassOf classes = ClassesOf(ColorsOf(candidate.fit.arrangement), placement);
        if ((round > 0 && classes == previous) || round == RefitRounds) {
            return candidate;
        }
        previous = classes;
        model = FitModel(samples, classes, model.gains);
    }
}

// The likeliest colour of every square by itself, the centres their own.
[[nodiscard]] SideColors LikeliestSquares(const SquareCosts& costs) {
    SideColors colours{};
    for (std::size_t s = 0; s < 6; ++s) {
        for (std::size_t q = 0; q < 9; ++q) {
            const auto least = static_cast<std::size_t>(std::ranges::min_element(costs[s][q]) -
                                                        costs[s][q].begin());
            colours[s][q] = static_cast<std::int16_t>(q == CentreSquare ? s : least);
        }
    }
    return colours;
}

// Each square of a reading weighed against the colours it looks more like by
// itself, as rivals that differ there alone: a square read against its own
// look, because the pieces allow nothing else, is worth a second look.
void WeighOwnLook(const SquareCosts& costs, const SideColors& read, double cost, SquareOdds& odds) {
    for (std::size_t s = 0; s < 6; ++s) {
        for (std::size_t q = 0; q < 9; ++q) {
            const double own = costs[s][q][static_cast<std::size_t>(read[s][q])];
            for (std::size_t c = 0; c < ColourCount; ++c) {
                if (q != CentreSquare && costs[s][q][c] < own) {
                    odds.WeighSquare(s, q, static_cast<std::int16_t>(c),
                                     cost - own + costs[s][q][c]);
                }
            }
        }
    }
}

[[nodiscard]] CubeReading Report(const SideColors& colours, const SquareOdds& odds,
                                 std::vector<SideColors> alsoFits, const Placement& placement,
                                 std::span<const SideReading> sides) {
    CubeReading reading;
    reading.colors = colours;
    reading.alsoFits = std::move(alsoFits);
    for (const std::size_t s : FaceletSides) {
        reading.centreColors[s] = sides[placement.photoAt[s]].stickers[CentreSquare].color;
        for (std::size_t q = 0; q < 9; ++q) {
            const float confidence = q == CentreSquare ? 1.0F : odds.Confidence(s, q);
            reading.confidence[s][q] = confidence;
            if (confidence < DoubtBelow && odds.Second(s, q) >= 0) {
                reading.doubts.push_back({static_cast<std::int16_t>(s),
                                          static_cast<std::int16_t>(q), colours[s][q],
                                          odds.Second(s, q)});
            }
        }
    }
    return reading;
}

// The chosen reading with its doubts; other placements' cubes as rivals.
[[nodiscard]] CubeReading Describe(const Candidate& chosen, std::span<const Candidate> others,
                                   const Samples& samples, std::span<const SideReading> sides) {
    const PieceFitter fitter(chosen.costs);
    Fit fit = fitter.Best();
    SquareOdds odds(ColorsOf(fit.arrangement), fit.cost, AboutEqually);
    for (int tries = 0;; ++tries) {
        const auto cheaper = WeighHeldFits(fitter, fit, odds);
        if (!cheaper || tries == 2) {
            break;
        }
        fit = *cheaper;
        odds = SquareOdds(ColorsOf(fit.arrangement), fit.cost, AboutEqually);
    }
    const SideColors solvable = ColorsOf(fit.arrangement);
    WeighOwnLook(chosen.costs, solvable, fit.cost, odds);
    // Other placements weighed under this one's light and colours: a model
    // fitted to its own reading flatters it.
    const SampleCosts costs = CostsOf(chosen.model, samples);
    std::vector<Placement> placements{chosen.placement};
    for (const Candidate& other : others) {
        if (std::ranges::find(placements, other.placement) == placements.end()) {
            placements.push_back(other.placement);
            const Fit rival = PieceFitter(SideCosts(costs, other.placement)).Best();
            odds.WeighCube(ColorsOf(rival.arrangement), rival.cost);
        }
    }
    // Every piece clearly there, but twisted, flipped or swapped as turning
    // never leaves them: that is the cube, and the squares that a cube that
    // can be solved would need otherwise are the ones to look at.
    const Fit asSeen = fitter.PiecesAsSeen();
    if (fit.cost - asSeen.cost > ClearlyUnsolvable) {
        const SideColors read = ColorsOf(asSeen.arrangement);
        SquareOdds seen(read, asSeen.cost, 0);
        seen.WeighCube(solvable, asSeen.cost);
        WeighOwnLook(chosen.costs, read, asSeen.cost, seen);
        return Report(read, seen, {}, chosen.placement, sides);
    }
    return Report(solvable, odds, odds.CloseRivals(), chosen.placement, sides);
}

[[nodiscard]] double CentresCost(const SquareCosts& costs) {
    double sum = 0;
    for (std::size_t s = 0; s < 6; ++s) {
        sum += costs[s][CentreSquare][s];
    }
    return sum;
}

// The starts that name the colours differently, the best first: a centre
// that looks like another colour (a logo) swaps two names, and then only
// the right names find the right placement.
[[nodiscard]] std::vector<ColourModel> DistinctNamings(const Samples& samples,
                                                       std::span<const ColourModel> starts) {
    std::vector<ColourModel> namings;
    std::vector<ClassOf> seen;
    for (const ColourModel& start : starts) {
        const ClassOf classes = NinePerColour(CostsOf(start, samples), true);
        if (std::ranges::find(seen, classes) == seen.end() && namings.size() < NamingsRanked) {
            seen.push_back(classes);
            namings.push_back(start);
        }
    }
    return namings;
}

// The placements that the quick bound likes best under each naming, each
// fitted in full; then every other placement whose bound leaves its pieces
// a chance to look about as well as the best's (a symmetric pattern fits
// many), one of each that reads alike square by square, under the best
// one's light and colours.
[[nodiscard]] std::vector<Candidate> PlaceInAnyOrder(const Samples& samples,
                                                     std::span<const ColourModel> starts) {
    const std::vector<ColourModel> namings = DistinctNamings(samples, starts);
    std::vector<std::vector<Ranked>> rankings;
    std::vector<Candidate> candidates;
    std::vector<SideColors> seen;
    for (std::size_t k = 0; k < namings.size(); ++k) {
        rankings.push_back(LikeliestPlacements(CostsOf(namings[k], samples), MostTies));
        const std::size_t tried = k == 0 ? PlacementsTried : OtherStartsTried;
        for (std::size_t n = 0; n < std::min(tried, rankings[k].size()); ++n) {
            candidates.push_back(Refit(samples, namings[k], rankings[k][n].placement));
            candidates.back().naming = k;
            seen.push_back(LikeliestSquares(candidates.back().costs));
        }
    }
    ChosenFirst(candidates);
    const Candidate best = candidates.front();
    const SampleCosts startCosts = CostsOf(namings[best.naming], samples);
    const SquareCosts bestAtStart = SideCosts(startCosts, best.placement);
    const double bound = Fitted(best.placement, best.model, bestAtStart).asSeen -
                         CentresCost(bestAtStart) + AboutEqually;
    const SampleCosts costs = CostsOf(best.model, samples);
    for (const Ranked& ranked : rankings[best.naming]) {
        if (ranked.bound > bound) {
            break;
        }
        const SquareCosts placed = SideCosts(costs, ranked.placement);
        const SideColors likeliest = LikeliestSquares(placed);
        if (std::ranges::find(seen, likeliest) != seen.end()) {
            continue;
        }
        seen.push_back(likeliest);
        const Candidate tie = Fitted(ranked.placement, best.model, placed);
        if (tie.asSeen <= best.asSeen + AboutEqually) {
            candidates.push_back(tie);
        }
    }
    return candidates;
}

} // namespace

std::variant<CubeReading, AssemblyError> AssembleCube(std::span<const SideReading> sides,
                                                      PhotoOrder order) {
    if (const auto problem = Unreadable(sides)) {
        return AssemblyError{*problem};
    }
    const Samples samples = SamplesOf(sides);
    if (const auto twice = SameSideTwice(samples)) {
        return AssemblyError{"Photos " + FromOne(twice->first) + " and " + FromOne(twice->second) +
                             " show the same side: their centres have one colour. Each photo "
                             "must show a different side."};
    }
    const std::vector<ColourModel> starts = ClassifyByColour(samples);
    std::vector<Candidate> candidates;
    if (order == PhotoOrder::Fixed) {
        for (const ColourModel& start : starts) {
            candidates.push_back(Refit(samples, start, NetPlacement()));
        }
    } else {
        candidates = PlaceInAnyOrder(samples, starts);
    }
    ChosenFirst(candidates);
    return Describe(candidates.front(), std::span(candidates).subspan(1), samples, sides);
}

} // namespace turnix::vision
