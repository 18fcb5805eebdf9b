#include "GridScore.h"

#include "StickerSampling.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace turnix::vision {
namespace {

constexpr double SmallestPitch = 10; // pixels of the picture searched
// Above this a square without an outline of its own is taken to hold more
// than one colour, as a window shifted off the side onto the next does.
constexpr float MostEvenSpread = 12;
// Squares that must look like stickers: on outlines, or of one even colour
// with edges round them.
constexpr int LeastStickerLike = 7;
// The grid's area over its longest side squared: 1 straight on, about 0.6
// at 53°.
constexpr double LeastFrontal = 0.6;

std::array<cv::Point2d, 4> Outline(const GridFit& grid) {
    return {grid.toImage.Map({0, 0}), grid.toImage.Map({3, 0}), grid.toImage.Map({3, 3}),
            grid.toImage.Map({0, 3})};
}

// Convex, clockwise, no corner sharper than about 40°, opposite sides within
// a factor of two: a square seen from well within 60° of straight on.
bool Plausible(const std::array<cv::Point2d, 4>& outline) {
    for (std::size_t k = 0; k < 4; ++k) {
        const cv::Point2d in = outline[k] - outline[(k + 3) % 4];
        const cv::Point2d out = outline[(k + 1) % 4] - outline[k];
        if (in.cross(out) <= 0 || std::abs(in.dot(out)) > 0.75 * cv::norm(in) * cv::norm(out))
            return false;
    }
    const auto side = [&](std::size_t k) {
        return cv::norm(outline[(k + 1) % 4] - outline[k]);
    };
    return std::min(side(0), side(2)) > 0.5 * std::max(side(0), side(2)) &&
           std::min(side(1), side(3)) > 0.5 * std::max(side(1), side(3));
}

bool NearEdge(cv::Point2d p, const cv::Mat& edges) {
    constexpr int Near = 2; // pixels
    if (!cv::Rect2d(-Near, -Near, edges.cols + 2 * Near, edges.rows + 2 * Near).contains(p))
        return false;
    const cv::Rect around(static_cast<int>(std::lround(p.x)) - Near,
                          static_cast<int>(std::lround(p.y)) - Near, 2 * Near + 1, 2 * Near + 1);
    const cv::Rect inside = around & cv::Rect(0, 0, edges.cols, edges.rows);
    return !inside.empty() && cv::countNonZero(edges(inside)) > 0;
}

// The share of the grid's border that runs along edges: a side's border
// meets the background or the next side, which differ from it, while a
// window shifted off the side has a border across plain background.
double BorderOnEdges(const std::array<cv::Point2d, 4>& outline, const cv::Mat& edges) {
    constexpr int Samples = 20; // a side
    int onEdge = 0;
    for (std::size_t k = 0; k < 4; ++k) {
        for (int n = 0; n < Samples; ++n) {
            const double t = 0.05 + 0.9 * n / (Samples - 1);
            onEdge += NearEdge(outline[k] + t * (outline[(k + 1) % 4] - outline[k]), edges) ? 1 : 0;
        }
    }
    return onEdge / (4.0 * Samples);
}

// Whether edges run along at least half the border of a square, or a
// sticker's width inside it, as they do round a sticker whose outline was not
// whole or a square beside others of its colour; a square of plain
// background beside a smaller puzzle has edges on one side at most.
bool Enclosed(const Homography& grid, std::size_t square, const cv::Mat& edges) {
    constexpr int Samples = 6; // a side
    const std::size_t row = square / 3;
    const cv::Point2d corner(static_cast<double>(square % 3), static_cast<double>(row));
    const std::array<cv::Point2d, 4> along{{{1, 0}, {0, 1}, {-1, 0}, {0, -1}}};
    const std::array<cv::Point2d, 4> starts{{{0, 0}, {1, 0}, {1, 1}, {0, 1}}};
    int onEdge = 0;
    for (std::size_t k = 0; k < 4; ++k) {
        const cv::Point2d inward(-along[k].y, along[k].x);
        for (int n = 0; n < Samples; ++n) {
            const cv::Point2d p = corner + starts[k] + (0.2 + 0.6 * n / (Samples - 1)) * along[k];
            for (const double inset : {0.02, 0.07, 0.12}) {
                if (NearEdge(grid.Map(p + inset * inward), edges)) {
                    ++onEdge;
                    break;
                }
            }
        }
    }
    return onEdge >= 2 * Samples;
}

double Area(const std::array<cv::Point2d, 4>& outline) {
    double twice = 0;
    for (std::size_t k = 0; k < 4; ++k)
        twice += outline[k].cross(outline[(k + 1) % 4]);
    return std::abs(twice) / 2;
}

// The grid's area over its longest side squared.
double Frontal(const std::array<cv::Point2d, 4>& outline) {
    double longest = 0;
    for (std::size_t k = 0; k < 4; ++k)
        longest = std::max(longest, cv::norm(outline[(k + 1) % 4] - outline[k]));
    return Area(outline) / (longest * longest);
}

// Enough support, nothing of a bigger grid around, a plausible shape of a
// plausible size, inside the picture.
bool CouldBeASide(const GridFit& grid, const std::array<cv::Point2d, 4>& outline, cv::Size size) {
    const auto support =
        static_cast<std::size_t>(std::count(grid.supported.begin(), grid.supported.end(), true));
    if (support < LeastSupport || grid.outlines < LeastOutlines || grid.ringSupport > 1 ||
        !Plausible(outline) || Frontal(outline) < LeastFrontal)
        return false;
    const double pitch = std::sqrt(Area(outline)) / 3;
    // The grid's edge may lie a little outside when the cube's border is cut
    // off, but its stickers may not.
    const cv::Rect2d allowed(-0.15 * pitch, -0.15 * pitch, size.width + 0.3 * pitch,
                             size.height + 0.3 * pitch);
    return pitch >= SmallestPitch &&
           std::all_of(outline.begin(), outline.end(),
                       [&](cv::Point2d p) { return allowed.contains(p); });
}

int StickerLikeSquares(const GridFit& grid, const cv::Mat& picture, const cv::Mat& edges) {
    const auto samples = SampleStickers(picture, grid.toImage);
    int stickerLike = 0;
    for (std::size_t square = 0; square < 9; ++square)
        if (grid.supported[square] ||
            (samples[square].spread <= MostEvenSpread && Enclosed(grid.toImage, square, edges)))
            ++stickerLike;
    return stickerLike;
}

} // namespace

std::optional<double> ScoreGrid(const GridFit& grid, const cv::Mat& picture, const cv::Mat& edges) {
    const auto outline = Outline(grid);
    if (!CouldBeASide(grid, outline, picture.size()))
        return std::nullopt;
    const int stickerLike = StickerLikeSquares(grid, picture, edges);
    if (stickerLike < LeastStickerLike)
        return std::nullopt;
    const double filled = stickerLike / 9.0;
    const double bordered = 0.5 + 0.5 * BorderOnEdges(outline, edges);
    const cv::Point2d middle(picture.cols / 2.0, picture.rows / 2.0);
    const double offCentre = cv::norm(grid.toImage.Map({1.5, 1.5}) - middle) / cv::norm(middle);
    return filled * filled * bordered * Frontal(outline) *
           std::sqrt(Area(outline) / picture.size().area()) * (1 - 0.5 * offCentre);
}

} // namespace turnix::vision
