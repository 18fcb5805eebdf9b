#include "SidePhoto.h"

#include "GridLattice.h"
#include "GridScore.h"
#include "Outlines.h"
#include "PhotoFile.h"
#include "StickerSampling.h"

#include <algorithm>
#include <cmath>
#include <opencv2/imgproc.hpp>
#include <utility>
#include <vector>

namespace turnix::vision {
namespace {

// The long side of the copy that the grid is looked for in.
constexpr double SearchSize = 640;
constexpr int SmallestPhoto = 32;

bool Valid(const ImageView& image) {
    return image.pixels != nullptr && image.width >= SmallestPhoto &&
           image.height >= SmallestPhoto && (image.channels == 3 || image.channels == 4) &&
           image.bytesPerLine >=
               static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.channels);
}

// A BGR copy SearchSize across, and its scale against the original. Small
// photos are enlarged too: the gaps between their stickers are otherwise
// too thin for edges to leave between them.
std::pair<cv::Mat, double> SearchCopy(const ImageView& image) {
    // OpenCV wants a non-const pointer; the picture is only read.
    const cv::Mat whole(image.height, image.width, CV_8UC(image.channels),
                        const_cast<std::uint8_t*>(image.pixels), image.bytesPerLine);
    const double scale = std::min(2.0, SearchSize / std::max(image.width, image.height));
    cv::Mat bgr;
    if (image.channels == 4)
        cv::cvtColor(whole, bgr, cv::COLOR_BGRA2BGR);
    else
        bgr = whole;
    cv::Mat copy;
    if (scale == 1)
        copy = bgr.clone();
    else
        cv::resize(bgr, copy, cv::Size(), scale, scale,
                   scale < 1 ? cv::INTER_AREA : cv::INTER_LINEAR);
    return {copy, scale};
}

// The grid turned by quarter turns so that its rows lie nearest to level,
// left to right: then square 0 is the one nearest the top left.
Homography Levelled(const Homography& grid) {
    static const std::array<cv::Matx33d, 4> QuarterTurns{
        cv::Matx33d(1, 0, 0, 0, 1, 0, 0, 0, 1), cv::Matx33d(0, -1, 3, 1, 0, 0, 0, 0, 1),
        cv::Matx33d(-1, 0, 3, 0, -1, 3, 0, 0, 1), cv::Matx33d(0, 1, 0, -1, 0, 3, 0, 0, 1)};
    for (const auto& turn : QuarterTurns) {
        const Homography turned = grid.After(Homography{turn});
        const cv::Point2d row = turned.Map({2.5, 1.5}) - turned.Map({0.5, 1.5});
        if (row.x > 0 && std::abs(row.y) <= row.x)
            return turned;
    }
    return grid;
}

PointF InOriginal(cv::Point2d p, double scale) {
    // Pixel centres: x in the copy is (x + ½) · scale − ½ in the original.
    return {static_cast<float>((p.x + 0.5) / scale - 0.5),
            static_cast<float>((p.y + 0.5) / scale - 0.5)};
}

} // namespace

std::optional<SideReading> FindSide(const ImageView& image) {
    if (!Valid(image))
        return std::nullopt;
    const auto [picture, scale] = SearchCopy(image);
    const auto outlines = FindOutlines(picture);
    std::vector<std::pair<double, Homography>> ranked;
    for (const auto& grid : FitGrids(outlines))
        if (const auto score = ScoreGrid(grid, picture, outlines.edges))
            ranked.emplace_back(*score, grid.toImage);
    if (ranked.empty())
        return std::nullopt;
    const auto best =
        std::max_element(ranked.begin(), ranked.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
    const Homography grid = Levelled(best->second);
    SideReading reading;
    static const std::array<cv::Point2d, 4> GridCorners{{{0, 0}, {3, 0}, {3, 3}, {0, 3}}};
    for (std::size_t k = 0; k < 4; ++k)
        reading.corners[k] = InOriginal(grid.Map(GridCorners[k]), scale);
    reading.stickers = SampleStickers(picture, grid);
    return reading;
}

std::variant<SideReading, PhotoError> ReadSidePhoto(const std::filesystem::path& file) {
    auto loaded = LoadPhoto(file, static_cast<int>(SearchSize));
    if (auto* error = std::get_if<PhotoError>(&loaded))
        return std::move(*error);
    const auto& [image, reduction] = std::get<LoadedPhoto>(loaded);
    if (auto side = FindSide({image.cols, image.rows, image.step[0], 3, image.data})) {
        for (auto& corner : side->corners)
            corner = InOriginal({corner.x, corner.y}, 1.0 / reduction);
        return *side;
    }
    return PhotoError{PhotoProblem::NoGrid, "no 3×3 grid found in " + ShownName(file)};
}

} // namespace turnix::vision
