#include "AtomicFile.h"
#include "FifoAndDevice.h"
#include "TempFolder.h"

#include <csignal>
#include <fcntl.h>
#include <functional>
#include <grp.h>
#include <gtest/gtest.h>
#include <set>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace turnix;
using namespace turnix::test;
namespace fs = std::filesystem;

namespace {

const Bytes NewBytes{'n', 'e', 'w', '\r', '\n'};
const Bytes OldBytes(108, 0xEE);

std::set<std::string> Names(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

fs::perms Permissions(const fs::path& path) {
    return fs::symlink_status(path).permissions();
}

// Runs checks in a child process, whose exit status is the number of the
// first failed check, 0 when all passed, or NotRun.
constexpr int NotRun = 77;
int InChild(const std::function<int()>& checks) {
    const pid_t child = ::fork();
    if (child == 0) {
        ::_exit(checks());
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status)) {
        return -1;
    }
    return WEXITSTATUS(status);
}

// Root may write anything; the checks of a read-only file need a user.
bool BecomeNobody() {
    constexpr uid_t Nobody = 65534;
    return ::geteuid() != 0 ||
           (::setgroups(0, nullptr) == 0 && ::setgid(Nobody) == 0 && ::setuid(Nobody) == 0);
}

} // namespace

// A chain of links, relative and absolute, and a dangling one: the file at
// the end is written and every link stays as it was.
TEST(AtomicFile, SavingThroughLinksWritesTheirTargetAndKeepsTheLinks) {
    const TempFolder folder;
    const fs::path real = folder.path / "real.cub";
    WriteBytes(real, OldBytes);
    fs::create_symlink("real.cub", folder.path / "near");
    fs::create_symlink(folder.path / "near", folder.path / "far");
    fs::create_symlink("created.cub", folder.path / "dangling");
    fs::create_symlink("loop", folder.path / "loop");

    EXPECT_TRUE(WriteFileAtomically(folder.path / "far", NewBytes));
    EXPECT_EQ(ReadBytes(real), NewBytes);
    EXPECT_TRUE(WriteFileAtomically(folder.path / "dangling", NewBytes));
    EXPECT_EQ(ReadBytes(folder.path / "created.cub"), NewBytes);
    EXPECT_EQ(WriteFileAtomically(folder.path / "loop", NewBytes).failure,
              "Too many levels of symbolic links");

    EXPECT_EQ(fs::read_symlink(folder.path / "near"), "real.cub");
    EXPECT_EQ(fs::read_symlink(folder.path / "far"), folder.path / "near");
    EXPECT_EQ(fs::read_symlink(folder.path / "dangling"), "created.cub");
    EXPECT_EQ(Names(folder.path), (std::set<std::string>{"real.cub", "near", "far", "dangling",
                                                         "created.cub", "loop"}));
}

