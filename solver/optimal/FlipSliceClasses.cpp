#include "FlipSliceClasses.h"

#include "cache/LargePages.h"
#include "fewest/PieceAlgebra.h"
#include "fewest/TurnEffects.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace turnix::optimal {

namespace {

using fewest::SliceCount;
using fewest::SlicePermCount;

constexpr std::uint32_t Unassigned = 0xFFFFFFFF;

struct Rotations {
    std::array<Arrangement, SymmetryCount> rotation;
    std::array<Arrangement, SymmetryCount> inverse;
    // The index of each rotation's inverse.
    std::array<int, SymmetryCount> undo{};

    // The cube seen through rotation s.
    [[nodiscard]] Arrangement Seen(int s, const Arrangement& cube) const {
        const auto at = static_cast<std::size_t>(s);
        return fewest::Then(fewest::Then(inverse[at], cube), rotation[at]);
    }
};

Rotations ReadRotations() {
    const Arrangement quarter = fewest::EffectOf([](clsCube& cube) { cube.RotateLeft(); });
    const Arrangement half = fewest::EffectOf([](clsCube& cube) {
        cube.RotateUp();
        cube.RotateUp();
    });
    Rotations r;
    Arrangement turned;
    for (std::size_t k = 0; k < 4; ++k) {
        r.rotation[k] = turned;
        r.rotation[k + 4] = fewest::Then(turned, half);
        turned = fewest::Then(turned, quarter);
    }
    for (std::size_t s = 0; s < SymmetryCount; ++s) {
        r.inverse[s] = fewest::Inverse(r.rotation[s]);
        if (std::ranges::any_of(r.rotation[s].twist, [](int t) { return t != 0; })) {
            throw std::logic_error("a rotation about the upright axis twists a corner");
        }
        for (std::size_t t = 0; t < SymmetryCount; ++t) {
            if (t != s && r.rotation[t] == r.rotation[s]) {
                throw std::logic_error("two rotations are one");
            }
            if (r.rotation[t] == r.inverse[s]) {
                r.undo[s] = static_cast<int>(t);
            }
        }
    }
    return r;
}

int FlipSliceOf(const Arrangement& a) {
    return fewest::Flip(a) * fewest::SliceSortedCount + fewest::SliceSorted(a);
}

Arrangement WithFlipSlice(int flipSlice) {
    Arrangement a;
    fewest::SetSliceSorted(a, flipSlice % fewest::SliceSortedCount);
    fewest::SetFlip(a, flipSlice / fewest::SliceSortedCount);
    return a;
}

int TwistSeenThrough(const Rotations& r, int twist, int s) {
    Arrangement a;
    fewest::SetTwist(a, twist);
    return fewest::Twist(r.Seen(s, a));
}

// A value seen through each rotation, from two small tables: the flip seen
// depends on the flip and the middle edges' places only, their places and
// order seen on their places and order only.
class SeenValues {
public:
    explicit SeenValues(const Rotations& r)
        : flip(std::size_t{fewest::FlipCount} * SliceCount * SymmetryCount),
          slice(std::size_t{fewest::SliceSortedCount} * SymmetryCount) {
        for (int value = 0; value < fewest::FlipCount * SliceCount; ++value) {
            const int flipSlice =
                value / SliceCount * fewest::SliceSortedCount + value % SliceCount * SlicePermCount;
            for (int s = 0; s < SymmetryCount; ++s) {
                flip[At(value * SymmetryCount + s)] =
                    static_cast<std::uint16_t>(fewest::Flip(r.Seen(s, WithFlipSlice(flipSlice))));
            }
        }
        for (int sorted = 0; sorted < fewest::SliceSortedCount; ++sorted) {
            for (int s = 0; s < SymmetryCount; ++s) {
                slice[At(sorted * SymmetryCount + s)] = static_cast<std::uint16_t>(
                    fewest::SliceSorted(r.Seen(s, WithFlipSlice(sorted))));
            }
        }
    }

