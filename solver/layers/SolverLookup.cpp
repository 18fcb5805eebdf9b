#include "clsSolver.h"

#include <array>

namespace turnix {

namespace {

using Link = clsSide::Link;

// Edge squares in search order (north, east, south, west), each with the
// link to the other square of its edge piece.
struct EdgeProbe {
    std::int16_t square;
    Link across;
};
constexpr std::array<EdgeProbe, 4> EdgeProbes{{
    {square::North, Link::North},
    {square::East, Link::East},
    {square::South, Link::South},
    {square::West, Link::West},
}};

// Corner squares in search order, each with the links to the other two
// squares of its corner piece, so that own, first, second run clockwise.
struct CornerProbe {
    std::int16_t square;
    Link first;
    Link second;
};
constexpr std::array<CornerProbe, 4> CornerProbes{{
    {square::NorthWest, Link::NorthWestToWest, Link::NorthWestToNorth},
    {square::NorthEast, Link::NorthEastToNorth, Link::NorthEastToEast},
    {square::SouthEast, Link::SouthEastToEast, Link::SouthEastToSouth},
    {square::SouthWest, Link::SouthWestToSouth, Link::SouthWestToWest},
}};

[[nodiscard]] std::int16_t ColorAt(const clsSide& sid, std::int16_t square) {
    return sid.Square(square)->ColorIndex();
}

[[nodiscard]] std::int16_t ColorAt(const clsSide& sid, Link link) noexcept {
    return sid.LinkedSquare(link)->ColorIndex();
}

} // namespace

void clsSolver::ReadCenterColors() noexcept {
    const auto center = [this](std::int16_t s) {
        return cubWork.Side(s).Square(square::Centre)->ColorIndex();
    };
    intFrontColor = center(side::Front);
    intBackColor = center(side::Back);
    intTopColor = center(side::Top);
    intBottomColor = center(side::Bottom);
    intLeftColor = center(side::Left);
    intRightColor = center(side::Right);
}

SquareLocation clsSolver::FindCenter(std::int16_t intColor) const {
    for (std::int16_t s = 0; s < side::Count; ++s) {
        if (ColorAt(cubWork.Side(s), square::Centre) == intColor) {
            return {s, square::Centre, true};
        }
    }
    return {};
}

SquareLocation clsSolver::FindEdge(std::int16_t intColor1, std::int16_t intColor2) const {
    for (std::int16_t s = 0; s < side::Count; ++s) {
        const clsSide& sid = cubWork.Side(s);
        for (const EdgeProbe& probe : EdgeProbes) {
            if (ColorAt(sid, probe.square) == intColor1 &&
                ColorAt(sid, probe.across) == intColor2) {
                return {s, probe.square, true};
            }
        }
    }
    return {};
}

SquareLocation clsSolver::FindCorner(std::int16_t intColor1, std::int16_t intColor2,
                                     std::int16_t intColor3) const {
    for (std::int16_t s = 0; s < side::Count; ++s) {
        const clsSide& sid = cubWork.Side(s);
        for (const CornerProbe& probe : CornerProbes) {
            if (ColorAt(sid, probe.square) == intColor1 && ColorAt(sid, probe.first) == intColor2 &&
                ColorAt(sid, probe.second) == intColor3) {
                return {s, probe.square, true};
            }
        }
    }
    return {};
}

// With six different centres, every check must be met by a different
// piece, so passing means the cube holds exactly the 20 pieces of a cube;
// whether turning can reach their arrangement is left to stages 4 and 5.
bool clsSolver::ValidateCube() const {
    const std::int16_t top = intTopColor;
    const std::int16_t bottom = intBottomColor;
    const std::int16_t front = intFrontColor;
    const std::int16_t back = intBackColor;
    const std::int16_t left = intLeftColor;
    const std::int16_t right = intRightColor;

    const std::array<std::array<std::int16_t, 2>, 12> edges{{
        {top, front},
        {top, right},
        {top, back},
        {top, left},
        {front, left},
        {front, right},
        {back, left},
        {back, right},
        {front, bottom},
        {left, bottom},
        {right, bottom},
        {back, bottom},
    }};
    for (const auto& [c1, c2] : edges) {
        if (!FindEdge(c1, c2).Found) {
            return false;
        }
    }

    const std::array<std::array<std::int16_t, 3>, 8> corners{{
        {top, right, front},
        {top, front, left},
        {top, back, right},
        {top, left, back},
        {bottom, right, back},
        {bottom, back, left},
        {bottom, front, right},
        {bottom, left, front},
    }};
    for (const auto& [c1, c2, c3] : corners) {
        if (!FindCorner(c1, c2, c3).Found) {
            return false;
        }
    }

    for (std::int16_t color = 0; color < side::Count; ++color) {
        if (!FindCenter(color).Found) {
            return false;
        }
    }
    return true;
}

} // namespace turnix
