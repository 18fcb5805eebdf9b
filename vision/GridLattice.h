#pragma once

#include "Homography.h"
#include "Outlines.h"

#include <array>
#include <span>
#include <vector>

namespace turnix::vision {

// A 3×3 grid that sticker outlines suggest.
struct GridFit {
    // Grid points (u, v), each 0..3 with square (column, row) between
    // (column, row) and (column + 1, row + 1), to the picture.
    Homography toImage;
    // Squares with an outline of their own where the grid puts one, or
    // inside a region whose corners all lie on the grid's lines.
    std::array<bool, 9> supported{};
    // How many outlines and regions that support comes from.
    int outlines{0};
    // Outlines on the same lattice just outside the grid or across its
    // border, or sticker-sized ones in a row along one of its sides: a grid
    // with two of them is part of a bigger one.
    int ringSupport{0};
};

// Fits a lattice of squares around each four-cornered outline in turn,
// through the outlines that lie on it, and keeps the 3×3 window over most of
// them. Grids found from several outlines are given once.
[[nodiscard]] std::vector<GridFit> FitGrids(const Outlines& outlines);

} // namespace turnix::vision
