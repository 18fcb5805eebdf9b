#include "CliTestSupport.h"
#include "PhotoMaker.h"
#include "SolverTestSupport.h"
#include "StickerSets.h"
#include "TempFolder.h"
#include "diagnosis/Diagnosis.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <opencv2/imgcodecs.hpp>
#include <string_view>

using namespace turnix;
using namespace turnix::cli;
using namespace turnix::test;

namespace {

// Whether text has the shape of pattern, where '#' stands for a side
// letter and '9' for a digit from 1 to 9.
bool HasShape(std::string_view text, std::string_view pattern) {
    return std::ranges::equal(text, pattern, [](char t, char p) {
        return p == '#'   ? std::string_view("URFDLB").find(t) != std::string_view::npos
               : p == '9' ? t >= '1' && t <= '9'
                          : t == p;
    });
}

const std::vector<std::string> Files{"U.png", "R.png", "F.png", "D.png", "L.png", "B.png"};

// Reads the photos from a table instead of files.
class FakePhotos {
public:
    explicit FakePhotos(const std::array<vision::SideReading, 6>& photos) {
        for (std::size_t n = 0; n < Files.size(); ++n) {
            table[Files[n]] = photos[n];
        }
    }

    void Break(const std::string& file, const std::string& message) {
        table[file] = vision::PhotoError{vision::PhotoProblem::NoGrid, message};
    }

    [[nodiscard]] Result Scan(bool anyOrder = false) const {
        std::ostringstream out;
        std::ostringstream err;
        const PhotoReader read = [this](const std::filesystem::path& file) {
            return table.at(file.string());
        };
        const ExitStatus status = Run(ScanCommand{Files, anyOrder}, out, err, read);
        return {status, out.str(), err.str()};
    }

private:
    std::map<std::string, std::variant<vision::SideReading, vision::PhotoError>> table;
};

CubeColors CubeOfFacelets(const std::string& facelets) {
    clsCube cube;
    EXPECT_FALSE(ReadFacelets(facelets, cube));
    return ColorsOf(cube);
}

std::array<vision::SideReading, 6> PhotosOfFacelets(const std::string& facelets,
                                                    const Light& light = EvenLight) {
    std::mt19937 random(9);
    return PhotosOf(CubeOfFacelets(facelets), StandardColours, light, random);
}

} // namespace

TEST(Scan, ParsesSixPhotosOrRefusesWithTheReason) {
    const std::vector<std::string_view> six{"scan",  "U.png", "R.png", "F.png",
                                            "D.png", "L.png", "B.png"};
    const auto fixed = std::get<ScanCommand>(ParseCommandLine(six));
    EXPECT_EQ(fixed.photos, Files);
    EXPECT_FALSE(fixed.anyOrder);
    auto anyOrder = six;
    anyOrder.insert(anyOrder.begin() + 3, "--any-order");
    EXPECT_TRUE(std::get<ScanCommand>(ParseCommandLine(anyOrder)).anyOrder);

    const std::vector<std::pair<std::vector<std::string_view>, std::string>> mistakes{
        {{"scan", "a", "b", "c", "d", "e"}, "scan needs six photos, one of each side, not 5"},
        {{"scan", "a", "b", "c", "d", "e", "f", "g"},
         "scan needs six photos, one of each side, not 7"},
        {{"scan", "a", "b", "c", "-", "e", "f"},
         "scan reads photos from files, not from standard input"},
        {{"scan", "--format", "codes", "a", "b", "c", "d", "e", "f"},
         "scan takes six photos and --any-order, no other option"},
        {{"scan", "--any-order", "--any-order", "a", "b", "c", "d", "e", "f"},
         "option '--any-order' given twice"},
        {{"check", "--any-order", "x.cub"}, "--any-order goes with scan"},
    };
    for (const auto& [arguments, reason] : mistakes) {
        EXPECT_EQ(Cli(arguments),
                  (Result{ExitStatus::BadInput, "",
                          "turnix-cli: " + reason + "\nTry 'turnix-cli --help'.\n"}));
    }
}

TEST(Scan, PrintsTheFaceletsOfACubeThatCanBeSolved) {
    EXPECT_EQ(FakePhotos(PhotosOfFacelets(Scrambled)).Scan(),
              (Result{ExitStatus::Success, Scrambled + "\n", ""}));
    const Result anyOrder = FakePhotos(PhotosOfFacelets(Scrambled)).Scan(true);
    EXPECT_EQ(anyOrder.status, ExitStatus::Success);
    EXPECT_TRUE(
        SameCubeTurned(CubeOfFacelets(Scrambled), CubeOfFacelets(anyOrder.out.substr(0, 54))));
}

