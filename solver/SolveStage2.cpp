// Second stage: the four corner pieces of the top layer.

#include "SolverTables.h"
#include "StepCodes.h"
#include "UprightPositions.h"

namespace turnix {

namespace {

enum class Layer : std::uint8_t { Top, Bottom };

// Each corner position, the three places where the top-coloured square of
// the corner (top, right, front) shows when the piece is there, and the
// moves that take the piece from there to the insertion position (bottom
// front right). The extractions out of the top layer return every other
// top piece to its place.
struct CornerPosition {
    Layer layer;
    std::array<Place, 3> places;
    MoveSequence<3> toInsertion;
};
constexpr std::array<CornerPosition, 8> CornerPositions{{
    {Layer::Top, {{{0, 8}, {2, 2}, {5, 0}}}, {}},         // top front right (target)
    {Layer::Top, {{{2, 0}, {0, 6}, {4, 2}}}, {3, 15, 4}}, // top front left
    {Layer::Top, {{{5, 2}, {3, 0}, {0, 2}}}, {7, 16, 6}}, // top back right
    {Layer::Top, {{{3, 2}, {4, 0}, {0, 0}}}, {4, 17, 3}}, // top back left
    {Layer::Bottom, {{{1, 2}, {2, 8}, {5, 6}}}, {}},      // bottom front right
    {Layer::Bottom, {{{1, 0}, {2, 6}, {4, 8}}}, {15}},    // bottom front left
    {Layer::Bottom, {{{1, 8}, {3, 6}, {5, 8}}}, {16}},    // bottom back right
    {Layer::Bottom, {{{1, 6}, {4, 6}, {3, 8}}}, {17}},    // bottom back left
}};

// Insertion into the top front right position, by the location of the
// top-coloured square.
struct InsertionRow {
    Place key;
    MoveSequence<6> moves;
};
constexpr std::array<InsertionRow, 5> CornerInsertion{{
    {{5, 0}, {10, 17, 9, 0, 17, 1}}, // twisted in place, top colour on the right
    {{2, 2}, {0, 17, 1, 10, 17, 9}}, // twisted in place, top colour on the front
    {{1, 2}, {10, 15, 9, 0, 17, 1}}, // top colour facing down
    {{5, 6}, {10, 16, 9}},           // top colour on the right
    {{2, 8}, {0, 15, 1}},            // top colour on the front
}};

constexpr Place TargetPlace{0, 8};

[[nodiscard]] const CornerPosition* PositionOf(Place place) noexcept {
    for (const CornerPosition& position : CornerPositions) {
        for (const Place& candidate : position.places) {
            if (candidate == place) {
                return &position;
            }
        }
    }
    return nullptr;
}

} // namespace

// One pass per side at the front, rotating right between passes. A piece
// sitting in a wrong top position is left for a later pass, since finishing
// the position it occupies takes it down to the bottom layer, from where it
// goes up in fewer moves; tries catching up with remaining ends the wait.
void clsSolver::SolveStage2() {
    ReadCenterColors();
    if (PlaceOf(FindCorner(intTopColor, intRightColor, intFrontColor)) == Place{0, 8} &&
        PlaceOf(FindCorner(intTopColor, intFrontColor, intLeftColor)) == Place{0, 6} &&
        PlaceOf(FindCorner(intTopColor, intLeftColor, intBackColor)) == Place{0, 0} &&
        PlaceOf(FindCorner(intTopColor, intBackColor, intRightColor)) == Place{0, 2}) {
        return;
    }
    UprightPositions positions(cubWork);
    while (positions.AnyLeft()) {
        const Place at = PlaceOf(FindCorner(intTopColor, intRightColor, intFrontColor));
        if (at == TargetPlace) {
            positions.FoundInPlace();
        } else {
            const CornerPosition* position = PositionOf(at);
            const bool waiting = position != nullptr && position->layer == Layer::Top &&
                                 positions.LeaveForLaterPass();
            if (!waiting) {
                if (position != nullptr) {
                    Moves(position->toInsertion.Span());
                }
                const Place from = PlaceOf(FindCorner(intTopColor, intRightColor, intFrontColor));
                if (const InsertionRow* row = FindRow(CornerInsertion, from)) {
                    Moves(row->moves.Span());
                }
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
