#include "TableCache.h"

#include "AtomicFile.h"
#include "LargePages.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <new>
#include <ostream>
#include <stdexcept>
#include <string>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace turnix {

namespace {

namespace fs = std::filesystem;

constexpr std::array<char, 8> Magic{'T', 'u', 'r', 'n', 'i', 'x', 'T', 'C'};
constexpr std::size_t NameSize = 32;
// Written as it lies in memory: another byte order reads it differently.
constexpr std::uint32_t ByteOrderMark = 0x01020304;
// Where each field of the header starts, after the magic.
constexpr std::size_t NameAt = Magic.size();
constexpr std::size_t ByteOrderAt = NameAt + NameSize;
constexpr std::size_t VersionAt = ByteOrderAt + 4;
constexpr std::size_t SizeAt = VersionAt + 4;
constexpr std::size_t ChecksumAt = SizeAt + 8;
constexpr std::size_t HeaderSize = ChecksumAt + 8;
constexpr std::string_view SetAsideSuffix = ".bad";

void CheckName(std::string_view name) {
    const bool fits = !name.empty() && name.size() <= NameSize && name.front() != '.' &&
                      std::ranges::all_of(name, [](char c) {
                          return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.' ||
                                 c == '-' || c == '_';
                      });
    if (!fits) {
        throw std::invalid_argument("not a name for a cached blob: " + std::string(name));
    }
}

// Eight bytes at a time, each step a bijection of the running value, so
// that any change within one word always shows; the length is mixed in.
std::uint64_t Checksum(std::span<const std::uint8_t> bytes) {
    constexpr std::uint64_t Multiplier = 0x9E3779B97F4A7C15ULL;
    std::uint64_t sum = bytes.size();
    const auto step = [&sum](std::uint64_t word) {
        sum = (sum ^ word) * Multiplier;
        sum ^= sum >> 29U;
    };
    std::size_t k = 0;
    for (; k + 8 <= bytes.size(); k += 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, bytes.data() + k, sizeof word);
        step(word);
    }
    std::uint64_t tail = 0;
    if (k < bytes.size()) {
        std::memcpy(&tail, bytes.data() + k, bytes.size() - k);
    }
    step(tail);
    return sum;
}

class Header {
public:
    Header(std::string_view name, std::uint32_t version, std::span<const std::uint8_t> blob) {
        std::ranges::copy(Magic, bytes.begin());
        std::ranges::copy(name, bytes.begin() + NameAt);
        Put(ByteOrderAt, ByteOrderMark);
        Put(VersionAt, version);
        Put(SizeAt, std::uint64_t{blob.size()});
        Put(ChecksumAt, Checksum(blob));
    }
    explicit Header(const std::array<std::uint8_t, HeaderSize>& read) : bytes(read) {}

    [[nodiscard]] const std::array<std::uint8_t, HeaderSize>& Bytes() const { return bytes; }
    [[nodiscard]] std::uint64_t Size() const { return Get<std::uint64_t>(SizeAt); }

    // Why a blob read with this header cannot be the one asked for; nothing
    // when it can, the checksum aside.
    [[nodiscard]] std::optional<std::string> Mismatch(std::string_view name,
                                                      std::uint32_t version) const {
        if (!std::equal(Magic.begin(), Magic.end(), bytes.begin())) {
            return "not a table file";
        }
        // The whole field, padding included.
        std::array<std::uint8_t, NameSize> wanted{};
        std::ranges::copy(name, wanted.begin());
        if (!std::equal(wanted.begin(), wanted.end(), bytes.begin() + NameAt)) {
            return "of another name";
        }
        if (Get<std::uint32_t>(ByteOrderAt) != ByteOrderMark) {
            return "written on a machine of another byte order";
        }
        if (const auto found = Get<std::uint32_t>(VersionAt); found != version) {
            return "of version " + std::to_string(found) + ", not " + std::to_string(version);
        }
        return std::nullopt;
    }

    [[nodiscard]] bool Matches(std::span<const std::uint8_t> blob) const {
        return Get<std::uint64_t>(ChecksumAt) == Checksum(blob);
    }

private:
    template <typename T>
    void Put(std::size_t at, T value) {
        std::memcpy(bytes.data() + at, &value, sizeof value);
    }
    template <typename T>
    [[nodiscard]] T Get(std::size_t at) const {
        T value{};
        std::memcpy(&value, bytes.data() + at, sizeof value);
        return value;
    }

    std::array<std::uint8_t, HeaderSize> bytes{};
};

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

private:
    int fd;
};

