// Third stage: the four edge pieces of the middle layer.

#include "SolverTables.h"
#include "StepCodes.h"
#include "UprightPositions.h"

namespace turnix {

namespace {

using namespace side;

// Locations are those of the front-coloured square of the edge (front,
// right).

// One bottom turn takes a bottom edge to an insertion location: (4, 7),
// right colour facing down, or (1, 7), front colour facing down.
struct BottomTurnRow {
    SquareAt key;
    MoveSequence<1> moves;
};
constexpr std::array<BottomTurnRow, 8> ToInsertion{{
    {{Front, 7}, Moves("D'")},
    {{Bottom, 3}, Moves("D'")},
    {{Back, 7}, Moves("D")},
    {{Bottom, 5}, Moves("D")},
    {{Right, 7}, Moves("D2")},
    {{Bottom, 1}, Moves("D2")},
    {{Left, 7}, {}},
    {{Bottom, 7}, {}},
}};

// Out of the middle layer, wrong position or flipped, down to an insertion
// location; the top layer and finished middle edges stay as they were.
struct ExtractionRow {
    SquareAt key;
    MoveSequence<8> moves;
};
constexpr std::array<ExtractionRow, 7> Extraction{{
    {{Right, 3}, Moves("R' D R D F D' F' D")}, // flipped in place
    {{Front, 3}, Moves("F' D F D L D' L' D2")},
    {{Left, 5}, Moves("F' D F D L D' L' D")},
    {{Left, 3}, Moves("L' D L D B D' B' D'")},
    {{Back, 5}, Moves("L' D L D B D' B' D2")},
    {{Right, 5}, Moves("B' D B D R D' R' D'")},
    {{Back, 3}, Moves("B' D B D R D' R'")},
}};

constexpr SquareAt TargetPlace{Front, 5};
constexpr SquareAt LeftInsertion{Left, 7};
constexpr MoveSequence<7> InsertFromLeft = Moves("R' D R D F D' F'");
constexpr MoveSequence<7> InsertFromBottom = Moves("F D' F' D' R' D R");

} // namespace

// Same shape as the second stage: one pass per side at the front, a piece
// in a wrong middle position left for a later pass until tries catches up
// with remaining.
void clsSolver::SolveStage3() {
    ReadCenterColors();
    if (PlaceOf(FindEdge(intRightColor, intFrontColor)) == SquareAt{Right, 3} &&
        PlaceOf(FindEdge(intFrontColor, intLeftColor)) == SquareAt{Front, 3} &&
        PlaceOf(FindEdge(intLeftColor, intBackColor)) == SquareAt{Left, 3} &&
        PlaceOf(FindEdge(intBackColor, intRightColor)) == SquareAt{Back, 3}) {
        return;
    }
    UprightPositions positions(cubWork);
    while (positions.AnyLeft()) {
        const SquareAt at = PlaceOf(FindEdge(intFrontColor, intRightColor));
        if (at == TargetPlace) {
            positions.FoundInPlace();
        } else {
            const ExtractionRow* extraction = FindRow(Extraction, at);
            const bool waiting = extraction != nullptr && positions.LeaveForLaterPass();
            if (!waiting) {
                if (const BottomTurnRow* turn = FindRow(ToInsertion, at)) {
                    Play(turn->moves.Span());
                } else if (extraction != nullptr) {
                    Play(extraction->moves.Span());
                }
                const bool fromLeft =
                    PlaceOf(FindEdge(intFrontColor, intRightColor)) == LeftInsertion;
                Play(fromLeft ? InsertFromLeft.Span() : InsertFromBottom.Span());
                positions.FinishFront();
            }
        }
        if (positions.AnyLeft()) {
            Move(step::RotateRight);
            ReadCenterColors();
        }
    }
}

} // namespace turnix
