#pragma once

// Building blocks of the stage tables, private to the solver.

#include "PatternKey.h"
#include "StepCodes.h"
#include "clsSolver.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <stdexcept>
#include <string_view>

namespace turnix {

// A short list held by value, so that a table row can carry a move list of
// any length up to Capacity and the table stays a constexpr array.
template <typename Entry, std::size_t Capacity>
class FixedList {
public:
    constexpr FixedList() = default;
    // A row longer than the capacity does not compile in a constexpr table.
    constexpr FixedList(std::initializer_list<Entry> entries) {
        if (entries.size() > Capacity) {
            throw std::length_error("table row longer than its capacity");
        }
        std::copy(entries.begin(), entries.end(), items.begin());
        count = entries.size();
    }

    // A list that outgrows its capacity does not compile in a constexpr table.
    constexpr void Append(const Entry& entry) {
        if (count == Capacity) {
            throw std::length_error("table row longer than its capacity");
        }
        items[count++] = entry;
    }

    [[nodiscard]] constexpr std::span<const Entry> Span() const noexcept {
        return {items.data(), count};
    }
    [[nodiscard]] constexpr const Entry* begin() const noexcept { return items.data(); }
    [[nodiscard]] constexpr const Entry* end() const noexcept { return items.data() + count; }

private:
    std::array<Entry, Capacity> items{};
    std::size_t count{0};
};

// Step codes, applied in order with AddStep and the same move on cubWork.
template <std::size_t Capacity>
using MoveSequence = FixedList<std::int16_t, Capacity>;

// The step code of one move in the notation of StepNotations ("R'", "D2",
// "y"); an unknown move does not compile in a constexpr table.
[[nodiscard]] constexpr std::int16_t Turn(std::string_view move) {
    for (std::size_t code = 0; code < StepNotations.size(); ++code) {
        if (StepNotations[code] == move) {
            return static_cast<std::int16_t>(code);
        }
    }
    throw std::invalid_argument("unknown move in a table");
}

// Moves in that notation, separated by blanks, as the tables write them:
// Moves("R' D' R") stands for the step codes 10, 16, 9.
class Moves {
public:
    constexpr explicit Moves(std::string_view notation) : text(notation) {}

    template <std::size_t Capacity>
    // NOLINTNEXTLINE(google-explicit-constructor): a table cell reads as its moves
    constexpr operator MoveSequence<Capacity>() const {
        MoveSequence<Capacity> sequence;
        std::size_t at = 0;
        while (at < text.size()) {
            const std::size_t end = std::min(text.find(' ', at), text.size());
            if (end > at) {
                sequence.Append(Turn(text.substr(at, end - at)));
            }
            at = end + 1;
        }
        return sequence;
    }

private:
    std::string_view text;
};

[[nodiscard]] constexpr SquareAt PlaceOf(const SquareLocation& location) noexcept {
    return {location.Side, location.Square};
}

// One bit per square, first square highest: set where the square shows the
// bottom colour. Keys the stage 4 and 5 tables.
[[nodiscard]] inline std::uint16_t BottomColorPattern(const clsCube& cube, std::int16_t bottomColor,
                                                      std::span<const SquareAt> squares) {
    unsigned pattern = 0;
    for (const SquareAt& place : squares) {
        const bool bottomColored =
            cube.Side(place.side).Square(place.square)->ColorIndex() == bottomColor;
        pattern = (pattern << 1U) | (bottomColored ? 1U : 0U);
    }
    return static_cast<std::uint16_t>(pattern);
}

// The row whose key matches, or null.
template <typename Row, std::size_t N, typename Key>
[[nodiscard]] constexpr const Row* FindRow(const std::array<Row, N>& rows, const Key& key) {
    const auto row = std::find_if(rows.begin(), rows.end(),
                                  [&key](const Row& candidate) { return candidate.key == key; });
    return row == rows.end() ? nullptr : &*row;
}

} // namespace turnix
