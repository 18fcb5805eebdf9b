#pragma once

#include "PieceFit.h"
#include "Samples.h"

#include <vector>

namespace turnix::vision {

// Which photo shows each side, by side index, and by how many quarter turns
// clockwise the photo shows it turned from the way the net holds it.
struct Placement {
    std::array<std::size_t, 6> photoAt{};
    std::array<int, 6> turn{};

    friend bool operator==(const Placement&, const Placement&) = default;
};

// The photos in the order U R F D L B, each upright.
[[nodiscard]] Placement NetPlacement() noexcept;

// The photo's square that shows square q of the side, the photo turned so.
[[nodiscard]] std::size_t PhotoSquare(std::size_t q, int turn) noexcept;

[[nodiscard]] SquareCosts SideCosts(const SampleCosts& costs, const Placement& placement) noexcept;

// Which colour (by photo) each sample shows when the cube has these colours.
[[nodiscard]] ClassOf ClassesOf(const SideColors& colours, const Placement& placement) noexcept;

// A placement and a bound below the cost of its best cube (centres left
// out): each position's best piece, whether or not another position has it.
struct Ranked {
    double bound;
    Placement placement;

    friend bool operator<(const Ranked& a, const Ranked& b) noexcept { return a.bound < b.bound; }
};

// With the first photo as the Front, upright, the placements of the other
// five with the least bounds, cheapest first: at most count. A photo that
// looks the same turned is tried in the turns that look different only.
[[nodiscard]] std::vector<Ranked> LikeliestPlacements(const SampleCosts& costs, std::size_t count);

} // namespace turnix::vision
