#include "FifoAndDevice.h"
#include "PhotoMaker.h"
#include "ReadingChecks.h"
#include "SidePhoto.h"
#include "TempFolder.h"

#include <functional>
#include <gtest/gtest.h>
#include <opencv2/imgcodecs.hpp>
#include <random>
#include <string>

namespace {

using namespace turnix::vision;
using namespace turnix::vision::photos;
using turnix::test::Bytes;

const Photo& Sample() {
    static const Photo photo = MakePhoto(RandomSettings(5, 640, 480));
    return photo;
}

Bytes Encode(const std::string& extension, const cv::Mat& image,
             const std::vector<int>& params = {}) {
    Bytes bytes;
    cv::imencode(extension, image, bytes, params);
    return bytes;
}

void Put(Bytes& b, std::size_t at, std::uint32_t value, int count, bool bigEndian) {
    for (int k = 0; k < count; ++k) {
        const int shift = 8 * (bigEndian ? count - 1 - k : k);
        b[at + static_cast<std::size_t>(k)] = static_cast<std::uint8_t>(value >> shift);
    }
}

std::size_t Find(const Bytes& b, const Bytes& part) {
    return static_cast<std::size_t>(std::search(b.begin(), b.end(), part.begin(), part.end()) -
                                    b.begin());
}

// A PNG of a few kilobytes whose header claims a huge picture.
Bytes PngClaiming(std::uint32_t width, std::uint32_t height) {
    Bytes png = Encode(".png", cv::Mat(8, 8, CV_8UC3, cv::Scalar(1, 2, 3)));
    Put(png, 16, width, 4, true);
    Put(png, 20, height, 4, true);
    std::uint32_t crc = 0xFFFFFFFFU;
    for (std::size_t k = 12; k < 29; ++k) {
        crc ^= png[k];
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1U) != 0 ? 0xEDB88320U ^ (crc >> 1U) : crc >> 1U;
    }
    Put(png, 29, crc ^ 0xFFFFFFFFU, 4, true);
    png.insert(png.end() - 12, 4096, 0); // padding before IEND's chunk, never read
    return png;
}

Bytes JpegClaiming(std::uint32_t side) {
    Bytes jpeg = Encode(".jpg", Sample().image);
    const std::size_t frame = Find(jpeg, {0xFF, 0xC0});
    Put(jpeg, frame + 5, side, 2, true);
    Put(jpeg, frame + 7, side, 2, true);
    return jpeg;
}

Bytes BmpClaiming(std::uint32_t side) {
    Bytes bmp = Encode(".bmp", Sample().image);
    Put(bmp, 18, side, 4, false);
    Put(bmp, 22, side, 4, false);
    return bmp;
}

// Lossy, with the size in its VP8 frame header.
Bytes WebpClaiming(std::uint32_t side) {
    Bytes webp = Encode(".webp", Sample().image, {cv::IMWRITE_WEBP_QUALITY, 90});
    Put(webp, 26, side, 2, false);
    Put(webp, 28, side, 2, false);
    return webp;
}

Bytes Cut(Bytes bytes, std::size_t keep) {
    bytes.resize(keep);
    return bytes;
}

Bytes Half(const std::string& extension) {
    Bytes bytes = Encode(extension, Sample().image);
    return Cut(bytes, bytes.size() / 2);
}

Bytes Flipped(Bytes bytes) {
    bytes[bytes.size() / 2] ^= 0x55U;
    return bytes;
}

struct BadFile {
    const char* name;
    std::function<Bytes()> bytes;
    PhotoProblem problem;
    std::string message;
};

class BadFiles : public ::testing::TestWithParam<BadFile> {};

// Whatever the file holds, the name says JPEG: the format is told from the bytes.
TEST_P(BadFiles, GiveTheirProblem) {
    const turnix::test::TempFolder folder;
    const auto file = folder.path / "B.jpg";
    turnix::test::WriteBytes(file, GetParam().bytes());
    const auto result = ReadSidePhoto(file);
    ASSERT_TRUE(std::holds_alternative<PhotoError>(result));
    EXPECT_EQ(std::get<PhotoError>(result).problem, GetParam().problem);
    EXPECT_EQ(std::get<PhotoError>(result).message, GetParam().message);
}

const std::string CutShort = "B.jpg is cut short";
const std::string Damaged = "B.jpg is damaged";

