#pragma once

#include <opencv2/core.hpp>
#include <optional>
#include <span>

namespace turnix::vision {

// A projective map of the plane, as a 3×3 matrix on homogeneous points.
struct Homography {
    cv::Matx33d matrix{cv::Matx33d::eye()};

    [[nodiscard]] cv::Point2d Map(cv::Point2d p) const {
        const cv::Vec3d q = matrix * cv::Vec3d(p.x, p.y, 1);
        return {q[0] / q[2], q[1] / q[2]};
    }
    [[nodiscard]] Homography Inverse() const { return {matrix.inv()}; }
    // This map after `first`.
    [[nodiscard]] Homography After(const Homography& first) const {
        return {matrix * first.matrix};
    }
};

// The least-squares homography taking each point of `from` to the point of
// `to` at the same index (the normalised direct linear transform); nothing
// when fewer than four pairs are given or they fix no map.
[[nodiscard]] std::optional<Homography> FitHomography(std::span<const cv::Point2d> from,
                                                      std::span<const cv::Point2d> to);

} // namespace turnix::vision
