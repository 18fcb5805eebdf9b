#pragma once

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace turnix {

// A per-user store of named blobs that take long to make and little to read
// back, such as a solver's tables. Each blob is one file, NAME in the
// folder, that holds the name, the blob's format version, its size and a
// checksum before the bytes; a file is replaced as a whole or not at all.
//
// A file that is there but cannot be used (cut short, damaged, of another
// name, version or byte order, unreadable, or no file at all) is set aside
// as NAME.bad, replacing an older one, with one line on the report stream;
// the caller then makes the blob anew and stores it. A cache that cannot be
// written costs nothing but the time to make the blob each time. Any number
// of processes may use one folder at once.
class TableCache {
public:
    // The cache in `folder` (made when first stored to), or none at all:
    // nothing is found and nothing stored.
    explicit TableCache(std::optional<std::filesystem::path> folder, std::ostream& report);

    // $XDG_CACHE_HOME/turnix, else $HOME/.cache/turnix; nothing when
    // neither is set to an absolute path.
    [[nodiscard]] static std::optional<std::filesystem::path> UserFolder();

    // The blob stored under `name` in this version, whole; nothing when
    // there is none. Names are lower-case letters, digits, '.', '-' and
    // '_', at most 32 of them (std::invalid_argument otherwise).
    [[nodiscard]] std::optional<std::vector<std::uint8_t>> Load(std::string_view name,
                                                                std::uint32_t version) const;

    // Stores the blob; false when it cannot be written.
    bool Store(std::string_view name, std::uint32_t version,
               std::span<const std::uint8_t> blob) const;

    // Sets aside a stored blob that loaded whole but that the caller cannot
    // use, with the reason.
    void SetAside(std::string_view name, std::string_view reason) const;

    // The file of a blob; nothing without a folder.
    [[nodiscard]] std::optional<std::filesystem::path> PathOf(std::string_view name) const;

private:
    std::optional<std::filesystem::path> folder;
    std::ostream& report;
};

} // namespace turnix
