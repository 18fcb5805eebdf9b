#include "GridLattice.h"

#include "LatticeMatches.h"

#include <algorithm>
#include <cmath>
#include <opencv2/imgproc.hpp>
#include <optional>
#include <vector>

namespace turnix::vision {
namespace {

// Once a grid has this many squares supported, the outlines on it seed no
// other: they would only find it again.
constexpr std::size_t ExplainedFrom = 5;

// The lattice that puts the seed's outline on the block, `margin` inside it.
std::optional<Lattice> SeedLattice(const Quad& seed, const Block& block, double margin) {
    const auto toImage = FitHomography(block.Corners(margin), seed.corners);
    if (!toImage)
        return std::nullopt;
    return Lattice::Through(*toImage, margin);
}

// Ratios of pitch to sticker size that put another outline of about the
// seed's size one or two squares away along a row or column.
std::vector<double> PitchRatios(const Quad& seed, std::span<const Quad> candidates) {
    std::vector<double> ratios{1.0};
    const auto frame = SeedLattice(seed, {}, 0);
    if (!frame)
        return ratios;
    for (const auto& other : candidates) {
        const double sizes = other.area / seed.area;
        if (sizes < 0.4 || sizes > 2.5)
            continue;
        const cv::Point2d d = frame->fromImage.Map(other.centre) - cv::Point2d(0.5, 0.5);
        const double along = std::max(std::abs(d.x), std::abs(d.y));
        const double across = std::min(std::abs(d.x), std::abs(d.y));
        if (across > 0.3 * along)
            continue;
        for (const double steps : {1.0, 2.0}) {
            const double ratio = along / steps;
            if (ratio > 0.95 && ratio < 1.6 &&
                std::none_of(ratios.begin(), ratios.end(),
                             [&](double r) { return std::abs(r - ratio) < 0.03; }))
                ratios.push_back(ratio);
        }
    }
    return ratios;
}

// Ways to read the seed: one sticker at each likely pitch, or a block of
// squares of one colour without a margin, as its shape allows.
std::vector<Lattice> SeedLattices(const Quad& seed, std::span<const Quad> candidates) {
    std::vector<Lattice> seeds;
    for (const double ratio : PitchRatios(seed, candidates))
        if (auto lattice = SeedLattice(seed, {}, (1 - 1 / ratio) / 2))
            seeds.push_back(*lattice);
    const auto& c = seed.corners;
    const double aspect = (cv::norm(c[1] - c[0]) + cv::norm(c[2] - c[3])) /
                          (cv::norm(c[3] - c[0]) + cv::norm(c[2] - c[1]));
    for (int w = 1; w <= 3; ++w) {
        for (int h = 1; h <= 3; ++h) {
            const double fit = aspect * h / w;
            if (w != h && PlausibleBlock(w, h) && fit > 0.75 && fit < 1.33)
                if (auto lattice = SeedLattice(seed, {0, 0, w, h}, 0))
                    seeds.push_back(*lattice);
        }
    }
    return seeds;
}

// The seed's reading with the most outlines on it, followed out: refitted
// through everything on it, with the margin they show.
std::optional<Lattice> GrowLattice(const Quad& seed, std::span<const Quad> candidates) {
    std::optional<Lattice> best;
    std::size_t mostOutlines = 1;
    for (const auto& lattice : SeedLattices(seed, candidates)) {
        const std::size_t outlines = LatticeMatches(lattice, candidates).All().size();
        if (outlines > mostOutlines) {
            mostOutlines = outlines;
            best = lattice;
        }
    }
    for (int round = 0; best && round < 3; ++round) {
        const auto matches = LatticeMatches(*best, candidates).All();
        const double margin = MeasuredMargin(matches);
        FitPoints points;
        points.Add(matches, margin);
        const auto refit = points.Fit();
        if (!refit)
            break;
        best = Lattice::Through(*refit, margin);
    }
    return best;
}

// The 3×3 windows over the seed's square that cover the most squares.
std::vector<cv::Point> BestWindows(const LatticeMatches& matches) {
    int most = 0;
    std::vector<cv::Point> windows;
    for (int j0 = -2; j0 <= 0; ++j0) {
        for (int i0 = -2; i0 <= 0; ++i0) {
            const int covered = matches.Covered(i0, j0, 3);
            if (covered > most)
                windows.clear();
            if (covered >= most) {
                most = covered;
                windows.emplace_back(i0, j0);
            }
        }
    }
    return windows;
}

std::size_t SquareIndex(int column, int row) {
    return static_cast<std::size_t>(row) * 3 + static_cast<std::size_t>(column);
}

// Marks the grid's squares among those of a region; true when some lie in
// the ring round it.
bool Support(GridFit& fit, std::span<const cv::Point> squares) {
    bool outside = false;
    for (const cv::Point& s : squares) {
        if (s.x >= 0 && s.y >= 0 && s.x < 3 && s.y < 3)
            fit.supported[SquareIndex(s.x, s.y)] = true;
        else
            outside = true;
    }
    return outside;
}

// The most outlines of about a sticker's size near the middle of squares in
// the ring round the grid along any one of its sides, however the lattice
// bends: the next row of a bigger puzzle. The next side's stickers,
// foreshortened, lie nearer the border.
int NearRing(const Lattice& grid, std::span<const Quad> quads) {
    std::array<int, 4> alongSide{}; // above, right, below, left
    for (const auto& quad : quads) {
        const cv::Point2d c = grid.fromImage.Map(quad.centre);
        const cv::Point2d square(std::floor(c.x), std::floor(c.y));
        if (cv::norm(c - square - cv::Point2d(0.5, 0.5)) > 0.3 || square.x < -1 || square.y < -1 ||
            square.x > 3 || square.y > 3)
            continue;
        std::array<cv::Point2d, 4> g;
        for (std::size_t k = 0; k < 4; ++k)
            g[k] = grid.fromImage.Map(quad.corners[k]);
        const double across = cv::norm(g[1] - g[0]) + cv::norm(g[2] - g[3]);
        const double down = cv::norm(g[3] - g[0]) + cv::norm(g[2] - g[1]);
        const double side = (across + down) / 4;
        if (side < 0.6 || side > 1.1 || across > 1.5 * down || down > 1.5 * across)
            continue;
        alongSide[0] += square.y < 0 ? 1 : 0;
        alongSide[1] += square.x > 2 ? 1 : 0;
        alongSide[2] += square.y > 2 ? 1 : 0;
        alongSide[3] += square.x < 0 ? 1 : 0;
    }
    return *std::max_element(alongSide.begin(), alongSide.end());
}

// The grid over the window whose top left square is `corner`, refitted
// through the outlines and regions on it.
std::optional<GridFit> WindowGrid(const Lattice& lattice, cv::Point corner,
                                  const Outlines& outlines) {
    FitPoints window;
    window.Add(LatticeMatches(lattice, outlines.quads).Within(corner.x, corner.y, 3),
               lattice.margin);
    const auto refit = window.Fit();
    if (!refit)
        return std::nullopt;
    const Homography shift{cv::Matx33d(1, 0, corner.x, 0, 1, corner.y, 0, 0, 1)};
    const Lattice grid = Lattice::Through(refit->After(shift), lattice.margin);
    const LatticeMatches onGrid(grid, outlines.quads);
    GridFit fit{grid.toImage, {}, 0, 0};
    FitPoints points;
    points.Add(onGrid.Within(0, 0, 3), grid.margin);
    for (const auto& m : onGrid.Within(0, 0, 3)) {
        ++fit.outlines;
        for (int j = m.block.j; j < m.block.j + m.block.h; ++j)
            for (int i = m.block.i; i < m.block.i + m.block.w; ++i)
                fit.supported[SquareIndex(i, j)] = true;
    }
    fit.ringSupport =
        static_cast<int>(onGrid.Within(-1, -1, 5).size() - onGrid.Within(0, 0, 3).size());
    for (const auto& region : outlines.regions) {
        const auto placed = PlaceRegion(grid, region);
        if (!placed)
            continue;
        ++fit.outlines;
        fit.ringSupport += Support(fit, placed->squares) ? 1 : 0;
        if (placed->InsideGrid()) {
            points.grid.insert(points.grid.end(), placed->latticePoints.begin(),
                               placed->latticePoints.end());
            points.image.insert(points.image.end(), region.begin(), region.end());
        }
    }
    if (const auto final = points.Fit())
        fit.toImage = *final;
    fit.ringSupport = std::max(
        fit.ringSupport, NearRing(Lattice::Through(fit.toImage, grid.margin), outlines.quads));
    return fit;
}

// Two grids over the same squares, whichever corner each starts from.
bool SameGrid(const GridFit& a, const GridFit& b) {
    const double pitch =
        cv::norm(a.toImage.Map({0, 0}) - a.toImage.Map({3, 3})) / (3 * std::sqrt(2.0));
    const std::array<cv::Point2d, 4> corners{{{0, 0}, {3, 0}, {3, 3}, {0, 3}}};
    return std::all_of(corners.begin(), corners.end(), [&](const cv::Point2d& corner) {
        const cv::Point2d p = a.toImage.Map(corner);
        return std::any_of(corners.begin(), corners.end(), [&](const cv::Point2d& other) {
            return cv::norm(p - b.toImage.Map(other)) < 0.3 * pitch;
        });
    });
}

std::size_t SupportCount(const GridFit& fit) {
    return static_cast<std::size_t>(std::count(fit.supported.begin(), fit.supported.end(), true));
}

// Keeps one of each grid, the one with the most support.
void Keep(std::vector<GridFit>& grids, const GridFit& fit) {
    const auto same = std::find_if(grids.begin(), grids.end(),
                                   [&](const GridFit& g) { return SameGrid(g, fit); });
    if (same == grids.end())
        grids.push_back(fit);
    else if (SupportCount(fit) > SupportCount(*same))
        *same = fit;
}

} // namespace

std::vector<GridFit> FitGrids(const Outlines& outlines) {
    const std::span<const Quad> candidates = outlines.quads;
    std::vector<GridFit> grids;
    std::vector<bool> explained(candidates.size(), false);
    for (std::size_t s = 0; s < candidates.size(); ++s) {
        if (explained[s])
            continue;
        const auto lattice = GrowLattice(candidates[s], candidates);
        if (!lattice)
            continue;
        const LatticeMatches matches(*lattice, candidates);
        for (const cv::Point& window : BestWindows(matches)) {
            const auto fit = WindowGrid(*lattice, window, outlines);
            if (!fit)
                continue;
            Keep(grids, *fit);
            if (SupportCount(*fit) >= ExplainedFrom)
                for (const auto& m : matches.Within(window.x, window.y, 3))
                    explained[m.candidate] = true;
        }
    }
    return grids;
}

} // namespace turnix::vision
