#pragma once

#include <filesystem>
#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace turnix::test {

// A FIFO and null and full devices of the test's own, inside its folder, so
// that a save that wrongly replaces one harms nothing outside the test.
// Making a device takes root; false when it cannot be made.
inline bool MakeFifo(const std::filesystem::path& path) {
    return ::mkfifo(path.c_str(), 0600) == 0;
}

inline bool MakeNullDevice(const std::filesystem::path& path) {
    return ::mknod(path.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0;
}

// Every write to it fails, as on a full disk.
inline bool MakeFullDevice(const std::filesystem::path& path) {
    return ::mknod(path.c_str(), S_IFCHR | 0666, makedev(1, 7)) == 0;
}

} // namespace turnix::test
