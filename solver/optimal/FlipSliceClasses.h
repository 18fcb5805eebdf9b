#pragma once

#include "fewest/Coordinates.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace turnix::optimal {

// The eight whole-cube rotations that keep the Top-Bottom axis upright (the
// quarter turns about it, each alone and after a half turn about the
// Left-Right axis). Seen through any of them, a cube is just as far from
// solved and from the subgroup where every piece is turned right and the
// middle edges are in the middle layer; so a table of that distance needs
// one entry for each class of flip-and-slice values they swap.
inline constexpr int SymmetryCount = 8;

// A flip and the middle edges' places and order, as flip × 11880 + places
// and order (the first phase's SliceSorted).
inline constexpr int FlipSliceCount = fewest::FlipCount * fewest::SliceSortedCount;

// The classes, found in two steps so that a search finds a value's class in
// the processor's cache: first the class of the flip and the places alone
// (a million values, one rotation each), then the order seen through that
// rotation. Where the rotations that keep the places' class's first value
// as it is swap orders, one of them, applied after, picks the class.
class FlipSliceClasses {
public:
    // Two seconds or so on one core; throws std::logic_error if the
    // rotations read off the cube model are not the eight expected, or do
    // not keep the twist apart from the permutation, which would be a fault
    // here.
    FlipSliceClasses();

    // The classes made once for the program's run, for every build.
    [[nodiscard]] static std::shared_ptr<const FlipSliceClasses> Shared();

    // What is stored: the tables the rest is quickly made from.
    [[nodiscard]] static std::size_t StoredBytes();
    void Store(std::span<std::uint8_t> out) const;
    // Classes made from what Store wrote; nothing when the size or a sample
    // of the entries do not agree with this program's rotations.
    [[nodiscard]] static std::optional<FlipSliceClasses>
    FromStored(std::span<const std::uint8_t> in);

    [[nodiscard]] int Count() const noexcept { return static_cast<int>(representatives.size()); }

    // Where a value stands: its class, and the rotations through which, one
    // and then the other, a cube with this value shows the class's first
    // value.
    struct Place {
        int cls = 0;
        int rotation = 0;
        int then = 0;
    };
    [[nodiscard]] Place Locate(int flipSlice) const noexcept {
        const int sorted = flipSlice % fewest::SliceSortedCount;
        const std::uint32_t at = located[At(FlipPlace(flipSlice))];
        const auto rotation = static_cast<int>(at & RotationBits);
        const int order =
            sortedSeen[At(sorted * SymmetryCount + rotation)] % fewest::SlicePermCount;
        if ((at & KeptBit) == 0) {
            return {static_cast<int>(at >> PayloadShift) + order, rotation, 0};
        }
        const Group& group = kept[at >> PayloadShift];
        const OrderClass pick = orderClasses[At(group.orders + order)];
        return {static_cast<int>(group.first) + pick.offset, rotation, pick.then};
    }
    void Prefetch(int flipSlice) const noexcept {
        __builtin_prefetch(&located[At(FlipPlace(flipSlice))]);
    }

    // The first flip-and-slice value of a class.
    [[nodiscard]] int Representative(int cls) const noexcept {
        return static_cast<int>(representatives[At(cls)]);
    }

    // The twist of a cube seen through a rotation, and through a place's two.
    [[nodiscard]] int TwistSeen(int twist, int rotation) const noexcept {
        return twistSeen[At(twist * SymmetryCount + rotation)];
    }
    [[nodiscard]] int TwistSeen(int twist, const Place& place) const noexcept {
        return TwistSeen(TwistSeen(twist, place.rotation), place.then);
    }

    // For each class, the rotations (bit s for rotation s) through which its
    // first value shows itself. Through those, an entry of the class with
    // one twist is the same cube as the entries with the twists seen.
    [[nodiscard]] std::vector<std::uint8_t> SelfRotations() const;

private:
    static constexpr std::uint32_t RotationBits = 7;
    static constexpr std::uint32_t KeptBit = 8;
    static constexpr unsigned PayloadShift = 4;

    static int FlipPlace(int flipSlice) noexcept {
        return flipSlice / fewest::SliceSortedCount * fewest::SliceCount +
               flipSlice % fewest::SliceSortedCount / fewest::SlicePermCount;
    }

    // A class of flip-and-place values: where its classes start, and for
    // one whose first value some rotations keep, where its orders' choices
    // are (else -1).
    struct Group {
        std::uint32_t first = 0;
        std::int32_t orders = -1;
    };
    struct OrderClass {
        std::uint8_t offset = 0;
        std::uint8_t then = 0;
    };
    struct Unfilled {};
    explicit FlipSliceClasses(Unfilled) {}
    // The groups, the orders' choices and the representatives, from the
    // stored tables; false when a group has no first value.
    bool Derive();
    template <typename T>
    static std::size_t At(T value) noexcept {
        return static_cast<std::size_t>(value);
    }

    // Stored: group × 8 + rotation by flip-and-place value; the twist seen
    // by twist × 8 + rotation; the places and order seen by value × 8 +
    // rotation; the rotations that keep each group's first value.
    std::vector<std::uint32_t> placeClass;
    std::vector<std::uint16_t> twistSeen;
    std::vector<std::uint16_t> sortedSeen;
    std::vector<std::uint8_t> keeping;
    // Derived: by flip-and-place value, the rotation, whether rotations keep
    // its group's first value, and where its group's classes start or (if
    // they do) which of those groups it is in.
    std::vector<std::uint32_t> located;
    std::vector<Group> groups;
    std::vector<Group> kept;
    std::vector<OrderClass> orderClasses;
    std::vector<std::uint32_t> representatives;
};

} // namespace turnix::optimal
