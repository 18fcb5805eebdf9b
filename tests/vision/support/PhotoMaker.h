#pragma once

#include "SideReading.h"

#include <array>
#include <cstdint>
#include <opencv2/core.hpp>

// Made-up photos of a cube for the photo reader's tests and benchmarks: a
// cube in perspective showing one side and a glimpse of its neighbours, on a
// background, in uneven light. The same settings always give the same photo.
namespace turnix::vision::photos {

enum class Body : std::uint8_t {
    BlackWithStickers, // rounded stickers on black plastic
    Stickerless,       // coloured plastic: squares of one colour side by side merge
};

// Angles are in degrees.
struct PhotoSettings {
    int width{640};
    int height{480};
    // Drawn at the side's squares 0..8, numbered before the side is turned.
    std::array<Rgb, 9> colors{};
    int layers{3}; // 2 or 4 for another puzzle; 0 for a photo without one
    Body body{Body::BlackWithStickers};
    double turn{0};          // about the line of sight
    double tilt{0};          // of the side away from straight on
    double tiltDirection{0}; // the axis the side tilts about, in the picture
    double centreX{0.5};     // the side's centre, as fractions of the photo
    double centreY{0.5};
    double size{0.5};   // the side's width over the photo's shorter edge
    int clutter{0};     // coloured and grey shapes in the background
    int glare{0};       // squares with a bright highlight
    double gradient{0}; // the light falls by this fraction across the photo
    Rgb cast{1, 1, 1};  // gains of red, green and blue
    double noise{0};    // standard deviation, in levels
    double blur{0};     // Gaussian sigma in pixels
    int jpegQuality{0}; // 0: not compressed
    std::uint32_t seed{1};
};

struct Photo {
    cv::Mat image; // 8-bit BGR
    // The truth, in SideReading's order: the grid's outer corners, and each
    // square's colour as given and as the light and cast left it.
    std::array<PointF, 4> corners{};
    std::array<Rgb, 9> colors{};
    std::array<Rgb, 9> seen{};
};

[[nodiscard]] Photo MakePhoto(const PhotoSettings& settings);

// A cube's six colours, roughly as a camera sees them in daylight.
inline constexpr std::array<Rgb, 6> CubeColors{
    {{235, 235, 230}, {250, 210, 0}, {200, 25, 35}, {255, 105, 10}, {10, 75, 185}, {0, 155, 75}}};

// Settings drawn from the whole range the reader must handle: any turn (not
// within a few degrees of a diagonal, where the square order is a toss-up),
// tilts up to 30°, sizes, both bodies, clutter, dim to bright tinted light,
// noise, blur, JPEG.
[[nodiscard]] PhotoSettings RandomSettings(std::uint32_t seed, int width, int height);

} // namespace turnix::vision::photos
