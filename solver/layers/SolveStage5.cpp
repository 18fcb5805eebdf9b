// Fifth stage: the four edge pieces of the bottom layer, placed by
// three-edge cycles, then flipped from a table of eight patterns.

#include "SolverTables.h"
#include "StepCodes.h"

namespace turnix {

namespace {

using namespace side;

// Bottom edge positions front, left, back and right, each by the two
// squares where the piece's side-coloured square may show, either flip.
enum BottomEdge : std::uint8_t { FrontEdge, LeftEdge, BackEdge, RightEdge, EdgeCount };
constexpr std::array<std::array<SquareAt, 2>, EdgeCount> BottomEdgeSquares{{
    {{{Front, 7}, {Bottom, 1}}},
    {{{Left, 7}, {Bottom, 3}}},
    {{{Back, 7}, {Bottom, 7}}},
    {{{Right, 7}, {Bottom, 5}}},
}};

// Every sequence opens with L' R, which the edge cycle
// and the two-neighbour flip close again with L R'.
constexpr std::int16_t OpenLeft = Turn("L'");
constexpr std::int16_t OpenRight = Turn("R");
constexpr std::int16_t CloseLeft = Turn("L");
constexpr std::int16_t CloseRight = Turn("R'");

// The middle of the edge cycle; f is 0 or 1 (front cw or ccw) by direction.
[[nodiscard]] constexpr MoveSequence<7> EdgeCycle(std::int16_t f) {
    return {f, Turn("L"), Turn("R'"), Turn("D2"), Turn("L'"), Turn("R"), f};
}

// After the opening pair. The four-edge flip turns "11110000" into
// "00001111", the opposite-edge flip "10100101"; the two-neighbour flip
// mends "00111100" but carries the front piece to the left position, the
// left to the back and the back to the front, so a placement follows it.
// clang-format off
constexpr MoveSequence<16> FourEdgeFlip = Moves(
    "F2 L R' D2 L' R "
    "F  L R' D2 L' R "
    "F2 L R' D'");
constexpr MoveSequence<28> OppositeEdgeFlip = Moves(
    "F  L R' D  L' R "
    "F  L R' D  L' R "
    "F2 L R' D  L' R "
    "F  L R' D  L' R "
    "F  L R' D2");
constexpr MoveSequence<13> TwoNeighbourFlip = Moves(
    "F  L R' D' L' R "
    "F' L R' D' L' R "
    "F2");
// clang-format on

// Edge pattern: which of these squares show the bottom colour. The side
// squares of the four bottom edges (front, right, back, left), then their
// bottom squares in the same order.
constexpr std::array<SquareAt, 8> EdgePatternSquares{{
    {Front, 7},
    {Right, 7},
    {Back, 7},
    {Left, 7},
    {Bottom, 1},
    {Bottom, 5},
    {Bottom, 7},
    {Bottom, 3},
}};

[[nodiscard]] constexpr std::uint16_t Edges(std::string_view pattern) {
    return PatternKey(pattern);
}

enum class EdgeFlip : std::uint8_t { None, FourEdges, OppositeEdges, TwoNeighbours };

// The eight flip states with an even number of flipped edges. The rotation
// (y left, y' right) brings a flipped pair to where its flip expects it:
// front and back for the opposite-edge flip, back and left for the
// two-neighbour flip.
struct FlipRow {
    std::uint16_t key;
    MoveSequence<2> rotation;
    EdgeFlip flip;
};
constexpr std::array<FlipRow, 8> FlipTable{{
    {Edges("00001111"), {}, EdgeFlip::None},
    {Edges("11110000"), {}, EdgeFlip::FourEdges},
    {Edges("10100101"), {}, EdgeFlip::OppositeEdges},
    {Edges("01011010"), Moves("y"), EdgeFlip::OppositeEdges},
    {Edges("00111100"), {}, EdgeFlip::TwoNeighbours},
    {Edges("10010110"), Moves("y"), EdgeFlip::TwoNeighbours},
    {Edges("11000011"), Moves("y' y'"), EdgeFlip::TwoNeighbours},
    {Edges("01101001"), Moves("y'"), EdgeFlip::TwoNeighbours},
}};

// Any arrangement that turning can reach is home after one pass of the
// placement, whose search for a front piece in place takes at most two
// rounds. An odd arrangement (two edges exchanged on their own, or four in
// a cycle) never comes home, so these bounds end the search for it.
constexpr int MaxPlacementPasses = 1;
constexpr int MaxFrontSearches = 2;

} // namespace

bool clsSolver::SolveStage5() {
    if (!PlaceBottomEdges()) {
        return false;
    }
    const FlipRow* row = FindRow(FlipTable, BottomEdgePattern());
    if (row == nullptr) {
        return false;
    }
    for (const std::int16_t rotation : row->rotation) {
        RotateWithFlush(rotation);
    }
    switch (row->flip) {
    case EdgeFlip::None:
        Flush();
        return true;
    case EdgeFlip::FourEdges:
        OpeningPair();
        Play(FourEdgeFlip.Span());
        return true;
    case EdgeFlip::OppositeEdges:
        OpeningPair();
        Play(OppositeEdgeFlip.Span());
        return true;
    case EdgeFlip::TwoNeighbours:
        break;
    }
    OpeningPair();
    Play(TwoNeighbourFlip.Span());
    ClosingPairKeptBack();
    blnFinalPass = true;
    return PlaceBottomEdges();
}

bool clsSolver::PlaceBottomEdges() {
    // The position holding each piece, or EdgeCount for none.
    std::array<std::size_t, EdgeCount> positionOf{};
    const auto locate = [this, &positionOf] {
        ReadCenterColors();
        const std::array<std::int16_t, EdgeCount> colors{intFrontColor, intLeftColor, intBackColor,
                                                         intRightColor};
        for (std::size_t piece = 0; piece < EdgeCount; ++piece) {
            const SquareAt at = PlaceOf(FindEdge(colors[piece], intBottomColor));
            std::size_t position = 0;
            while (position < EdgeCount && std::ranges::find(BottomEdgeSquares[position], at) ==
                                               BottomEdgeSquares[position].end()) {
                ++position;
            }
            positionOf[piece] = position;
        }
    };
    const auto home = [&positionOf](BottomEdge piece) {
        return positionOf[piece] == piece;
    };
    const auto allHome = [&home] {
        return home(FrontEdge) && home(LeftEdge) && home(BackEdge) && home(RightEdge);
    };

    locate();
    for (int pass = 0; !allHome(); ++pass) {
        if (pass == MaxPlacementPasses) {
            return false;
        }
        // Turn a piece that is home to the front, or cycle the other three.
        for (int search = 0; !home(FrontEdge); ++search) {
            if (search == MaxFrontSearches) {
                return false;
            }
            if (home(LeftEdge)) {
                RotateWithFlush(step::RotateRight);
            } else if (home(BackEdge)) {
                RotateWithFlush(step::RotateRight);
                RotateWithFlush(step::RotateRight);
            } else if (home(RightEdge)) {
                RotateWithFlush(step::RotateLeft);
            } else {
                CycleBottomEdges(0);
            }
            locate();
        }
        if (positionOf[LeftEdge] == BackEdge) {
            CycleBottomEdges(0);
        } else if (positionOf[LeftEdge] == RightEdge) {
            CycleBottomEdges(1);
        }
        locate();
    }
    return true;
}

// Mode 1 carries left to back, back to right, right to left; any other mode
// the other way. The front piece stays.
void clsSolver::CycleBottomEdges(std::int16_t intMode) {
    OpeningPair();
    Play(EdgeCycle(intMode == 1 ? 1 : 0).Span());
    if (blnFinalPass) {
        Move(CloseLeft);
        Move(CloseRight);
        blnRecorded = true;
    } else {
        ClosingPairKeptBack();
    }
}

std::uint16_t clsSolver::BottomEdgePattern() {
    ReadCenterColors();
    return BottomColorPattern(cubWork, intBottomColor, EdgePatternSquares);
}

// A closing pair is applied at once but recorded only when something other
// than an opening pair follows; an opening pair right after it cancels it,
// and neither is recorded.
void clsSolver::OpeningPair() {
    if (blnRecorded) {
        Move(OpenLeft);
        Move(OpenRight);
        return;
    }
    ApplyStep(cubWork, OpenLeft);
    ApplyStep(cubWork, OpenRight);
    blnRecorded = true;
}

void clsSolver::ClosingPairKeptBack() {
    ApplyStep(cubWork, CloseLeft);
    ApplyStep(cubWork, CloseRight);
    blnRecorded = false;
}

// Records a pending closing pair, already applied to cubWork.
void clsSolver::Flush() {
    if (!blnRecorded) {
        AddStep(CloseLeft);
        AddStep(CloseRight);
        blnRecorded = true;
    }
}

void clsSolver::RotateWithFlush(std::int16_t intStep) {
    Flush();
    Move(intStep);
}

} // namespace turnix
