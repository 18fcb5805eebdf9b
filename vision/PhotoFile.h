#pragma once

#include "PhotoError.h"

#include <filesystem>
#include <opencv2/core.hpp>
#include <string>
#include <variant>

namespace turnix::vision {

// How messages name a file: by its name alone.
[[nodiscard]] std::string ShownName(const std::filesystem::path& file);

struct LoadedPhoto {
    cv::Mat image; // 8-bit BGR, upright by the file's EXIF orientation
    // The file's pixels to one of the image's, across and down: a large
    // JPEG is decoded at a half, a quarter or an eighth of its size, which
    // is several times faster than decoding it whole.
    int reduction{1};
};

// Reads an image file, decoding a JPEG no smaller than `leastLongSide`
// pixels on its long side. Refuses, before decoding, files that are not
// regular files, larger than MostFileBytes, of an unknown format, larger
// than MostPixels by their header, or cut short or damaged.
[[nodiscard]] std::variant<LoadedPhoto, PhotoError> LoadPhoto(const std::filesystem::path& file,
                                                              int leastLongSide);

} // namespace turnix::vision
