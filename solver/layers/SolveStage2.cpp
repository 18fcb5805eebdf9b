// Second stage: the four corner pieces of the top layer.

#include "SolverTables.h"
#include "StepCodes.h"
#include "UprightPositions.h"

namespace turnix {

namespace {

using namespace side;

enum class Layer : std::uint8_t { Top, Bottom };

// Each corner position, the three places where the top-coloured square of
// the corner (top, right, front) shows when the piece is there, and the
// moves that take the piece from there to the insertion position (bottom
// front right). The extractions out of the top layer return every other
// top piece to its place.
struct CornerPosition {
    Layer layer;
    std::array<SquareAt, 3> places;
    MoveSequence<3> toInsertion;
};
constexpr std::array<CornerPosition, 8> CornerPositions{{
    {Layer::Top, {{{Top, 8}, {Front, 2}, {Right, 0}}}, {}},              // top front right (target)
    {Layer::Top, {{{Front, 0}, {Top, 6}, {Left, 2}}}, Moves("L D L'")},  // top front left
    {Layer::Top, {{{Right, 2}, {Back, 0}, {Top, 2}}}, Moves("B' D' B")}, // top back right
    {Layer::Top, {{{Back, 2}, {Left, 0}, {Top, 0}}}, Moves("L' D2 L")},  // top back left
    {Layer::Bottom, {{{Bottom, 2}, {Front, 8}, {Right, 6}}}, {}},        // bottom front right
    {Layer::Bottom, {{{Bottom, 0}, {Front, 6}, {Left, 8}}}, Moves("D")}, // bottom front left
    {Layer::Bottom, {{{Bottom, 8}, {Back, 6}, {Right, 8}}}, Moves("D'")}, // bottom back right
    {Layer::Bottom, {{{Bottom, 6}, {Left, 6}, {Back, 8}}}, Moves("D2")},  // bottom back left
}};

// Insertion into the top front right position, by the location of the
// top-coloured square.
struct InsertionRow {
    SquareAt key;
    MoveSequence<6> moves;
};
constexpr std::array<InsertionRow, 5> CornerInsertion{{
    {{Right, 0}, Moves("R' D2 R F D2 F'")}, // twisted in place, top colour on the right
    {{Front, 2}, Moves("F D2 F' R' D2 R")}, // twisted in place, top colour on the front
    {{Bottom, 2}, Moves("R' D R F D2 F'")}, // top colour facing down
    {{Right, 6}, Moves("R' D' R")},         // top colour on the right
    {{Front, 8}, Moves("F D F'")},          // top colour on the front
}};

constexpr SquareAt TargetPlace{Top, 8};

[[nodiscard]] const CornerPosition* PositionOf(SquareAt place) noexcept {
    for (const CornerPosition& position : CornerPositions) {
        for (const SquareAt& candidate : position.places) {
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
    if (PlaceOf(FindCorner(intTopColor, intRightColor, intFrontColor)) == SquareAt{Top, 8} &&
        PlaceOf(FindCorner(intTopColor, intFrontColor, intLeftColor)) == SquareAt{Top, 6} &&
        PlaceOf(FindCorner(intTopColor, intLeftColor, intBackColor)) == SquareAt{Top, 0} &&
        PlaceOf(FindCorner(intTopColor, intBackColor, intRightColor)) == SquareAt{Top, 2}) {
        return;
    }
    UprightPositions positions(cubWork);
    while (positions.AnyLeft()) {
        const SquareAt at = PlaceOf(FindCorner(intTopColor, intRightColor, intFrontColor));
        if (at == TargetPlace) {
            positions.FoundInPlace();
        } else {
            const CornerPosition* position = PositionOf(at);
            const bool waiting = position != nullptr && position->layer == Layer::Top &&
                                 positions.LeaveForLaterPass();
            if (!waiting) {
                if (position != nullptr) {
                    Play(position->toInsertion.Span());
                }
                const SquareAt from =
                    PlaceOf(FindCorner(intTopColor, intRightColor, intFrontColor));
                if (const InsertionRow* row = FindRow(CornerInsertion, from)) {
                    Play(row->moves.Span());
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
