#pragma once

#include "GridLattice.h"

#include <opencv2/core.hpp>
#include <optional>

namespace turnix::vision {

// Fewest squares of a grid that must lie on outlines, and fewest outlines
// they must come from: one shape alone is no grid.
inline constexpr std::size_t LeastSupport = 5;
inline constexpr int LeastOutlines = 3;

// How likely a fitted grid is to be the side the photo shows: nothing for a
// grid that is no cube side at all (too little support, part of a bigger
// grid, misshapen, tiny or cut off by the picture's edge); otherwise more for
// grids with more squares that look like stickers (supported, or of one even
// colour), with edges along their border, larger, seen more squarely and
// nearer the middle. `edges` is FindOutlines' edge map of the BGR picture.
[[nodiscard]] std::optional<double> ScoreGrid(const GridFit& grid, const cv::Mat& picture,
                                              const cv::Mat& edges);

} // namespace turnix::vision
