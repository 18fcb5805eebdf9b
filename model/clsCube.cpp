#include "clsCube.h"

#include "ColorMoves.h"

#include <stdexcept>

namespace turnix {

namespace {

using namespace side;

// Each link by the edge whose neighbour it reaches, in link order.
struct LinkDirection {
    clsSide::Link link;
    Edge towards;
};
constexpr std::array<LinkDirection, clsSide::LinkCount> LinkDirections{{
    {clsSide::Link::North, Edge::North},
    {clsSide::Link::East, Edge::East},
    {clsSide::Link::South, Edge::South},
    {clsSide::Link::West, Edge::West},
    {clsSide::Link::NorthWestToNorth, Edge::North},
    {clsSide::Link::NorthWestToWest, Edge::West},
    {clsSide::Link::NorthEastToNorth, Edge::North},
    {clsSide::Link::NorthEastToEast, Edge::East},
    {clsSide::Link::SouthEastToEast, Edge::East},
    {clsSide::Link::SouthEastToSouth, Edge::South},
    {clsSide::Link::SouthWestToSouth, Edge::South},
    {clsSide::Link::SouthWestToWest, Edge::West},
}};

// The square each link reaches on that neighbour, in the same order:
// four edge links, then the corner links two by two, north-west first.
// clang-format off
constexpr std::array<std::array<std::int16_t, clsSide::LinkCount>, side::Count> LinkedSquares{{
    {1, 1, 1, 1,   2, 0, 0, 2, 0, 2, 0, 2}, // Top
    {7, 7, 7, 7,   6, 8, 8, 6, 8, 6, 8, 6}, // Bottom
    {7, 3, 1, 5,   6, 2, 8, 0, 6, 2, 0, 8}, // Front
    {1, 3, 7, 5,   2, 2, 0, 0, 6, 6, 8, 8}, // Back
    {3, 3, 3, 5,   0, 2, 6, 0, 6, 0, 6, 8}, // Left
    {5, 3, 5, 5,   8, 2, 2, 0, 6, 8, 2, 8}, // Right
}};
// clang-format on

std::size_t CheckedSideIndex(std::int16_t intIndex) {
    if (!IsSide(intIndex)) {
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

// Each side is named, and so are the neighbours at its four edges as it is
// seen from outside with its north edge up.
void clsCube::SetLabels() {
    for (std::int16_t s = 0; s < side::Count; ++s) {
        const auto neighbour = [s](Edge edge) {
            return std::string(SideName(NeighbourAt(s, edge)));
        };
        clsSide& sid = Side(s);
        sid.SetMainLabel(std::string(SideName(s)) + " Side");
        sid.SetNorthLabel(neighbour(Edge::North));
        sid.SetWestLabel(neighbour(Edge::West));
        sid.SetEastLabel(neighbour(Edge::East));
        sid.SetSouthLabel(neighbour(Edge::South));
    }
}

void clsCube::SetLinks() {
    for (std::int16_t s = 0; s < side::Count; ++s) {
        clsSide& sid = Side(s);
        const auto& squares = LinkedSquares[static_cast<std::size_t>(s)];
        for (std::size_t k = 0; k < LinkDirections.size(); ++k) {
            const std::int16_t neighbour = NeighbourAt(s, LinkDirections[k].towards);
            sid.SetLinkedSquare(LinkDirections[k].link, Side(neighbour).Square(squares[k]));
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
