#pragma once

#include <filesystem>
#include <random>
#include <string>

namespace turnix::test {

// An empty folder of the test's own, removed with all it holds at the end.
struct TempFolder {
    TempFolder() { std::filesystem::create_directories(path); }
    ~TempFolder() {
        std::error_code error;
        std::filesystem::remove_all(path, error);
    }

    std::filesystem::path path = std::filesystem::temp_directory_path() /
                                 ("turnix-test-" + std::to_string(std::random_device{}()));
};

} // namespace turnix::test
