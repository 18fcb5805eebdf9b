#include "LatticeMatches.h"

#include <algorithm>
#include <cmath>
#include <opencv2/imgproc.hpp>

namespace turnix::vision {
namespace {

// Tolerances in squares of the lattice.
constexpr double MostCornerError = 0.25;
constexpr double MostRegionCornerError = 0.15;

std::size_t Slot(int i, int j) {
    return static_cast<std::size_t>(j + LatticeReach) * LatticeSpan +
           static_cast<std::size_t>(i + LatticeReach);
}

// Tries each corner of the outline as the block's top left, and the block
// size its sides suggest.
std::optional<Match> MatchOutline(const Lattice& lattice, const Quad& quad, std::size_t index) {
    std::array<cv::Point2d, 4> grid;
    for (std::size_t k = 0; k < 4; ++k)
        grid[k] = lattice.fromImage.Map(quad.corners[k]);
    const cv::Point2d centre = lattice.fromImage.Map(quad.centre);
    std::optional<Match> best;
    for (std::size_t shift = 0; shift < 4; ++shift) {
        const auto at = [&](std::size_t k) {
            return grid[(k + shift) % 4];
        };
        const double across = (cv::norm(at(1) - at(0)) + cv::norm(at(2) - at(3))) / 2;
        const double down = (cv::norm(at(3) - at(0)) + cv::norm(at(2) - at(1))) / 2;
        Block block;
        block.w = static_cast<int>(std::lround(across + 2 * lattice.margin));
        block.h = static_cast<int>(std::lround(down + 2 * lattice.margin));
        if (!PlausibleBlock(block.w, block.h))
            continue;
        block.i = static_cast<int>(std::lround(centre.x - block.w / 2.0));
        block.j = static_cast<int>(std::lround(centre.y - block.h / 2.0));
        if (!block.Within(-LatticeReach, -LatticeReach, static_cast<int>(LatticeSpan)))
            continue;
        const auto expected = block.Corners(lattice.margin);
        double worst = 0;
        for (std::size_t k = 0; k < 4; ++k)
            worst = std::max(worst, cv::norm(at(k) - expected[k]));
        if (worst < MostCornerError && (!best || worst < best->error)) {
            best = Match{index, block, worst, {}, {}};
            for (std::size_t k = 0; k < 4; ++k) {
                best->corners[k] = quad.corners[(k + shift) % 4];
                best->onGrid[k] = at(k);
            }
        }
    }
    return best;
}

} // namespace

bool PlausibleBlock(int w, int h) {
    return w >= 1 && h >= 1 && w <= 3 && h <= 3 && w * h <= 6 && (w == 1 || w != h);
}

LatticeMatches::LatticeMatches(const Lattice& lattice, std::span<const Quad> candidates) {
    std::vector<Match> all;
    for (std::size_t n = 0; n < candidates.size(); ++n)
        if (auto match = MatchOutline(lattice, candidates[n], n))
            all.push_back(*match);
    std::sort(all.begin(), all.end(), [](const Match& a, const Match& b) {
        return a.block.Squares() != b.block.Squares() ? a.block.Squares() < b.block.Squares()
                                                      : a.error < b.error;
    });
    for (const auto& m : all) {
        if (Free(m.block)) {
            Take(m.block);
            accepted_.push_back(m);
        }
    }
}

std::vector<Match> LatticeMatches::Within(int i0, int j0, int size) const {
    std::vector<Match> found;
    std::copy_if(accepted_.begin(), accepted_.end(), std::back_inserter(found),
                 [&](const Match& m) { return m.block.Within(i0, j0, size); });
    return found;
}

int LatticeMatches::Covered(int i0, int j0, int size) const {
    int squares = 0;
    for (const auto& m : Within(i0, j0, size))
        squares += m.block.Squares();
    return squares;
}

bool LatticeMatches::Free(const Block& block) const {
    for (int j = block.j; j < block.j + block.h; ++j)
        for (int i = block.i; i < block.i + block.w; ++i)
            if (taken_[Slot(i, j)])
                return false;
    return true;
}

void LatticeMatches::Take(const Block& block) {
    for (int j = block.j; j < block.j + block.h; ++j)
        for (int i = block.i; i < block.i + block.w; ++i)
            taken_[Slot(i, j)] = true;
}

double MeasuredMargin(const std::vector<Match>& matches) {
    if (matches.empty())
        return 0;
    std::vector<double> margins;
    for (const auto& m : matches) {
        const auto outer = m.block.Corners(0);
        double inset = 0;
        for (std::size_t k = 0; k < 4; ++k) {
            const cv::Point2d inward = outer[(k + 2) % 4] - outer[k];
            const cv::Point2d d = m.onGrid[k] - outer[k];
            inset += (d.x * (inward.x > 0 ? 1 : -1) + d.y * (inward.y > 0 ? 1 : -1)) / 2;
        }
        margins.push_back(inset / 4);
    }
    const auto middle = margins.begin() + static_cast<long>(margins.size() / 2);
    std::nth_element(margins.begin(), middle, margins.end());
    return std::clamp(*middle, 0.0, 0.25);
}

void FitPoints::Add(const std::vector<Match>& matches, double margin) {
    for (const auto& m : matches) {
        const auto expected = m.block.Corners(margin);
        grid.insert(grid.end(), expected.begin(), expected.end());
        image.insert(image.end(), m.corners.begin(), m.corners.end());
    }
}

bool PlacedRegion::InsideGrid() const {
    return std::all_of(squares.begin(), squares.end(), [](const cv::Point& s) {
        return s.x >= 0 && s.y >= 0 && s.x < 3 && s.y < 3;
    });
}

std::optional<PlacedRegion> PlaceRegion(const Lattice& lattice,
                                        const std::vector<cv::Point2d>& region) {
    PlacedRegion placed;
    std::vector<cv::Point2f> onGrid;
    for (const auto& p : region) {
        const cv::Point2d g = lattice.fromImage.Map(p);
        const cv::Point2d nearest(std::round(g.x), std::round(g.y));
        if (cv::norm(g - nearest) > MostRegionCornerError || nearest.x < -1 || nearest.y < -1 ||
            nearest.x > 4 || nearest.y > 4)
            return std::nullopt;
        onGrid.emplace_back(static_cast<float>(g.x), static_cast<float>(g.y));
        placed.latticePoints.push_back(nearest);
    }
    for (int j = -1; j <= 3; ++j)
        for (int i = -1; i <= 3; ++i)
            if (cv::pointPolygonTest(
                    onGrid, cv::Point2f(static_cast<float>(i) + 0.5F, static_cast<float>(j) + 0.5F),
                    false) > 0)
                placed.squares.emplace_back(i, j);
    // The outline runs a pixel or two inside the region, which takes a little
    // off its area.
    const double area = cv::contourArea(onGrid);
    const auto squares = static_cast<double>(placed.squares.size());
    if (placed.squares.size() < 2 || placed.squares.size() > 6 ||
        std::abs(area - squares) > 0.2 + 0.1 * squares)
        return std::nullopt;
    return placed;
}

} // namespace turnix::vision
