#include "clsCube.h"

#include "ColorMoves.h"

#include <stdexcept>
#include <string_view>

namespace turnix {

namespace {

using namespace side;

struct SquareRef {
    std::int16_t intSide;
    std::int16_t intSquare;
};

struct SideLabels {
    std::string_view main;
    std::string_view north;
    std::string_view west;
    std::string_view east;
    std::string_view south;
};

// Each side's own name and the neighbours at its four edges, as the side is
// seen from outside with its north edge up.
constexpr std::array<SideLabels, side::Count> Labels{{
    {"Top Side", "Back", "Left", "Right", "Front"},
    {"Bottom Side", "Front", "Left", "Right", "Back"},
    {"Front Side", "Top", "Left", "Right", "Bottom"},
    {"Back Side", "Top", "Right", "Left", "Bottom"},
    {"Left Side", "Top", "Back", "Front", "Bottom"},
    {"Right Side", "Top", "Front", "Back", "Bottom"},
}};

// Square of the neighbour across each edge: North, East, South, West.
constexpr std::array<std::array<SquareRef, 4>, side::Count> EdgeLinks{{
    {{{Back, 1}, {Right, 1}, {Front, 1}, {Left, 1}}}, // Top
    {{{Front, 7}, {Right, 7}, {Back, 7}, {Left, 7}}}, // Bottom
    {{{Top, 7}, {Right, 3}, {Bottom, 1}, {Left, 5}}}, // Front
    {{{Top, 1}, {Left, 3}, {Bottom, 7}, {Right, 5}}}, // Back
    {{{Top, 3}, {Front, 3}, {Bottom, 3}, {Back, 5}}}, // Left
    {{{Top, 5}, {Back, 3}, {Bottom, 5}, {Front, 5}}}, // Right
}};

constexpr std::array<clsSide::Link, 4> EdgeLinkOrder{clsSide::Link::North, clsSide::Link::East,
                                                     clsSide::Link::South, clsSide::Link::West};

// The two other squares of each corner piece: NorthWestToNorth,
// NorthWestToWest, NorthEastToNorth, NorthEastToEast, SouthEastToEast,
// SouthEastToSouth, SouthWestToSouth, SouthWestToWest.
constexpr std::array<std::array<SquareRef, 8>, side::Count> CornerLinks{{
    {{{Back, 2}, {Left, 0}, {Back, 0}, {Right, 2}, {Right, 0}, {Front, 2}, {Front, 0}, {Left, 2}}},
    {{{Front, 6}, {Left, 8}, {Front, 8}, {Right, 6}, {Right, 8}, {Back, 6}, {Back, 8}, {Left, 6}}},
    {{{Top, 6}, {Left, 2}, {Top, 8}, {Right, 0}, {Right, 6}, {Bottom, 2}, {Bottom, 0}, {Left, 8}}},
    {{{Top, 2}, {Right, 2}, {Top, 0}, {Left, 0}, {Left, 6}, {Bottom, 6}, {Bottom, 8}, {Right, 8}}},
    {{{Top, 0}, {Back, 2}, {Top, 6}, {Front, 0}, {Front, 6}, {Bottom, 0}, {Bottom, 6}, {Back, 8}}},
    {{{Top, 8}, {Front, 2}, {Top, 2}, {Back, 0}, {Back, 6}, {Bottom, 8}, {Bottom, 2}, {Front, 8}}},
}};

constexpr std::array<clsSide::Link, 8> CornerLinkOrder{
    clsSide::Link::NorthWestToNorth, clsSide::Link::NorthWestToWest,
    clsSide::Link::NorthEastToNorth, clsSide::Link::NorthEastToEast,
    clsSide::Link::SouthEastToEast,  clsSide::Link::SouthEastToSouth,
    clsSide::Link::SouthWestToSouth, clsSide::Link::SouthWestToWest};

std::size_t CheckedSideIndex(std::int16_t intIndex) {
    if (intIndex < 0 || intIndex >= side::Count) {
        throw std::out_of_range("side index must lie in 0..5");
    }
    return static_cast<std::size_t>(intIndex);
}

// a takes b's tag, b takes c's, c takes d's, d takes a's old one.
void ShiftTags(clsSide& a, clsSide& b, clsSide& c, clsSide& d) noexcept {
    a.SwapTag(b);
    b.SwapTag(c);
    c.SwapTag(d);
}

} // namespace

clsCube::clsCube() {
    for (auto& sid : sides) {
        sid = std::make_unique<clsSide>();
    }
    Reset();
    SetLabels();
    SetLinks();
}

void clsCube::Reset() {
    for (std::int16_t q = 0; q < clsSide::SquareCount; ++q) {
        for (std::int16_t s = 0; s < side::Count; ++s) {
            Side(s).Square(q)->SetColorIndex(s);
        }
    }
}

clsSide& clsCube::Side(std::int16_t intIndex) {
    return *sides[CheckedSideIndex(intIndex)];
}

const clsSide& clsCube::Side(std::int16_t intIndex) const {
    return *sides[CheckedSideIndex(intIndex)];
}

void clsCube::SetSide(std::int16_t intIndex, std::unique_ptr<clsSide> sidNewSide) {
    sides[CheckedSideIndex(intIndex)] = std::move(sidNewSide);
}

void clsCube::SetLabels() {
    for (std::int16_t s = 0; s < side::Count; ++s) {
        const SideLabels& labels = Labels[static_cast<std::size_t>(s)];
        clsSide& sid = Side(s);
        sid.SetMainLabel(std::string(labels.main));
        sid.SetNorthLabel(std::string(labels.north));
        sid.SetWestLabel(std::string(labels.west));
        sid.SetEastLabel(std::string(labels.east));
        sid.SetSouthLabel(std::string(labels.south));
    }
}

void clsCube::SetLinks() {
    const auto square = [this](SquareRef ref) {
        return Side(ref.intSide).Square(ref.intSquare);
    };
    for (std::size_t s = 0; s < sides.size(); ++s) {
        clsSide& sid = *sides[s];
        for (std::size_t k = 0; k < EdgeLinkOrder.size(); ++k) {
            sid.SetLinkedSquare(EdgeLinkOrder[k], square(EdgeLinks[s][k]));
        }
        for (std::size_t k = 0; k < CornerLinkOrder.size(); ++k) {
            sid.SetLinkedSquare(CornerLinkOrder[k], square(CornerLinks[s][k]));
        }
    }
}

// Each rotation turns the two sides on its axis in opposite senses, passes
// the tags of the four moving sides one place on, then carries the middle
// layer of those four sides along. The three steps touch disjoint squares.
void clsCube::RotateLeft() noexcept {
    clsSide& front = *sides[Front];
    clsSide& right = *sides[Right];
    clsSide& back = *sides[Back];
    clsSide& left = *sides[Left];
    sides[Top]->RotateClockwise();
    sides[Bottom]->RotateCounterclockwise();
    ShiftTags(front, right, back, left);
    for (std::int16_t k = 3; k <= 5; ++k) {
        ShiftFour(*front.Square(k), *right.Square(k), *back.Square(k), *left.Square(k));
    }
}

void clsCube::RotateRight() noexcept {
    clsSide& front = *sides[Front];
    clsSide& left = *sides[Left];
    clsSide& back = *sides[Back];
    clsSide& right = *sides[Right];
    sides[Top]->RotateCounterclockwise();
    sides[Bottom]->RotateClockwise();
    ShiftTags(front, left, back, right);
    for (std::int16_t k = 3; k <= 5; ++k) {
        ShiftFour(*front.Square(k), *left.Square(k), *back.Square(k), *right.Square(k));
    }
}

// The Back is seen from behind, so rolling the cube over its top reverses
// its square numbers: its middle column is addressed as 8 - k.
void clsCube::RotateUp() noexcept {
    clsSide& front = *sides[Front];
    clsSide& bottom = *sides[Bottom];
    clsSide& back = *sides[Back];
    clsSide& top = *sides[Top];
    sides[Right]->RotateClockwise();
    sides[Left]->RotateCounterclockwise();
    ShiftTags(front, bottom, back, top);
    for (std::int16_t k = 1; k <= 7; k += 3) {
        ShiftFour(*front.Square(k), *bottom.Square(k),
                  *back.Square(static_cast<std::int16_t>(8 - k)), *top.Square(k));
    }
}

void clsCube::RotateDown() noexcept {
    clsSide& front = *sides[Front];
    clsSide& top = *sides[Top];
    clsSide& back = *sides[Back];
    clsSide& bottom = *sides[Bottom];
    sides[Right]->RotateCounterclockwise();
    sides[Left]->RotateClockwise();
    ShiftTags(front, top, back, bottom);
    for (std::int16_t k = 1; k <= 7; k += 3) {
        ShiftFour(*front.Square(k), *top.Square(k), *back.Square(static_cast<std::int16_t>(8 - k)),
                  *bottom.Square(k));
    }
}

void clsCube::Copy(clsCube& cubNew) const {
    for (std::int16_t s = 0; s < side::Count; ++s) {
        const clsSide& from = Side(s);
        clsSide& to = cubNew.Side(s);
        for (std::int16_t q = 0; q < clsSide::SquareCount; ++q) {
            to.Square(q)->SetColorIndex(from.Square(q)->ColorIndex());
        }
    }
}

} // namespace turnix
