#include "FewestTestSupport.h"
#include "TempFolder.h"
#include "fewest/FewestSearch.h"
#include "fewest/TableFile.h"
#include "fewest/Tables.h"

#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <numeric>
#include <set>
#include <sstream>
#include <string>
#include <unistd.h>

using namespace turnix;
using namespace turnix::fewest;
using namespace turnix::test;

namespace {

// Freshly built, whatever the cache holds.
const Tables& Fresh() {
    static const Tables tables;
    return tables;
}

struct Coordinate {
    std::string name;
    int count;
    std::function<int(const Arrangement&)> get;
    std::function<void(Arrangement&, int)> set;
    std::function<int(int, int)> move;
    bool subgroupOnly;
};

std::function<int(int, int)> Moves(const MoveTable& table) {
    return [&table](int value, int code) {
        return table[static_cast<std::size_t>(value * TurnCount + code)];
    };
}

std::vector<Coordinate> AllCoordinates(const Tables& t) {
    const auto place = [](const Arrangement& a) {
        return SliceSorted(a) / SlicePermCount;
    };
    const auto setPlace = [](Arrangement& a, int v) {
        SetSliceSorted(a, v * SlicePermCount);
    };
    return {{"twist", TwistCount, Twist, SetTwist, Moves(t.twistMoves), false},
            {"flip", FlipCount, Flip, SetFlip, Moves(t.flipMoves), false},
            {"slice place", SliceCount, place, setPlace, Moves(t.sliceMoves), false},
            {"slice sorted", SliceSortedCount, SliceSorted, SetSliceSorted,
             Moves(t.sliceSortedMoves), false},
            {"corners", CornerPermCount, CornerPerm, SetCornerPerm, Moves(t.cornerMoves), false},
            {"edges", EdgePermCount, EdgePerm, SetEdgePerm, Moves(t.edgeMoves), true},
            {"six edges", SixEdgeCount, SixEdges, SetSixEdges,
             [&t](int value, int code) { return t.SixEdgesMove(value, code); }, false}};
}

bool IsSubgroupTurn(int code) {
    return std::ranges::find(SubgroupTurns, code) != SubgroupTurns.end();
}

} // namespace

// The piece-level turns are read off the model once; any arrangement turned
// either way must give the same 54 squares.
TEST(FewestTables, EachTurnMovesThePiecesAsTheModelTurnsTheSquares) {
    const Tables& t = Fresh();
    std::mt19937 random(11);
    for (int n = 0; n < (Sanitized ? 30 : 300); ++n) {
        const Arrangement a = RandomArrangement(random, true);
        for (std::int16_t code = 0; code < TurnCount; ++code) {
            ASSERT_EQ(ColorsOf(CubeOf(Then(a, t.turns[static_cast<std::size_t>(code)]))),
                      ColorsOf(Turned(a, {code})))
                << "turn " << StepNotation(code);
        }
    }
}

TEST(FewestTables, EveryCoordinateValueComesBackAndSolvedIsZero) {
    const Tables& t = Fresh();
    for (const Coordinate& c : AllCoordinates(t)) {
        EXPECT_EQ(c.get(Arrangement{}), 0) << c.name;
        for (int value = 0; value < c.count; ++value) {
            Arrangement a;
            c.set(a, value);
            ASSERT_EQ(c.get(a), value) << c.name;
        }
    }
}

// Each entry checked against the model itself: the arrangement with that
// value is made into a cube, turned by ApplyStep and read back square by
// square.
TEST(FewestTables, MoveTablesAgreeWithTheModelForAll18Turns) {
    const Tables& t = Fresh();
    clsCube cube;
    for (const Coordinate& c : AllCoordinates(t)) {
        const int stride = (Sanitized ? 11 : 1) * (c.count > CornerPermCount ? 61 : 1);
        for (int value = 0; value < c.count; value += stride) {
            Arrangement a;
            c.set(a, value);
            for (std::int16_t code = 0; code < TurnCount; ++code) {
                if (c.subgroupOnly && !IsSubgroupTurn(code)) {
                    continue;
                }
                SetArrangement(cube, a);
                ApplyStep(cube, code);
                ASSERT_EQ(c.get(ArrangementOf(cube)), c.move(value, code))
                    << c.name << " " << value << " turn " << StepNotation(code);
            }
        }
    }
}

