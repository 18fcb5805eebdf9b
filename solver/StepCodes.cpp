#include "StepCodes.h"

namespace turnix {

namespace {

[[nodiscard]] constexpr bool IsStepCode(std::int16_t code) noexcept {
    return code >= 0 && code < StepCodeCount;
}

// The side each group of three codes turns.
constexpr std::array<std::int16_t, 6> GroupSide{side::Front, side::Left, side::Back,
                                                side::Right, side::Top,  side::Bottom};

} // namespace

std::string_view StepText(std::int16_t code) noexcept {
    return IsStepCode(code) ? StepDescriptions[static_cast<std::size_t>(code)] : std::string_view{};
}

std::string_view StepNotation(std::int16_t code) noexcept {
    return IsStepCode(code) ? StepNotations[static_cast<std::size_t>(code)] : std::string_view{};
}

std::int16_t InverseStep(std::int16_t code) noexcept {
    if (code >= SideTurnCount && code < StepCodeCount) {
        // Up and down, left and right are neighbours: 18 and 19, 20 and 21.
        return static_cast<std::int16_t>(code ^ 1);
    }
    if (code < 0 || code >= SideTurnCount || code % 3 == 2) {
        return code;
    }
    return static_cast<std::int16_t>(code % 3 == 0 ? code + 1 : code - 1);
}

void ApplyStep(clsCube& cube, std::int16_t code) noexcept {
    switch (code) {
    case step::RotateUp:
        cube.RotateUp();
        return;
    case step::RotateDown:
        cube.RotateDown();
        return;
    case step::RotateLeft:
        cube.RotateLeft();
        return;
    case step::RotateRight:
        cube.RotateRight();
        return;
    default:
        break;
    }
    if (code < 0 || code >= SideTurnCount) {
        return;
    }
    // Side() cannot throw here: every group names a side in 0..5.
    clsSide& turned = cube.Side(GroupSide[static_cast<std::size_t>(code / 3)]);
    switch (code % 3) {
    case 0:
        turned.RotateClockwise();
        break;
    case 1:
        turned.RotateCounterclockwise();
        break;
    default:
        turned.RotateDouble();
        break;
    }
}

} // namespace turnix
