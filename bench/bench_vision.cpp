#include "PhotoMaker.h"
#include "SidePhoto.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <opencv2/imgcodecs.hpp>
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

} // namespace
