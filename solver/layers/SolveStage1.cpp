// First stage: the four edge pieces of the top layer (the top cross).

#include "SolverTables.h"
#include "StepCodes.h"

namespace turnix {

namespace {

using namespace side;

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
    SquareAt key;
    FixedList<PassMove, 4> moves;
};
constexpr std::array<Stage1Row, 24> Stage1Moves{{
    {{Top, 7}, {}},
    {{Top, 1}, {{Turn("B"), Later}, {Turn("L2"), Later}, {Turn("F"), Later}, {Turn("U2"), First}}},
    {{Top, 3}, {{Turn("U'"), First}, {Turn("L2"), Later}, {Turn("D"), Later}, {Turn("F2"), Later}}},
    {{Top, 5}, {{Turn("U")}}},
    {{Bottom, 1}, {{Turn("F2")}}},
    {{Bottom, 3}, {{Turn("D")}, {Turn("F2")}}},
    {{Bottom, 5}, {{Turn("D'")}, {Turn("F2")}}},
    {{Bottom, 7}, {{Turn("D2")}, {Turn("F2")}}},
    {{Front, 1}, {{Turn("F'")}, {Turn("U"), Later}, {Turn("L'")}, {Turn("U'")}}},
    {{Front, 3}, {{Turn("U"), Later}, {Turn("L'")}, {Turn("U'")}}},
    {{Front, 5}, {{Turn("U'"), Later}, {Turn("R")}, {Turn("U")}}},
    {{Front, 7}, {{Turn("D'")}, {Turn("L'")}, {Turn("F")}, {Turn("L"), Fourth}}},
    {{Back, 1}, {{Turn("B")}, {Turn("U"), Later}, {Turn("L")}, {Turn("U'")}}},
    {{Back, 3}, {{Turn("U'"), Later}, {Turn("R'")}, {Turn("U")}}},
    {{Back, 5}, {{Turn("U"), Later}, {Turn("L")}, {Turn("U'")}}},
    {{Back, 7}, {{Turn("D")}, {Turn("L'")}, {Turn("F")}, {Turn("L"), Fourth}}},
    {{Left, 1}, {{Turn("L")}, {Turn("F")}}},
    {{Left, 3}, {{Turn("U2"), Later}, {Turn("B'")}, {Turn("U2")}}},
    {{Left, 5}, {{Turn("F")}}},
    {{Left, 7}, {{Turn("L'")}, {Turn("F")}, {Turn("L"), Fourth}}},
    {{Right, 1}, {{Turn("R'")}, {Turn("F'")}}},
    {{Right, 3}, {{Turn("F'")}}},
    {{Right, 5}, {{Turn("U2"), Later}, {Turn("B")}, {Turn("U2")}}},
    {{Right, 7}, {{Turn("R")}, {Turn("F'")}, {Turn("R'"), Later}}},
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
    const auto isAt = [this](std::int16_t color, SquareAt place) {
        return PlaceOf(FindEdge(intTopColor, color)) == place;
    };
    if (isAt(intFrontColor, {Top, 7}) && isAt(intLeftColor, {Top, 3}) &&
        isAt(intBackColor, {Top, 1}) && isAt(intRightColor, {Top, 5})) {
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
