#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

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

using Bytes = std::vector<std::uint8_t>;

inline Bytes ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

} // namespace turnix::test
