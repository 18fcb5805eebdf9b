#include "Outlines.h"

#include <algorithm>
#include <cmath>
#include <opencv2/imgproc.hpp>
#include <optional>

namespace turnix::vision {
namespace {

// Canny's thresholds on a channel's gradient, some four times the height of
// a step: above the noise and JPEG blocks inside a sticker, below the step
// in green between red and orange even in dim light.
constexpr double EdgeLow = 35;
constexpr double EdgeHigh = 80;
constexpr double SmallestSide = 7; // pixels

// How much dimmer than a well-lit photo this one is: the level its brightest
// pixels reach, against full scale, but no more than DimmestLight.
double Light(const cv::Mat& bgr) {
    constexpr double DimmestLight = 0.3;
    std::vector<std::uint8_t> brightest;
    brightest.reserve(bgr.total() / 16 + 1);
    for (int y = 0; y < bgr.rows; y += 4) {
        const auto* row = bgr.ptr<cv::Vec3b>(y);
        for (int x = 0; x < bgr.cols; x += 4)
            brightest.push_back(std::max({row[x][0], row[x][1], row[x][2]}));
    }
    const auto top = brightest.begin() + static_cast<long>(brightest.size() * 99 / 100);
    std::nth_element(brightest.begin(), top, brightest.end());
    return std::clamp(*top / 255.0, DimmestLight, 1.0);
}

// Edges of every channel together: a border between two colours of one
// brightness shows in colour alone. The thresholds follow the light, so
// that a dim photo's stickers keep their outlines.
cv::Mat ColourEdges(const cv::Mat& bgr) {
    cv::Mat smooth;
    cv::GaussianBlur(bgr, smooth, cv::Size(7, 7), 1.6);
    std::array<cv::Mat, 3> channels;
    cv::split(smooth, channels.data());
    const double light = Light(smooth);
    cv::Mat edges = cv::Mat::zeros(bgr.size(), CV_8U);
    cv::Mat channelEdges;
    for (const auto& channel : channels) {
        cv::Canny(channel, channelEdges, EdgeLow * light, EdgeHigh * light, 3, true);
        edges |= channelEdges;
    }
    // Closes the one-pixel breaks that would open a sticker's outline.
    cv::dilate(edges, edges, cv::Mat());
    return edges;
}

double Cross(cv::Point2d a, cv::Point2d b) {
    return a.x * b.y - a.y * b.x;
}

std::optional<cv::Point2d> Intersection(cv::Point2d p, cv::Point2d r, cv::Point2d q,
                                        cv::Point2d s) {
    const double d = Cross(r, s);
    if (std::abs(d) < 1e-9)
        return std::nullopt;
    return p + r * (Cross(q - p, s) / d);
}

// Straight lines fitted to the middle of each side move the corners out to
// where the sides meet, as they would on a sticker without rounded corners.
std::array<cv::Point2d, 4> RefinedCorners(const std::array<cv::Point2d, 4>& rough,
                                          const std::vector<cv::Point>& contour) {
    std::array<cv::Point2d, 4> origins;
    std::array<cv::Point2d, 4> directions;
    for (std::size_t k = 0; k < 4; ++k) {
        const cv::Point2d a = rough[k];
        const cv::Point2d b = rough[(k + 1) % 4];
        const double length = cv::norm(b - a);
        const cv::Point2d along = (b - a) / length;
        std::vector<cv::Point2f> side;
        for (const auto& p : contour) {
            const cv::Point2d d = cv::Point2d(p) - a;
            const double t = d.dot(along);
            if (t > 0.15 * length && t < 0.85 * length && std::abs(Cross(along, d)) < 0.12 * length)
                side.emplace_back(static_cast<float>(p.x), static_cast<float>(p.y));
        }
        if (side.size() < 4)
            return rough;
        cv::Vec4f line;
        cv::fitLine(side, line, cv::DIST_L2, 0, 0.01, 0.01);
        directions[k] = {line[0], line[1]};
        origins[k] = {line[2], line[3]};
    }
    std::array<cv::Point2d, 4> corners;
    for (std::size_t k = 0; k < 4; ++k) {
        const std::size_t before = (k + 3) % 4;
        const auto corner =
            Intersection(origins[before], directions[before], origins[k], directions[k]);
        if (!corner || cv::norm(*corner - rough[k]) > 0.25 * cv::norm(rough[k] - rough[before]))
            return rough;
        corners[k] = *corner;
    }
    return corners;
}

// Sides not too unequal and corners not too sharp for a square seen from
// within about 60° of straight on, or a block of up to three squares in a row.
bool SquareLike(const std::array<cv::Point2d, 4>& c) {
    std::array<double, 4> sides{};
    for (std::size_t k = 0; k < 4; ++k) {
        const cv::Point2d in = c[k] - c[(k + 3) % 4];
        const cv::Point2d out = c[(k + 1) % 4] - c[k];
        sides[k] = cv::norm(out);
        const double cosine = in.dot(out) / (cv::norm(in) * cv::norm(out));
        if (std::abs(cosine) > 0.8)
            return false;
    }
    if (*std::min_element(sides.begin(), sides.end()) < SmallestSide)
        return false;
    const auto ratio = [](double a, double b) {
        return std::min(a, b) / std::max(a, b);
    };
    return ratio(sides[0], sides[2]) > 0.5 && ratio(sides[1], sides[3]) > 0.5 &&
           ratio(sides[0] + sides[2], sides[1] + sides[3]) > 0.27;
}

double Area(const std::array<cv::Point2d, 4>& c) {
    return std::abs(Cross(c[2] - c[0], c[3] - c[1])) / 2;
}

// The contour as four corners, when it is convex, fills them and is shaped
// like a square seen at an angle or a short row of them.
std::optional<Quad> QuadOf(const std::vector<cv::Point>& contour, double area) {
    std::vector<cv::Point> hull;
    cv::convexHull(contour, hull);
    const double hullArea = cv::contourArea(hull);
    if (area < 0.85 * hullArea)
        return std::nullopt;
    const double perimeter = cv::arcLength(hull, true);
    std::vector<cv::Point> polygon;
    for (const double tolerance : {0.02, 0.04, 0.07}) {
        cv::approxPolyDP(hull, polygon, tolerance * perimeter, true);
        if (polygon.size() <= 4)
            break;
    }
    if (polygon.size() != 4)
        return std::nullopt;
    std::array<cv::Point2d, 4> rough;
    for (std::size_t k = 0; k < 4; ++k)
        rough[k] = polygon[k];
    // Clockwise on screen, where y runs down.
    if (Cross(rough[1] - rough[0], rough[2] - rough[1]) < 0)
        std::swap(rough[1], rough[3]);
    Quad quad;
    quad.corners = RefinedCorners(rough, contour);
    // A circle or a blob can pass for four corners at a coarse tolerance;
    // a sticker, even a rounded one, fills its four corners.
    const double fill = area / Area(quad.corners);
    if (fill < 0.88 || fill > 1.06 || !SquareLike(quad.corners))
        return std::nullopt;
    const auto centre = Intersection(quad.corners[0], quad.corners[2] - quad.corners[0],
                                     quad.corners[1], quad.corners[3] - quad.corners[1]);
    if (!centre)
        return std::nullopt;
    quad.centre = *centre;
    quad.area = hullArea;
    return quad;
}

// The contour as a polygon of four to twelve corners; empty otherwise.
std::vector<cv::Point2d> RegionOf(const std::vector<cv::Point>& contour) {
    std::vector<cv::Point> polygon;
    cv::approxPolyDP(contour, polygon, std::max(1.5, 0.015 * cv::arcLength(contour, true)), true);
    if (polygon.size() < 4 || polygon.size() > 12)
        return {};
    return {polygon.begin(), polygon.end()};
}

} // namespace

Outlines FindOutlines(const cv::Mat& bgr) {
    const cv::Mat edges = ColourEdges(bgr);
    std::vector<std::vector<cv::Point>> contours;
    std::vector<cv::Vec4i> hierarchy;
    // Two levels: the outer borders of edge components, then the borders of
    // the holes in them, which are the regions that edges close all round.
    cv::findContours(edges.clone(), contours, hierarchy, cv::RETR_CCOMP, cv::CHAIN_APPROX_NONE);
    const double largest = 0.5 * bgr.size().area();
    Outlines outlines;
    outlines.edges = edges;
    for (std::size_t k = 0; k < contours.size(); ++k) {
        const double area = cv::contourArea(contours[k]);
        if (hierarchy[k][3] < 0 || area < SmallestSide * SmallestSide || area > largest)
            continue;
        if (auto quad = QuadOf(contours[k], area))
            outlines.quads.push_back(*quad);
        if (auto region = RegionOf(contours[k]); !region.empty())
            outlines.regions.push_back(std::move(region));
    }
    return outlines;
}

} // namespace turnix::vision
