#pragma once

#include "AtomicFile.h"
#include "clsCube.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>

namespace turnix {

// A configuration file holds the 54 colour indices of one cube as 16-bit
// signed little-endian values: side 0..5, and within a side square 0..8.
// There is no header; anything after the first 108 bytes is ignored.
inline constexpr std::size_t ConfigurationValueCount = SquaresPerCube;
inline constexpr std::size_t ConfigurationFileSize = 2 * ConfigurationValueCount;

using ConfigurationBytes = std::array<std::uint8_t, ConfigurationFileSize>;

[[nodiscard]] ConfigurationBytes EncodeConfiguration(const clsCube& cube);

// Sets the squares whose values the bytes hold, in file order, and returns
// how many were set (0..54). Squares past the end of short input keep their
// colour index; values are taken as they are, unchecked.
std::size_t DecodeConfiguration(std::span<const std::uint8_t> bytes, clsCube& cube);

// Reads at most the first 108 bytes of a file into the cube as
// DecodeConfiguration does. Nothing when the file cannot be opened or read.
std::optional<std::size_t> ReadConfigurationFile(const std::filesystem::path& path, clsCube& cube);

// Replaces the file as a whole or not at all, as WriteFileAtomically does.
WriteResult WriteConfigurationFile(const std::filesystem::path& path, const clsCube& cube,
                                   SpecialTarget special = SpecialTarget::Refuse);

} // namespace turnix
