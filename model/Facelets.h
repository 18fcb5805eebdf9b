#pragma once

#include "clsCube.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace turnix {

// A facelet string names the face of the solved cube that each square's
// colour belongs to: 54 letters of URFDLB, nine for each of U, R, F, D, L,
// B in that order, squares 0..8 of the sides Top, Right, Front, Bottom,
// Left, Back. A letter's colour index is the index of the side it names.
inline constexpr std::size_t FaceletCount = 54;

struct FaceletError {
    // 1-based position of the first bad character; for a string of the
    // wrong length that is otherwise fine, the first position past 54 or
    // past its end.
    std::size_t position;
    std::string reason;
};

// Sets all 54 squares of the cube from the string; on error the cube is
// left as it was.
[[nodiscard]] std::optional<FaceletError> ReadFacelets(std::string_view facelets, clsCube& cube);

struct SquareRef {
    std::int16_t side;
    std::int16_t square;
};

// The first square, in facelet order, whose colour index (outside 0..5)
// names no face.
[[nodiscard]] std::optional<SquareRef> FirstSquareWithoutFacelet(const clsCube& cube);

// The letter of the face that a side is (U for Top, R for Right, ...);
// nothing outside 0..5.
[[nodiscard]] std::optional<char> FaceLetter(std::int16_t side) noexcept;

// The facelet string of a cube whose colour indices all lie in 0..5.
[[nodiscard]] std::string FaceletString(const clsCube& cube);

} // namespace turnix
