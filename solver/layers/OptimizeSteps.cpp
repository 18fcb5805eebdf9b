// Folds neighbouring turns of the same side into one turn or removes them,
// so that no two neighbouring active steps turn the same side. Removed
// steps stay in the list, inactive.

#include "clsSolver.h"

#include <array>

namespace turnix {

namespace {

constexpr std::int16_t KindsPerSide = 3;

// A kind (clockwise, counterclockwise, twice) as clockwise quarter turns,
// and back.
constexpr std::array<int, 3> QuarterTurns{1, 3, 2};
constexpr std::array<std::int16_t, 4> KindOfQuarterTurns{-1, 0, 2, 1};

[[nodiscard]] constexpr int QuartersOf(std::int16_t code) noexcept {
    return QuarterTurns[static_cast<std::size_t>(code % KindsPerSide)];
}

} // namespace

void clsSolver::OptimizeSteps() {
    MoveFirst();
    while (true) {
        const std::int16_t a = Index();
        MoveNext();
        const std::int16_t b = Index();
        if (a == intLastStep || b == intLastStep) {
            MoveFirst();
            return;
        }
        const auto at = [this](std::int16_t index) -> std::int16_t& {
            return intSteps[static_cast<std::size_t>(index)];
        };
        const std::int16_t group = static_cast<std::int16_t>(at(a) / KindsPerSide);
        if (group != at(b) / KindsPerSide) {
            continue;
        }
        const int net = (QuartersOf(at(a)) + QuartersOf(at(b))) % 4;
        if (net != 0) {
            // The cursor stays on b, so a run of one side folds into one turn.
            blnActive[static_cast<std::size_t>(a)] = false;
            if (a == intFirstStep) {
                intFirstStep = b;
            }
            at(b) = static_cast<std::int16_t>(group * KindsPerSide +
                                              KindOfQuarterTurns[static_cast<std::size_t>(net)]);
            KeepStageOfFolded(a, b);
            continue;
        }
        // Both go. Stepping back to the last active step before a lets
        // nested pairs (a turn, a cancelling pair, its inverse) cancel in
        // turn; at the start of the list there is nothing to step back to.
        blnActive[static_cast<std::size_t>(a)] = false;
        blnActive[static_cast<std::size_t>(b)] = false;
        MoveNext();
        if (a == intFirstStep) {
            intFirstStep = Index();
        }
        MovePrevious();
    }
}

// Every boundary between a and b moves past b.
void clsSolver::KeepStageOfFolded(std::int16_t a, std::int16_t b) noexcept {
    for (std::int16_t& start : stageStarts) {
        if (start > a && start <= b) {
            start = static_cast<std::int16_t>(b + 1);
        }
    }
}

} // namespace turnix
