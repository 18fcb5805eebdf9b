#pragma once

#include "Homography.h"
#include "Outlines.h"

#include <array>
#include <optional>
#include <span>
#include <vector>

namespace turnix::vision {

// Squares of a lattice looked at on each side of the one it was seeded on.
inline constexpr int LatticeReach = 4;
inline constexpr std::size_t LatticeSpan = 2 * LatticeReach + 1;

// A lattice of squares seen in perspective: square (i, j) spans grid points
// (i, j) to (i + 1, j + 1); a sticker sits `margin` inside its square on
// every side.
struct Lattice {
    Homography toImage;
    Homography fromImage;
    double margin{0};

    [[nodiscard]] static Lattice Through(const Homography& toImage, double margin) {
        return {toImage, toImage.Inverse(), margin};
    }
};

// A block of w × h squares from (i, j): one square for a sticker, more for
// squares of one colour side by side on a stickerless cube.
struct Block {
    int i{0};
    int j{0};
    int w{1};
    int h{1};

    [[nodiscard]] bool Within(int i0, int j0, int size) const {
        return i >= i0 && j >= j0 && i + w <= i0 + size && j + h <= j0 + size;
    }
    [[nodiscard]] int Squares() const { return w * h; }
    // Clockwise from the top left, `inset` inside the block.
    [[nodiscard]] std::array<cv::Point2d, 4> Corners(double inset) const {
        return {{{i + inset, j + inset},
                 {i + w - inset, j + inset},
                 {i + w - inset, j + h - inset},
                 {i + inset, j + h - inset}}};
    }
};

// Up to 3 × 3 and at most six squares, and not square: a sticker would pass
// for a 2 × 2 block of a lattice of half its pitch.
[[nodiscard]] bool PlausibleBlock(int w, int h);

// An outline that lies on a block of a lattice.
struct Match {
    std::size_t candidate{0}; // its index among the outlines
    Block block;
    double error{0};                    // its corners' farthest from the block's, in squares
    std::array<cv::Point2d, 4> corners; // in the picture, in the order of Block::Corners
    std::array<cv::Point2d, 4> onGrid;  // the same in grid points
};

// The outlines that lie on a lattice within its reach, each corner within a
// quarter square of its place, no two on one square: single squares first,
// then the best fitting.
class LatticeMatches {
public:
    LatticeMatches(const Lattice& lattice, std::span<const Quad> candidates);

    [[nodiscard]] std::vector<Match> Within(int i0, int j0, int size) const;
    [[nodiscard]] std::vector<Match> All() const {
        return Within(-LatticeReach, -LatticeReach, static_cast<int>(LatticeSpan));
    }
    // Squares covered by the outlines within a window.
    [[nodiscard]] int Covered(int i0, int j0, int size) const;

private:
    [[nodiscard]] bool Free(const Block& block) const;
    void Take(const Block& block);

    std::vector<Match> accepted_;
    std::array<bool, LatticeSpan * LatticeSpan> taken_{};
};

// How far inside their blocks the matched outlines sit, at the median.
[[nodiscard]] double MeasuredMargin(const std::vector<Match>& matches);

// Grid points and the picture's points they map to, for a fit.
struct FitPoints {
    std::vector<cv::Point2d> grid;
    std::vector<cv::Point2d> image;

    void Add(const std::vector<Match>& matches, double margin);
    [[nodiscard]] std::optional<Homography> Fit() const { return FitHomography(grid, image); }
};

// A region whose corners all lie on lattice points, covering two to six
// whole squares within a square beyond a 3 × 3 grid from (0, 0).
struct PlacedRegion {
    std::vector<cv::Point> squares;
    std::vector<cv::Point2d> latticePoints; // one for each corner of the region

    [[nodiscard]] bool InsideGrid() const;
};

[[nodiscard]] std::optional<PlacedRegion> PlaceRegion(const Lattice& lattice,
                                                      const std::vector<cv::Point2d>& region);

} // namespace turnix::vision
