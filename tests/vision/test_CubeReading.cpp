#include "CubeReading.h"
#include "SolverTestSupport.h"
#include "StickerSets.h"
#include "diagnosis/Diagnosis.h"

#include <gtest/gtest.h>
#include <sstream>

using namespace turnix;
using namespace turnix::test;
using namespace turnix::vision;
using Photos = std::array<SideReading, 6>;

namespace {

// Far from even: strong casts, deep shadows, a noisy camera.
constexpr Light SevereLight{0.4F, 1.4F, 0.25F, 0.2F, 10, 8};
constexpr std::array<std::size_t, 6> FaceletSides{0, 5, 2, 1, 4, 3};

// Which photo, in the order U R F D L B, shows the side.
std::size_t PhotoOf(std::size_t side) {
    return static_cast<std::size_t>(std::ranges::find(FaceletSides, side) - FaceletSides.begin());
}

CubeReading Read(std::span<const SideReading> photos, PhotoOrder order = PhotoOrder::Fixed) {
    auto result = AssembleCube(photos, order);
    if (const auto* error = std::get_if<AssemblyError>(&result)) {
        ADD_FAILURE() << error->message;
        return {};
    }
    return std::get<CubeReading>(std::move(result));
}

bool IsDoubtful(const CubeReading& reading, std::size_t side, std::size_t square) {
    return std::ranges::any_of(reading.doubts, [&](const Doubt& d) {
        return static_cast<std::size_t>(d.side) == side &&
               static_cast<std::size_t>(d.square) == square;
    });
}

// Squares read otherwise than the cube shows them and not doubted, as
// "side/square".
std::string SurelyMisread(const CubeReading& reading, const CubeColors& cube) {
    std::string misread;
    for (std::size_t s = 0; s < 6; ++s) {
        for (std::size_t q = 0; q < 9; ++q) {
            if (reading.colors[s][q] != cube[s][q] && !IsDoubtful(reading, s, q)) {
                misread += std::to_string(s) + "/" + std::to_string(q) + " ";
            }
        }
    }
    return misread;
}

// What a doubt says agrees with the reading: in facelet order, the colour
// read, another second, and less sure than every square not doubted.
void ExpectDoubtsAgree(const CubeReading& reading) {
    float leastSure = 1;
    float surestDoubt = 0;
    std::vector<std::size_t> order;
    for (const Doubt& d : reading.doubts) {
        const auto s = static_cast<std::size_t>(d.side);
        const auto q = static_cast<std::size_t>(d.square);
        EXPECT_EQ(d.read, reading.colors[s][q]);
        EXPECT_NE(d.second, d.read);
        EXPECT_TRUE(d.second >= 0 && d.second < 6);
        surestDoubt = std::max(surestDoubt, reading.confidence[s][q]);
        order.push_back(9 * PhotoOf(s) + q);
    }
    EXPECT_TRUE(std::ranges::is_sorted(order));
    for (std::size_t s = 0; s < 6; ++s) {
        for (std::size_t q = 0; q < 9; ++q) {
            leastSure = IsDoubtful(reading, s, q) ? leastSure
                                                  : std::min(leastSure, reading.confidence[s][q]);
        }
    }
    EXPECT_LT(surestDoubt, leastSure);
}

// Washes a sticker out towards white, as glare does.
void Glare(SideReading& photo, std::size_t square) {
    vision::Rgb& c = photo.stickers[square].color;
    c = {c.red + 0.75F * (250 - c.red), c.green + 0.75F * (250 - c.green),
         c.blue + 0.75F * (250 - c.blue)};
}

} // namespace

TEST(AssembleCube, EvenlyLitCubesAreReadExactlyWithoutDoubt) {
    std::mt19937 random(1);
    for (const Palette& palette : {StandardColours, CloseRedAndOrange}) {
        for (int n = 0; n < 4; ++n) {
            const CubeColors cube = ColorsOf(CubeOf(RandomArrangement(random, true)));
            const auto photos = PhotosOf(cube, palette, EvenLight, random);
            const CubeReading reading = Read(photos);
            EXPECT_EQ(reading.colors, cube);
            EXPECT_TRUE(reading.doubts.empty());
            EXPECT_TRUE(reading.alsoFits.empty());
            for (std::size_t s = 0; s < 6; ++s) {
                EXPECT_GT(*std::ranges::min_element(reading.confidence[s]), 0.99F);
                EXPECT_EQ(reading.centreColors[s].blue, photos[PhotoOf(s)].stickers[4].color.blue);
            }
        }
    }
}