    [[nodiscard]] int Seen(int value, int s) const noexcept {
        const int sorted = value % fewest::SliceSortedCount;
        const int flipPlace =
            value / fewest::SliceSortedCount * SliceCount + sorted / SlicePermCount;
        return flip[At(flipPlace * SymmetryCount + s)] * fewest::SliceSortedCount +
               slice[At(sorted * SymmetryCount + s)];
    }

private:
    static std::size_t At(int index) { return static_cast<std::size_t>(index); }

    std::vector<std::uint16_t> flip;
    std::vector<std::uint16_t> slice;
};

} // namespace

FlipSliceClasses::FlipSliceClasses() {
    const Rotations r = ReadRotations();
    const SeenValues seen(r);
    ReserveLargePages(classOf, FlipSliceCount);
    classOf.assign(FlipSliceCount, Unassigned);
    std::uint32_t count = 0;
    for (int value = 0; value < FlipSliceCount; ++value) {
        if (classOf[static_cast<std::size_t>(value)] != Unassigned) {
            continue;
        }
        for (int s = 0; s < SymmetryCount; ++s) {
            auto& entry = classOf[static_cast<std::size_t>(seen.Seen(value, s))];
            if (entry == Unassigned) {
                // Seen through the inverse rotation, this value shows `value`.
                entry = count * SymmetryCount +
                        static_cast<std::uint32_t>(r.undo[static_cast<std::size_t>(s)]);
            }
        }
        ++count;
    }
    twistSeen.resize(static_cast<std::size_t>(fewest::TwistCount) * SymmetryCount);
    for (int twist = 0; twist < fewest::TwistCount; ++twist) {
        for (int s = 0; s < SymmetryCount; ++s) {
            twistSeen[static_cast<std::size_t>(twist * SymmetryCount + s)] =
                static_cast<std::uint16_t>(TwistSeenThrough(r, twist, s));
        }
    }
    FindRepresentatives();
}

std::shared_ptr<const FlipSliceClasses> FlipSliceClasses::Shared() {
    static const auto made = std::make_shared<const FlipSliceClasses>();
    return made;
}

void FlipSliceClasses::FindRepresentatives() {
    representatives.clear();
    for (std::size_t value = 0; value < classOf.size(); ++value) {
        if (classOf[value] % SymmetryCount == 0) {
            representatives.push_back(static_cast<std::uint32_t>(value));
        }
    }
}

std::vector<std::uint8_t> FlipSliceClasses::SelfRotations() const {
    const SeenValues seen(ReadRotations());
    std::vector<std::uint8_t> masks(representatives.size(), 0);
    for (std::size_t cls = 0; cls < representatives.size(); ++cls) {
        const auto value = static_cast<int>(representatives[cls]);
        for (int s = 1; s < SymmetryCount; ++s) {
            if (seen.Seen(value, s) == value) {
                masks[cls] =
                    static_cast<std::uint8_t>(masks[cls] | (1U << static_cast<unsigned>(s)));
            }
        }
    }
    return masks;
}

std::optional<FlipSliceClasses> FlipSliceClasses::FromStored(std::vector<std::uint32_t> classes,
                                                             std::vector<std::uint16_t> twists) {
    if (classes.size() != FlipSliceCount ||
        twists.size() != static_cast<std::size_t>(fewest::TwistCount) * SymmetryCount) {
        return std::nullopt;
    }
    FlipSliceClasses c{Unfilled{}};
    c.classOf = std::move(classes);
    c.twistSeen = std::move(twists);
    c.FindRepresentatives();
    // Each sampled value, seen through its rotation, must be its class's first.
    const Rotations r = ReadRotations();
    constexpr int Samples = 64;
    for (int value = 0; value < FlipSliceCount; value += FlipSliceCount / Samples + 1) {
        const int cls = c.ClassOf(value);
        if (cls >= c.Count() || FlipSliceOf(r.Seen(c.RotationOf(value), WithFlipSlice(value))) !=
                                    c.Representative(cls)) {
            return std::nullopt;
        }
    }
    for (int twist = 0; twist < fewest::TwistCount; twist += fewest::TwistCount / Samples + 1) {
        const int s = twist % SymmetryCount;
        if (c.TwistSeen(twist, s) != TwistSeenThrough(r, twist, s)) {
            return std::nullopt;
        }
    }
    return c;
}

} // namespace turnix::optimal
