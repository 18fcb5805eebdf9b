#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>

namespace turnix {

// What a save does when the target exists but is no regular file, directly
// or through links.
enum class SpecialTarget {
    Refuse,       // fails: a window must not pour a cube into a device
    WriteThrough, // writes straight into a FIFO or a character device, so
                  // that /dev/stdout works; refuses the rest
};

// The outcome of a save: on failure, why, in the system's words
// ("Permission denied", "Not a regular file").
struct [[nodiscard]] WriteResult {
    std::optional<std::string> failure;

    explicit operator bool() const noexcept { return !failure.has_value(); }
};

// Replaces a regular file as a whole or not at all. The bytes go to a new
// file beside the target, reach the disk, and are then renamed over it; on
// any failure the old file stays as it was and nothing is left behind.
// - A symbolic link, or a chain of them, is followed: the file it points to
//   is replaced and the link stays; a dangling link's target is created.
// - An existing file keeps its permission bits; a new one gets 0666 less the
//   umask. A file the user may not write is refused, even where its folder
//   could be written.
// - The temporary name is as long whatever the target's, so any name the
//   folder allows can be saved.
WriteResult WriteFileAtomically(const std::filesystem::path& path,
                                std::span<const std::uint8_t> bytes,
                                SpecialTarget special = SpecialTarget::Refuse);

} // namespace turnix
