#pragma once

#include <cstdint>
#include <string>

namespace turnix::vision {

enum class PhotoProblem : std::uint8_t {
    CannotOpen, // the file cannot be read at all
    NotAnImage, // no image format that the reader knows
    Truncated,  // the image data ends early or is damaged
    TooLarge,   // more than MostPixels, told by the header before decoding
    NoGrid,     // an image, but no 3×3 grid of stickers in it
};

// Why one photo gave no side, in a sentence that names the file, such as
// "no 3×3 grid found in B.jpg".
struct PhotoError {
    PhotoProblem problem{PhotoProblem::CannotOpen};
    std::string message;
};

} // namespace turnix::vision
