#pragma once

#include "fewest/Coordinates.h"

#include <cstdint>
#include <memory>
#include <optional>
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

class FlipSliceClasses {
public:
    // A few seconds on one core; throws std::logic_error if the rotations
    // read off the cube model are not the eight expected, or do not keep the
    // twist apart from the permutation, which would be a fault here.
    FlipSliceClasses();

    // The classes made once for the program's run, for every build.
    [[nodiscard]] static std::shared_ptr<const FlipSliceClasses> Shared();

    // Classes read back from their stored tables; nothing when the sizes or a
    // sample of the entries do not agree with this program's rotations.
    [[nodiscard]] static std::optional<FlipSliceClasses>
    FromStored(std::vector<std::uint32_t> classOf, std::vector<std::uint16_t> twistSeen);

    [[nodiscard]] int Count() const noexcept { return static_cast<int>(representatives.size()); }

    // The class of a flip-and-slice value, and the rotation through which a
    // cube with this value shows the class's first value.
    [[nodiscard]] int ClassOf(int flipSlice) const noexcept {
        return static_cast<int>(classOf[static_cast<std::size_t>(flipSlice)] / SymmetryCount);
    }
    [[nodiscard]] int RotationOf(int flipSlice) const noexcept {
        return static_cast<int>(classOf[static_cast<std::size_t>(flipSlice)] % SymmetryCount);
    }

    void Prefetch(int flipSlice) const noexcept {
        __builtin_prefetch(&classOf[static_cast<std::size_t>(flipSlice)]);
    }

    // The first flip-and-slice value of a class.
    [[nodiscard]] int Representative(int cls) const noexcept {
        return static_cast<int>(representatives[static_cast<std::size_t>(cls)]);
    }

    // The twist of a cube seen through a rotation.
    [[nodiscard]] int TwistSeen(int twist, int rotation) const noexcept {
        return twistSeen[static_cast<std::size_t>(twist * SymmetryCount + rotation)];
    }

    // For each class, the rotations (bit s for rotation s) through which its
    // first value shows itself. Through those, an entry of the class with
    // one twist is the same cube as the entries with the twists seen.
    [[nodiscard]] std::vector<std::uint8_t> SelfRotations() const;

    // What is stored: class × 8 + rotation by flip-and-slice value, and the
    // twist seen by twist × 8 + rotation.
    [[nodiscard]] const std::vector<std::uint32_t>& ClassTable() const noexcept { return classOf; }
    [[nodiscard]] const std::vector<std::uint16_t>& TwistTable() const noexcept {
        return twistSeen;
    }

private:
    struct Unfilled {};
    explicit FlipSliceClasses(Unfilled) {}
    void FindRepresentatives();

    std::vector<std::uint32_t> classOf;
    std::vector<std::uint16_t> twistSeen;
    std::vector<std::uint32_t> representatives;
};

} // namespace turnix::optimal
