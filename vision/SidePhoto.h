#pragma once

#include "ImageView.h"
#include "PhotoError.h"
#include "SideReading.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <variant>

namespace turnix::vision {

// About 50 megapixels: larger images are refused from their header alone,
// before any pixel is decoded.
inline constexpr std::int64_t MostPixels = 50'000'000;
// Files larger than this are refused unread.
inline constexpr std::uintmax_t MostFileBytes = 256U << 20U;

// Finds the 3×3 grid of stickers in a photo of one side and samples each
// sticker; nothing when no grid is there. Safe to call from any thread.
[[nodiscard]] std::optional<SideReading> FindSide(const ImageView& image);

// Reads an image file, honouring its EXIF orientation, and finds the side in
// it. Every failure is an error that names the file; nothing in the file can
// crash the reader or make it allocate more than MostPixels allow.
[[nodiscard]] std::variant<SideReading, PhotoError>
ReadSidePhoto(const std::filesystem::path& file);

} // namespace turnix::vision
