#include "DistanceTable.h"

#include <algorithm>
#include <cstring>
#include <system_error>
#include <thread>

namespace turnix::optimal {

namespace {

constexpr std::uint8_t Unknown = 0xFF;
// No cube is farther than this from the subgroup.
constexpr int DeepestLevel = 12;
// Entries a thread claims at a time while building.
constexpr std::size_t Chunk = std::size_t{1} << 16;
// The classes of flip-and-place values: counted once, for the memory a
// table will take before it is made.
constexpr std::size_t ClassCount = 127'166;

template <typename T>
constexpr std::size_t At(T value) {
    return static_cast<std::size_t>(value);
}

int TwistsOf(DistanceTable::Kind kind) {
    return kind == DistanceTable::Kind::Full ? fewest::TwistCount : 1;
}

std::size_t ClassBytes() {
    return FlipSliceCount * sizeof(std::uint32_t) +
           At(fewest::TwistCount) * SymmetryCount * sizeof(std::uint16_t);
}

// One pass over the table, in chunks that the threads share out; false when
// stopped.
template <typename Visit>
bool SharedPass(std::size_t total, unsigned threads, const std::atomic<bool>* stop,
                const std::function<void(double)>& done, Visit visit) {
    const std::size_t chunks = (total + Chunk - 1) / Chunk;
    std::atomic<std::size_t> next{0};
    std::atomic<bool> stopped{false};
    const auto work = [&](bool reports) {
        for (std::size_t c = next++; c < chunks; c = next++) {
            if (stop != nullptr && stop->load(std::memory_order_relaxed)) {
                stopped = true;
                return;
            }
            const std::size_t end = std::min(total, (c + 1) * Chunk);
            for (std::size_t index = c * Chunk; index < end; ++index) {
                visit(index);
            }
            if (reports && done) {
                done(static_cast<double>(c) / static_cast<double>(chunks));
            }
        }
    };
    std::vector<std::jthread> helpers;
    try {
        for (unsigned k = 1; k < threads; ++k) {
            helpers.emplace_back(work, false);
        }
    } catch (const std::system_error&) {
        // Those that started, and this thread, do the work.
    }
    work(true);
    helpers.clear();
    return !stopped;
}

} // namespace

DistanceTable::DistanceTable(Kind kind, FlipSliceClasses classesIn)
    : classes(std::move(classesIn)), twists(TwistsOf(kind)) {}

void DistanceTable::Allocate(std::size_t entries) {
    storage.resize(ClassBytes() + entries);
    const auto& classTable = classes.ClassTable();
    const auto& twistTable = classes.TwistTable();
    const std::size_t classBytes = classTable.size() * sizeof classTable[0];
    std::memcpy(storage.data(), classTable.data(), classBytes);
    std::memcpy(storage.data() + classBytes, twistTable.data(),
                twistTable.size() * sizeof twistTable[0]);
    depth = std::span(storage).subspan(ClassBytes());
}

std::size_t DistanceTable::BytesOf(Kind kind) {
    return ClassBytes() + ClassCount * At(TwistsOf(kind));
}

std::size_t DistanceTable::Bytes() const noexcept {
    return ClassBytes() + depth.size();
}

std::size_t DistanceTable::Neighbour(const fewest::Tables& tables, std::size_t index,
                                     int code) const noexcept {
    const std::size_t cls = index / At(twists);
    const int twist = static_cast<int>(index % At(twists));
    const int value = classes.Representative(static_cast<int>(cls));
    const int flip = tables.flipMoves[At(value / fewest::SliceCount * fewest::TurnCount + code)];
    const int slice = tables.sliceMoves[At(value % fewest::SliceCount * fewest::TurnCount + code)];
    const int flipSlice = flip * fewest::SliceCount + slice;
    const std::size_t to = At(classes.ClassOf(flipSlice)) * At(twists);
    if (twists == 1) {
        return to;
    }
    const int turned = tables.twistMoves[At(twist * fewest::TurnCount + code)];
    return to + At(classes.TwistSeen(turned, classes.RotationOf(flipSlice)));
}

// Level by level from the subgroup outwards: forwards from the entries just
// reached while they are few, then backwards from each entry still unknown
// to any neighbour on the level just finished. Threads write single bytes,
// each an entry, through atomic references.
//
// Going forwards, a turn from one entry's cube reaches one of the entries
// that stand for the same cube when its class's first value shows itself
// through a rotation; all of them are set at once, or the others would be
// found a level too deep.
std::optional<DistanceTable> DistanceTable::Build(Kind kind, const fewest::Tables& tables,
                                                  unsigned threads, const std::atomic<bool>* stop,
                                                  const Progress& progress) {
    DistanceTable table(kind, FlipSliceClasses());
    const std::size_t total = At(table.classes.Count()) * At(table.twists);
    table.Allocate(total);
    std::ranges::fill(table.depth, Unknown);
    table.depth[0] = 0;
    const std::vector<std::uint8_t> selfRotations =
        kind == Kind::Full ? table.classes.SelfRotations() : std::vector<std::uint8_t>{};
    const auto reach = [&](std::size_t index, std::uint8_t next) {
        std::size_t count = 0;
        const auto set = [&](std::size_t at) {
            std::uint8_t expected = Unknown;
            if (std::atomic_ref<std::uint8_t>(table.depth[at])
                    .compare_exchange_strong(expected, next, std::memory_order_relaxed)) {
                ++count;
            }
        };
        set(index);
        const std::size_t cls = index / At(table.twists);
        if (count == 0 || selfRotations.empty() || selfRotations[cls] == 0) {
            return count;
        }
        const int twist = static_cast<int>(index % At(table.twists));
        for (int s = 1; s < SymmetryCount; ++s) {
            if ((selfRotations[cls] >> s & 1U) != 0) {
                set(cls * At(table.twists) + At(table.classes.TwistSeen(twist, s)));
            }
        }
        return count;
    };
    std::size_t known = 1;
    std::size_t reached = 1; // entries on the level just finished
    for (int level = 0; known < total && level < DeepestLevel + 2; ++level) {
        const auto d = static_cast<std::uint8_t>(level);
        const auto next = static_cast<std::uint8_t>(level + 1);
        const bool backwards = reached > (total - known) / 2;
        std::atomic<std::size_t> found{0};
        const auto report = [&](double fraction) {
            if (progress) {
                progress(std::min(
                    99, static_cast<int>(100.0 * (level + fraction) / (DeepestLevel + 1))));
            }
        };
        const bool finished = SharedPass(total, threads, stop, report, [&](std::size_t index) {
            std::atomic_ref<std::uint8_t> entry(table.depth[index]);
            const std::uint8_t here = entry.load(std::memory_order_relaxed);
            if (backwards ? here != Unknown : here != d) {
                return;
            }
            for (int code = 0; code < fewest::TurnCount; ++code) {
                std::atomic_ref<std::uint8_t> other(
                    table.depth[table.Neighbour(tables, index, code)]);
                if (backwards) {
                    if (other.load(std::memory_order_relaxed) == d) {
                        entry.store(next, std::memory_order_relaxed);
                        found.fetch_add(1, std::memory_order_relaxed);
                        return;
                    }
                } else if (other.load(std::memory_order_relaxed) == Unknown) {
                    found.fetch_add(reach(table.Neighbour(tables, index, code), next),
                                    std::memory_order_relaxed);
                }
            }
        });
        if (!finished) {
            return std::nullopt;
        }
        reached = found.load();
        known += reached;
        if (reached == 0) {
            break;
        }
    }
    if (progress) {
        progress(100);
    }
    return table;
}

std::optional<DistanceTable> DistanceTable::FromBlob(Kind kind, const fewest::Tables& tables,
                                                     std::vector<std::uint8_t> blob) {
    if (blob.size() < ClassBytes()) {
        return std::nullopt;
    }
    std::vector<std::uint32_t> classTable(FlipSliceCount);
    std::vector<std::uint16_t> twistTable(At(fewest::TwistCount) * SymmetryCount);
    const std::size_t classBytes = classTable.size() * sizeof classTable[0];
    const std::size_t twistBytes = twistTable.size() * sizeof twistTable[0];
    std::memcpy(classTable.data(), blob.data(), classBytes);
    std::memcpy(twistTable.data(), blob.data() + classBytes, twistBytes);
    auto classes = FlipSliceClasses::FromStored(std::move(classTable), std::move(twistTable));
    if (!classes) {
        return std::nullopt;
    }
    DistanceTable table(kind, *std::move(classes));
    if (blob.size() - ClassBytes() != At(table.classes.Count()) * At(table.twists)) {
        return std::nullopt;
    }
    table.storage = std::move(blob);
    table.depth = std::span(table.storage).subspan(ClassBytes());
    if (!table.LooksRight(tables)) {
        return std::nullopt;
    }
    return table;
}

bool DistanceTable::LooksRight(const fewest::Tables& tables) const {
    if (depth[0] != 0) {
        return false;
    }
    constexpr std::size_t Samples = 1000;
    for (std::size_t index = 1; index < depth.size(); index += depth.size() / Samples + 1) {
        int nearest = Unknown;
        for (int code = 0; code < fewest::TurnCount; ++code) {
            nearest = std::min<int>(nearest, depth[Neighbour(tables, index, code)]);
        }
        if (depth[index] > DeepestLevel || depth[index] != nearest + 1) {
            return false;
        }
    }
    return true;
}

} // namespace turnix::optimal
