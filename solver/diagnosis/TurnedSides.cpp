#include "TurnedSides.h"

#include <array>
#include <cstddef>

namespace turnix {

namespace {

// The outer squares in clockwise order round the centre: a quarter turn
// moves each two places along.
constexpr std::array<std::size_t, 8> Ring{0, 1, 2, 5, 8, 7, 6, 3};

constexpr std::array<std::int16_t, side::Count> ReportSideOrder{
    side::Top, side::Right, side::Front, side::Bottom, side::Left, side::Back};

} // namespace

CubeColorValues TurnOuterSquares(const CubeColorValues& colors, TurnedSide turn) {
    CubeColorValues turned = colors;
    const auto& before = colors[static_cast<std::size_t>(turn.side)];
    auto& after = turned[static_cast<std::size_t>(turn.side)];
    const auto shift = static_cast<std::size_t>(2 * turn.quarters);
    for (std::size_t k = 0; k < Ring.size(); ++k) {
        after[Ring[(k + shift) % Ring.size()]] = before[Ring[k]];
    }
    return turned;
}

std::vector<TurnedSide> TurnedSides(const CubeColorValues& colors) {
    std::vector<TurnedSide> turned;
    if (Diagnose(colors).empty()) {
        return turned;
    }
    for (const std::int16_t s : ReportSideOrder) {
        for (int quarters = 1; quarters <= 3; ++quarters) {
            const TurnedSide turn{s, quarters};
            if (ArrangementOf(TurnOuterSquares(colors, turn))) {
                turned.push_back(turn);
                break;
            }
        }
    }
    return turned;
}

} // namespace turnix
