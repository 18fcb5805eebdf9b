#include "Commands.h"
#include "CubeReading.h"
#include "PhotoMaker.h"
#include "SidePhoto.h"
#include "SolverTestSupport.h"
#include "StickerSets.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <opencv2/imgcodecs.hpp>
#include <random>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using namespace turnix::vision;

// Six 1920×1080 JPEG photos of the sides, made once into a folder of their own.
class SixPhotos {
public:
    SixPhotos() {
        std::filesystem::create_directories(folder_);
        for (std::uint32_t side = 0; side < 6; ++side) {
            const auto photo = photos::MakePhoto(photos::RandomSettings(100 + side, 1920, 1080));
            files_.push_back(folder_ / ("side" + std::to_string(side) + ".jpg"));
            cv::imwrite(files_.back().string(), photo.image, {cv::IMWRITE_JPEG_QUALITY, 90});
        }
    }
    ~SixPhotos() {
        std::error_code error;
        std::filesystem::remove_all(folder_, error);
    }
    SixPhotos(const SixPhotos&) = delete;
    SixPhotos& operator=(const SixPhotos&) = delete;

    [[nodiscard]] const std::vector<std::filesystem::path>& Files() const { return files_; }

private:
    std::filesystem::path folder_ = std::filesystem::temp_directory_path() /
                                    ("turnix-bench-vision-" + std::to_string(::getpid()));
    std::vector<std::filesystem::path> files_;
};

// The six read one after another, as a caller without threads would.
void ReadSixSidePhotos(benchmark::State& state) {
    const SixPhotos photos;
    int found = 0;
    for (auto _ : state) {
        found = 0;
        for (const auto& file : photos.Files())
            found += std::holds_alternative<SideReading>(ReadSidePhoto(file)) ? 1 : 0;
    }
    if (found != 6)
        state.SkipWithError("a side was not found");
}
BENCHMARK(ReadSixSidePhotos)->Unit(benchmark::kMillisecond)->UseRealTime();

// A camera's frame, already in memory.
void FindSideInAFullHdFrame(benchmark::State& state) {
    const auto photo = photos::MakePhoto(photos::RandomSettings(100, 1920, 1080));
    const ImageView view{photo.image.cols, photo.image.rows, photo.image.step[0], 3,
                         photo.image.data};
    for (auto _ : state)
        benchmark::DoNotOptimize(FindSide(view));
}
BENCHMARK(FindSideInAFullHdFrame)->Unit(benchmark::kMillisecond)->UseRealTime();

constexpr std::size_t SetCount = 32;

// Photo sets of scrambled cubes in hard light, with red and orange close.
const std::vector<std::array<turnix::vision::SideReading, 6>>& PhotoSets() {
    static const auto sets = [] {
        std::mt19937 random(77);
        std::vector<std::array<turnix::vision::SideReading, 6>> made;
        for (std::size_t n = 0; n < SetCount; ++n) {
            const auto cube = turnix::test::ColorsOf(
                turnix::CubeOf(turnix::test::RandomArrangement(random, true)));
            made.push_back(turnix::test::PhotosOf(cube, turnix::test::CloseRedAndOrange,
                                                  turnix::test::HardLight, random));
        }
        return made;
    }();
    return sets;
}

void Assemble(benchmark::State& state, turnix::vision::PhotoOrder order) {
    const auto& sets = PhotoSets();
    std::size_t n = 0;
    for (auto _ : state) {
        const auto reading = turnix::vision::AssembleCube(sets[n++ % SetCount], order);
        benchmark::DoNotOptimize(&reading);
    }
}

void AssembleCube(benchmark::State& state) {
    Assemble(state, turnix::vision::PhotoOrder::Fixed);
}
BENCHMARK(AssembleCube)->Unit(benchmark::kMillisecond);

void AssembleCubeInAnyOrder(benchmark::State& state) {
    Assemble(state, turnix::vision::PhotoOrder::Any);
}
BENCHMARK(AssembleCubeInAnyOrder)->Unit(benchmark::kMillisecond);

// turnix-cli scan of six 1920×1080 JPEG photos of a scrambled cube, whole:
// the photos read on parallel threads, then the cube put together.
void ScanSixPhotos(benchmark::State& state) {
    constexpr std::array<std::size_t, 6> NetOrder{0, 5, 2, 1, 4, 3};
    std::mt19937 random(5);
    const auto cube =
        turnix::test::ColorsOf(turnix::CubeOf(turnix::test::RandomArrangement(random, true)));
    const auto folder = std::filesystem::temp_directory_path() /
                        ("turnix-bench-scan-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    std::vector<std::string> files;
    for (std::size_t n = 0; n < 6; ++n) {
        photos::PhotoSettings settings;
        settings.width = 1920;
        settings.height = 1080;
        for (std::size_t q = 0; q < 9; ++q) {
            settings.colors[q] = photos::CubeColors[static_cast<std::size_t>(cube[NetOrder[n]][q])];
        }
        settings.turn = 5;
        settings.tilt = 15;
        settings.clutter = 6;
        settings.noise = 3;
        settings.seed = static_cast<std::uint32_t>(n + 1);
        files.push_back((folder / ("side" + std::to_string(n) + ".jpg")).string());
        cv::imwrite(files.back(), photos::MakePhoto(settings).image,
                    {cv::IMWRITE_JPEG_QUALITY, 90});
    }
    std::vector<std::string_view> arguments{"scan"};
    arguments.insert(arguments.end(), files.begin(), files.end());
    auto status = turnix::cli::ExitStatus::Success;
    for (auto _ : state) {
        std::istringstream in;
        std::ostringstream out;
        std::ostringstream err;
        status = turnix::cli::RunCli(arguments, in, out, err);
    }
    std::error_code error;
    std::filesystem::remove_all(folder, error);
    if (status != turnix::cli::ExitStatus::Success) {
        state.SkipWithError("the cube was not read");
    }
}
BENCHMARK(ScanSixPhotos)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
