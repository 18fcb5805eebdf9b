#pragma once

#include "FlipSliceClasses.h"
#include "fewest/Tables.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

namespace turnix::optimal {

// How many turns at least bring a cube into the subgroup where every piece
// is turned right and the middle edges are in the middle layer: exact, by
// its twist and its class of flip and middle-edge places. Seen with each
// axis upright in turn, it bounds how far a cube is from solved.
//
// The small kind leaves the twist out: the same machinery, built in a
// moment, for tests and for machines short of memory.
class DistanceTable {
public:
    enum class Kind { Full, Small };

    // Build progress, 0..100.
    using Progress = std::function<void(int percent)>;

    // Builds the table on `threads` threads; nothing once *stop turns true.
    [[nodiscard]] static std::optional<DistanceTable> Build(Kind kind, const fewest::Tables& tables,
                                                            unsigned threads,
                                                            const std::atomic<bool>* stop = nullptr,
                                                            const Progress& progress = {});

    // A table read back from Blob(); nothing when the blob is not one of
    // this kind or disagrees with this program's turns. Takes the blob's
    // memory over rather than copying it.
    [[nodiscard]] static std::optional<DistanceTable>
    FromBlob(Kind kind, const fewest::Tables& tables, std::vector<std::uint8_t> blob);
    // The table as it is stored: it lies in memory that way.
    [[nodiscard]] std::span<const std::uint8_t> Blob() const noexcept { return storage; }

    DistanceTable(DistanceTable&&) noexcept = default;
    DistanceTable& operator=(DistanceTable&&) noexcept = default;
    DistanceTable(const DistanceTable&) = delete;
    DistanceTable& operator=(const DistanceTable&) = delete;
    ~DistanceTable() = default;

    // The memory a table of this kind takes.
    [[nodiscard]] static std::size_t BytesOf(Kind kind);
    [[nodiscard]] std::size_t Bytes() const noexcept;

    // Where a cube's distance is kept. Reading it costs a trip to main memory;
    // a search asks for the entries of several cubes first (Prefetch) and
    // reads them after.
    [[nodiscard]] std::size_t EntryOf(int twist, int flip, int slice) const noexcept {
        const int flipSlice = flip * fewest::SliceCount + slice;
        const std::size_t cls = static_cast<std::size_t>(classes.ClassOf(flipSlice));
        if (twists == 1) {
            return cls;
        }
        return cls * static_cast<std::size_t>(twists) +
               static_cast<std::size_t>(classes.TwistSeen(twist, classes.RotationOf(flipSlice)));
    }
    void PrefetchClass(int flip, int slice) const noexcept {
        classes.Prefetch(flip * fewest::SliceCount + slice);
    }
    void Prefetch(std::size_t entry) const noexcept { __builtin_prefetch(&depth[entry]); }
    [[nodiscard]] int Read(std::size_t entry) const noexcept { return depth[entry]; }

    [[nodiscard]] int Distance(int twist, int flip, int slice) const noexcept {
        return Read(EntryOf(twist, flip, slice));
    }

private:
    DistanceTable(Kind kind, FlipSliceClasses classes);

    // Room for the classes' tables, copied in, and for `entries` depths.
    void Allocate(std::size_t entries);
    // The entry one turn away from `index`.
    [[nodiscard]] std::size_t Neighbour(const fewest::Tables& tables, std::size_t index,
                                        int code) const noexcept;
    // Whether a sample of entries is consistent: 0 at solved, and each
    // other entry one more than its nearest neighbour.
    [[nodiscard]] bool LooksRight(const fewest::Tables& tables) const;

    FlipSliceClasses classes;
    int twists;
    // The classes' tables, then the depths.
    std::vector<std::uint8_t> storage;
    std::span<std::uint8_t> depth;
};

} // namespace turnix::optimal
