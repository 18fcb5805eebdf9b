#pragma once

#include "CubeVocabulary.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace turnix {

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
    Edge edge{Edge::North};
    std::optional<Edge> towards;

    bool operator==(const TurnHint&) const = default;
};

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
