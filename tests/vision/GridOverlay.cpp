// turnix-grid-overlay OUT FILE...        draws the grid found in each photo
// turnix-grid-overlay OUT --made SEED... the same for made-up 640×480 photos
// Writes OUT/<name>.png, all of them side by side in OUT/sheet.png, and
// prints each square's colour.
#include "PhotoMaker.h"
#include "SidePhoto.h"

#include <chrono>
#include <cstdio>
#include <opencv2/imgcodecs.hpp>
#include <opencv2/imgproc.hpp>
#include <string>
#include <vector>

namespace {

using namespace turnix::vision;

void Draw(cv::Mat& image, const SideReading& side) {
    std::vector<cv::Point2f> corners;
    for (const auto& c : side.corners)
        corners.emplace_back(c.x, c.y);
    const std::vector<cv::Point2f> grid{{0, 0}, {3, 0}, {3, 3}, {0, 3}};
    const cv::Mat toImage = cv::getPerspectiveTransform(grid, corners);
    const auto map = [&](double u, double v) {
        std::vector<cv::Point2f> in{{static_cast<float>(u), static_cast<float>(v)}}, out;
        cv::perspectiveTransform(in, out, toImage);
        return cv::Point(cvRound(out[0].x), cvRound(out[0].y));
    };
    for (int k = 0; k <= 3; ++k) {
        cv::line(image, map(k, 0), map(k, 3), {255, 0, 255}, 1, cv::LINE_AA);
        cv::line(image, map(0, k), map(3, k), {255, 0, 255}, 1, cv::LINE_AA);
    }
    cv::circle(image, map(0, 0), 4, {0, 255, 255}, cv::FILLED);
    for (int q = 0; q < 9; ++q) {
        const auto& s = side.stickers[static_cast<std::size_t>(q)];
        const int row = q / 3;
        const cv::Point at = map(q % 3 + 0.5, row + 0.5);
        cv::rectangle(image, at - cv::Point(5, 5), at + cv::Point(5, 5),
                      cv::Scalar(s.color.blue, s.color.green, s.color.red), cv::FILLED);
        cv::rectangle(image, at - cv::Point(6, 6), at + cv::Point(6, 6), {255, 255, 255});
        cv::putText(image, std::to_string(q), at + cv::Point(7, -3), cv::FONT_HERSHEY_PLAIN, 0.8,
                    {255, 255, 255});
    }
}

std::vector<cv::Mat> tiles;

void AddTile(const cv::Mat& image, const std::string& name) {
    constexpr int Tile = 320;
    cv::Mat tile(Tile, Tile, CV_8UC3, cv::Scalar(60, 60, 60));
    const double s = std::min(double(Tile) / image.cols, double(Tile) / image.rows);
    cv::Mat small;
    cv::resize(image, small, cv::Size(), s, s, cv::INTER_AREA);
    small.copyTo(tile(cv::Rect(0, 0, small.cols, small.rows)));
    cv::putText(tile, name, {4, Tile - 6}, cv::FONT_HERSHEY_PLAIN, 1, {0, 255, 255});
    tiles.push_back(tile);
}

void WriteSheet(const std::string& out) {
    constexpr std::size_t PerRow = 6;
    std::vector<cv::Mat> rows;
    for (std::size_t k = 0; k < tiles.size(); k += PerRow) {
        std::vector<cv::Mat> row(tiles.begin() + static_cast<long>(k),
                                 tiles.begin() +
                                     static_cast<long>(std::min(k + PerRow, tiles.size())));
        while (row.size() < PerRow)
            row.push_back(cv::Mat::zeros(row[0].size(), CV_8UC3));
        cv::Mat joined;
        cv::hconcat(row, joined);
        rows.push_back(joined);
    }
    cv::Mat sheet;
    cv::vconcat(rows, sheet);
    cv::imwrite(out + "/sheet.png", sheet);
}

void Show(const std::string& out, const std::string& name, cv::Mat image,
          const std::optional<SideReading>& side, double ms) {
    std::printf("%s: %s (%.1f ms)\n", name.c_str(), side ? "grid" : "no grid", ms);
    if (side) {
        Draw(image, *side);
        for (const auto& s : side->stickers)
            std::printf("  %3.0f %3.0f %3.0f  spread %.1f\n", s.color.red, s.color.green,
                        s.color.blue, s.spread);
    }
    cv::imwrite(out + "/" + name + ".png", image);
    AddTile(image, name);
}

std::optional<SideReading> Find(const cv::Mat& image, double& ms) {
    const auto start = std::chrono::steady_clock::now();
    auto side = FindSide({image.cols, image.rows, image.step[0], 3, image.data});
    ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    return side;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: turnix-grid-overlay OUT FILE... | OUT --made SEED...\n");
        return 2;
    }
    const std::string out = argv[1];
    const bool made = std::string(argv[2]) == "--made";
    for (int k = made ? 3 : 2; k < argc; ++k) {
        double ms = 0;
        if (made) {
            const auto seed = static_cast<std::uint32_t>(std::stoul(argv[k]));
            const auto photo = photos::MakePhoto(photos::RandomSettings(seed, 640, 480));
            const auto side = Find(photo.image, ms);
            Show(out, "made" + std::to_string(seed), photo.image, side, ms);
            continue;
        }
        const std::filesystem::path file = argv[k];
        const cv::Mat image = cv::imread(file.string(), cv::IMREAD_COLOR);
        if (image.empty()) {
            std::printf("%s: unreadable\n", file.c_str());
            continue;
        }
        const auto side = Find(image, ms);
        Show(out, file.parent_path().filename().string() + "_" + file.stem().string(), image, side,
             ms);
    }
    if (!tiles.empty())
        WriteSheet(out);
}