// The light gets worse row by row; glare washes out a centre and another
// sticker. The cube read can always be solved, and any square read wrong
// is among the doubtful ones.
TEST(AssembleCube, EverySquareReadWrongIsDoubtful) {
    struct Row {
        Palette palette;
        Light light;
        bool glare;
        int mostMisreadCubes;
    };
    const std::vector<Row> rows{{StandardColours, HardLight, false, 0},
                                {CloseRedAndOrange, HardLight, false, 0},
                                {CloseRedAndOrange, HardLight, true, 1},
                                {CloseRedAndOrange, SevereLight, false, 1}};
    std::mt19937 random(2);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        int misreadCubes = 0;
        for (std::size_t n = 0; n < 6; ++n) {
            const CubeColors cube = ColorsOf(CubeOf(RandomArrangement(random, true)));
            auto photos = PhotosOf(cube, rows[r].palette, rows[r].light, random);
            if (rows[r].glare) {
                Glare(photos[n % 6], 4);
                Glare(photos[(n + 1) % 6], n % 9);
            }
            const CubeReading reading = Read(photos);
            EXPECT_TRUE(Diagnose(reading.colors).empty()) << "row " << r << ", cube " << n;
            EXPECT_EQ(SurelyMisread(reading, cube), "") << "row " << r << ", cube " << n;
            ExpectDoubtsAgree(reading);
            misreadCubes += reading.colors == cube ? 0 : 1;
        }
        EXPECT_LE(misreadCubes, rows[r].mostMisreadCubes) << "row " << r;
    }
}

// Red and orange stickers of four edges halfway between the two, in flat
// light: the edges' red and orange may be read either way round, two by two.
TEST(AssembleCube, TwoCubesThatFitAlikeAreBothReportedAndTheirDifferencesDoubted) {
    std::mt19937 random(3);
    const Arrangement a = RandomArrangement(random, true);
    Arrangement b = a;
    for (int& piece : b.edge) {
        // UR with UL, DR with DL: the same but for red against orange.
        constexpr std::array<int, 12> Other{2, 1, 0, 3, 6, 5, 4, 7, 8, 9, 10, 11};
        piece = Other[static_cast<std::size_t>(piece)];
    }
    const CubeColors first = ColorsOf(CubeOf(a));
    const CubeColors second = ColorsOf(CubeOf(b));
    auto photos = PhotosOf(first, StandardColours, Light{1, 1, 0, 0, 0.5F, 2}, random);
    const vision::Rgb& red = StandardColours[side::Right];
    const vision::Rgb& orange = StandardColours[side::Left];
    for (std::size_t n = 0; n < 6; ++n) {
        for (std::size_t q = 0; q < 9; ++q) {
            if (first[FaceletSides[n]][q] != second[FaceletSides[n]][q]) {
                photos[n].stickers[q].color = {(red.red + orange.red) / 2,
                                               (red.green + orange.green) / 2,
                                               (red.blue + orange.blue) / 2};
            }
        }
    }
    const CubeReading reading = Read(photos);
    ASSERT_EQ(reading.alsoFits.size(), 1U);
    EXPECT_TRUE((reading.colors == first && reading.alsoFits[0] == second) ||
                (reading.colors == second && reading.alsoFits[0] == first));
    const CubeColors& other = reading.alsoFits[0];
    for (std::size_t s = 0; s < 6; ++s) {
        for (std::size_t q = 0; q < 9; ++q) {
            EXPECT_TRUE(first[s][q] == second[s][q] || IsDoubtful(reading, s, q)) << s << "/" << q;
        }
    }
    for (const Doubt& d : reading.doubts) {
        const auto s = static_cast<std::size_t>(d.side);
        const auto q = static_cast<std::size_t>(d.square);
        EXPECT_TRUE(first[s][q] == second[s][q] || d.second == other[s][q]) << s << "/" << q;
    }
}

