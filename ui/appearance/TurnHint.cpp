#include "TurnHint.h"

#include <algorithm>
#include <array>

namespace turnix {

namespace {

using Ring = std::array<std::int16_t, EdgesPerSide>;

[[nodiscard]] const Ring& NeighboursOf(std::int16_t s) {
    return Neighbours.at(static_cast<std::size_t>(s));
}

// The edge of from that borders to; to must be one of from's neighbours.
[[nodiscard]] Edge EdgeTowards(std::int16_t from, std::int16_t to) {
    const Ring& ring = NeighboursOf(from);
    return static_cast<Edge>(std::find(ring.cbegin(), ring.cend(), to) - ring.cbegin());
}

// One step round a side's edges: clockwise, or back the other way.
[[nodiscard]] Edge NextEdge(Edge edge, int steps) {
    return static_cast<Edge>((static_cast<int>(edge) + steps + EdgesPerSide) % EdgesPerSide);
}

} // namespace

std::optional<StepTurn> StepTurnOf(std::int16_t code) noexcept {
    if (!IsSideTurn(code)) {
        return std::nullopt;
    }
    return StepTurn{StepSide(code), SenseOf(code)};
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
    } else if (turn->side == OppositeSide(shownSide)) {
        hint.place = HintPlace::Opposite;
    } else {
        hint.place = HintPlace::AlongEdge;
        hint.edge = EdgeTowards(shownSide, turn->side);
        if (turn->sense != TurnSense::Half) {
            const Edge fromTurning = EdgeTowards(turn->side, shownSide);
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
