#pragma once

#include "TurnEffects.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace turnix::fewest {

// The turn before the first, which any turn may follow.
inline constexpr int NoTurn = TurnCount;

// Step codes come three to a side: group 0..5 is Front, Left, Back, Right,
// Top, Bottom.
[[nodiscard]] constexpr int Group(int code) noexcept {
    return code / 3;
}

inline constexpr int TopGroup = 4;

[[nodiscard]] constexpr bool Opposite(int groupA, int groupB) noexcept {
    return groupA != groupB && (groupA >= TopGroup ? groupB >= TopGroup
                                                   : groupB < TopGroup && groupA % 2 == groupB % 2);
}

// The searches list each solution once: turns of one side are merged, and
// turns of opposite sides, which commute, come in one order only, the lower
// group first.
inline constexpr auto Follows = [] {
    std::array<std::array<bool, TurnCount>, TurnCount + 1> follows{};
    for (int last = 0; last <= TurnCount; ++last) {
        for (int code = 0; code < TurnCount; ++code) {
            const int a = Group(last);
            const int b = Group(code);
            follows[static_cast<std::size_t>(last)][static_cast<std::size_t>(code)] =
                last == NoTurn || (a != b && !(Opposite(a, b) && b < a));
        }
    }
    return follows;
}();

[[nodiscard]] constexpr bool MayFollow(int last, int code) noexcept {
    return Follows[static_cast<std::size_t>(last)][static_cast<std::size_t>(code)];
}

// The turn that undoes a turn.
[[nodiscard]] constexpr std::int16_t Undo(std::int16_t code) noexcept {
    constexpr std::array<std::int16_t, 3> undoKind{1, 0, 2};
    return static_cast<std::int16_t>(code - code % 3 +
                                     undoKind[static_cast<std::size_t>(code % 3)]);
}

} // namespace turnix::fewest
