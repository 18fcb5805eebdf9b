#pragma once

#include <cstdint>

namespace turnix {

// One sticker of the puzzle. Stores any 16-bit colour index it is given;
// the program itself uses 0..5.
class clsSquare {
public:
    [[nodiscard]] std::int16_t ColorIndex() const noexcept { return intColorIndex; }
    void SetColorIndex(std::int16_t intValue) noexcept { intColorIndex = intValue; }

private:
    std::int16_t intColorIndex{0};
};

} // namespace turnix
