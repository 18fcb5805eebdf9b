// Third stage: the four edge pieces of the middle layer.

#include "SolverTables.h"
#include "StepCodes.h"
#include "UprightPositions.h"

namespace turnix {

namespace {

// Locations are those of the front-coloured square of the edge (front,
// right).

// One bottom turn takes a bottom edge to an insertion location: (4, 7),
// right colour facing down, or (1, 7), front colour facing down.
struct BottomTurnRow {
    Place key;
    MoveSequence<1> moves;
};
constexpr std::array<BottomTurnRow, 8> ToInsertion{{
    {{2, 7}, {16}},
    {{1, 3}, {16}},
    {{3, 7}, {15}},
    {{1, 5}, {15}},
    {{5, 7}, {17}},
    {{1, 1}, {17}},
    {{4, 7}, {}},
    {{1, 7}, {}},
}};

// Out of the middle layer, wrong position or flipped, down to an insertion
// location; the top layer and finished middle edges stay as they were.
struct ExtractionRow {
    Place key;
    MoveSequence<8> moves;
};
constexpr std::array<ExtractionRow, 7> Extraction{{
    {{5, 3}, {10, 15, 9, 15, 0, 16, 1, 15}}, // flipped in place
    {{2, 3}, {1, 15, 0, 15, 3, 16, 4, 17}},
    {{4, 5}, {1, 15, 0, 15, 3, 16, 4, 15}},
    {{4, 3}, {4, 15, 3, 15, 6, 16, 7, 16}},
    {{3, 5}, {4, 15, 3, 15, 6, 16, 7, 17}},
    {{5, 5}, {7, 15, 6, 15, 9, 16, 10, 16}},
    {{3, 3}, {7, 15, 6, 15, 9, 16, 10}},
}};

constexpr Place TargetPlace{2, 5};
constexpr Place LeftInsertion{4, 7};
constexpr MoveSequence<7> InsertFromLeft{10, 15, 9, 15, 0, 16, 1};
constexpr MoveSequence<7> InsertFromBottom{0, 16, 1, 16, 10, 15, 9};

} // namespace

// Same shape as the second stage: one pass per side at the front, a piece
// in a wrong middle position left for a later pass until tries catches up
// with remaining.
void clsSolver::SolveStage3() {
    ReadCenterColors();
    if (PlaceOf(FindEdge(intRightColor, intFrontColor)) == Place{5, 3} &&
        PlaceOf(FindEdge(intFrontColor, intLeftColor)) == Place{2, 3} &&
        PlaceOf(FindEdge(intLeftColor, intBackColor)) == Place{4, 3} &&
        PlaceOf(FindEdge(intBackColor, intRightColor)) == Place{3, 3}) {
        return;
    }
    UprightPositions positions(cubWork);
    while (positions.AnyLeft()) {
        const Place at = PlaceOf(FindEdge(intFrontColor, intRightColor));
        if (at == TargetPlace) {
            positions.FoundInPlace();
        } else {
            const ExtractionRow* extraction = FindRow(Extraction, at);
            const bool waiting = extraction != nullptr && positions.LeaveForLaterPass();
            if (!waiting) {
                if (const BottomTurnRow* turn = FindRow(ToInsertion, at)) {
                    Moves(turn->moves.Span());
                } else if (extraction != nullptr) {
                    Moves(extraction->moves.Span());
                }
                const bool fromLeft =
                    PlaceOf(FindEdge(intFrontColor, intRightColor)) == LeftInsertion;
                Moves(fromLeft ? InsertFromLeft.Span() : InsertFromBottom.Span());
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