INSTANTIATE_TEST_SUITE_P(
    Kinds, BadFiles,
    ::testing::Values(
        BadFile{"Text",
                [] {
                    return Bytes{'h', 'e', 'l', 'l', 'o'};
                },
                PhotoProblem::NotAnImage, "B.jpg is not an image"},
        BadFile{"Gif", [] { return Bytes{'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0}; },
                PhotoProblem::NotAnImage, "B.jpg is not an image"},
        BadFile{"Empty", [] { return Bytes{}; }, PhotoProblem::NotAnImage, "B.jpg is empty"},
        BadFile{"PngCutShort", [] { return Half(".png"); }, PhotoProblem::Truncated, CutShort},
        BadFile{"PngSignatureOnly", [] { return Cut(Encode(".png", Sample().image), 12); },
                PhotoProblem::Truncated, CutShort},
        BadFile{"PngDamaged", [] { return Flipped(Encode(".png", Sample().image)); },
                PhotoProblem::Truncated, Damaged},
        BadFile{"JpegCutShort", [] { return Half(".jpg"); }, PhotoProblem::Truncated, CutShort},
        BadFile{"JpegWithoutEnd",
                [] {
                    const Bytes jpeg = Encode(".jpg", Sample().image);
                    return Cut(jpeg, jpeg.size() - 2);
                },
                PhotoProblem::Truncated, CutShort},
        BadFile{"BmpCutShort", [] { return Half(".bmp"); }, PhotoProblem::Truncated, CutShort},
        BadFile{"WebpCutShort", [] { return Half(".webp"); }, PhotoProblem::Truncated, CutShort},
        BadFile{"PngClaimingHuge", [] { return PngClaiming(30000, 30000); }, PhotoProblem::TooLarge,
                "B.jpg is too large (30000×30000 pixels)"},
        BadFile{"PngClaimingOneLongRow", [] { return PngClaiming(60'000'000, 1); },
                PhotoProblem::TooLarge, "B.jpg is too large (60000000×1 pixels)"},
        BadFile{"JpegClaimingHuge", [] { return JpegClaiming(60000); }, PhotoProblem::TooLarge,
                "B.jpg is too large (60000×60000 pixels)"},
        BadFile{"BmpClaimingHuge", [] { return BmpClaiming(100000); }, PhotoProblem::TooLarge,
                "B.jpg is too large (100000×100000 pixels)"},
        BadFile{"WebpClaimingHuge", [] { return WebpClaiming(16383); }, PhotoProblem::TooLarge,
                "B.jpg is too large (16383×16383 pixels)"},
        BadFile{"NoCube",
                [] { return Encode(".png", cv::Mat(240, 320, CV_8UC3, cv::Scalar(40, 90, 140))); },
                PhotoProblem::NoGrid, "no 3×3 grid found in B.jpg"}),
    [](const auto& row) { return std::string(row.param.name); });

// Cut anywhere or with bytes changed anywhere, a file gives a side or an
// error, never a crash (run under the sanitizers too).
TEST(ReadSidePhoto, SurvivesDamageAnywhere) {
    const cv::Mat small = MakePhoto(RandomSettings(9, 320, 240)).image;
    const turnix::test::TempFolder folder;
    std::mt19937 random(17);
    for (const char* extension : {".png", ".jpg", ".bmp", ".webp"}) {
        const Bytes whole = Encode(extension, small);
        for (int trial = 0; trial < 25; ++trial) {
            Bytes bytes = whole;
            std::uniform_int_distribution<std::size_t> at(0, bytes.size() - 1);
            if (trial % 2 == 0) {
                bytes.resize(at(random));
            } else {
                for (int k = 0; k < 1 + trial % 7; ++k)
                    bytes[at(random)] ^= static_cast<std::uint8_t>(1U << (k % 8));
            }
            turnix::test::WriteBytes(folder.path / "side", bytes);
            const auto result = ReadSidePhoto(folder.path / "side");
            if (const auto* error = std::get_if<PhotoError>(&result)) {
                EXPECT_FALSE(error->message.empty());
            }
        }
    }
}

TEST(ReadSidePhoto, RefusesWhatIsNoFile) {
    const turnix::test::TempFolder folder;
    std::filesystem::create_directory(folder.path / "B");
    const auto problem = [](const std::filesystem::path& path) {
        return std::get<PhotoError>(ReadSidePhoto(path));
    };
    EXPECT_EQ(problem(folder.path / "missing.jpg").message, "missing.jpg cannot be opened");
    EXPECT_EQ(problem(folder.path / "B").message, "B is a folder, not an image");
    EXPECT_EQ(problem(folder.path / "B").problem, PhotoProblem::CannotOpen);
    if (turnix::test::MakeFifo(folder.path / "fifo.png")) {
        EXPECT_EQ(problem(folder.path / "fifo.png").message, "fifo.png is not a file");
    }
    // Sparse: refused by its size without being read.
    const auto huge = folder.path / "huge.png";
    turnix::test::WriteBytes(huge, Encode(".png", Sample().image));
    std::filesystem::resize_file(huge, MostFileBytes + 1);
    EXPECT_EQ(problem(huge).problem, PhotoProblem::TooLarge);
}

struct Format {
    const char* name;
    int width;
    int height;
    std::string extension;
    std::vector<int> params;
};

class Formats : public ::testing::TestWithParam<Format> {};

// A large JPEG is decoded at a fraction of its size; corners still come in
// the file's pixels.
TEST_P(Formats, AreReadWithTheirSide) {
    const auto& format = GetParam();
    const Photo photo = MakePhoto(RandomSettings(31, format.width, format.height));
    const turnix::test::TempFolder folder;
    turnix::test::WriteBytes(folder.path / "side",
                             Encode(format.extension, photo.image, format.params));
    const auto result = ReadSidePhoto(folder.path / "side");
    ASSERT_TRUE(std::holds_alternative<SideReading>(result));
    EXPECT_LT(CornerError(std::get<SideReading>(result), photo), 0.2);
    EXPECT_LT(ColourError(std::get<SideReading>(result), photo), 30);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, Formats,
    ::testing::Values(Format{"Png", 640, 480, ".png", {}}, Format{"Bmp", 640, 480, ".bmp", {}},
                      Format{"Jpeg", 640, 480, ".jpg", {cv::IMWRITE_JPEG_QUALITY, 90}},
                      Format{"LargeJpeg", 1920, 1080, ".jpg", {cv::IMWRITE_JPEG_QUALITY, 90}},
                      Format{"Webp", 640, 480, ".webp", {cv::IMWRITE_WEBP_QUALITY, 90}},
                      Format{"LosslessWebp", 640, 480, ".webp", {cv::IMWRITE_WEBP_QUALITY, 101}}),
    [](const auto& row) { return std::string(row.param.name); });

// A JPEG with an EXIF APP1 segment holding only the orientation tag.
Bytes WithOrientation(const Bytes& jpeg, std::uint8_t orientation) {
    const Bytes exif{0xFF, 0xE1, 0, 34, 'E',         'x', 'i', 'f', 0,    0,    'I', 'I',
                     42,   0,    8, 0,  0,           0,   1,   0,   0x12, 0x01, 3,   0,
                     1,    0,    0, 0,  orientation, 0,   0,   0,   0,    0,    0,   0};
    Bytes out(jpeg.begin(), jpeg.begin() + 2);
    out.insert(out.end(), exif.begin(), exif.end());
    out.insert(out.end(), jpeg.begin() + 2, jpeg.end());
    return out;
}

struct Orientation {
    std::uint8_t tag;
    int quarterTurns; // clockwise
};

class ExifOrientation : public ::testing::TestWithParam<Orientation> {};

// The picture is turned upright first, so the grid's corner 0 is the one
// that ends up nearest the top left.
TEST_P(ExifOrientation, TurnsThePictureUpright) {
    const Photo& photo = Sample();
    const turnix::test::TempFolder folder;
    const auto file = folder.path / "side.jpg";
    turnix::test::WriteBytes(
        file, WithOrientation(Encode(".jpg", photo.image, {cv::IMWRITE_JPEG_QUALITY, 95}),
                              GetParam().tag));
    const auto result = ReadSidePhoto(file);
    ASSERT_TRUE(std::holds_alternative<SideReading>(result));
    const auto& side = std::get<SideReading>(result);
    const float w = static_cast<float>(photo.image.cols - 1);
    const float h = static_cast<float>(photo.image.rows - 1);
    const int turns = GetParam().quarterTurns;
    for (std::size_t k = 0; k < 4; ++k) {
        const PointF p = photo.corners[(k + 4 - static_cast<std::size_t>(turns)) % 4];
        const PointF turned = turns == 1   ? PointF{h - p.y, p.x}
                              : turns == 2 ? PointF{w - p.x, h - p.y}
                              : turns == 3 ? PointF{p.y, w - p.x}
                                           : p;
        EXPECT_NEAR(side.corners[k].x, turned.x, 0.2 * Pitch(photo)) << "corner " << k;
        EXPECT_NEAR(side.corners[k].y, turned.y, 0.2 * Pitch(photo)) << "corner " << k;
    }
}

INSTANTIATE_TEST_SUITE_P(Tags, ExifOrientation,
                         ::testing::Values(Orientation{1, 0}, Orientation{6, 1}, Orientation{3, 2},
                                           Orientation{8, 3}),
                         [](const auto& row) { return "Tag" + std::to_string(row.param.tag); });

} // namespace