// A flipped edge is read as photographed: check's report follows, after the
// squares that a cube that can be solved would need otherwise.
TEST(Scan, ACubeThatCannotBeSolvedIsFollowedByChecksReport) {
    const Result result = FakePhotos(PhotosOfFacelets(OneEdgeFlipped)).Scan();
    EXPECT_EQ(result.status, ExitStatus::InvalidCube);
    EXPECT_TRUE(result.out.starts_with(OneEdgeFlipped + "\ndoubtful ")) << result.out;
    EXPECT_TRUE(result.out.ends_with("\nINVALID\nflip\n")) << result.out;
    EXPECT_EQ(result.err, "");
}

// Photos of one layer turned, in any order, fit four cubes.
TEST(Scan, DoubtsAndOtherCubesThatFitFollowTheCube) {
    const std::string oneTurn = "UUUUUUUUUBBBRRRRRRRRRFFFFFFDDDDDDDDDFFFLLLLLLLLLBBBBBB";
    const Result result = FakePhotos(PhotosOfFacelets(oneTurn)).Scan(true);
    EXPECT_EQ(result.status, ExitStatus::Success);
    std::istringstream lines(result.out);
    std::string line;
    std::getline(lines, line);
    EXPECT_TRUE(Diagnose(CubeOfFacelets(line)).empty()) << line;
    int doubts = 0;
    int others = 0;
    for (; std::getline(lines, line);) {
        if (HasShape(line, "doubtful #9 # #")) {
            EXPECT_EQ(others, 0) << "the doubts come first";
            ++doubts;
        } else {
            ASSERT_TRUE(HasShape(line, "also " + std::string(54, '#'))) << line;
            EXPECT_TRUE(Diagnose(CubeOfFacelets(line.substr(5))).empty()) << line;
            ++others;
        }
    }
    EXPECT_GT(doubts, 0);
    EXPECT_EQ(others, 3);
}

TEST(Scan, PhotosWithoutACubeAreReportedEachWithStatus2) {
    FakePhotos photos(PhotosOfFacelets(Scrambled));
    photos.Break("F.png", "no 3×3 grid found in F.png");
    photos.Break("B.png", "B.png: not an image");
    EXPECT_EQ(photos.Scan(), (Result{ExitStatus::BadInput, "",
                                     "turnix-cli: no 3×3 grid found in F.png\n"
                                     "turnix-cli: B.png: not an image\n"}));

    auto twice = PhotosOfFacelets(Scrambled);
    twice[5] = twice[1];
    EXPECT_EQ(FakePhotos(twice).Scan(true),
              (Result{ExitStatus::BadInput, "",
                      "turnix-cli: Photos 2 and 6 show the same side: their centres have one "
                      "colour. Each photo must show a different side.\n"}));
}

// Photos drawn of the cube, each side a little turned and tilted, on a
// busy background, written as files: the real reader reads them back.
TEST(Scan, ReadsTheCubeFromImageFilesInEitherOrder) {
    constexpr std::array<std::size_t, 6> NetOrder{0, 5, 2, 1, 4, 3};
    const CubeColors cube = CubeOfFacelets(Scrambled);
    const TempFolder folder;
    // For --any-order, the photos in another order, each turned a quarter
    // more than the one before.
    constexpr std::array<std::size_t, 6> Shuffled{3, 0, 5, 2, 4, 1};
    std::vector<std::string> upright;
    std::vector<std::string> turned;
    for (std::size_t n = 0; n < 6; ++n) {
        for (const bool inOrder : {true, false}) {
            const std::size_t photo = inOrder ? n : Shuffled[n];
            vision::photos::PhotoSettings settings;
            for (std::size_t q = 0; q < 9; ++q) {
                settings.colors[q] =
                    vision::photos::CubeColors[static_cast<std::size_t>(cube[NetOrder[photo]][q])];
            }
            settings.turn =
                static_cast<double>(n) * 3 - 8 + (inOrder ? 0 : 90.0 * static_cast<double>(n));
            settings.tilt = 12;
            settings.tiltDirection = 40 * static_cast<double>(n);
            settings.clutter = 4;
            settings.noise = 2;
            settings.seed = static_cast<std::uint32_t>(n + 1);
            const auto file =
                folder.path / ((inOrder ? "side" : "turned") + std::to_string(n) + ".png");
            ASSERT_TRUE(cv::imwrite(file.string(), vision::photos::MakePhoto(settings).image));
            (inOrder ? upright : turned).push_back(file.string());
        }
    }
    std::vector<std::string_view> arguments{"scan"};
    arguments.insert(arguments.end(), upright.begin(), upright.end());
    EXPECT_EQ(Cli(arguments), (Result{ExitStatus::Success, Scrambled + "\n", ""}));

    arguments.assign({"scan", "--any-order"});
    arguments.insert(arguments.end(), turned.begin(), turned.end());
    const Result anyOrder = Cli(arguments);
    EXPECT_EQ(anyOrder.status, ExitStatus::Success) << anyOrder.err;
    EXPECT_TRUE(SameCubeTurned(cube, CubeOfFacelets(anyOrder.out.substr(0, 54)))) << anyOrder.out;
}
