#include "FewestTestSupport.h"
#include "TempFolder.h"
#include "optimal/DistanceTable.h"
#include "optimal/TableStore.h"

#include <gtest/gtest.h>
#include <sstream>

using namespace turnix;
using namespace turnix::optimal;
using namespace turnix::test;

namespace {

const fewest::Tables& Small() {
    return fewest::Tables::Get();
}

DistanceTable BuildSmall(unsigned threads = 2) {
    return *DistanceTable::Build(DistanceTable::Kind::Small, Small(), threads);
}

// The fewest turns that bring a flip and the middle edges' places and order
// home: the test's own iterative deepening, bounded by the places alone.
int FlipSliceDepth(int flip, int slice) {
    const auto& t = Small();
    const int home = fewest::SliceSorted(Arrangement{});
    const auto search = [&](const auto& self, int f, int s, int togo) -> bool {
        if (f == 0 && s == home) {
            return true;
        }
        if (t.flipSliceDepth[static_cast<std::size_t>(f * fewest::SliceCount +
                                                      s / fewest::SlicePermCount)] > togo ||
            togo == 0) {
            return false;
        }
        for (std::size_t code = 0; code < fewest::TurnCount; ++code) {
            if (self(self, t.flipMoves[static_cast<std::size_t>(f) * fewest::TurnCount + code],
                     t.sliceSortedMoves[static_cast<std::size_t>(s) * fewest::TurnCount + code],
                     togo - 1)) {
                return true;
            }
        }
        return false;
    };
    int depth = 0;
    while (!search(search, flip, slice, depth)) {
        ++depth;
    }
    return depth;
}

} // namespace

// The small table leaves the twist out, so it must give exactly the flip ×
// places-and-order depth: that checks the classes, the rotations and the
// build in one sweep. Every value's entry agrees with the walk's distance,
// and sampled values with the test's own search.
TEST(DistanceTable, TheSmallTableIsTheFlipAndSliceDepthOfEachValue) {
    const DistanceTable table = BuildSmall();
    EXPECT_EQ(table.Bytes(), DistanceTable::BytesOf(DistanceTable::Kind::Small));
    constexpr int Step = 7919; // a prime: every place and order comes up
    for (int value = 0; value < FlipSliceCount; value += Step) {
        const int flip = value / fewest::SliceSortedCount;
        const int slice = value % fewest::SliceSortedCount;
        ASSERT_EQ(table.Distance(Small(), 0, flip, slice), FlipSliceDepth(flip, slice)) << value;
    }
}

TEST(DistanceTable, OneThreadBuildsWhatTwoBuild) {
    const DistanceTable one = BuildSmall(1);
    const DistanceTable two = BuildSmall(2);
    EXPECT_TRUE(std::ranges::equal(one.Blob(), two.Blob()));
}

TEST(DistanceTable, AStoppedBuildGivesNothing) {
    const std::atomic<bool> stop{true};
    EXPECT_FALSE(DistanceTable::Build(DistanceTable::Kind::Small, Small(), 2, &stop));
}

TEST(DistanceTable, BlobsOfTheWrongSizeOrContentAreRefused) {
    const DistanceTable table = BuildSmall();
    const std::vector<std::uint8_t> good(table.Blob().begin(), table.Blob().end());
    ASSERT_TRUE(DistanceTable::FromBlob(DistanceTable::Kind::Small, Small(), good));
    EXPECT_FALSE(DistanceTable::FromBlob(DistanceTable::Kind::Full, Small(), good));
    std::vector<std::vector<std::uint8_t>> damaged;
    damaged.emplace_back(good.begin(), good.end() - 1);
    damaged.emplace_back(good.begin(), good.begin() + 1000);
    damaged.push_back(good);
    damaged.back().push_back(0);
    // A class table shifted by one entry, and many depths one deeper.
    damaged.push_back(good);
    std::rotate(damaged.back().begin(), damaged.back().begin() + 4, damaged.back().begin() + 400);
    damaged.push_back(good);
    for (auto it = damaged.back().end() - 100'000; it != damaged.back().end(); ++it) {
        *it = static_cast<std::uint8_t>(*it + 1);
    }
    for (std::size_t n = 0; n < damaged.size(); ++n) {
        EXPECT_FALSE(DistanceTable::FromBlob(DistanceTable::Kind::Small, Small(), damaged[n])) << n;
    }
}

// Stored after the first build, loaded after that; anything unusable in the
// cache is set aside with a line and built again.
TEST(DistanceTable, TheCacheKeepsTheTableAndDamagedFilesAreRebuilt) {
    const TempFolder folder;
    std::ostringstream report;
    const TableCache cache(folder.path, report);
    int builds = 0;
    const auto build = [&]() -> std::optional<DistanceTable> {
        ++builds;
        return BuildSmall();
    };
    const auto load = [&] {
        return LoadOrBuildDistanceTable(cache, DistanceTable::Kind::Small, Small(), build);
    };
    ASSERT_TRUE(load());
    EXPECT_EQ(builds, 1);
    const auto file = *cache.PathOf(SmallBlobName);
    const Bytes good = ReadBytes(file);
    ASSERT_TRUE(load());
    EXPECT_EQ(builds, 1);
    EXPECT_EQ(report.str(), "");

    Bytes flipped = good;
    flipped[flipped.size() / 2] ^= 1;
    const Bytes cut(good.begin(), good.end() - 7);
    for (const Bytes& bad : {flipped, cut, Bytes{}}) {
        WriteBytes(file, bad);
        report.str("");
        const auto table = load();
        ASSERT_TRUE(table);
        EXPECT_EQ(table->Distance(Small(), 0, 0, fewest::SliceSorted(Arrangement{})), 0);
        EXPECT_NE(report.str(), "");
        EXPECT_EQ(ReadBytes(file), good);
    }
    // Whole and checked by the cache, but not a table: set aside all the same.
    ASSERT_TRUE(cache.Store(SmallBlobName, DistanceBlobVersion, Bytes(good.size(), 0)));
    report.str("");
    ASSERT_TRUE(load());
    EXPECT_NE(report.str(), "");
    EXPECT_EQ(ReadBytes(file), good);
    // A folder where the file should be: built each time, never stored.
    std::filesystem::remove(file);
    std::filesystem::create_directory(file);
    const int before = builds;
    ASSERT_TRUE(load());
    EXPECT_EQ(builds, before + 1);
}
