#pragma once

#include <array>

namespace turnix::vision {

struct PointF {
    float x{0};
    float y{0};
};

// A colour as the photo shows it, in sRGB, each channel 0..255.
struct Rgb {
    float red{0};
    float green{0};
    float blue{0};
};

struct StickerSample {
    // The median over the inner part of the sticker, glare left out.
    Rgb color;
    // How uneven the sampled pixels were (0 for an even sticker); a large
    // value makes the reading of this square less certain.
    float spread{0};
};

// One side of the cube as one photo shows it. The squares are numbered row
// by row as the photo shows them, the top row first: square 0 is the corner
// nearest the photo's top left once the grid is turned so that its rows lie
// as near level as they can.
struct SideReading {
    // The grid's outline in the photo's pixels: the outer corners of squares
    // 0, 2, 8 and 6, in that order.
    std::array<PointF, 4> corners;
    std::array<StickerSample, 9> stickers;
};

} // namespace turnix::vision
