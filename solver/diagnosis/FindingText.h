#pragma once

#include "Diagnosis.h"

#include <string>
#include <string_view>
#include <vector>

namespace turnix {

// The findings in plain sentences, with the program's side names.
inline constexpr std::string_view ReadyToSolve = "Ready to solve";

// "Top", "Bottom", "Front", "Back", "Left", "Right"; empty outside 0..5.
[[nodiscard]] std::string_view SideName(std::int16_t side) noexcept;

// "edge between Top and Front", "corner at Top, Front, Right": a corner's
// Top or Bottom side first, then the other two counterclockwise.
[[nodiscard]] std::string PositionWords(PiecePosition position);

// One sentence, such as "The Top colour has 10 squares; it should have 9."
[[nodiscard]] std::string FindingSentence(const Finding& finding);

// One sentence per finding, or ReadyToSolve alone when there is none.
[[nodiscard]] std::vector<std::string> DiagnosisSentences(const std::vector<Finding>& findings);

} // namespace turnix