// Also behind a link; a new file gets 0666 less the umask.
TEST(AtomicFile, AnExistingFileKeepsItsPermissionBits) {
    const TempFolder folder;
    for (const auto mode : {fs::perms::owner_read | fs::perms::owner_write,
                            fs::perms::owner_all | fs::perms::group_read | fs::perms::set_gid}) {
        WriteBytes(folder.path / "kept.cub", OldBytes);
        fs::permissions(folder.path / "kept.cub", mode);
        fs::create_symlink("kept.cub", folder.path / "link");
        EXPECT_TRUE(WriteFileAtomically(folder.path / "link", NewBytes));
        EXPECT_EQ(Permissions(folder.path / "kept.cub"), mode);
        fs::remove(folder.path / "link");
    }
    const mode_t mask = ::umask(027);
    EXPECT_TRUE(WriteFileAtomically(folder.path / "new.cub", NewBytes));
    ::umask(mask);
    EXPECT_EQ(Permissions(folder.path / "new.cub"),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

// The longest name a folder allows; the temporary name must not add to it.
TEST(AtomicFile, ANameOf255BytesCanBeSaved) {
    const TempFolder folder;
    std::string name(251, 'x');
    name += ".cub";
    const fs::path longest = folder.path / name;
    WriteBytes(longest, OldBytes);
    EXPECT_TRUE(WriteFileAtomically(longest, NewBytes));
    EXPECT_EQ(ReadBytes(longest), NewBytes);
    EXPECT_EQ(WriteFileAtomically(folder.path / std::string(256, 'x'), NewBytes).failure,
              "File name too long");
    EXPECT_EQ(Names(folder.path).size(), 1U);
}

// /proc cannot be written even by root; a folder is no file. Nothing changes.
TEST(AtomicFile, WhatCannotBeWrittenIsRefusedWithItsReason) {
    const TempFolder folder;
    fs::create_directory(folder.path / "taken.cub");
    const Bytes version = ReadBytes("/proc/version");
    EXPECT_FALSE(WriteFileAtomically("/proc/version", NewBytes));
    EXPECT_FALSE(WriteFileAtomically("/proc/turnix.cub", NewBytes));
    EXPECT_EQ(ReadBytes("/proc/version"), version);
    EXPECT_FALSE(fs::exists("/proc/turnix.cub"));
    EXPECT_EQ(WriteFileAtomically(folder.path / "taken.cub", NewBytes).failure, "Is a directory");
    EXPECT_EQ(WriteFileAtomically(folder.path / "no" / "x.cub", NewBytes).failure,
              "No such file or directory");
    EXPECT_EQ(Names(folder.path), std::set<std::string>{"taken.cub"});
    EXPECT_TRUE(fs::is_empty(folder.path / "taken.cub"));
}

// As a user: a read-only file in a folder that could be written, and a
// writable file in a read-only folder.
TEST(AtomicFile, AReadOnlyFileOrFolderIsRefusedAndKeepsTheOldFile) {
    const TempFolder folder;
    const fs::path open = folder.path / "open";
    const fs::path shut = folder.path / "shut";
    fs::create_directory(open);
    fs::create_directory(shut);
    WriteBytes(open / "locked.cub", OldBytes);
    WriteBytes(shut / "mine.cub", OldBytes);
    fs::permissions(open, fs::perms::all);
    fs::permissions(open / "locked.cub", fs::perms::others_read | fs::perms::owner_read);
    ASSERT_EQ(::chown((shut / "mine.cub").c_str(), 65534, 65534), 0);
    fs::permissions(shut, fs::perms::owner_all | fs::perms::others_read | fs::perms::others_exec);

    const int failed = InChild([&] {
        if (!BecomeNobody()) {
            return NotRun;
        }
        const std::vector<std::pair<fs::path, std::string>> refused{
            {open / "locked.cub", "Permission denied"},
            {shut / "mine.cub", "Permission denied"},
            {shut / "new.cub", "Permission denied"}};
        for (std::size_t k = 0; k < refused.size(); ++k) {
            if (WriteFileAtomically(refused[k].first, NewBytes).failure != refused[k].second) {
                return static_cast<int>(k + 1);
            }
        }
        return 0;
    });
    if (failed == NotRun) {
        GTEST_SKIP() << "cannot run as an ordinary user";
    }
    EXPECT_EQ(failed, 0) << "the save that was let through";
    EXPECT_EQ(ReadBytes(open / "locked.cub"), OldBytes);
    EXPECT_EQ(ReadBytes(shut / "mine.cub"), OldBytes);
    EXPECT_EQ(Names(open), std::set<std::string>{"locked.cub"});
    EXPECT_EQ(Names(shut), std::set<std::string>{"mine.cub"});
}

// Under a file size limit the second write fails part-way through the file.
TEST(AtomicFile, AWriteThatFailsPartWayKeepsTheOldFile) {
    const TempFolder folder;
    const fs::path path = folder.path / "full.cub";
    WriteBytes(path, Bytes(20, 0xEE));
    const int failed = InChild([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{50, 50};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) {
            return NotRun;
        }
        return WriteFileAtomically(path, OldBytes).failure == "File too large" ? 0 : 1;
    });
    ASSERT_NE(failed, NotRun);
    EXPECT_EQ(failed, 0);
    EXPECT_EQ(ReadBytes(path), Bytes(20, 0xEE));
    EXPECT_EQ(Names(folder.path), std::set<std::string>{"full.cub"});
}

// A pipe and a device, directly or behind a link: refused, or written
// through without replacing anything; a device that takes no bytes fails.
TEST(AtomicFile, AFifoOrADeviceIsRefusedOrWrittenThrough) {
    const TempFolder folder;
    const fs::path fifo = folder.path / "fifo";
    ASSERT_TRUE(MakeFifo(fifo));
    if (!MakeNullDevice(folder.path / "null")) {
        GTEST_SKIP() << "cannot make a device";
    }
    fs::create_symlink("null", folder.path / "to null");
    fs::create_symlink("fifo", folder.path / "to fifo");
    for (const char* name : {"fifo", "null", "to null", "to fifo"}) {
        EXPECT_EQ(WriteFileAtomically(folder.path / name, NewBytes).failure, "Not a regular file");
    }
    EXPECT_EQ(WriteFileAtomically(folder.path, NewBytes, SpecialTarget::WriteThrough).failure,
              "Is a directory");
    EXPECT_TRUE(
        WriteFileAtomically(folder.path / "to null", NewBytes, SpecialTarget::WriteThrough));
    ASSERT_TRUE(MakeFullDevice(folder.path / "full"));
    EXPECT_EQ(
        WriteFileAtomically(folder.path / "full", NewBytes, SpecialTarget::WriteThrough).failure,
        "No space left on device");

    // A reader that does not wait lets the writer open the pipe.
    const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    EXPECT_TRUE(
        WriteFileAtomically(folder.path / "to fifo", NewBytes, SpecialTarget::WriteThrough));
    Bytes received(64);
    const ssize_t count = ::read(reader, received.data(), received.size());
    ::close(reader);
    received.resize(static_cast<std::size_t>(std::max<ssize_t>(count, 0)));
    EXPECT_EQ(received, NewBytes);

    EXPECT_TRUE(fs::is_fifo(fs::symlink_status(fifo)));
    EXPECT_TRUE(fs::is_character_file(fs::symlink_status(folder.path / "null")));
    EXPECT_EQ(fs::read_symlink(folder.path / "to null"), "null");
    EXPECT_EQ(fs::read_symlink(folder.path / "to fifo"), "fifo");
    EXPECT_EQ(Names(folder.path),
              (std::set<std::string>{"fifo", "full", "null", "to null", "to fifo"}));
}
