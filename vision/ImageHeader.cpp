#include "ImageHeader.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <string_view>

namespace turnix::vision {
namespace {

using Bytes = std::span<const std::uint8_t>;

constexpr std::array<std::uint8_t, 8> PngSignature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

bool StartsWith(Bytes bytes, std::size_t at, std::string_view text) {
    return bytes.size() >= at + text.size() &&
           std::equal(text.begin(), text.end(), bytes.begin() + static_cast<long>(at),
                      [](char c, std::uint8_t b) { return static_cast<std::uint8_t>(c) == b; });
}

// Callers check the length first.
std::uint32_t Big(Bytes b, std::size_t at, std::size_t count) {
    std::uint32_t value = 0;
    for (std::size_t k = 0; k < count; ++k)
        value = (value << 8U) | b[at + k];
    return value;
}

std::uint32_t Little(Bytes b, std::size_t at, std::size_t count) {
    std::uint32_t value = 0;
    for (std::size_t k = count; k-- > 0;)
        value = (value << 8U) | b[at + k];
    return value;
}

// PNG's CRC-32 (ISO 3309), one table entry per byte value.
constexpr std::array<std::uint32_t, 256> CrcTable = [] {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k)
            c = (c & 1U) != 0 ? 0xEDB88320U ^ (c >> 1U) : c >> 1U;
        table[n] = c;
    }
    return table;
}();

std::uint32_t Crc(Bytes bytes) {
    std::uint32_t c = 0xFFFFFFFFU;
    for (const std::uint8_t b : bytes)
        c = CrcTable[(c ^ b) & 0xFFU] ^ (c >> 8U);
    return c ^ 0xFFFFFFFFU;
}

// Every chunk whole and matching its checksum, up to IEND.
Completeness PngChunks(Bytes bytes) {
    std::size_t at = PngSignature.size();
    while (true) {
        if (bytes.size() < at + 12)
            return Completeness::CutShort;
        const std::size_t length = Big(bytes, at, 4);
        if (length > bytes.size() - at - 12)
            return Completeness::CutShort;
        if (Crc(bytes.subspan(at + 4, length + 4)) != Big(bytes, at + 8 + length, 4))
            return Completeness::Damaged;
        if (StartsWith(bytes, at + 4, "IEND"))
            return Completeness::Whole;
        at += length + 12;
    }
}

ImageHeader ReadPng(Bytes bytes) {
    ImageHeader header{ImageFormat::Png, 0, 0, Completeness::CutShort};
    if (bytes.size() < 24)
        return header;
    if (Big(bytes, 8, 4) != 13 || !StartsWith(bytes, 12, "IHDR")) {
        header.completeness = Completeness::Damaged;
        return header;
    }
    header.width = Big(bytes, 16, 4);
    header.height = Big(bytes, 20, 4);
    header.completeness = PngChunks(bytes);
    return header;
}

