#include "StepCodes.h"

namespace turnix {

std::string_view StepText(std::int16_t code) noexcept {
    return IsStepCode(code) ? StepDescriptions[static_cast<std::size_t>(code)] : std::string_view{};
}

std::string_view StepNotation(std::int16_t code) noexcept {
    return IsStepCode(code) ? StepNotations[static_cast<std::size_t>(code)] : std::string_view{};
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
    if (!IsSideTurn(code)) {
        return;
    }
    // Side() cannot throw here: every group names a side in 0..5.
    clsSide& turned = cube.Side(StepSide(code));
    switch (SenseOf(code)) {
    case TurnSense::Clockwise:
        turned.RotateClockwise();
        break;
    case TurnSense::Counterclockwise:
        turned.RotateCounterclockwise();
        break;
    case TurnSense::Half:
        turned.RotateDouble();
        break;
    }
}

} // namespace turnix
