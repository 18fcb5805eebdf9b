// First stage: the four edge pieces of the top layer (the top cross).

#include "SolverTables.h"
#include "StepCodes.h"

namespace turnix {

namespace {

// Which of the four passes a move belongs to.
enum class Pass : std::uint8_t { Every, First, Later, Fourth };

struct PassMove {
    std::int16_t code;
    Pass pass{Pass::Every};
};

constexpr Pass First = Pass::First;
constexpr Pass Later = Pass::Later;
constexpr Pass Fourth = Pass::Fourth;

// Moves by the location of the top-coloured square of the edge (top,
// front). From pass 2 on, top squares 5, then 1 and 3, hold pieces placed
// before; the Later moves turn the top layer out of the way and back, and
// the Fourth move puts back the piece that a left turn took from square 3.
struct Stage1Row {
    Place key;
    FixedList<PassMove, 4> moves;
};
constexpr std::array<Stage1Row, 24> Stage1Moves{{
    {{0, 7}, {}},
    {{0, 1}, {{6, Later}, {5, Later}, {0, Later}, {14, First}}},
    {{0, 3}, {{13, First}, {5, Later}, {15, Later}, {2, Later}}},
    {{0, 5}, {{12}}},
    {{1, 1}, {{2}}},
    {{1, 3}, {{15}, {2}}},
    {{1, 5}, {{16}, {2}}},
    {{1, 7}, {{17}, {2}}},
    {{2, 1}, {{1}, {12, Later}, {4}, {13}}},
    {{2, 3}, {{12, Later}, {4}, {13}}},
    {{2, 5}, {{13, Later}, {9}, {12}}},
    {{2, 7}, {{16}, {4}, {0}, {3, Fourth}}},
    {{3, 1}, {{6}, {12, Later}, {3}, {13}}},
    {{3, 3}, {{13, Later}, {10}, {12}}},
    {{3, 5}, {{12, Later}, {3}, {13}}},
    {{3, 7}, {{15}, {4}, {0}, {3, Fourth}}},
    {{4, 1}, {{3}, {0}}},
    {{4, 3}, {{14, Later}, {7}, {14}}},
    {{4, 5}, {{0}}},
    {{4, 7}, {{4}, {0}, {3, Fourth}}},
    {{5, 1}, {{10}, {1}}},
    {{5, 3}, {{1}}},
    {{5, 5}, {{14, Later}, {6}, {14}}},
    {{5, 7}, {{9}, {1}, {10, Later}}},
}};

constexpr int PassCount = 4;

[[nodiscard]] constexpr bool BelongsTo(Pass pass, int i) noexcept {
    switch (pass) {
    case Pass::First:
        return i == 1;
    case Pass::Later:
        return i > 1;
    case Pass::Fourth:
        return i == PassCount;
    case Pass::Every:
        break;
    }
    return true;
}

} // namespace

void clsSolver::SolveStage1() {
    ReadCenterColors();
    const auto isAt = [this](std::int16_t color, Place place) {
        return PlaceOf(FindEdge(intTopColor, color)) == place;
    };
    if (isAt(intFrontColor, {0, 7}) && isAt(intLeftColor, {0, 3}) && isAt(intBackColor, {0, 1}) &&
        isAt(intRightColor, {0, 5})) {
        return;
    }
    // Each pass places the edge (top, front), then turns it to the right.
    for (int i = 1; i <= PassCount; ++i) {
        if (const Stage1Row* row =
                FindRow(Stage1Moves, PlaceOf(FindEdge(intTopColor, intFrontColor)))) {
            for (const PassMove& move : row->moves) {
                if (BelongsTo(move.pass, i)) {
                    Move(move.code);
                }
            }
        }
        if (i < PassCount) {
            Move(step::RotateRight);
        }
        ReadCenterColors();
    }
}

} // namespace turnix
