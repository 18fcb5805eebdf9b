#pragma once

#include "CubeReading.h"
#include "PhotoError.h"
#include "SideReading.h"

#include <filesystem>
#include <functional>
#include <string>
#include <variant>
#include <vector>

namespace turnix::cli {

// Reads the side in one photo: vision::ReadSidePhoto, or a stand-in in tests.
using PhotoReader = std::function<std::variant<vision::SideReading, vision::PhotoError>(
    const std::filesystem::path&)>;

// The photos read on as many threads as there are cores (at most one per
// photo), in the order given; or every photo's error, in that order.
[[nodiscard]] std::variant<std::vector<vision::SideReading>, std::vector<vision::PhotoError>>
ReadPhotos(const std::vector<std::string>& files, const PhotoReader& read);

// The cube as its facelet string, then "doubtful POS READ SECOND" for each
// doubt and "also STRING" for each other cube that fits; a line each.
[[nodiscard]] std::string ScanReport(const vision::CubeReading& reading);

} // namespace turnix::cli
