#include "FlipSliceClasses.h"

#include "cache/LargePages.h"
#include "fewest/PieceAlgebra.h"
#include "fewest/TurnEffects.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <stdexcept>

namespace turnix::optimal {

namespace {

using fewest::SliceCount;
using fewest::SlicePermCount;

constexpr std::uint32_t Unassigned = 0xFFFFFFFF;
// The classes of flip-and-place values.
constexpr std::size_t GroupCount = 127'166;
constexpr int FlipPlaceCount = fewest::FlipCount * SliceCount;

template <typename T>
constexpr std::size_t At(T value) {
    return static_cast<std::size_t>(value);
}

template <typename T>
std::size_t BytesOf(std::size_t count) {
    return count * sizeof(T);
}

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

Arrangement WithFlipPlace(int flipPlace) {
    return WithFlipSlice(flipPlace / SliceCount * fewest::SliceSortedCount +
                         flipPlace % SliceCount * SlicePermCount);
}

int FlipPlaceOf(const Arrangement& a) {
    return fewest::Flip(a) * SliceCount + fewest::SliceSorted(a) / SlicePermCount;
}

// Copies a table out of, or into, the stored bytes, moving on.
template <typename T>
void CopyOut(const std::vector<T>& table, std::span<std::uint8_t>& out) {
    std::memcpy(out.data(), table.data(), BytesOf<T>(table.size()));
    out = out.subspan(BytesOf<T>(table.size()));
}

template <typename T>
void CopyIn(std::vector<T>& table, std::size_t count, std::span<const std::uint8_t>& in) {
    table.resize(count);
    std::memcpy(table.data(), in.data(), BytesOf<T>(count));
    in = in.subspan(BytesOf<T>(count));
}

} // namespace

FlipSliceClasses::FlipSliceClasses() {
    const Rotations r = ReadRotations();
    sortedSeen.resize(At(fewest::SliceSortedCount) * SymmetryCount);
    for (int sorted = 0; sorted < fewest::SliceSortedCount; ++sorted) {
        for (int s = 0; s < SymmetryCount; ++s) {
            sortedSeen[At(sorted * SymmetryCount + s)] =
                static_cast<std::uint16_t>(fewest::SliceSorted(r.Seen(s, WithFlipSlice(sorted))));
        }
    }
    placeClass.assign(FlipPlaceCount, Unassigned);
    for (int value = 0; value < FlipPlaceCount; ++value) {
        if (placeClass[At(value)] != Unassigned) {
            continue;
        }
        const auto group = static_cast<std::uint32_t>(keeping.size());
        const Arrangement first = WithFlipPlace(value);
        unsigned keeps = 0;
        for (int s = 0; s < SymmetryCount; ++s) {
            const int seen = FlipPlaceOf(r.Seen(s, first));
            keeps |= seen == value ? 1U << static_cast<unsigned>(s) : 0U;
            auto& entry = placeClass[At(seen)];
            if (entry == Unassigned) {
                // Seen through the inverse rotation, this value shows `value`.
                entry = group * SymmetryCount + static_cast<std::uint32_t>(r.undo[At(s)]);
            }
        }
        keeping.push_back(static_cast<std::uint8_t>(keeps));
    }
    if (keeping.size() != GroupCount) {
        throw std::logic_error("the rotations do not give the classes expected");
    }
    twistSeen.resize(At(fewest::TwistCount) * SymmetryCount);
    for (int twist = 0; twist < fewest::TwistCount; ++twist) {
        for (int s = 0; s < SymmetryCount; ++s) {
            twistSeen[At(twist * SymmetryCount + s)] =
                static_cast<std::uint16_t>(TwistSeenThrough(r, twist, s));
        }
    }
    static_cast<void>(Derive());
}

std::shared_ptr<const FlipSliceClasses> FlipSliceClasses::Shared() {
    static const auto made = std::make_shared<const FlipSliceClasses>();
    return made;
}

bool FlipSliceClasses::Derive() {
    std::vector<int> firstOf(keeping.size(), -1);
    for (int value = 0; value < FlipPlaceCount; ++value) {
        if (placeClass[At(value)] % SymmetryCount == 0) {
            firstOf[placeClass[At(value)] / SymmetryCount] = value;
        }
    }
    if (std::ranges::find(firstOf, -1) != firstOf.end()) {
        return false;
    }
    groups.assign(keeping.size(), Group{});
    orderClasses.clear();
    representatives.clear();
    for (std::size_t g = 0; g < keeping.size(); ++g) {
        const int flip = firstOf[g] / SliceCount;
        const int base = flip * fewest::SliceSortedCount + firstOf[g] % SliceCount * SlicePermCount;
        groups[g].first = static_cast<std::uint32_t>(representatives.size());
        if (keeping[g] == 1) {
            for (int order = 0; order < SlicePermCount; ++order) {
                representatives.push_back(static_cast<std::uint32_t>(base + order));
            }
            continue;
        }
        // Each order's class is the least order that a rotation keeping the
        // first value turns it into.
        std::array<OrderClass, SlicePermCount> picks{};
        std::array<int, SlicePermCount> least{};
        for (int order = 0; order < SlicePermCount; ++order) {
            least[At(order)] = SlicePermCount;
            for (int s = 0; s < SymmetryCount; ++s) {
                const int seen =
                    sortedSeen[At((base % fewest::SliceSortedCount + order) * SymmetryCount + s)] %
                    SlicePermCount;
                if (((static_cast<unsigned>(keeping[g]) >> static_cast<unsigned>(s)) & 1U) != 0 &&
                    seen < least[At(order)]) {
                    least[At(order)] = seen;
                    picks[At(order)].then = static_cast<std::uint8_t>(s);
                }
            }
        }
        std::array<int, SlicePermCount> offsetOf{};
        for (int order = 0; order < SlicePermCount; ++order) {
            if (least[At(order)] == order) {
                offsetOf[At(order)] = static_cast<int>(representatives.size() - groups[g].first);
                representatives.push_back(static_cast<std::uint32_t>(base + order));
            }
        }
        groups[g].orders = static_cast<std::int32_t>(orderClasses.size());
        for (int order = 0; order < SlicePermCount; ++order) {
            picks[At(order)].offset = static_cast<std::uint8_t>(offsetOf[At(least[At(order)])]);
            orderClasses.push_back(picks[At(order)]);
        }
    }
    kept.clear();
    std::vector<std::uint32_t> keptIndex(groups.size(), 0);
    for (std::size_t g = 0; g < groups.size(); ++g) {
        if (groups[g].orders >= 0) {
            keptIndex[g] = static_cast<std::uint32_t>(kept.size());
            kept.push_back(groups[g]);
        }
    }
    if (located.empty()) {
        // Read at random by every search step, beside the distance table.
        ReserveLargePages(located, placeClass.size());
    }
    located.resize(placeClass.size());
    for (std::size_t value = 0; value < placeClass.size(); ++value) {
        const std::uint32_t g = placeClass[value] / SymmetryCount;
        const std::uint32_t rotation = placeClass[value] % SymmetryCount;
        located[value] = groups[g].orders < 0 ? groups[g].first << PayloadShift | rotation
                                              : keptIndex[g] << PayloadShift | KeptBit | rotation;
    }
    return true;
}

std::vector<std::uint8_t> FlipSliceClasses::SelfRotations() const {
    std::vector<std::uint8_t> masks(representatives.size(), 0);
    for (std::size_t g = 0; g < groups.size(); ++g) {
        if (keeping[g] == 1) {
            continue;
        }
        const std::size_t end = g + 1 < groups.size() ? groups[g + 1].first : masks.size();
        for (std::size_t cls = groups[g].first; cls < end; ++cls) {
            const int sorted = static_cast<int>(representatives[cls]) % fewest::SliceSortedCount;
            for (int s = 1; s < SymmetryCount; ++s) {
                if (((static_cast<unsigned>(keeping[g]) >> static_cast<unsigned>(s)) & 1U) != 0 &&
                    sortedSeen[At(sorted * SymmetryCount + s)] == sorted) {
                    masks[cls] =
                        static_cast<std::uint8_t>(masks[cls] | 1U << static_cast<unsigned>(s));
                }
            }
        }
    }
    return masks;
}

std::size_t FlipSliceClasses::StoredBytes() {
    return BytesOf<std::uint32_t>(FlipPlaceCount) +
           BytesOf<std::uint16_t>(At(fewest::TwistCount) * SymmetryCount) +
           BytesOf<std::uint16_t>(At(fewest::SliceSortedCount) * SymmetryCount) + GroupCount;
}

void FlipSliceClasses::Store(std::span<std::uint8_t> out) const {
    CopyOut(placeClass, out);
    CopyOut(twistSeen, out);
    CopyOut(sortedSeen, out);
    CopyOut(keeping, out);
}

std::optional<FlipSliceClasses> FlipSliceClasses::FromStored(std::span<const std::uint8_t> in) {
    if (in.size() != StoredBytes()) {
        return std::nullopt;
    }
    FlipSliceClasses c{Unfilled{}};
    CopyIn(c.placeClass, FlipPlaceCount, in);
    CopyIn(c.twistSeen, At(fewest::TwistCount) * SymmetryCount, in);
    CopyIn(c.sortedSeen, At(fewest::SliceSortedCount) * SymmetryCount, in);
    CopyIn(c.keeping, GroupCount, in);
    const auto inRange = [](auto table, std::size_t bound) {
        return std::ranges::all_of(table, [bound](auto v) { return At(v) < bound; });
    };
    if (!inRange(c.placeClass, GroupCount * SymmetryCount) ||
        !inRange(c.twistSeen, At(fewest::TwistCount)) ||
        !inRange(c.sortedSeen, At(fewest::SliceSortedCount)) ||
        std::ranges::any_of(c.keeping, [](std::uint8_t k) { return (k & 1U) == 0; })) {
        return std::nullopt;
    }
    if (!c.Derive()) {
        return std::nullopt;
    }
    // Each sampled value, seen through its rotations, must be its class's
    // first.
    const Rotations r = ReadRotations();
    constexpr int Samples = 64;
    for (int value = 0; value < FlipSliceCount; value += FlipSliceCount / Samples + 1) {
        const Place place = c.Locate(value);
        if (place.cls >= c.Count() ||
            FlipSliceOf(r.Seen(place.then, r.Seen(place.rotation, WithFlipSlice(value)))) !=
                c.Representative(place.cls)) {
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
