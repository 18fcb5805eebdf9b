#include "TempFolder.h"
#include "cache/TableCache.h"

#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <numeric>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>

using namespace turnix;
using namespace turnix::test;

namespace {

namespace fs = std::filesystem;

constexpr std::string_view Name = "some.table";

Bytes Blob(std::size_t size) {
    Bytes blob(size);
    std::iota(blob.begin(), blob.end(), std::uint8_t{7});
    return blob;
}

// Sets an environment variable for the scope, or unsets it, and puts back
// what was there.
class ScopedVariable {
public:
    ScopedVariable(const char* nameIn, const char* value) : name(nameIn) {
        if (const char* old = std::getenv(name)) {
            before = old;
        }
        if (value != nullptr) {
            ::setenv(name, value, 1);
        } else {
            ::unsetenv(name);
        }
    }
    ~ScopedVariable() {
        if (before) {
            ::setenv(name, before->c_str(), 1);
        } else {
            ::unsetenv(name);
        }
    }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    const char* name;
    std::optional<std::string> before;
};

} // namespace

TEST(TableCache, ABlobComesBackAsStoredOfItsNameAndVersionOnly) {
    const TempFolder folder;
    std::ostringstream report;
    const TableCache cache(folder.path / "made" / "here", report);
    for (const std::size_t size : {0U, 1U, 7U, 8U, 9U, 1000U}) {
        ASSERT_TRUE(cache.Store(Name, 3, Blob(size))) << size;
        EXPECT_EQ(cache.Load(Name, 3), Blob(size)) << size;
    }
    ASSERT_TRUE(cache.Store("other", 3, Blob(5)));
    EXPECT_EQ(cache.Load("other", 3), Blob(5));
    EXPECT_EQ(cache.Load(Name, 3), Blob(1000));
    EXPECT_EQ(report.str(), "");
    EXPECT_EQ(cache.Load("missing", 3), std::nullopt);
    EXPECT_EQ(report.str(), "") << "a blob never stored is no damage";

    EXPECT_EQ(cache.Load(Name, 4), std::nullopt);
    EXPECT_EQ(report.str(),
              "turnix: " + cache.PathOf(Name)->string() +
                  " is of version 3, not 4; set aside as some.table.bad; made anew\n");
    EXPECT_EQ(ReadBytes(folder.path / "made" / "here" / "some.table.bad").size(), 1000U + 64U);
    EXPECT_FALSE(fs::exists(*cache.PathOf(Name)));
}

// Every byte of a small file changed, the file cut at every length, and a
// byte too many: each is caught, reported in one line and set aside.
TEST(TableCache, AnyChangeToTheFileIsCaughtAndTheFileSetAside) {
    const TempFolder folder;
    std::ostringstream report;
    const TableCache cache(folder.path, report);
    ASSERT_TRUE(cache.Store(Name, 1, Blob(20)));
    const fs::path file = *cache.PathOf(Name);
    const Bytes good = ReadBytes(file);
    std::vector<Bytes> damaged;
    for (std::size_t at = 0; at < good.size(); ++at) {
        Bytes changed = good;
        changed[at] ^= 0x40;
        damaged.push_back(changed);
        damaged.emplace_back(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(at));
    }
    damaged.push_back(good);
    damaged.back().push_back(0);
    for (std::size_t n = 0; n < damaged.size(); ++n) {
        WriteBytes(file, damaged[n]);
        report.str("");
        ASSERT_EQ(cache.Load(Name, 1), std::nullopt) << n;
        ASSERT_EQ(std::ranges::count(report.str(), '\n'), 1) << n;
        ASSERT_TRUE(ReadBytes(file.string() + ".bad") == damaged[n]) << n;
        ASSERT_FALSE(fs::exists(file)) << n;
    }
    WriteBytes(file, good);
    EXPECT_EQ(cache.Load(Name, 1), Blob(20));
}

TEST(TableCache, TheUsersFolderComesFromXdgCacheHomeOrHome) {
    const ScopedVariable home("HOME", "/home/someone");
    {
        const ScopedVariable cacheHome("XDG_CACHE_HOME", "/var/cache/someone");
        EXPECT_EQ(TableCache::UserFolder(), fs::path("/var/cache/someone/turnix"));
    }
    for (const char* ignored : {"relative/cache", "", static_cast<const char*>(nullptr)}) {
        const ScopedVariable cacheHome("XDG_CACHE_HOME", ignored);
        EXPECT_EQ(TableCache::UserFolder(), fs::path("/home/someone/.cache/turnix"));
    }
    const ScopedVariable cacheHome("XDG_CACHE_HOME", nullptr);
    const ScopedVariable noHome("HOME", nullptr);
    EXPECT_EQ(TableCache::UserFolder(), std::nullopt);
}

// No folder, or a folder that cannot be made: nothing found or stored, and
// nothing to report.
TEST(TableCache, WhereNothingCanBeStoredNothingIsFoundOrReported) {
    const TempFolder folder;
    WriteBytes(folder.path / "file", Blob(3));
    std::ostringstream report;
    for (const auto& where :
         {std::optional<fs::path>{}, std::optional(folder.path / "file" / "x")}) {
        const TableCache cache(where, report);
        EXPECT_FALSE(cache.Store(Name, 1, Blob(10)));
        EXPECT_EQ(cache.Load(Name, 1), std::nullopt);
    }
    EXPECT_EQ(report.str(), "");
    EXPECT_TRUE(ReadBytes(folder.path / "file") == Blob(3));
}

TEST(TableCache, NamesThatCouldLeaveTheFolderAreRefused) {
    std::ostringstream report;
    const TableCache cache(fs::path("/nonexistent"), report);
    for (const std::string_view bad :
         {"", "../up", "a/b", ".hidden", "Capital", "a-name-far-longer-than-thirty-two-letters"}) {
        EXPECT_THROW(static_cast<void>(cache.Load(bad, 1)), std::invalid_argument) << bad;
    }
}
