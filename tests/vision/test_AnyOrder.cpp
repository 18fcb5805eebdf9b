#include "CubeReading.h"
#include "SolverTestSupport.h"
#include "StickerSets.h"
#include "diagnosis/Diagnosis.h"

#include <gtest/gtest.h>
#include <sstream>

using namespace turnix;
using namespace turnix::test;
using namespace turnix::vision;

namespace {

using Photos = std::array<SideReading, 6>;
constexpr std::array<std::size_t, 6> NetOrder{0, 5, 2, 1, 4, 3};

CubeReading ReadInAnyOrder(const Photos& photos) {
    auto result = AssembleCube(photos, PhotoOrder::Any);
    if (const auto* error = std::get_if<AssemblyError>(&result)) {
        ADD_FAILURE() << error->message;
        return {};
    }
    return std::get<CubeReading>(std::move(result));
}

// The photos in the order given, each turned so many quarters; with the
// colours of the first photo's stickers as the cube has them.
std::pair<Photos, std::array<std::int16_t, 9>> Shuffled(const Photos& photos,
                                                        const CubeColors& cube,
                                                        const std::array<std::size_t, 6>& order,
                                                        const std::array<int, 6>& turns) {
    Photos shuffled{};
    std::array<std::int16_t, 9> first = cube[NetOrder[order[0]]];
    for (std::size_t n = 0; n < 6; ++n) {
        shuffled[n] = photos[order[n]];
        for (int t = 0; t < turns[n]; ++t) {
            shuffled[n].stickers = TurnedQuarter(shuffled[n].stickers);
            first = n == 0 ? TurnedQuarter(first) : first;
        }
    }
    return {shuffled, first};
}

// The cube after the turns, in notation.
CubeColors Pattern(const std::string& turns) {
    clsCube cube;
    std::istringstream words(turns);
    for (std::string word; words >> word;) {
        const auto code = std::ranges::find(StepNotations, word) - StepNotations.begin();
        ApplyStep(cube, static_cast<std::int16_t>(code));
    }
    return ColorsOf(cube);
}

} // namespace

// The first photo is the Front, its top edge towards the Top; the rest is
// the same cube, even with a centre that looks like another side's.
TEST(AssembleCubeInAnyOrder, ShuffledAndTurnedPhotosGiveTheCubeHeldAsTheFirstPhotoShowsIt) {
    std::mt19937 random(6);
    for (int n = 0; n < 3; ++n) {
        const CubeColors cube = ColorsOf(CubeOf(RandomArrangement(random, true)));
        auto photos = PhotosOf(cube, CloseRedAndOrange, HardLight, random);
        if (n == 1) {
            // A logo on the white centre, in the blue of another side.
            photos[0].stickers[4] = {{60, 80, 170}, 20};
        }
        std::array<std::size_t, 6> order{0, 1, 2, 3, 4, 5};
        std::ranges::shuffle(order, random);
        std::array<int, 6> turns{};
        std::ranges::generate(turns, [&] { return static_cast<int>(random() % 4); });
        const auto [shuffled, first] = Shuffled(photos, cube, order, turns);
        const CubeReading reading = ReadInAnyOrder(shuffled);
        EXPECT_TRUE(SameCubeTurned(cube, reading.colors)) << "cube " << n;
        for (std::size_t a = 0; a < 9; ++a) {
            for (std::size_t b = 0; b < 9; ++b) {
                EXPECT_EQ(reading.colors[side::Front][a] == reading.colors[side::Front][b],
                          first[a] == first[b]);
            }
        }
        EXPECT_TRUE(reading.doubts.empty());
        EXPECT_TRUE(reading.alsoFits.empty());
    }
}

TEST(AssembleCubeInAnyOrder, OrderAndTurnsOfTheOtherPhotosChangeNothing) {
    std::mt19937 random(7);
    const CubeColors cube = ColorsOf(CubeOf(RandomArrangement(random, true)));
    const auto photos = PhotosOf(cube, StandardColours, HardLight, random);
    const CubeReading reading = ReadInAnyOrder(photos);
    for (int n = 0; n < 2; ++n) {
        std::array<std::size_t, 6> order{0, 1, 2, 3, 4, 5};
        std::shuffle(order.begin() + 1, order.end(), random);
        std::array<int, 6> turns{};
        std::generate(turns.begin() + 1, turns.end(),
                      [&] { return static_cast<int>(random() % 4); });
        EXPECT_EQ(ReadInAnyOrder(Shuffled(photos, cube, order, turns).first).colors,
                  reading.colors);
    }
}

// Photos of a patterned cube may fit other cubes as well as the one they
// show: every cube that they fit is reported, the true one among them.
TEST(AssembleCubeInAnyOrder, SymmetricPatternsReportEveryCubeTheyFit) {
    const std::vector<std::pair<std::string, std::size_t>> patterns{
        {"", 1},
        {"R2", 1},
        {"U", 4},
        {"F B'", 2},
        {"R2 L2 U2 D2 F2 B2", 1},
        {"U D' R L' F B' U D'", 8},
        {"R U R' U'", 1},
    };
    std::mt19937 random(8);
    for (const auto& [turns, fits] : patterns) {
        const CubeColors cube = Pattern(turns);
        const CubeReading reading =
            ReadInAnyOrder(PhotosOf(cube, StandardColours, EvenLight, random));
        std::vector<CubeColors> cubes{reading.colors};
        cubes.insert(cubes.end(), reading.alsoFits.begin(), reading.alsoFits.end());
        EXPECT_EQ(cubes.size(), fits) << turns;
        EXPECT_TRUE(std::ranges::any_of(cubes, [&](const CubeColors& c) {
            return SameCubeTurned(cube, c) && Diagnose(c).empty();
        })) << turns;
        EXPECT_EQ(reading.doubts.empty(), fits == 1) << turns;
    }
}
