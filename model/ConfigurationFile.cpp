#include "ConfigurationFile.h"

#include <algorithm>
#include <fstream>
#include <system_error>

namespace turnix {

ConfigurationBytes EncodeConfiguration(const clsCube& cube) {
    ConfigurationBytes bytes{};
    std::size_t at = 0;
    for (std::int16_t s = 0; s < side::Count; ++s) {
        for (std::int16_t q = 0; q < clsSide::SquareCount; ++q) {
            const auto value = static_cast<std::uint16_t>(cube.Side(s).Square(q)->ColorIndex());
            bytes[at++] = static_cast<std::uint8_t>(value & 0xFFU);
            bytes[at++] = static_cast<std::uint8_t>(value >> 8U);
        }
    }
    return bytes;
}

std::size_t DecodeConfiguration(std::span<const std::uint8_t> bytes, clsCube& cube) {
    const std::size_t count = std::min(bytes.size() / 2, ConfigurationValueCount);
    for (std::size_t k = 0; k < count; ++k) {
        const auto value = static_cast<std::uint16_t>(
            bytes[2 * k] | (static_cast<unsigned>(bytes[2 * k + 1]) << 8U));
        const auto s = static_cast<std::int16_t>(k / clsSide::SquareCount);
        const auto q = static_cast<std::int16_t>(k % clsSide::SquareCount);
        cube.Side(s).Square(q)->SetColorIndex(static_cast<std::int16_t>(value));
    }
    return count;
}

std::optional<std::size_t> ReadConfigurationFile(const std::filesystem::path& path, clsCube& cube) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    ConfigurationBytes bytes{};
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (in.bad()) {
        return std::nullopt;
    }
    const auto length = static_cast<std::size_t>(in.gcount());
    return DecodeConfiguration(std::span(bytes).first(length), cube);
}

WriteResult WriteConfigurationFile(const std::filesystem::path& path, const clsCube& cube,
                                   SpecialTarget special) {
    const ConfigurationBytes bytes = EncodeConfiguration(cube);
    return WriteFileAtomically(path, bytes, special);
}

} // namespace turnix
