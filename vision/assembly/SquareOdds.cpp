#include "SquareOdds.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace turnix::vision {

namespace {

constexpr double Never = std::numeric_limits<double>::infinity();
// The costs come from colours fitted to the reading itself, which makes the
// reading look surer than it is; confidence takes them this much flatter.
constexpr double Tempering = 2.5;
// Less than this is rounding, not a cheaper cube.
constexpr double Rounding = 1e-6;

} // namespace

SquareOdds::SquareOdds(const SideColors& readColours, double cost, double rivalGap)
    : read(readColours), readCost(cost), gap(rivalGap) {
    for (auto& side : rivalCost) {
        for (auto& square : side) {
            square.fill(Never);
        }
    }
}

void SquareOdds::WeighCube(const SideColors& rival, double cost) {
    if (rival == read) {
        return;
    }
    for (std::size_t s = 0; s < 6; ++s) {
        for (std::size_t q = 0; q < 9; ++q) {
            if (rival[s][q] != read[s][q]) {
                WeighSquare(s, q, rival[s][q], cost);
            }
        }
    }
    if (cost - readCost <= gap &&
        std::ranges::find(close, rival, &std::pair<double, SideColors>::second) == close.end()) {
        close.emplace_back(cost, rival);
    }
}

void SquareOdds::WeighSquare(std::size_t side, std::size_t square, std::int16_t colour,
                             double cost) {
    double& least = rivalCost[side][square][static_cast<std::size_t>(colour)];
    least = std::min(least, cost);
}

float SquareOdds::Confidence(std::size_t side, std::size_t square) const {
    double others = 0;
    for (const double cost : rivalCost[side][square]) {
        if (cost < Never) {
            others += std::exp((readCost - cost) / Tempering);
        }
    }
    return static_cast<float>(1 / (1 + others));
}

std::int16_t SquareOdds::Second(std::size_t side, std::size_t square) const {
    const ByColour& costs = rivalCost[side][square];
    const auto least = std::min_element(costs.begin(), costs.end());
    return *least < Never ? static_cast<std::int16_t>(least - costs.begin()) : std::int16_t{-1};
}

std::vector<SideColors> SquareOdds::CloseRivals() const {
    auto sorted = close;
    std::ranges::stable_sort(sorted, {}, &std::pair<double, SideColors>::first);
    std::vector<SideColors> cubes;
    cubes.reserve(sorted.size());
    for (const auto& [cost, cube] : sorted) {
        cubes.push_back(cube);
    }
    return cubes;
}

std::optional<Fit> WeighHeldFits(const PieceFitter& fitter, const Fit& fit, SquareOdds& odds) {
    std::optional<Fit> cheaper;
    const Arrangement& a = fit.arrangement;
    for (std::size_t p = 0; p < PiecePositionCount; ++p) {
        const auto position = static_cast<PiecePosition>(p);
        const bool corner = IsCorner(position);
        const std::size_t index = PieceIndex(position);
        const int held = corner ? a.corner[index] : a.edge[index];
        const int heldTurn = corner ? a.twist[index] : a.flip[index];
        for (int piece = 0; piece < (corner ? 8 : 12); ++piece) {
            for (int turn = 0; turn < (corner ? 3 : 2); ++turn) {
                if (piece == held && turn == heldTurn) {
                    continue;
                }
                const auto rival = fitter.BestHolding({position, piece, turn});
                if (!rival) {
                    continue;
                }
                odds.WeighCube(ColorsOf(rival->arrangement), rival->cost);
                if (rival->cost < (cheaper ? cheaper->cost : fit.cost - Rounding)) {
                    cheaper = rival;
                }
            }
        }
    }
    return cheaper;
}

} // namespace turnix::vision
