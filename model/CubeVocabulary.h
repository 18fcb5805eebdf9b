#pragma once

// The cube's fixed facts, named once: its sides and their names, the
// neighbours at each side's edges, the squares of a side, and what each step
// code turns. Every table of the program that repeats one of these builds on
// this header.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace turnix {

// Side indices, fixed by position on the cube.
namespace side {
inline constexpr std::int16_t Top = 0;
inline constexpr std::int16_t Bottom = 1;
inline constexpr std::int16_t Front = 2;
inline constexpr std::int16_t Back = 3;
inline constexpr std::int16_t Left = 4;
inline constexpr std::int16_t Right = 5;
inline constexpr std::int16_t Count = 6;
} // namespace side

[[nodiscard]] constexpr bool IsSide(std::int16_t s) noexcept {
    return s >= 0 && s < side::Count;
}

// Opposite sides are numbered in pairs: Top and Bottom, Front and Back, Left
// and Right.
[[nodiscard]] constexpr std::int16_t OppositeSide(std::int16_t s) noexcept {
    return static_cast<std::int16_t>(s ^ 1);
}

// "Top", "Bottom", "Front", "Back", "Left", "Right", by side index.
inline constexpr std::array<std::string_view, side::Count> SideNames{"Top",  "Bottom", "Front",
                                                                     "Back", "Left",   "Right"};

// Empty outside 0..5.
[[nodiscard]] constexpr std::string_view SideName(std::int16_t s) noexcept {
    return IsSide(s) ? SideNames[static_cast<std::size_t>(s)] : std::string_view();
}

// The squares of a side, row by row as the side is seen from outside with
// its north edge up.
inline constexpr std::int16_t SquaresPerSide = 9;
inline constexpr std::size_t SquaresPerCube = side::Count * SquaresPerSide;

namespace square {
inline constexpr std::int16_t NorthWest = 0;
inline constexpr std::int16_t North = 1;
inline constexpr std::int16_t NorthEast = 2;
inline constexpr std::int16_t West = 3;
inline constexpr std::int16_t Centre = 4;
inline constexpr std::int16_t East = 5;
inline constexpr std::int16_t SouthWest = 6;
inline constexpr std::int16_t South = 7;
inline constexpr std::int16_t SouthEast = 8;
} // namespace square

[[nodiscard]] constexpr bool IsSquare(std::int16_t q) noexcept {
    return q >= 0 && q < SquaresPerSide;
}

// One square of the cube.
struct SquareAt {
    std::int16_t side;
    std::int16_t square;

    friend constexpr bool operator==(const SquareAt&, const SquareAt&) = default;
};

// A side's four edges, clockwise from north as the side is seen from
// outside. A side has as many corners, neighbours and quarter turns.
enum class Edge : std::uint8_t { North, East, South, West };
inline constexpr std::int16_t EdgesPerSide = 4;

// The neighbour at each edge of each side, in the order of Edge.
// clang-format off
inline constexpr std::array<std::array<std::int16_t, EdgesPerSide>, side::Count> Neighbours{{
    {side::Back, side::Right, side::Front,  side::Left},  // Top
    {side::Front, side::Right, side::Back,  side::Left},  // Bottom
    {side::Top,  side::Right, side::Bottom, side::Left},  // Front
    {side::Top,  side::Left,  side::Bottom, side::Right}, // Back
    {side::Top,  side::Front, side::Bottom, side::Back},  // Left
    {side::Top,  side::Back,  side::Bottom, side::Front}, // Right
}};
// clang-format on

// s must lie in 0..5.
[[nodiscard]] constexpr std::int16_t NeighbourAt(std::int16_t s, Edge edge) noexcept {
    return Neighbours[static_cast<std::size_t>(s)][static_cast<std::size_t>(edge)];
}

// The faces in facelet order, URFDLB, with the letter that other cube tools
// give each.
struct Face {
    char letter;
    std::int16_t side;
};
inline constexpr std::array<Face, side::Count> FaceletFaces{{
    {'U', side::Top},
    {'R', side::Right},
    {'F', side::Front},
    {'D', side::Bottom},
    {'L', side::Left},
    {'B', side::Back},
}};

// The letter of the face that a side is (U for Top, R for Right, ...);
// nothing outside 0..5.
[[nodiscard]] constexpr std::optional<char> FaceLetter(std::int16_t s) noexcept {
    for (const Face& face : FaceletFaces) {
        if (face.side == s) {
            return face.letter;
        }
    }
    return std::nullopt;
}

// A step code names one side turn (0..17: 3 × group + sense) or one
// whole-cube rotation (18..21).
inline constexpr std::int16_t StepCodeCount = 22;
inline constexpr std::int16_t SideTurnCount = 18;

namespace step {
inline constexpr std::int16_t RotateUp = 18;
inline constexpr std::int16_t RotateDown = 19;
inline constexpr std::int16_t RotateLeft = 20;
inline constexpr std::int16_t RotateRight = 21;
} // namespace step

// The sense of a side turn, as seen looking straight at the turning side
// from outside the cube; also the place of a side turn in its group of
// three codes.
enum class TurnSense : std::uint8_t { Clockwise, Counterclockwise, Half };

// The side each group of three codes turns. The first four pass the front in
// this order when the cube is rotated to the right.
inline constexpr std::array<std::int16_t, 6> StepGroupSides{side::Front, side::Left, side::Back,
                                                            side::Right, side::Top,  side::Bottom};

[[nodiscard]] constexpr bool IsStepCode(std::int16_t code) noexcept {
    return code >= 0 && code < StepCodeCount;
}

[[nodiscard]] constexpr bool IsSideTurn(std::int16_t code) noexcept {
    return code >= 0 && code < SideTurnCount;
}

// For side turns (0..17) only.
[[nodiscard]] constexpr std::int16_t StepSide(std::int16_t code) noexcept {
    return StepGroupSides[static_cast<std::size_t>(code / 3)];
}
[[nodiscard]] constexpr TurnSense SenseOf(std::int16_t code) noexcept {
    return static_cast<TurnSense>(code % 3);
}

// The code that undoes a code: the opposite quarter turn or rotation, the
// same half turn; a code outside 0..21 is returned as it is.
[[nodiscard]] constexpr std::int16_t InverseStep(std::int16_t code) noexcept {
    if (!IsStepCode(code)) {
        return code;
    }
    if (!IsSideTurn(code)) {
        // Up and down, left and right are neighbours: 18 and 19, 20 and 21.
        return static_cast<std::int16_t>(code ^ 1);
    }
    switch (SenseOf(code)) {
    case TurnSense::Clockwise:
        return static_cast<std::int16_t>(code + 1);
    case TurnSense::Counterclockwise:
        return static_cast<std::int16_t>(code - 1);
    case TurnSense::Half:
        break;
    }
    return code;
}

} // namespace turnix