// A lower bound the search may trust: 0 only when solved, and every other
// entry exactly one more than its nearest neighbour. The small copies, read
// from a neighbour, give the same depths.
TEST(FewestTables, DepthTablesHoldTrueDistances) {
    const Tables& t = Fresh();
    std::vector<int> all(TurnCount);
    std::iota(all.begin(), all.end(), 0);
    const std::vector<int> subgroup(SubgroupTurns.begin(), SubgroupTurns.end());
    using Neighbour = std::function<std::size_t(std::size_t, int)>;
    const auto pairs = [](const MoveTable& movesA, const MoveTable& movesB, int countB) {
        return Neighbour([&movesA, &movesB, countB](std::size_t index, int code) {
            const auto width = static_cast<std::size_t>(countB);
            const auto turn = static_cast<std::size_t>(code);
            return std::size_t{movesA[index / width * TurnCount + turn]} * width +
                   movesB[index % width * TurnCount + turn];
        });
    };
    struct Case {
        std::string name;
        const DepthTable* depths;
        Neighbour neighbour;
        const std::vector<int>* codes;
        int deepest;
        const Mod3Table* small;
    };
    const std::vector<Case> cases{
        {"twist x slice", &t.twistSliceDepth, pairs(t.twistMoves, t.sliceMoves, SliceCount), &all,
         9, &t.twistSliceMod3},
        {"flip x slice", &t.flipSliceDepth, pairs(t.flipMoves, t.sliceMoves, SliceCount), &all, 9,
         &t.flipSliceMod3},
        {"twist x flip", &t.twistFlipDepth, pairs(t.twistMoves, t.flipMoves, FlipCount), &all, 9,
         &t.twistFlipMod3},
        {"corners x order", &t.cornerSliceDepth,
         pairs(t.cornerMoves, t.sliceSortedMoves, SlicePermCount), &subgroup, 14, nullptr},
        {"edges x order", &t.edgeSliceDepth, pairs(t.edgeMoves, t.sliceSortedMoves, SlicePermCount),
         &subgroup, 12, nullptr},
        {"corners x edge places", &t.cornerEdgeCombDepth,
         pairs(t.cornerMoves, t.edgeCombMoves, CombCount), &subgroup, 14, nullptr},
        {"edges x corner places", &t.edgeCornerCombDepth,
         pairs(t.edgeMoves, t.cornerCombMoves, CombCount), &subgroup, 12, nullptr},
        {"corners, all turns", &t.cornerDepth,
         [&t](std::size_t index, int code) {
             return std::size_t{t.cornerMoves[index * TurnCount + static_cast<std::size_t>(code)]};
         },
         &all, 7, nullptr},
        {"six edges", &t.sixEdgesDepth,
         [&t](std::size_t index, int code) {
             return static_cast<std::size_t>(t.SixEdgesMove(static_cast<int>(index), code));
         },
         &all, 7, nullptr},
    };
    for (const Case& c : cases) {
        for (std::size_t index = 0; index < c.depths->size(); index += Sanitized ? 13 : 1) {
            const int depth = (*c.depths)[index];
            int nearest = 255;
            for (const int code : *c.codes) {
                const std::size_t to = c.neighbour(index, code);
                nearest = std::min<int>(nearest, (*c.depths)[to]);
                if (c.small != nullptr) {
                    ASSERT_EQ(c.small->Next(depth, to), (*c.depths)[to]) << c.name << " " << to;
                }
            }
            ASSERT_EQ(depth == 0, index == 0) << c.name << " " << index;
            ASSERT_TRUE(depth == 0 || nearest == depth - 1) << c.name << " " << index;
        }
        EXPECT_EQ(std::ranges::max(*c.depths), c.deepest) << c.name;
    }
}

// Turning the cube by the turn a frame's turn stands for is turning the
// frame's view by the frame's turn; likewise for the quarter view, the other
// way round.
TEST(FewestTables, FramesTranslateTurnsBetweenViews) {
    const Tables& t = Fresh();
    std::mt19937 random(3);
    for (int n = 0; n < 50; ++n) {
        const Arrangement a = RandomArrangement(random, true);
        for (int f = 0; f < FrameCount; ++f) {
            for (std::size_t m = 0; m < TurnCount; ++m) {
                const auto cubeTurn =
                    static_cast<std::size_t>(t.frames.cubeTurn[static_cast<std::size_t>(f)][m]);
                ASSERT_EQ(t.frames.Seen(f, Then(a, t.turns[cubeTurn])),
                          Then(t.frames.Seen(f, a), t.turns[m]))
                    << "frame " << f << " turn " << m;
            }
        }
        for (std::size_t m = 0; m < TurnCount; ++m) {
            const auto quarterTurn = static_cast<std::size_t>(t.frames.quarterTurn[m]);
            ASSERT_EQ(t.frames.Quartered(Then(a, t.turns[m])),
                      Then(t.frames.Quartered(a), t.turns[quarterTurn]))
                << "quarter turn " << m;
        }
    }
    // Frame 0 is the cube itself; the others put Front-Back and Left-Right
    // upright.
    const auto axis = [](int code) {
        return code >= 12 ? 2 : code / 3 % 2;
    };
    std::set<int> upright;
    for (std::size_t f = 0; f < FrameCount; ++f) {
        upright.insert(axis(t.frames.cubeTurn[f][12]));
    }
    EXPECT_EQ(t.frames.cubeTurn[0][12], 12);
    EXPECT_EQ(upright.size(), 3U);
}

