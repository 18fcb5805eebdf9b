#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace turnix::vision {

enum class ImageFormat : std::uint8_t { Png, Jpeg, Bmp, Webp };

// Whether the data that the format promises is all there.
enum class Completeness : std::uint8_t {
    Whole,
    CutShort, // ends before its end marker or declared length
    Damaged,  // contradicts itself, such as a PNG chunk failing its checksum
};

struct ImageHeader {
    ImageFormat format{ImageFormat::Png};
    // As stored, before any EXIF orientation; a header that gives no size
    // is Damaged or CutShort with both 0.
    std::int64_t width{0};
    std::int64_t height{0};
    Completeness completeness{Completeness::Whole};
};

// Tells the format from the first bytes and reads the picture's size from
// its header (PNG's IHDR, JPEG's SOFn, BMP's info header, WebP's VP8, VP8L or
// VP8X chunk), without decoding anything; then walks the file's structure to
// its end. Nothing for a format it does not know.
[[nodiscard]] std::optional<ImageHeader> ReadImageHeader(std::span<const std::uint8_t> bytes);

} // namespace turnix::vision
