#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace turnix {

// The sense of a side turn, as seen looking straight at the turning side
// from outside the cube.
enum class TurnSense : std::uint8_t { Clockwise, Counterclockwise, Half };

// An edge of a side as the grid shows it: north at the top.
enum class GridEdge : std::uint8_t { North, East, South, West };

// Where the turning side lies, seen from the side shown.
enum class HintPlace : std::uint8_t { ShownSide, AlongEdge, Opposite };

// What to draw for one side turn over one side: a curved arrow on the side
// itself; an arrow along the row or column next to edge, pointing where its
// squares go; or, for the side facing away, nothing on the side at all.
struct TurnHint {
    HintPlace place{HintPlace::ShownSide};
    // The side that turns, and how.
    std::int16_t side{0};
    TurnSense sense{TurnSense::Clockwise};
    // AlongEdge only: the edge whose row or column moves, and, for a
    // quarter turn, the edge its squares move towards. A half turn sends
    // them to the opposite side either way round, so it has no direction.
    GridEdge edge{GridEdge::North};
    std::optional<GridEdge> towards;

    bool operator==(const TurnHint&) const = default;
};

// The side that borders side (0..5) at edge of the grid, as the grid's
// neighbour labels name it.
[[nodiscard]] std::int16_t NeighbourAt(std::int16_t side, GridEdge edge);

// The side and sense of a step code 0..17; nothing for other codes.
struct StepTurn {
    std::int16_t side;
    TurnSense sense;
};
[[nodiscard]] std::optional<StepTurn> StepTurnOf(std::int16_t code) noexcept;

// The hint for step code over shownSide; nothing for codes outside 0..17.
[[nodiscard]] std::optional<TurnHint> TurnHintFor(std::int16_t code,
                                                  std::int16_t shownSide) noexcept;

// "clockwise", "counterclockwise" or "twice", as the step texts say it.
[[nodiscard]] std::string_view SenseWords(TurnSense sense) noexcept;

} // namespace turnix
