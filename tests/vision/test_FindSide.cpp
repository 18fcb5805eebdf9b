#include "Homography.h"
#include "PhotoMaker.h"
#include "ReadingChecks.h"
#include "SidePhoto.h"

#include <future>
#include <gtest/gtest.h>
#include <opencv2/imgproc.hpp>
#include <random>
#include <string>
#include <vector>

using namespace turnix::vision;
using namespace turnix::vision::photos;

namespace {

ImageView ViewOf(const cv::Mat& image) {
    return {image.cols, image.rows, image.step[0], image.channels(), image.data};
}

struct Sweep {
    int width;
    int height;
    std::uint32_t firstSeed;
    std::uint32_t count;
};

class FindSideSweep : public ::testing::TestWithParam<Sweep> {};

// Photos drawn over the whole range of turns, tilts, sizes, bodies, clutter
// and light: every side found has its corners and colours where they were
// drawn; every black cube is found, and most stickerless ones, whose merged
// squares may leave too few outlines (one in fifty at 640×480, one in ten
// at 320×240 in dim light with JPEG).
TEST_P(FindSideSweep, FindsEachSideWhereItWasDrawn) {
    const auto [width, height, first, count] = GetParam();
    int stickerless = 0;
    int missed = 0;
    for (std::uint32_t seed = first; seed < first + count; ++seed) {
        const PhotoSettings settings = RandomSettings(seed, width, height);
        const Photo photo = MakePhoto(settings);
        const auto side = FindSide(ViewOf(photo.image));
        const bool plain = settings.body == Body::Stickerless;
        stickerless += plain ? 1 : 0;
        if (!side) {
            EXPECT_TRUE(plain) << "seed " << seed;
            ++missed;
            continue;
        }
        EXPECT_LT(CornerError(*side, photo), 0.3) << "seed " << seed;
        EXPECT_LT(ColourError(*side, photo), 30) << "seed " << seed;
    }
    EXPECT_LE(missed, 1 + stickerless / 4);
}

// Rows of at most 30 photos keep each test short under the sanitizers.
INSTANTIATE_TEST_SUITE_P(Sizes, FindSideSweep,
                         ::testing::Values(Sweep{320, 240, 1, 30}, Sweep{320, 240, 31, 30},
                                           Sweep{640, 480, 101, 30}, Sweep{640, 480, 131, 30},
                                           Sweep{480, 640, 201, 30}, Sweep{800, 600, 301, 30},
                                           Sweep{1280, 720, 401, 16}, Sweep{1920, 1080, 501, 6},
                                           Sweep{4000, 3000, 601, 2}),
                         [](const auto& row) {
                             return std::to_string(row.param.width) + "x" +
                                    std::to_string(row.param.height) + "From" +
                                    std::to_string(row.param.firstSeed);
                         });

struct Unreadable {
    const char* name;
    void (*alter)(PhotoSettings&);
};

class NoGridPhotos : public ::testing::TestWithParam<Unreadable> {};

TEST_P(NoGridPhotos, GiveNoSide) {
    for (std::uint32_t seed = 1; seed <= 25; ++seed) {
        PhotoSettings settings = RandomSettings(seed, 480, 360);
        GetParam().alter(settings);
        EXPECT_FALSE(FindSide(ViewOf(MakePhoto(settings).image))) << "seed " << seed;
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, NoGridPhotos,
                         ::testing::Values(Unreadable{"TwoByTwo",
                                                      [](PhotoSettings& s) {
                                                          s.layers = 2;
                                                      }},
                                           Unreadable{"FourByFour",
                                                      [](PhotoSettings& s) {
                                                          s.layers = 4;
                                                      }},
                                           Unreadable{"ClutterOnly",
                                                      [](PhotoSettings& s) {
                                                          s.layers = 0;
                                                          s.clutter = 40;
                                                      }},
                                           Unreadable{"Blank",
                                                      [](PhotoSettings& s) {
                                                          s.layers = 0;
                                                          s.clutter = 0;
                                                      }},
                                           Unreadable{"OneColour",
                                                      [](PhotoSettings& s) {
                                                          s = PhotoSettings{};
                                                          s.layers = 0;
                                                      }}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(FindSide, RefusesPicturesItCannotRead) {
    const cv::Mat image(240, 320, CV_8UC3, cv::Scalar(90, 90, 90));
    const std::vector<ImageView> views{
        {320, 240, image.step[0], 3, nullptr},  {0, 240, image.step[0], 3, image.data},
        {320, 0, image.step[0], 3, image.data}, {320, 240, image.step[0], 2, image.data},
        {320, 240, 640, 3, image.data},         {16, 16, image.step[0], 3, image.data}};
    for (const auto& view : views)
        EXPECT_FALSE(FindSide(view)) << view.width << "x" << view.height << "x" << view.channels;
}

TEST(FindSide, ReadsFourChannelPicturesAsThreeChannelOnes) {
    const Photo photo = MakePhoto(RandomSettings(7, 640, 480));
    cv::Mat withAlpha;
    cv::cvtColor(photo.image, withAlpha, cv::COLOR_BGR2BGRA);
    const auto three = FindSide(ViewOf(photo.image));
    const auto four = FindSide(ViewOf(withAlpha));
    ASSERT_TRUE(three && four);
    for (std::size_t q = 0; q < 9; ++q)
        EXPECT_EQ(three->stickers[q].color.green, four->stickers[q].color.green);
}

// Of two cubes, the larger one is the side meant.
TEST(FindSide, PrefersTheLargerOfTwoCubes) {
    PhotoSettings large = RandomSettings(11, 400, 400);
    large.size = 0.6;
    large.centreX = large.centreY = 0.5;
    PhotoSettings small = RandomSettings(12, 400, 400);
    small.size = 0.35;
    const Photo first = MakePhoto(large);
    cv::Mat both;
    cv::hconcat(MakePhoto(small).image, first.image, both);
    const auto side = FindSide(ViewOf(both));
    ASSERT_TRUE(side);
    EXPECT_NEAR(side->corners[0].x, first.corners[0].x + 400, 0.2 * Pitch(first));
}

TEST(FindSide, GivesTheSameOnManyThreadsAsOnOne) {
    std::vector<Photo> photos;
    for (std::uint32_t seed = 21; seed < 25; ++seed)
        photos.push_back(MakePhoto(RandomSettings(seed, 640, 480)));
    std::vector<std::future<std::optional<SideReading>>> running;
    running.reserve(photos.size());
    for (const auto& photo : photos)
        running.push_back(
            std::async(std::launch::async, [&photo] { return FindSide(ViewOf(photo.image)); }));
    for (std::size_t k = 0; k < photos.size(); ++k) {
        const auto alone = FindSide(ViewOf(photos[k].image));
        const auto together = running[k].get();
        ASSERT_TRUE(alone && together);
        for (std::size_t c = 0; c < 4; ++c)
            EXPECT_EQ(alone->corners[c].x, together->corners[c].x);
    }
}

} // namespace

namespace {

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
