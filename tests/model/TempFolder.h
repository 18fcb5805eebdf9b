#pragma once

#include <filesystem>
#include <gtest/gtest.h>
#include <random>
#include <string>

namespace turnix::test {

// An empty folder of the running test's own, removed with all it holds when
// the test ends.
struct TempFolder {
    TempFolder() {
        path = std::filesystem::temp_directory_path() /
               ("turnix-" +
                std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "-" +
                std::to_string(std::random_device{}()));
        std::filesystem::create_directories(path);
    }
    ~TempFolder() {
        std::error_code error;
        std::filesystem::remove_all(path, error);
    }

    std::filesystem::path path;
};

} // namespace turnix::test
