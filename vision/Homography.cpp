#include "Homography.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace turnix::vision {
namespace {

// Moves the points' centroid to the origin and their mean distance from it
// to √2, which keeps the linear system well conditioned.
cv::Matx33d Normaliser(std::span<const cv::Point2d> points) {
    cv::Point2d centroid;
    for (const auto& p : points)
        centroid += p;
    centroid *= 1.0 / static_cast<double>(points.size());
    double spread = 0;
    for (const auto& p : points)
        spread += cv::norm(p - centroid);
    spread /= static_cast<double>(points.size());
    const double s = spread > 1e-12 ? std::sqrt(2.0) / spread : 1.0;
    return {s, 0, -s * centroid.x, 0, s, -s * centroid.y, 0, 0, 1};
}

cv::Point2d Apply(const cv::Matx33d& m, cv::Point2d p) {
    return Homography{m}.Map(p);
}

} // namespace

std::optional<Homography> FitHomography(std::span<const cv::Point2d> from,
                                        std::span<const cv::Point2d> to) {
    if (from.size() < 4 || from.size() != to.size())
        return std::nullopt;
    const cv::Matx33d nFrom = Normaliser(from);
    const cv::Matx33d nTo = Normaliser(to);
    cv::Mat system(static_cast<int>(2 * from.size()), 9, CV_64F);
    for (std::size_t i = 0; i < from.size(); ++i) {
        const cv::Point2d a = Apply(nFrom, from[i]);
        const cv::Point2d b = Apply(nTo, to[i]);
        auto* r0 = system.ptr<double>(static_cast<int>(2 * i));
        auto* r1 = system.ptr<double>(static_cast<int>(2 * i + 1));
        const std::array<double, 9> row0{a.x, a.y, 1, 0, 0, 0, -b.x * a.x, -b.x * a.y, -b.x};
        const std::array<double, 9> row1{0, 0, 0, a.x, a.y, 1, -b.y * a.x, -b.y * a.y, -b.y};
        std::copy(row0.begin(), row0.end(), r0);
        std::copy(row1.begin(), row1.end(), r1);
    }
    cv::Mat h;
    cv::SVD::solveZ(system, h);
    cv::Matx33d fitted;
    for (int k = 0; k < 9; ++k)
        fitted.val[k] = h.at<double>(k);
    const cv::Matx33d m = nTo.inv() * fitted * nFrom;
    if (!std::isfinite(m(2, 2)) || std::abs(m(2, 2)) < 1e-12)
        return std::nullopt;
    const cv::Matx33d scaled = m * (1.0 / m(2, 2));
    if (!std::isfinite(cv::determinant(scaled)) || std::abs(cv::determinant(scaled)) < 1e-12)
        return std::nullopt;
    return Homography{scaled};
}

} // namespace turnix::vision
