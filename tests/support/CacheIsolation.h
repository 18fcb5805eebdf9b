#pragma once

#include <cstdlib>
#include <filesystem>

namespace turnix::test {

// CTest points XDG_CACHE_HOME at a folder of the build's own; a test run by
// hand keeps its tables out of the user's cache all the same.
inline const bool CacheKeptFromHome = [] {
    const auto folder = std::filesystem::temp_directory_path() / "turnix-test-cache";
    return ::setenv("XDG_CACHE_HOME", folder.c_str(), 0) == 0;
}();

} // namespace turnix::test
