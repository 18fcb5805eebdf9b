#pragma once

#include "PieceFit.h"

#include <optional>
#include <vector>

namespace turnix::vision {

// How sure each square of a cube read from the photos is. Each rival
// reading weighed against it counts, for every square it reads otherwise,
// against that square, by how nearly it fits as well; a square's confidence
// weighs its colour against the best rival with each other colour there.
class SquareOdds {
public:
    // rivalGap: rivals that cost at most this much more are kept as cubes
    // that fit about as well.
    SquareOdds(const SideColors& read, double cost, double rivalGap);

    void WeighCube(const SideColors& rival, double cost);
    // A rival that differs in this square alone.
    void WeighSquare(std::size_t side, std::size_t square, std::int16_t colour, double cost);

    [[nodiscard]] float Confidence(std::size_t side, std::size_t square) const;
    // The likeliest other colour; -1 where no rival has one (centres).
    [[nodiscard]] std::int16_t Second(std::size_t side, std::size_t square) const;
    // The rival cubes within the gap, cheapest first.
    [[nodiscard]] std::vector<SideColors> CloseRivals() const;

private:
    using ByColour = std::array<double, ColourCount>;

    SideColors read;
    double readCost;
    double gap;
    std::array<std::array<ByColour, 9>, 6> rivalCost{};
    std::vector<std::pair<double, SideColors>> close;
};

// Weighs every cube with one piece held in another place or turned
// otherwise, the rest fitted again; the cheapest of them when it is cheaper
// than the fit itself (the mending found less than the best).
[[nodiscard]] std::optional<Fit> WeighHeldFits(const PieceFitter& fitter, const Fit& fit,
                                               SquareOdds& odds);

} // namespace turnix::vision
