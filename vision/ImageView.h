#pragma once

#include <cstddef>
#include <cstdint>

namespace turnix::vision {

// Pixels held elsewhere, 8 bits a channel, row by row from the top: three
// channels in blue, green, red order, or four with a last one that is
// ignored. QImage::Format_RGB32 on a little-endian machine and OpenCV's
// colour images are both of this form, so neither needs a copy to be read.
struct ImageView {
    int width{0};
    int height{0};
    std::size_t bytesPerLine{0};
    int channels{3};
    const std::uint8_t* pixels{nullptr};
};

} // namespace turnix::vision
