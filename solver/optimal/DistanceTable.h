#pragma once

#include "FlipSliceClasses.h"
#include "fewest/Mod3Table.h"
#include "fewest/Tables.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace turnix::optimal {

// How many turns at least bring a cube's corners and edges to their right
// turn and its middle edges home in their order: exact, by its twist and its
// class of flip and middle-edge places and order. Seen with each axis
// upright in turn, it bounds how far a cube is from solved.
//
// Each distance is kept mod 3, four a byte: a search knows the distance
// where it stands, and one turn changes it by at most one. A class's
// entries lie together, one row of whole bytes.
//
// The small kind leaves the twist out: the same machinery, built in
// seconds, for tests and for machines short of memory.
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
        const FlipSliceClasses::Place place =
            classes->Locate(flip * fewest::SliceSortedCount + slice);
        const auto row = static_cast<std::size_t>(place.cls) * rowLength;
        if (twists == 1) {
            return row;
        }
        return row + static_cast<std::size_t>(classes->TwistSeen(twist, place));
    }
    void PrefetchClass(int flip, int slice) const noexcept {
        classes->Prefetch(flip * fewest::SliceSortedCount + slice);
    }
    void Prefetch(std::size_t entry) const noexcept { __builtin_prefetch(&packed[entry >> 2]); }

    // The distance at `entry`, one turn away from a cube `from` turns away.
    [[nodiscard]] int Next(int from, std::size_t entry) const noexcept {
        return fewest::DepthNextTo(from, Residue(entry));
    }

    // The exact distance of a cube with these coordinates (the slice being
    // the middle edges' places and order), found by walking towards the
    // goal: for a search's start.
    [[nodiscard]] int Distance(const fewest::Tables& tables, int twist, int flip,
                               int slice) const noexcept;

private:
    DistanceTable(Kind kind, std::shared_ptr<const FlipSliceClasses> classes);

    [[nodiscard]] int Residue(std::size_t entry) const noexcept {
        return (packed[entry >> 2] >> ((entry & 3) * 2)) & 3;
    }
    // Room for the classes' stored tables, written in, and for the rows.
    void Allocate();
    // Whether a sample of entries is consistent: each has a neighbour one
    // turn nearer, unless it is the goal.
    [[nodiscard]] bool LooksRight(const fewest::Tables& tables) const;

    class Builder;

    std::shared_ptr<const FlipSliceClasses> classes;
    int twists;
    // Entries in a row: the twists, and at most three more to fill its last
    // byte.
    std::size_t rowLength;
    // The classes' tables, then the rows.
    std::vector<std::uint8_t> storage;
    std::span<std::uint8_t> packed;
};

} // namespace turnix::optimal
