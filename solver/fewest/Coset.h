#pragma once

#include "Tables.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace turnix::fewest {

// The first phase's coordinates, and their exact depths in the tables
// twist × place, flip × place and twist × flip: each depth is a number of
// turns that bringing the cube into the second phase's subgroup takes at
// least.
struct Coset {
    int twist = 0;
    int flip = 0;
    int slice = 0;
    std::array<int, 3> depths{};

    [[nodiscard]] int Bound() const noexcept { return std::ranges::max(depths); }
};

[[nodiscard]] inline Coset CosetOf(const Tables& tables, const Arrangement& a) {
    Coset coset{Twist(a), Flip(a), SliceSorted(a) / SlicePermCount, {}};
    const auto at = [](int index) {
        return static_cast<std::size_t>(index);
    };
    coset.depths = {tables.twistSliceDepth[at(coset.twist * SliceCount + coset.slice)],
                    tables.flipSliceDepth[at(coset.flip * SliceCount + coset.slice)],
                    tables.twistFlipDepth[at(coset.twist * FlipCount + coset.flip)]};
    return coset;
}

// The coset one turn (code) on from `from`, with its depths; false, with `to`
// partly set, as soon as one depth is beyond `rest`. The depths are read from
// the small tables, which a search in the inner loop keeps in the cache.
[[nodiscard]] inline bool TurnCoset(const Tables& tables, const Coset& from, int code, int rest,
                                    Coset& to) noexcept {
    const auto at = [](int index) {
        return static_cast<std::size_t>(index);
    };
    to.twist = tables.twistMoves[at(from.twist * TurnCount + code)];
    to.slice = tables.sliceMoves[at(from.slice * TurnCount + code)];
    to.depths[0] = tables.twistSliceMod3.Next(from.depths[0], at(to.twist * SliceCount + to.slice));
    if (to.depths[0] > rest) {
        return false;
    }
    to.flip = tables.flipMoves[at(from.flip * TurnCount + code)];
    to.depths[1] = tables.flipSliceMod3.Next(from.depths[1], at(to.flip * SliceCount + to.slice));
    if (to.depths[1] > rest) {
        return false;
    }
    to.depths[2] = tables.twistFlipMod3.Next(from.depths[2], at(to.twist * FlipCount + to.flip));
    return to.depths[2] <= rest;
}

} // namespace turnix::fewest
