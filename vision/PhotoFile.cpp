#include "PhotoFile.h"

#include "ImageHeader.h"
#include "SidePhoto.h"

#include <algorithm>
#include <cstdint>
#include <fcntl.h>
#include <opencv2/imgcodecs.hpp>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace turnix::vision {
namespace {

class Descriptor {
public:
    explicit Descriptor(int fd) noexcept : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    [[nodiscard]] int Get() const noexcept { return fd_; }

private:
    int fd_;
};

std::string Megabytes(std::uintmax_t bytes) {
    return std::to_string((bytes + (1U << 20U) - 1) >> 20U) + " MB";
}

// The whole file, read through one descriptor so that what is checked is
// what is read; a FIFO or device is refused rather than waited on.
std::variant<std::vector<std::uint8_t>, PhotoError> ReadBytes(const std::filesystem::path& file) {
    const std::string name = ShownName(file);
    const Descriptor fd(::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat info {};
    if (fd.Get() < 0 || ::fstat(fd.Get(), &info) != 0)
        return PhotoError{PhotoProblem::CannotOpen, name + " cannot be opened"};
    if (S_ISDIR(info.st_mode))
        return PhotoError{PhotoProblem::CannotOpen, name + " is a folder, not an image"};
    if (!S_ISREG(info.st_mode))
        return PhotoError{PhotoProblem::CannotOpen, name + " is not a file"};
    const auto tooLarge = [&](std::uintmax_t size) {
        return PhotoError{PhotoProblem::TooLarge, name + " is too large (" + Megabytes(size) + ")"};
    };
    if (static_cast<std::uintmax_t>(info.st_size) > MostFileBytes)
        return tooLarge(static_cast<std::uintmax_t>(info.st_size));
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(info.st_size) + 1);
    std::size_t length = 0;
    while (true) {
        if (length == bytes.size()) {
            // The file grew while it was read.
            if (bytes.size() > MostFileBytes)
                return tooLarge(bytes.size());
            bytes.resize(std::min<std::size_t>(2 * bytes.size(), MostFileBytes + 1));
        }
        const ssize_t got = ::read(fd.Get(), bytes.data() + length, bytes.size() - length);
        if (got < 0)
            return PhotoError{PhotoProblem::CannotOpen, name + " cannot be read"};
        if (got == 0)
            break;
        length += static_cast<std::size_t>(got);
    }
    bytes.resize(length);
    return bytes;
}

// libjpeg scales by these in the DCT, before the pixels exist.
int Reduction(const ImageHeader& header, int leastLongSide) {
    if (header.format != ImageFormat::Jpeg)
        return 1;
    const std::int64_t longSide = std::max(header.width, header.height);
    for (const int r : {8, 4, 2})
        if (longSide / r >= leastLongSide)
            return r;
    return 1;
}

cv::Mat Decode(const std::vector<std::uint8_t>& bytes, int reduction) {
    // Each of these turns the picture upright by its EXIF orientation.
    const int flags = reduction == 8   ? cv::IMREAD_REDUCED_COLOR_8
                      : reduction == 4 ? cv::IMREAD_REDUCED_COLOR_4
                      : reduction == 2 ? cv::IMREAD_REDUCED_COLOR_2
                                       : cv::IMREAD_COLOR;
    try {
        return cv::imdecode(cv::Mat(1, static_cast<int>(bytes.size()), CV_8U,
                                    const_cast<std::uint8_t*>(bytes.data())),
                            flags);
    } catch (const cv::Exception&) {
        return {};
    }
}

bool SizeMatches(const cv::Mat& image, const ImageHeader& header, int reduction) {
    const std::int64_t w = (header.width + reduction - 1) / reduction;
    const std::int64_t h = (header.height + reduction - 1) / reduction;
    return (image.cols == w && image.rows == h) || (image.cols == h && image.rows == w);
}

} // namespace

std::string ShownName(const std::filesystem::path& file) {
    const auto name = file.filename();
    return name.empty() ? file.string() : name.string();
}

std::variant<LoadedPhoto, PhotoError> LoadPhoto(const std::filesystem::path& file,
                                                int leastLongSide) {
    auto read = ReadBytes(file);
    if (auto* error = std::get_if<PhotoError>(&read))
        return *error;
    const auto& bytes = std::get<std::vector<std::uint8_t>>(read);
    const std::string name = ShownName(file);
    if (bytes.empty())
        return PhotoError{PhotoProblem::NotAnImage, name + " is empty"};
    const auto header = ReadImageHeader(bytes);
    if (!header)
        return PhotoError{PhotoProblem::NotAnImage, name + " is not an image"};
    // Each side alone first, so that the product cannot overflow.
    if (header->width > MostPixels || header->height > MostPixels ||
        header->width * header->height > MostPixels)
        return PhotoError{PhotoProblem::TooLarge, name + " is too large (" +
                                                      std::to_string(header->width) + "×" +
                                                      std::to_string(header->height) + " pixels)"};
    if (header->completeness == Completeness::CutShort)
        return PhotoError{PhotoProblem::Truncated, name + " is cut short"};
    LoadedPhoto photo{{}, Reduction(*header, leastLongSide)};
    if (header->completeness == Completeness::Whole)
        photo.image = Decode(bytes, photo.reduction);
    if (photo.image.empty() || photo.image.type() != CV_8UC3 ||
        !SizeMatches(photo.image, *header, photo.reduction))
        return PhotoError{PhotoProblem::Truncated, name + " is damaged"};
    return photo;
}

} // namespace turnix::vision
