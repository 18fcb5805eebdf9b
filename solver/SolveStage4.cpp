// Fourth stage: the four corner pieces of the bottom layer, placed from a
// table of 24 arrangements, then twisted from a table of 26 patterns.

#include "SolverTables.h"
#include "StepCodes.h"

#include <algorithm>

namespace turnix {

namespace {

// Bottom corner positions 1 to 4 (front-left, front-right, back-right,
// back-left) by their three squares; piece p belongs in position p.
constexpr std::array<std::array<Place, 3>, 4> BottomCornerSquares{{
    {{{2, 6}, {1, 0}, {4, 8}}},
    {{{2, 8}, {5, 6}, {1, 2}}},
    {{{3, 6}, {1, 8}, {5, 8}}},
    {{{3, 8}, {4, 6}, {1, 6}}},
}};

// Placement: which piece (1..4) sits in positions 1, 2 and 3; position 4
// holds the one left over.
[[nodiscard]] constexpr std::uint16_t Placement(std::string_view pieces) {
    return PatternKey(pieces, 10);
}

enum class Exchange : std::uint8_t { None, Diagonal, Front };

// Both exchanges keep the first two layers.
constexpr MoveSequence<10> FrontExchange{10, 16, 9, 0, 15, 1, 10, 15, 9, 17}; // positions 1, 2
constexpr MoveSequence<7> DiagonalExchange{1, 16, 10, 15, 9, 0, 15};          // positions 1, 3

// Bottom turns and rotations (20 left, 21 right) that line the pieces up
// for one exchange; afterwards all four corners are home.
struct PlacementRow {
    std::uint16_t key;
    MoveSequence<3> before;
    Exchange exchange;
};
constexpr std::array<PlacementRow, 23> PlacementTable{{
    {Placement("123"), {}, Exchange::None},
    {Placement("412"), {16}, Exchange::None},
    {Placement("234"), {15}, Exchange::None},
    {Placement("341"), {17}, Exchange::None},
    {Placement("432"), {16}, Exchange::Diagonal},
    {Placement("143"), {21}, Exchange::Diagonal},
    {Placement("214"), {15}, Exchange::Diagonal},
    {Placement("321"), {}, Exchange::Diagonal},
    {Placement("124"), {21, 21}, Exchange::Front},
    {Placement("132"), {20}, Exchange::Front},
    {Placement("134"), {15}, Exchange::Front},
    {Placement("142"), {16, 21}, Exchange::Front},
    {Placement("413"), {16, 20}, Exchange::Front},
    {Placement("421"), {16}, Exchange::Front},
    {Placement("423"), {21}, Exchange::Front},
    {Placement("431"), {17, 21, 21}, Exchange::Front},
    {Placement("231"), {15, 21}, Exchange::Front},
    {Placement("241"), {17, 20}, Exchange::Front},
    {Placement("243"), {15, 21, 21}, Exchange::Front},
    {Placement("314"), {17, 21}, Exchange::Front},
    {Placement("312"), {16, 21, 21}, Exchange::Front},
    {Placement("324"), {15, 20}, Exchange::Front},
    {Placement("342"), {17}, Exchange::Front},
}};
// Any other arrangement ("213" once the first two layers are solved).
constexpr PlacementRow OtherPlacement{0, {}, Exchange::Front};

// Corner pattern: which of these squares show the bottom colour. The side
// squares of the bottom row (front, right, back, left; square 6 before 8),
// then the bottom's corners 0, 2, 8, 6.
constexpr std::array<Place, 12> CornerPatternSquares{{
    {2, 6},
    {2, 8},
    {5, 6},
    {5, 8},
    {3, 6},
    {3, 8},
    {4, 6},
    {4, 8},
    {1, 0},
    {1, 2},
    {1, 8},
    {1, 6},
}};

[[nodiscard]] constexpr std::uint16_t Corners(std::string_view pattern) {
    return PatternKey(pattern);
}

constexpr std::uint16_t CornersSolved = Corners("000000001111");

// Twist A (mode 0) turns the corners in positions 2, 3 and 4 one way,
// twist B (mode 1) the other; position 1 keeps its twist.
constexpr MoveSequence<8> TwistA{10, 16, 9, 16, 10, 17, 9, 17};
constexpr MoveSequence<8> TwistB{17, 10, 17, 9, 15, 10, 15, 9};

// Seven base patterns, each also in its three rotated forms with the
// rotation (21 right, 20 left) that brings it back to the base.
struct TwistRow {
    std::uint16_t key;
    MoveSequence<2> rotation;
    std::int16_t mode;
};
constexpr std::array<TwistRow, 26> TwistTable{{
    {Corners("001011010000"), {}, 0},       {Corners("010101001000"), {}, 0},
    {Corners("100001000110"), {}, 0},       {Corners("110000000011"), {}, 0},
    {Corners("100100000101"), {}, 0},       {Corners("001100110000"), {}, 0},
    {Corners("101101000000"), {21}, 0},     {Corners("010100010001"), {21}, 0},
    {Corners("000100101100"), {21}, 0},     {Corners("000000110110"), {21}, 0},
    {Corners("010000101010"), {21}, 0},     {Corners("110011000000"), {21}, 0},
    {Corners("110100100000"), {21, 21}, 0}, {Corners("010001010010"), {21, 21}, 0},
    {Corners("010010001001"), {21, 21}, 0}, {Corners("000011001100"), {21, 21}, 0},
    {Corners("000010010101"), {21, 21}, 0}, {Corners("010010110000"), {20}, 0},
    {Corners("000101010100"), {20}, 0},     {Corners("001000010011"), {20}, 0},
    {Corners("001100001001"), {20}, 0},     {Corners("001001001010"), {20}, 0},
    {Corners("001010101000"), {}, 1},       {Corners("101010000001"), {21}, 1},
    {Corners("101000100010"), {21, 21}, 1}, {Corners("100010100100"), {20}, 1},
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
    for (std::uint16_t p = 1; p <= pieces.size(); ++p) {
        const auto& [c1, c2, c3] = pieces[p - 1U];
        const Place at = PlaceOf(FindCorner(c1, c2, c3));
        for (std::size_t k = 0; k < pieceIn.size(); ++k) {
            if (std::ranges::find(BottomCornerSquares[k], at) != BottomCornerSquares[k].end()) {
                pieceIn[k] = p;
                break;
            }
        }
    }
    const auto key = static_cast<std::uint16_t>(100U * pieceIn[0] + 10U * pieceIn[1] + pieceIn[2]);
    const PlacementRow* row = FindRow(PlacementTable, key);
    const PlacementRow& placement = row != nullptr ? *row : OtherPlacement;
    Moves(placement.before.Span());
    if (placement.exchange == Exchange::Front) {
        Moves(FrontExchange.Span());
    } else if (placement.exchange == Exchange::Diagonal) {
        Moves(DiagonalExchange.Span());
    }

    // A pattern outside the table has twists that do not add up to whole
    // turns: a corner twisted on its own, which no turning can undo.
    for (std::uint16_t pattern = BottomCornerPattern(); pattern != CornersSolved;
         pattern = BottomCornerPattern()) {
        const TwistRow* twist = FindRow(TwistTable, pattern);
        if (twist == nullptr) {
            return false;
        }
        Moves(twist->rotation.Span());
        TwistBottomCorners(twist->mode);
    }
    return true;
}

std::uint16_t clsSolver::BottomCornerPattern() {
    ReadCenterColors();
    return BottomColorPattern(cubWork, intBottomColor, CornerPatternSquares);
}

void clsSolver::TwistBottomCorners(std::int16_t intMode) {
    Moves(intMode == 1 ? TwistB.Span() : TwistA.Span());
}

} // namespace turnix
