#include "TurnHint.h"

#include "clsCube.h"

#include <algorithm>
#include <array>

namespace turnix {

namespace {

using namespace side;
using Ring = std::array<std::int16_t, 4>;

// The neighbours of each side by edge, in the order of GridEdge (north,
// east, south, west: clockwise about the side).
constexpr std::array<Ring, side::Count> Neighbours{{
    {Back, Right, Front, Left}, // Top
    {Front, Right, Back, Left}, // Bottom
    {Top, Right, Bottom, Left}, // Front
    {Top, Left, Bottom, Right}, // Back
    {Top, Front, Bottom, Back}, // Left
    {Top, Back, Bottom, Front}, // Right
}};

// The side that each group of three step codes turns.
constexpr std::array<std::int16_t, 6> TurnedSides{Front, Left, Back, Right, Top, Bottom};

[[nodiscard]] const Ring& NeighboursOf(std::int16_t s) {
    return Neighbours.at(static_cast<std::size_t>(s));
}

// The edge of from that borders to; to must be one of from's neighbours.
[[nodiscard]] GridEdge EdgeTowards(std::int16_t from, std::int16_t to) {
    const Ring& ring = NeighboursOf(from);
    return static_cast<GridEdge>(std::find(ring.cbegin(), ring.cend(), to) - ring.cbegin());
}

// One step round a side's edges: clockwise, or back the other way.
[[nodiscard]] GridEdge NextEdge(GridEdge edge, int steps) {
    return static_cast<GridEdge>((static_cast<int>(edge) + steps + 4) % 4);
}

[[nodiscard]] constexpr std::int16_t OppositeOf(std::int16_t s) {
    return static_cast<std::int16_t>(s ^ 1);
}

} // namespace

std::int16_t NeighbourAt(std::int16_t side, GridEdge edge) {
    return NeighboursOf(side).at(static_cast<std::size_t>(edge));
}

std::optional<StepTurn> StepTurnOf(std::int16_t code) noexcept {
    if (code < 0 || code >= 3 * static_cast<std::int16_t>(TurnedSides.size())) {
        return std::nullopt;
    }
    return StepTurn{TurnedSides.at(static_cast<std::size_t>(code / 3)),
                    static_cast<TurnSense>(code % 3)};
}

// A quarter turn carries the strip that borders a neighbour round to the
// next neighbour of the turning side, clockwise or back; seen from the
// shown side, that neighbour lies at one end of the moving row or column.
std::optional<TurnHint> TurnHintFor(std::int16_t code, std::int16_t shownSide) noexcept {
    const std::optional<StepTurn> turn = StepTurnOf(code);
    if (!turn) {
        return std::nullopt;
    }
    TurnHint hint;
    hint.side = turn->side;
    hint.sense = turn->sense;
    if (turn->side == shownSide) {
        hint.place = HintPlace::ShownSide;
    } else if (turn->side == OppositeOf(shownSide)) {
        hint.place = HintPlace::Opposite;
    } else {
        hint.place = HintPlace::AlongEdge;
        hint.edge = EdgeTowards(shownSide, turn->side);
        if (turn->sense != TurnSense::Half) {
            const GridEdge fromTurning = EdgeTowards(turn->side, shownSide);
            const int steps = turn->sense == TurnSense::Clockwise ? 1 : -1;
            const std::int16_t onto =
                NeighboursOf(turn->side).at(static_cast<std::size_t>(NextEdge(fromTurning, steps)));
            hint.towards = EdgeTowards(shownSide, onto);
        }
    }
    return hint;
}

std::string_view SenseWords(TurnSense sense) noexcept {
    switch (sense) {
    case TurnSense::Clockwise:
        return "clockwise";
    case TurnSense::Counterclockwise:
        return "counterclockwise";
    case TurnSense::Half:
        break;
    }
    return "twice";
}

} // namespace turnix
