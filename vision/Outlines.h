#pragma once

#include <array>
#include <opencv2/core.hpp>
#include <vector>

namespace turnix::vision {

// A convex four-sided outline that may be one sticker, or on a stickerless
// cube a block of squares of one colour.
struct Quad {
    std::array<cv::Point2d, 4> corners; // clockwise as the picture shows them
    cv::Point2d centre;                 // where the diagonals cross
    double area{0};
};

struct Outlines {
    // Those shaped like a square seen at an angle.
    std::vector<Quad> quads;
    // Every outline, as a polygon of a few corners; on a stickerless cube
    // a region of one colour may span several squares in any shape.
    std::vector<std::vector<cv::Point2d>> regions;
    // Where the picture has edges, 255 there and 0 elsewhere.
    cv::Mat edges;
};

// The outlines of regions bounded by edges in a BGR picture of about 640
// pixels across: edges found in each colour channel, the contours of the
// regions they close, and polygons fitted to those.
[[nodiscard]] Outlines FindOutlines(const cv::Mat& bgr);

} // namespace turnix::vision
