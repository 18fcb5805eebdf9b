#include "clsSolver.h"

#include "StepCodes.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

namespace turnix {

std::size_t ActiveStepView::size() const noexcept {
    std::size_t count = 0;
    for (auto step = begin(); step != end(); ++step) {
        ++count;
    }
    return count;
}

std::vector<std::int16_t> ActiveStepView::Codes() const {
    std::vector<std::int16_t> result;
    for (const ActiveStep step : *this) {
        result.push_back(step.code);
    }
    return result;
}

namespace {

// Room for the longest solutions, so that the first solve does not grow
// the list step by step.
constexpr std::size_t ReservedSteps = 512;

// Codes 0..11 turn the four sides that a rotation about the vertical axis
// carries round: Front, Left, Back, Right.
constexpr std::int16_t LastUprightTurn = 11;
constexpr std::int16_t UprightTurnCount = 12;
constexpr std::int16_t KindsPerSide = 3;

} // namespace

clsSolver::clsSolver() {
    intSteps.reserve(ReservedSteps);
    blnActive.reserve(ReservedSteps);
    ClearSolution();
}

std::int16_t clsSolver::CurrentStep() const noexcept {
    return intSteps[static_cast<std::size_t>(intCursor)];
}

void clsSolver::ClearSolution() {
    intSteps.clear();
    intSteps.push_back(0);
    blnActive.clear();
    blnActive.push_back(true);
    intFirstStep = 0;
    intCursor = 0;
    intLastStep = 0;
    intRotation = 0;
    blnRecorded = true;
    blnFinalPass = false;
    BeginStage(0);
}

// A stage not begun yet starts past any step.
void clsSolver::BeginStage(std::size_t stage) noexcept {
    stageStarts[stage] = intLastStep;
    std::fill(stageStarts.begin() + static_cast<std::ptrdiff_t>(stage) + 1, stageStarts.end(),
              std::numeric_limits<std::int16_t>::max());
}

std::optional<std::int16_t> clsSolver::StageOf(std::int16_t index) const noexcept {
    if (index < 0 || index >= intLastStep || index < stageStarts[0]) {
        return std::nullopt;
    }
    std::int16_t stage = 0;
    while (static_cast<std::size_t>(stage) + 1 < StageCount &&
           stageStarts[static_cast<std::size_t>(stage) + 1] <= index) {
        ++stage;
    }
    return stage;
}

// No stage begins anywhere in a loaded list.
void clsSolver::LoadSteps(std::span<const std::int16_t> intCodes) {
    ClearSolution();
    if (std::ranges::any_of(intCodes,
                            [](std::int16_t code) { return code < 0 || code >= SideTurnCount; })) {
        throw std::invalid_argument("a loaded list holds side turns only");
    }
    if (intCodes.size() > static_cast<std::size_t>(std::numeric_limits<std::int16_t>::max())) {
        throw std::length_error("the step list holds at most 32,767 steps");
    }
    intSteps.assign(intCodes.begin(), intCodes.end());
    intSteps.push_back(0);
    blnActive.assign(intSteps.size(), true);
    intLastStep = static_cast<std::int16_t>(intCodes.size());
    stageStarts.fill(std::numeric_limits<std::int16_t>::max());
}

// The trailing slot is always active, so both walks stop.
void clsSolver::MoveNext() noexcept {
    if (IsEOF()) {
        return;
    }
    do {
        ++intCursor;
    } while (!blnActive[static_cast<std::size_t>(intCursor)]);
}

void clsSolver::MovePrevious() noexcept {
    if (IsBOF()) {
        return;
    }
    do {
        --intCursor;
    } while (!blnActive[static_cast<std::size_t>(intCursor)]);
}

// A rotation of cubWork only moves the orientation counter. After r
// rotations to the right the user's side r places on in the cycle Front,
// Left, Back, Right is at the working cube's front, so a turn of an upright
// side moves its group r places on and keeps its kind.
void clsSolver::AddStep(std::int16_t intStep) {
    if (intStep == step::RotateRight) {
        intRotation = static_cast<std::int16_t>((intRotation + 1) % 4);
        return;
    }
    if (intStep == step::RotateLeft) {
        intRotation = static_cast<std::int16_t>(intRotation == 0 ? 3 : intRotation - 1);
        return;
    }
    if (intStep <= LastUprightTurn) {
        intStep =
            static_cast<std::int16_t>((intRotation * KindsPerSide + intStep) % UprightTurnCount);
    }
    if (intLastStep == std::numeric_limits<std::int16_t>::max()) {
        throw std::length_error("the step list holds at most 32,767 steps");
    }
    intSteps[static_cast<std::size_t>(intLastStep)] = intStep;
    ++intLastStep;
    intSteps.push_back(0);
    blnActive.push_back(true);
}

void clsSolver::Move(std::int16_t intStep) {
    AddStep(intStep);
    ApplyStep(cubWork, intStep);
}

void clsSolver::Play(std::span<const std::int16_t> steps) {
    for (const std::int16_t code : steps) {
        Move(code);
    }
}

} // namespace turnix