// The blob gives back the tables it was made of; and the shared tables,
// loaded from the cache or built, are those a build makes now: tables that
// change need a new TablesBlobVersion.
TEST(FewestTables, TheCachedTablesAreTheOnesABuildMakesNow) {
    const std::vector<std::uint8_t> blob = TablesBlob(Fresh());
    const std::optional<Tables> back = TablesFromBlob(blob);
    ASSERT_TRUE(back.has_value());
    EXPECT_TRUE(TablesBlob(*back) == blob);
    EXPECT_TRUE(TablesBlob(Tables::Get()) == blob) << "tables that change need a new version";
}

// Damage the cache's checksum cannot see (cut or changed files are the
// cache's own tests'), and files that cannot be read: one line of report,
// the file set aside, the tables made anew once and stored, and they solve
// as fresh ones do. A cache that cannot be written costs a build each time
// and says nothing.
TEST(FewestTables, ATableFileThatCannotBeUsedIsSetAsideAndTheTablesMadeAnew) {
    namespace fs = std::filesystem;
    const TempFolder folder;
    const fs::path file = folder.path / TablesBlobName;
    std::ostringstream report;
    const TableCache cache(folder.path, report);
    const std::vector<std::uint8_t> blob = TablesBlob(Fresh());
    ASSERT_TRUE(cache.Store(TablesBlobName, TablesBlobVersion, blob));
    const Bytes good = ReadBytes(file);
    std::vector<std::pair<std::string, std::function<void()>>> damages{
        {"a move wrong, checksum right",
         [&] {
             std::vector<std::uint8_t> wrong = blob;
             wrong[2] ^= 1;
             cache.Store(TablesBlobName, TablesBlobVersion, wrong);
         }},
        {"unreadable, a link to itself",
         [&] {
             fs::remove(file);
             fs::create_symlink(file.filename(), file);
         }},
        {"a folder",
         [&] {
             fs::remove(file);
             fs::create_directories(file / "inside");
         }},
    };
    if (::geteuid() != 0) {
        damages.emplace_back("no permission to read",
                             [&] { fs::permissions(file, fs::perms::none); });
    }
    std::mt19937 random(5);
    const Arrangement cube = RandomArrangement(random, true);
    const FewestTurnsLimits untimed{20, std::chrono::milliseconds{0}};
    const Steps expected = fewest::Solve(cube, untimed, Fresh);
    for (const auto& [name, damage] : damages) {
        fs::remove_all(file);
        WriteBytes(file, good);
        damage();
        report.str("");
        int builds = 0;
        const Tables tables = LoadOrBuildTables(cache, [&builds] {
            ++builds;
            return Fresh();
        });
        EXPECT_EQ(builds, 1) << name;
        EXPECT_EQ(std::ranges::count(report.str(), '\n'), 1) << name << ": " << report.str();
        EXPECT_TRUE(fs::exists(fs::symlink_status(file.string() + ".bad"))) << name;
        EXPECT_EQ(fs::file_size(file), good.size()) << name;
        EXPECT_EQ(fewest::Solve(cube, untimed, [&tables]() -> const Tables& { return tables; }),
                  expected)
            << name;
    }

    WriteBytes(folder.path / "file", {});
    const TableCache unwritable(folder.path / "file" / "cache", report);
    report.str("");
    for (int run = 1; run <= 2; ++run) {
        int builds = 0;
        static_cast<void>(LoadOrBuildTables(unwritable, [&builds] {
            ++builds;
            return Fresh();
        }));
        EXPECT_EQ(builds, 1);
    }
    EXPECT_EQ(report.str(), "");
}
