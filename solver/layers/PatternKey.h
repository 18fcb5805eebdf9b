#pragma once

#include <cstdint>
#include <stdexcept>
#include <string_view>

namespace turnix {

// Reads a pattern of digits ("001011010000", "423") as a number in the
// given base, first digit most significant. The stage tables are keyed by
// these numbers, converted from their literal patterns at compile time; the
// stages build the same numbers digit by digit from the cube.
[[nodiscard]] constexpr std::uint16_t PatternKey(std::string_view digits, unsigned base = 2) {
    unsigned key = 0;
    for (const char digit : digits) {
        const auto value = static_cast<unsigned>(digit - '0');
        if (digit < '0' || value >= base) {
            throw std::invalid_argument("pattern digit outside its base");
        }
        key = key * base + value;
        if (key > UINT16_MAX) {
            throw std::out_of_range("pattern too long for its key");
        }
    }
    return static_cast<std::uint16_t>(key);
}

} // namespace turnix
