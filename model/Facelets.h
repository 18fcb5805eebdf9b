#pragma once

#include "clsCube.h"

#include <array>
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
inline constexpr std::size_t FaceletCount = SquaresPerCube;

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

// The first square, in facelet order, whose colour index (outside 0..5)
// names no face.
[[nodiscard]] std::optional<SquareAt> FirstSquareWithoutFacelet(const clsCube& cube);

// The facelet string of a cube whose colour indices all lie in 0..5.
[[nodiscard]] std::string FaceletString(const clsCube& cube);

// The colour index that each side's centre shows, by side, when the six
// centres show six different colours of 0..5; nothing otherwise.
[[nodiscard]] std::optional<std::array<std::int16_t, side::Count>>
CentreColors(const clsCube& cube);

// The facelet string with each square named by the face whose centre shows
// its colour, as other cube tools read a real cube: the centres always read
// U R F D L B. Nothing when CentreColors() is nothing or a square shows a
// colour on no centre.
[[nodiscard]] std::optional<std::string> CentreFaceletString(const clsCube& cube);

// Gives each square of the cube the colour that `centres` shows for the
// face its index names: the inverse of CentreFaceletString once a string
// is read. Every colour index must lie in 0..5.
void PaintInCentreColors(clsCube& cube, const std::array<std::int16_t, side::Count>& centres);

} // namespace turnix
