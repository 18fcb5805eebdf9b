#include "AtomicFile.h"

#include <cerrno>
#include <fcntl.h>
#include <random>
#include <string_view>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <variant>

namespace turnix {

namespace {

namespace fs = std::filesystem;

// The kernel's own limit on links in a row.
constexpr int MaxLinks = 40;
constexpr int TemporaryNameTries = 64;
constexpr std::string_view TemporaryPrefix = ".turnix-";
constexpr std::size_t TemporaryRandomLength = 10;
constexpr mode_t PermissionBits = 07777;
constexpr mode_t NewFileMode = 0666; // less the umask, which open applies

WriteResult Failure(int error) {
    return {std::system_category().message(error)};
}

WriteResult NotRegularFile() {
    return {"Not a regular file"};
}

// Closes the descriptor at the end unless Close() did, which reports what
// close() says.
class Descriptor {
public:
    explicit Descriptor(int descriptor) noexcept : fd(descriptor) {}
    ~Descriptor() {
        if (fd >= 0) {
            ::close(fd);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    [[nodiscard]] int Get() const noexcept { return fd; }
    [[nodiscard]] bool IsOpen() const noexcept { return fd >= 0; }
    // 0, or the error of close().
    [[nodiscard]] int Close() noexcept {
        const int result = ::close(fd);
        fd = -1;
        return result == 0 ? 0 : errno;
    }

private:
    int fd;
};

// 0, or the error of the write that failed; a short write goes on.
[[nodiscard]] int WriteAll(int fd, std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written < 0) {
            return errno;
        }
        if (written == 0) {
            return EIO;
        }
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return 0;
}

[[nodiscard]] bool IsWritableSpecial(mode_t mode) noexcept {
    return S_ISFIFO(mode) || S_ISCHR(mode);
}

// Opens the existing FIFO or device without creating or truncating anything,
// and checks that it is still one once open.
[[nodiscard]] WriteResult WriteThrough(const fs::path& path, std::span<const std::uint8_t> bytes) {
    Descriptor file(::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC));
    if (!file.IsOpen()) {
        return Failure(errno);
    }
    struct stat opened {};
    if (::fstat(file.Get(), &opened) != 0) {
        return Failure(errno);
    }
    if (!IsWritableSpecial(opened.st_mode)) {
        return NotRegularFile();
    }
    if (const int error = WriteAll(file.Get(), bytes)) {
        return Failure(error);
    }
    if (const int error = file.Close()) {
        return Failure(error);
    }
    return {};
}

// The last name of a chain of links and what it holds there, if anything.
struct Landing {
    fs::path path;
    std::optional<struct stat> status;
};

// One link at a time, so that the name a dangling link points to is known.
[[nodiscard]] std::variant<Landing, int> FollowLinks(fs::path path) {
    for (int links = 0; links <= MaxLinks; ++links) {
        struct stat status {};
        if (::lstat(path.c_str(), &status) != 0) {
            if (errno == ENOENT) {
                return Landing{path, std::nullopt};
            }
            return errno;
        }
        if (!S_ISLNK(status.st_mode)) {
            return Landing{path, status};
        }
        std::error_code error;
        const fs::path target = fs::read_symlink(path, error);
        if (error) {
            return error.value();
        }
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return ELOOP;
}

struct Temporary {
    fs::path path;
    int fd{-1};
    int error{0};
};

// A new, empty file in the folder under a name of fixed length.
[[nodiscard]] Temporary CreateTemporary(const fs::path& folder) {
    static constexpr std::string_view Letters = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::mt19937 random(std::random_device{}());
    std::uniform_int_distribution<std::size_t> letter(0, Letters.size() - 1);
    Temporary temporary;
    for (int tries = 0; tries < TemporaryNameTries; ++tries) {
        std::string name(TemporaryPrefix);
        for (std::size_t k = 0; k < TemporaryRandomLength; ++k) {
            name += Letters[letter(random)];
        }
        temporary.path = folder / name;
        temporary.fd = ::open(temporary.path.c_str(),
                              O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, NewFileMode);
        if (temporary.fd >= 0 || errno != EEXIST) {
            temporary.error = temporary.fd >= 0 ? 0 : errno;
            return temporary;
        }
    }
    temporary.error = EEXIST;
    return temporary;
}

// Makes the rename itself last; a folder that cannot be synced costs
// nothing but that.
void SyncFolder(const fs::path& folder) {
    Descriptor directory(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.IsOpen()) {
        ::fsync(directory.Get());
    }
}

// Writes a new file beside the target and renames it over the target once
// it is on disk. An existing target's permission bits go to the new file.
[[nodiscard]] WriteResult Replace(const fs::path& target, std::optional<mode_t> keptMode,
                                  std::span<const std::uint8_t> bytes) {
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    const Temporary temporary = CreateTemporary(folder);
    if (temporary.fd < 0) {
        return Failure(temporary.error);
    }
    Descriptor file(temporary.fd);
    int error = WriteAll(file.Get(), bytes);
    if (error == 0 && keptMode && ::fchmod(file.Get(), *keptMode) != 0) {
        error = errno;
    }
    if (error == 0 && ::fsync(file.Get()) != 0) {
        error = errno;
    }
    if (const int closed = file.Close(); error == 0) {
        error = closed;
    }
    if (error == 0 && ::rename(temporary.path.c_str(), target.c_str()) != 0) {
        error = errno;
    }
    if (error != 0) {
        ::unlink(temporary.path.c_str());
        return Failure(error);
    }
    SyncFolder(folder);
    return {};
}

[[nodiscard]] bool SameFile(const struct stat& a, const struct stat& b) noexcept {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

} // namespace

WriteResult WriteFileAtomically(const fs::path& path, std::span<const std::uint8_t> bytes,
                                SpecialTarget special) {
    if (!path.has_filename()) {
        return Failure(path.empty() ? ENOENT : EISDIR);
    }
    struct stat followed {};
    const bool exists = ::stat(path.c_str(), &followed) == 0;
    if (!exists && errno != ENOENT) {
        return Failure(errno);
    }
    if (exists && S_ISDIR(followed.st_mode)) {
        return Failure(EISDIR);
    }
    if (exists && !S_ISREG(followed.st_mode)) {
        // Opened by the path itself: /dev/stdout leads through /proc to a
        // pipe that no link text names.
        if (special == SpecialTarget::WriteThrough && IsWritableSpecial(followed.st_mode)) {
            return WriteThrough(path, bytes);
        }
        return NotRegularFile();
    }

    const auto followedLinks = FollowLinks(path);
    if (const int* error = std::get_if<int>(&followedLinks)) {
        return Failure(*error);
    }
    const Landing& landing = std::get<Landing>(followedLinks);
    // A link whose text leads elsewhere than the kernel does, such as one in
    // /proc to a deleted file, or a file swapped meanwhile.
    if (landing.status.has_value() != exists || (exists && !SameFile(*landing.status, followed))) {
        return {"The link cannot be followed"};
    }
    // Checked as the user would be: renaming would get past a read-only
    // file in a writable folder.
    if (exists && ::faccessat(AT_FDCWD, landing.path.c_str(), W_OK, AT_EACCESS) != 0) {
        return Failure(errno);
    }
    return Replace(landing.path,
                   exists ? std::optional<mode_t>(followed.st_mode & PermissionBits) : std::nullopt,
                   bytes);
}

} // namespace turnix
