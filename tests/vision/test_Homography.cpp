#include "Homography.h"

#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace {

using turnix::vision::FitHomography;
using turnix::vision::Homography;

// Maps like those of a grid seen at an angle: a scale, a turn, a shift and
// a little perspective.
Homography RandomMap(std::mt19937& random) {
    std::uniform_real_distribution<double> u(-1, 1);
    const double a = 3 * u(random);
    const double s = 60 + 40 * u(random);
    return {cv::Matx33d(s * std::cos(a), -s * std::sin(a), 300 + 100 * u(random), s * std::sin(a),
                        s * std::cos(a), 200 + 100 * u(random), 0.05 * u(random), 0.05 * u(random),
                        1)};
}

TEST(FitHomography, RecoversMapsFromFourPointsOrManyNoisyOnes) {
    std::mt19937 random(3);
    std::normal_distribution<double> noise(0, 0.3);
    for (int trial = 0; trial < 50; ++trial) {
        const Homography map = RandomMap(random);
        std::vector<cv::Point2d> grid;
        std::vector<cv::Point2d> exact;
        std::vector<cv::Point2d> noisy;
        for (int k = 0; k < 16; ++k) {
            grid.emplace_back(k % 4, k / 4);
            exact.push_back(map.Map(grid.back()));
            noisy.push_back(exact.back() + cv::Point2d(noise(random), noise(random)));
        }
        const std::vector<cv::Point2d> corners{grid[0], grid[3], grid[15], grid[12]};
        const std::vector<cv::Point2d> imageCorners{exact[0], exact[3], exact[15], exact[12]};
        const auto fromFour = FitHomography(corners, imageCorners);
        const auto fromMany = FitHomography(grid, noisy);
        ASSERT_TRUE(fromFour && fromMany);
        for (const cv::Point2d p : {cv::Point2d(1.5, 1.5), cv::Point2d(3, 0.5)}) {
            EXPECT_LT(cv::norm(fromFour->Map(p) - map.Map(p)), 1e-6);
            EXPECT_LT(cv::norm(fromMany->Map(p) - map.Map(p)), 0.5);
            EXPECT_LT(cv::norm(fromFour->Inverse().Map(map.Map(p)) - p), 1e-6);
        }
    }
}

TEST(FitHomography, RefusesTooFewOrCollinearPoints) {
    const std::vector<cv::Point2d> three{{0, 0}, {1, 0}, {0, 1}};
    const std::vector<cv::Point2d> line{{0, 0}, {1, 1}, {2, 2}, {3, 3}};
    EXPECT_FALSE(FitHomography(three, three));
    EXPECT_FALSE(FitHomography(line, line));
}

} // namespace