// A corner twisted, an edge flipped or two edges swapped by hand, in clear
// light: the photos clearly show that cube, so it is read, and the squares
// that a cube that can be solved would need otherwise are doubted.
TEST(AssembleCube, ACubeThatCannotBeSolvedIsReadAsPhotographed) {
    const std::vector<std::pair<void (*)(Arrangement&), FindingKind>> faults{
        {[](Arrangement& a) { a.twist[3] = (a.twist[3] + 1) % 3; }, FindingKind::Twist},
        {[](Arrangement& a) { a.flip[5] = 1 - a.flip[5]; }, FindingKind::Flip},
        {[](Arrangement& a) { std::swap(a.edge[2], a.edge[9]); }, FindingKind::Swap},
    };
    std::mt19937 random(4);
    for (const auto& [fault, kind] : faults) {
        Arrangement a = RandomArrangement(random, true);
        fault(a);
        const CubeColors cube = ColorsOf(CubeOf(a));
        const CubeReading reading = Read(PhotosOf(cube, StandardColours, EvenLight, random));
        EXPECT_EQ(reading.colors, cube);
        const auto findings = Diagnose(reading.colors);
        ASSERT_EQ(findings.size(), 1U);
        EXPECT_EQ(findings[0].kind, kind);
        EXPECT_FALSE(reading.doubts.empty());
        EXPECT_TRUE(reading.alsoFits.empty());
    }
}

TEST(AssembleCube, RefusesWhatIsNoSetOfSixSidesWithTheReason) {
    std::mt19937 random(5);
    const CubeColors cube = ColorsOf(CubeOf(RandomArrangement(random, true)));
    const auto photos = PhotosOf(cube, StandardColours, EvenLight, random);
    auto blank = photos;
    blank[2].stickers[4].color.green = std::numeric_limits<float>::quiet_NaN();
    // The Right side photographed again, turned, in place of the Left.
    auto twice = photos;
    twice[4] = PhotosOf(cube, StandardColours, EvenLight, random)[1];
    twice[4].stickers = TurnedQuarter(twice[4].stickers);
    const std::vector<std::pair<std::vector<SideReading>, std::string>> cases{
        {{photos.begin(), photos.begin() + 5},
         "A cube is read from six photos, one of each side; 5 were given."},
        {{}, "A cube is read from six photos, one of each side; 0 were given."},
        {{blank.begin(), blank.end()}, "Photo 3 gives no colour for square 5."},
        {{twice.begin(), twice.end()},
         "Photos 2 and 5 show the same side: their centres have one "
         "colour. Each photo must show a different side."},
    };
    for (const auto& [sides, message] : cases) {
        for (const PhotoOrder order : {PhotoOrder::Fixed, PhotoOrder::Any}) {
            const auto result = AssembleCube(sides, order);
            ASSERT_TRUE(std::holds_alternative<AssemblyError>(result)) << message;
            EXPECT_EQ(std::get<AssemblyError>(result).message, message);
        }
    }
}

namespace {

// The photos in the order given, each turned so many quarters; with the
// colours of the first photo's stickers as the cube has them.
std::pair<Photos, std::array<std::int16_t, 9>> Shuffled(const Photos& photos,
                                                        const CubeColors& cube,
                                                        const std::array<std::size_t, 6>& order,
                                                        const std::array<int, 6>& turns) {
    Photos shuffled{};
    std::array<std::int16_t, 9> first = cube[FaceletSides[order[0]]];
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
        const CubeReading reading = Read(shuffled, PhotoOrder::Any);
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
    const CubeReading reading = Read(photos, PhotoOrder::Any);
    for (int n = 0; n < 2; ++n) {
        std::array<std::size_t, 6> order{0, 1, 2, 3, 4, 5};
        std::shuffle(order.begin() + 1, order.end(), random);
        std::array<int, 6> turns{};
        std::generate(turns.begin() + 1, turns.end(),
                      [&] { return static_cast<int>(random() % 4); });
        EXPECT_EQ(Read(Shuffled(photos, cube, order, turns).first, PhotoOrder::Any).colors,
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
            Read(PhotosOf(cube, StandardColours, EvenLight, random), PhotoOrder::Any);
        std::vector<CubeColors> cubes{reading.colors};
        cubes.insert(cubes.end(), reading.alsoFits.begin(), reading.alsoFits.end());
        EXPECT_EQ(cubes.size(), fits) << turns;
        EXPECT_TRUE(std::ranges::any_of(cubes, [&](const CubeColors& c) {
            return SameCubeTurned(cube, c) && Diagnose(c).empty();
        })) << turns;
        EXPECT_EQ(reading.doubts.empty(), fits == 1) << turns;
    }
}
