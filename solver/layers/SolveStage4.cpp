// Fourth stage: the four corner pieces of the bottom layer, placed from a
// table of 24 arrangements, then twisted from a table of 26 patterns.

#include "SolverTables.h"
#include "StepCodes.h"

#include <algorithm>

namespace turnix {

namespace {

using namespace side;

// Bottom corner positions 1 to 4 (front-left, front-right, back-right,
// back-left) by their three squares; piece p belongs in position p.
constexpr std::array<std::array<SquareAt, 3>, 4> BottomCornerSquares{{
    {{{Front, 6}, {Bottom, 0}, {Left, 8}}},
    {{{Front, 8}, {Right, 6}, {Bottom, 2}}},
    {{{Back, 6}, {Bottom, 8}, {Right, 8}}},
    {{{Back, 8}, {Left, 6}, {Bottom, 6}}},
}};

// Placement: which piece (1..4) sits in positions 1, 2 and 3; position 4
// holds the one left over.
[[nodiscard]] constexpr std::uint16_t Placement(std::string_view pieces) {
    return PatternKey(pieces, 10);
}

enum class Exchange : std::uint8_t { None, Diagonal, Front };

// Both exchanges keep the first two layers.
constexpr MoveSequence<10> FrontExchange = Moves("R' D' R F D F' R' D R D2"); // positions 1, 2
constexpr MoveSequence<7> DiagonalExchange = Moves("F' D' R' D R F D");       // positions 1, 3

// Bottom turns and rotations (y left, y' right) that line the pieces up
// for one exchange; afterwards all four corners are home.
struct PlacementRow {
    std::uint16_t key;
    MoveSequence<3> before;
    Exchange exchange;
};
constexpr std::array<PlacementRow, 23> PlacementTable{{
    {Placement("123"), {}, Exchange::None},
    {Placement("412"), Moves("D'"), Exchange::None},
    {Placement("234"), Moves("D"), Exchange::None},
    {Placement("341"), Moves("D2"), Exchange::None},
    {Placement("432"), Moves("D'"), Exchange::Diagonal},
    {Placement("143"), Moves("y'"), Exchange::Diagonal},
    {Placement("214"), Moves("D"), Exchange::Diagonal},
    {Placement("321"), {}, Exchange::Diagonal},
    {Placement("124"), Moves("y' y'"), Exchange::Front},
    {Placement("132"), Moves("y"), Exchange::Front},
    {Placement("134"), Moves("D"), Exchange::Front},
    {Placement("142"), Moves("D' y'"), Exchange::Front},
    {Placement("413"), Moves("D' y"), Exchange::Front},
    {Placement("421"), Moves("D'"), Exchange::Front},
    {Placement("423"), Moves("y'"), Exchange::Front},
    {Placement("431"), Moves("D2 y' y'"), Exchange::Front},
    {Placement("231"), Moves("D y'"), Exchange::Front},
    {Placement("241"), Moves("D2 y"), Exchange::Front},
    {Placement("243"), Moves("D y' y'"), Exchange::Front},
    {Placement("314"), Moves("D2 y'"), Exchange::Front},
    {Placement("312"), Moves("D' y' y'"), Exchange::Front},
    {Placement("324"), Moves("D y"), Exchange::Front},
    {Placement("342"), Moves("D2"), Exchange::Front},
}};
// Any other arrangement ("213" once the first two layers are solved).
constexpr PlacementRow OtherPlacement{0, {}, Exchange::Front};

// Corner pattern: which of these squares show the bottom colour. The side
// squares of the bottom row (front, right, back, left; square 6 before 8),
// then the bottom's corners 0, 2, 8, 6.
constexpr std::array<SquareAt, 12> CornerPatternSquares{{
    {Front, 6},
    {Front, 8},
    {Right, 6},
    {Right, 8},
    {Back, 6},
    {Back, 8},
    {Left, 6},
    {Left, 8},
    {Bottom, 0},
    {Bottom, 2},
    {Bottom, 8},
    {Bottom, 6},
}};

[[nodiscard]] constexpr std::uint16_t Corners(std::string_view pattern) {
    return PatternKey(pattern);
}

constexpr std::uint16_t CornersSolved = Corners("000000001111");

// Twist A (mode 0) turns the corners in positions 2, 3 and 4 one way,
// twist B (mode 1) the other; position 1 keeps its twist.
constexpr MoveSequence<8> TwistA = Moves("R' D' R D' R' D2 R D2");
constexpr MoveSequence<8> TwistB = Moves("D2 R' D2 R D R' D R");

// Seven base patterns, each also in its three rotated forms with the
// rotation (y' right, y left) that brings it back to the base.
struct TwistRow {
    std::uint16_t key;
    MoveSequence<2> rotation;
    std::int16_t mode;
};
constexpr std::array<TwistRow, 26> TwistTable{{
    {Corners("001011010000"), {}, 0},
    {Corners("010101001000"), {}, 0},
    {Corners("100001000110"), {}, 0},
    {Corners("110000000011"), {}, 0},
    {Corners("100100000101"), {}, 0},
    {Corners("001100110000"), {}, 0},
    {Corners("101101000000"), Moves("y'"), 0},
    {Corners("010100010001"), Moves("y'"), 0},
    {Corners("000100101100"), Moves("y'"), 0},
    {Corners("000000110110"), Moves("y'"), 0},
    {Corners("010000101010"), Moves("y'"), 0},
    {Corners("110011000000"), Moves("y'"), 0},
    {Corners("110100100000"), Moves("y' y'"), 0},
    {Corners("010001010010"), Moves("y' y'"), 0},
    {Corners("010010001001"), Moves("y' y'"), 0},
    {Corners("000011001100"), Moves("y' y'"), 0},
    {Corners("000010010101"), Moves("y' y'"), 0},
    {Corners("010010110000"), Moves("y"), 0},
    {Corners("000101010100"), Moves("y"), 0},
    {Corners("001000010011"), Moves("y"), 0},
    {Corners("001100001001"), Moves("y"), 0},
    {Corners("001001001010"), Moves("y"), 0},
    {Corners("001010101000"), {}, 1},
    {Corners("101010000001"), Moves("y'"), 1},
    {Corners("101000100010"), Moves("y' y'"), 1},
    {Corners("100010100100"), Moves("y"), 1},
}};

} // namespace

bool clsSolver::SolveStage4() {
    ReadCenterColors();
    const std::array<std::array<std::int16_t, 3>, 4> pieces{{
        {intFrontColor, intBottomColor, intLeftColor},
        {intFrontColor, intRightColor, intBottomColor},
        {intBackColor, intBottomColor, intRightColor},
        {intBackColor, intLeftColor, intBottomColor},
    }};
    std::array<std::uint16_t, 3> pieceIn{0, 0, 0};
    for (std::size_t p = 1; p <= pieces.size(); ++p) {
        const auto& [c1, c2, c3] = pieces[p - 1U];
        const SquareAt at = PlaceOf(FindCorner(c1, c2, c3));
        for (std::size_t k = 0; k < pieceIn.size(); ++k) {
            if (std::ranges::find(BottomCornerSquares[k], at) != BottomCornerSquares[k].end()) {
                pieceIn[k] = static_cast<std::uint16_t>(p);
                break;
            }
        }
    }
    const auto key = static_cast<std::uint16_t>(100U * pieceIn[0] + 10U * pieceIn[1] + pieceIn[2]);
    const PlacementRow* row = FindRow(PlacementTable, key);
    const PlacementRow& placement = row != nullptr ? *row : OtherPlacement;
    Play(placement.before.Span());
    if (placement.exchange == Exchange::Front) {
        Play(FrontExchange.Span());
    } else if (placement.exchange == Exchange::Diagonal) {
        Play(DiagonalExchange.Span());
    }

    // A pattern outside the table has twists that do not add up to whole
    // turns: a corner twisted on its own, which no turning can undo.
    for (std::uint16_t pattern = BottomCornerPattern(); pattern != CornersSolved;
         pattern = BottomCornerPattern()) {
        const TwistRow* twist = FindRow(TwistTable, pattern);
        if (twist == nullptr) {
            return false;
        }
        Play(twist->rotation.Span());
        TwistBottomCorners(twist->mode);
    }
    return true;
}

std::uint16_t clsSolver::BottomCornerPattern() {
    ReadCenterColors();
    return BottomColorPattern(cubWork, intBottomColor, CornerPatternSquares);
}

void clsSolver::TwistBottomCorners(std::int16_t intMode) {
    Play(intMode == 1 ? TwistB.Span() : TwistA.Span());
}

} // namespace turnix