bool IsStartOfFrame(std::uint8_t marker) {
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

bool HasNoLength(std::uint8_t marker) {
    return marker == 0x01 || marker == 0xD8 || (marker >= 0xD0 && marker <= 0xD7);
}

// Walks the marker segments to the first scan, taking the size from the
// frame header on the way; the end marker must follow the scan data. Inside
// that data 0xFF is always followed by 0 or a restart marker, so the first
// FF D9 is the end.
ImageHeader ReadJpeg(Bytes bytes) {
    ImageHeader header{ImageFormat::Jpeg, 0, 0, Completeness::CutShort};
    std::size_t at = 2;
    while (true) {
        if (at >= bytes.size())
            return header;
        if (bytes[at] != 0xFF) {
            header.completeness = Completeness::Damaged;
            return header;
        }
        while (at < bytes.size() && bytes[at] == 0xFF)
            ++at;
        if (at >= bytes.size())
            return header;
        const std::uint8_t marker = bytes[at++];
        if (HasNoLength(marker))
            continue;
        if (marker == 0xD9) { // the end, before any scan
            header.completeness = Completeness::Damaged;
            return header;
        }
        if (at + 2 > bytes.size())
            return header;
        const std::size_t length = Big(bytes, at, 2);
        if (length < 2) {
            header.completeness = Completeness::Damaged;
            return header;
        }
        if (at + length > bytes.size())
            return header;
        if (IsStartOfFrame(marker) && length >= 7) {
            header.height = Big(bytes, at + 3, 2);
            header.width = Big(bytes, at + 5, 2);
        }
        if (marker == 0xDA) {
            if (header.width == 0 || header.height == 0) {
                header.completeness = Completeness::Damaged;
                return header;
            }
            constexpr std::array<std::uint8_t, 2> End{0xFF, 0xD9};
            const auto scan = bytes.subspan(at + length);
            header.completeness =
                std::search(scan.begin(), scan.end(), End.begin(), End.end()) == scan.end()
                    ? Completeness::CutShort
                    : Completeness::Whole;
            return header;
        }
        at += length;
    }
}

ImageHeader ReadBmp(Bytes bytes) {
    ImageHeader header{ImageFormat::Bmp, 0, 0, Completeness::CutShort};
    if (bytes.size() < 34)
        return header;
    const std::uint32_t infoSize = Little(bytes, 14, 4);
    std::uint32_t bits = 0;
    std::uint32_t compression = 0;
    if (infoSize == 12) { // the old OS/2 header
        header.width = Little(bytes, 18, 2);
        header.height = Little(bytes, 20, 2);
        bits = Little(bytes, 24, 2);
    } else if (infoSize >= 40) {
        header.width = static_cast<std::int32_t>(Little(bytes, 18, 4));
        header.height =
            std::abs(static_cast<std::int64_t>(static_cast<std::int32_t>(Little(bytes, 22, 4))));
        bits = Little(bytes, 28, 2);
        compression = Little(bytes, 30, 4);
    }
    constexpr std::array<std::uint32_t, 6> Depths{1, 4, 8, 16, 24, 32};
    if (header.width <= 0 || std::find(Depths.begin(), Depths.end(), bits) == Depths.end()) {
        header.completeness = Completeness::Damaged;
        return header;
    }
    const double offset = Little(bytes, 10, 4);
    // Uncompressed rows (plain or with bit fields) have a known length.
    const bool rows = compression == 0 || compression == 3 || compression == 6;
    const double stride = std::floor((static_cast<double>(header.width) * bits + 31) / 32) * 4;
    const double end = rows ? offset + stride * static_cast<double>(header.height) : offset + 1;
    header.completeness =
        end <= static_cast<double>(bytes.size()) ? Completeness::Whole : Completeness::CutShort;
    return header;
}

ImageHeader ReadWebp(Bytes bytes) {
    ImageHeader header{ImageFormat::Webp, 0, 0, Completeness::CutShort};
    if (bytes.size() < 30)
        return header;
    if (StartsWith(bytes, 12, "VP8 ") && Big(bytes, 23, 3) == 0x9D012A) {
        header.width = Little(bytes, 26, 2) & 0x3FFFU;
        header.height = Little(bytes, 28, 2) & 0x3FFFU;
    } else if (StartsWith(bytes, 12, "VP8L") && bytes[20] == 0x2F) {
        const std::uint32_t sizes = Little(bytes, 21, 4);
        header.width = (sizes & 0x3FFFU) + 1;
        header.height = ((sizes >> 14U) & 0x3FFFU) + 1;
    } else if (StartsWith(bytes, 12, "VP8X")) {
        header.width = Little(bytes, 24, 3) + 1;
        header.height = Little(bytes, 27, 3) + 1;
    } else {
        header.completeness = Completeness::Damaged;
        return header;
    }
    header.completeness = std::size_t{Little(bytes, 4, 4)} + 8 <= bytes.size()
                              ? Completeness::Whole
                              : Completeness::CutShort;
    return header;
}

} // namespace

std::optional<ImageHeader> ReadImageHeader(std::span<const std::uint8_t> bytes) {
    std::optional<ImageHeader> header;
    if (bytes.size() >= PngSignature.size() &&
        std::equal(PngSignature.begin(), PngSignature.end(), bytes.begin()))
        header = ReadPng(bytes);
    else if (bytes.size() >= 3 && bytes[0] == 0xFF && bytes[1] == 0xD8 && bytes[2] == 0xFF)
        header = ReadJpeg(bytes);
    else if (StartsWith(bytes, 0, "BM"))
        header = ReadBmp(bytes);
    else if (StartsWith(bytes, 0, "RIFF") && StartsWith(bytes, 8, "WEBP"))
        header = ReadWebp(bytes);
    if (header && header->completeness == Completeness::Whole &&
        (header->width <= 0 || header->height <= 0))
        header->completeness = Completeness::Damaged;
    return header;
}

} // namespace turnix::vision
