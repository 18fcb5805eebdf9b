#include "clsSide.h"

#include "ColorMoves.h"

#include <stdexcept>
#include <utility>

namespace turnix {

namespace {

std::size_t CheckedSquareIndex(std::int16_t intIndex) {
    if (!IsSquare(intIndex)) {
        throw std::out_of_range("square index must lie in 0..8");
    }
    return static_cast<std::size_t>(intIndex);
}

} // namespace

clsSide::clsSide() {
    for (auto& square : squares) {
        square = std::make_shared<clsSquare>();
    }
}

const SquarePtr& clsSide::Square(std::int16_t intIndex) const {
    return squares[CheckedSquareIndex(intIndex)];
}

void clsSide::SetSquare(std::int16_t intIndex, SquarePtr squNewSquare) {
    squares[CheckedSquareIndex(intIndex)] = std::move(squNewSquare);
}

// The quarter turns are five four-cycles: face corners, face edges, the two
// cycles of corner squares in the strips, and the strip edge squares. Each
// strip's values move on to the next strip in the sense of the turn.
void clsSide::RotateClockwise() noexcept {
    auto& s = squares;
    ShiftFour(*s[0], *s[6], *s[8], *s[2]);
    ShiftFour(*s[1], *s[3], *s[7], *s[5]);
    ShiftFour(*NorthWestPtrToNorth(), *SouthWestPtrToWest(), *SouthEastPtrToSouth(),
              *NorthEastPtrToEast());
    ShiftFour(*NorthPtr(), *WestPtr(), *SouthPtr(), *EastPtr());
    ShiftFour(*NorthEastPtrToNorth(), *NorthWestPtrToWest(), *SouthWestPtrToSouth(),
              *SouthEastPtrToEast());
}

void clsSide::RotateCounterclockwise() noexcept {
    auto& s = squares;
    ShiftFour(*s[0], *s[2], *s[8], *s[6]);
    ShiftFour(*s[1], *s[5], *s[7], *s[3]);
    ShiftFour(*NorthWestPtrToNorth(), *NorthEastPtrToEast(), *SouthEastPtrToSouth(),
              *SouthWestPtrToWest());
    ShiftFour(*NorthPtr(), *EastPtr(), *SouthPtr(), *WestPtr());
    ShiftFour(*NorthEastPtrToNorth(), *SouthEastPtrToEast(), *SouthWestPtrToSouth(),
              *NorthWestPtrToWest());
}

// A half turn exchanges each position with the one opposite it.
void clsSide::RotateDouble() noexcept {
    auto& s = squares;
    Exchange(*s[0], *s[8]);
    Exchange(*s[2], *s[6]);
    Exchange(*s[1], *s[7]);
    Exchange(*s[3], *s[5]);
    Exchange(*NorthWestPtrToNorth(), *SouthEastPtrToSouth());
    Exchange(*NorthPtr(), *SouthPtr());
    Exchange(*NorthEastPtrToNorth(), *SouthWestPtrToSouth());
    Exchange(*NorthEastPtrToEast(), *SouthWestPtrToWest());
    Exchange(*EastPtr(), *WestPtr());
    Exchange(*SouthEastPtrToEast(), *NorthWestPtrToWest());
}

} // namespace turnix