// 0, or the error of the read that failed; EIO for a file that ends early.
int ReadAll(int fd, std::span<std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t got = ::read(fd, bytes.data(), bytes.size());
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            return got < 0 ? errno : EIO;
        }
        bytes = bytes.subspan(static_cast<std::size_t>(got));
    }
    return 0;
}

// The blob, or why the file cannot give it.
struct Read {
    std::optional<std::vector<std::uint8_t>> blob;
    std::string problem;
    bool missing = false;
};

Read ReadBlob(const fs::path& path, std::string_view name, std::uint32_t version) {
    Read result;
    const Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.Get() < 0) {
        result.missing = errno == ENOENT || errno == ENOTDIR;
        result.problem = "cannot be read: " + std::system_category().message(errno);
        return result;
    }
    struct stat status {};
    if (::fstat(file.Get(), &status) != 0 || !S_ISREG(status.st_mode)) {
        result.problem = "is no regular file";
        return result;
    }
    std::array<std::uint8_t, HeaderSize> headerBytes{};
    const auto fileSize = static_cast<std::uint64_t>(status.st_size);
    if (fileSize < HeaderSize || ReadAll(file.Get(), headerBytes) != 0) {
        result.problem = "is cut short";
        return result;
    }
    const Header header(headerBytes);
    if (auto mismatch = header.Mismatch(name, version)) {
        result.problem = "is " + *mismatch;
        return result;
    }
    if (header.Size() != fileSize - HeaderSize) {
        result.problem = header.Size() > fileSize - HeaderSize ? "is cut short" : "is too long";
        return result;
    }
    std::vector<std::uint8_t> blob;
    ReserveLargePages(blob, header.Size());
    blob.resize(header.Size());
    if (const int error = ReadAll(file.Get(), blob); error != 0) {
        result.problem = "cannot be read: " + std::system_category().message(error);
        return result;
    }
    if (!header.Matches(blob)) {
        result.problem = "is damaged (its checksum does not match)";
        return result;
    }
    result.blob = std::move(blob);
    return result;
}

} // namespace

TableCache::TableCache(std::optional<fs::path> folderIn, std::ostream& reportIn)
    : folder(std::move(folderIn)), report(reportIn) {}

std::optional<fs::path> TableCache::UserFolder() {
    const auto absolute = [](const char* value) -> std::optional<fs::path> {
        if (value == nullptr || value[0] != '/') {
            return std::nullopt;
        }
        return fs::path(value);
    };
    if (const auto cache = absolute(std::getenv("XDG_CACHE_HOME"))) {
        return *cache / "turnix";
    }
    if (const auto home = absolute(std::getenv("HOME"))) {
        return *home / ".cache" / "turnix";
    }
    return std::nullopt;
}

std::optional<fs::path> TableCache::PathOf(std::string_view name) const {
    CheckName(name);
    if (!folder) {
        return std::nullopt;
    }
    return *folder / name;
}

std::optional<std::vector<std::uint8_t>> TableCache::Load(std::string_view name,
                                                          std::uint32_t version) const {
    const auto path = PathOf(name);
    if (!path) {
        return std::nullopt;
    }
    try {
        Read read = ReadBlob(*path, name, version);
        if (!read.blob && !read.missing) {
            SetAside(name, read.problem);
        }
        return std::move(read.blob);
    } catch (const std::bad_alloc&) {
        // Too large for the memory there is now: made anew, and the file
        // stays for a later run.
        return std::nullopt;
    }
}

bool TableCache::Store(std::string_view name, std::uint32_t version,
                       std::span<const std::uint8_t> blob) const {
    const auto path = PathOf(name);
    if (!path) {
        return false;
    }
    std::error_code error;
    fs::create_directories(*folder, error);
    if (error) {
        return false;
    }
    const Header header(name, version, blob);
    try {
        std::vector<std::uint8_t> bytes(header.Bytes().begin(), header.Bytes().end());
        bytes.insert(bytes.end(), blob.begin(), blob.end());
        return static_cast<bool>(WriteFileAtomically(*path, bytes));
    } catch (const std::bad_alloc&) {
        // The file and the blob together may not fit beside a large table;
        // the table works from memory all the same.
        return false;
    }
}

void TableCache::SetAside(std::string_view name, std::string_view reason) const {
    const auto path = PathOf(name);
    if (!path) {
        return;
    }
    fs::path aside = *path;
    aside += SetAsideSuffix;
    std::error_code error;
    fs::remove_all(aside, error);
    fs::rename(*path, aside, error);
    report << "turnix: " << path->string() << " " << reason << "; "
           << (error ? "it cannot be set aside (" + error.message() + ")"
                     : "set aside as " + aside.filename().string())
           << "; made anew\n";
}

} // namespace turnix
