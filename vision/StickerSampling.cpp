#include "StickerSampling.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace turnix::vision {
namespace {

constexpr int SamplesAcross = 12;
constexpr double Inner = 0.5; // of the square's width, about its centre

struct Pixel {
    float blue{0};
    float green{0};
    float red{0};
    // The mean, not the largest channel: a highlight on yellow leaves red
    // where it was, at the top, and lifts blue.
    [[nodiscard]] float Brightness() const { return (blue + green + red) / 3; }
    [[nodiscard]] float Saturation() const {
        const float top = std::max({blue, green, red});
        return top > 0 ? (top - std::min({blue, green, red})) / top : 0;
    }
};

float Median(std::vector<float> values) {
    const auto middle = values.begin() + static_cast<long>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

std::vector<Pixel> InnerPixels(const cv::Mat& bgr, const Homography& toImage, int square) {
    std::vector<Pixel> pixels;
    pixels.reserve(static_cast<std::size_t>(SamplesAcross) * SamplesAcross);
    const int squareRow = square / 3;
    const double left = square % 3 + (1 - Inner) / 2;
    const double top = squareRow + (1 - Inner) / 2;
    for (int y = 0; y < SamplesAcross; ++y) {
        for (int x = 0; x < SamplesAcross; ++x) {
            const cv::Point2d p = toImage.Map({left + Inner * (x + 0.5) / SamplesAcross,
                                               top + Inner * (y + 0.5) / SamplesAcross});
            const int col = std::clamp(static_cast<int>(std::lround(p.x)), 0, bgr.cols - 1);
            const int row = std::clamp(static_cast<int>(std::lround(p.y)), 0, bgr.rows - 1);
            const auto& v = bgr.at<cv::Vec3b>(row, col);
            pixels.push_back(
                {static_cast<float>(v[0]), static_cast<float>(v[1]), static_cast<float>(v[2])});
        }
    }
    return pixels;
}

// Highlights are brighter than the sticker and paler than it.
std::vector<Pixel> WithoutGlare(const std::vector<Pixel>& pixels) {
    std::vector<float> brightness;
    std::vector<float> saturation;
    for (const auto& p : pixels) {
        brightness.push_back(p.Brightness());
        saturation.push_back(p.Saturation());
    }
    const float typicalBrightness = Median(brightness);
    const float typicalSaturation = Median(saturation);
    // JPEG smears a highlight into a paler halo, which goes too.
    const float glareFrom = typicalBrightness + std::max(12.0F, 0.2F * (255 - typicalBrightness));
    std::vector<Pixel> kept;
    for (const auto& p : pixels) {
        if (p.Brightness() < glareFrom || p.Saturation() > 0.8F * typicalSaturation + 0.03F)
            kept.push_back(p);
    }
    return kept.size() * 4 >= pixels.size() ? kept : pixels;
}

StickerSample Summarise(const std::vector<Pixel>& pixels) {
    std::array<std::vector<float>, 3> channels;
    for (const auto& p : pixels) {
        channels[0].push_back(p.blue);
        channels[1].push_back(p.green);
        channels[2].push_back(p.red);
    }
    std::array<float, 3> medians{};
    float deviation = 0;
    for (std::size_t c = 0; c < 3; ++c) {
        medians[c] = Median(channels[c]);
        std::vector<float> distances;
        for (const float v : channels[c])
            distances.push_back(std::abs(v - medians[c]));
        deviation += Median(distances);
    }
    return {{medians[2], medians[1], medians[0]}, deviation / 3};
}

} // namespace

std::array<StickerSample, 9> SampleStickers(const cv::Mat& bgr, const Homography& toImage) {
    std::array<StickerSample, 9> samples;
    for (int square = 0; square < 9; ++square)
        samples[static_cast<std::size_t>(square)] =
            Summarise(WithoutGlare(InnerPixels(bgr, toImage, square)));
    return samples;
}

} // namespace turnix::vision
