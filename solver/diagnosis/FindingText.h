#pragma once

#include "Diagnosis.h"
#include "TurnedSides.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace turnix {

// The findings in plain sentences, with the program's side names.
inline constexpr std::string_view ReadyToSolve = "Ready to solve";

// "edge between Top and Front", "corner at Top, Front, Right": a corner's
// Top or Bottom side first, then the other two counterclockwise.
[[nodiscard]] std::string PositionWords(PiecePosition position);

// What to call the colour that each side's centre shows ("White"), by side;
// an empty name leaves the colour named by its side ("The Top colour").
using ColorNames = std::array<std::string_view, side::Count>;

// One sentence, such as "The Top colour has 10 squares; it should have 9."
// or, with a name for the colour, "White has 10 squares; it should have 9."
[[nodiscard]] std::string FindingSentence(const Finding& finding, const ColorNames& names = {});

// One sentence per finding, or ReadyToSolve alone when there is none.
[[nodiscard]] std::vector<std::string> DiagnosisSentences(const std::vector<Finding>& findings,
                                                          const ColorNames& names = {});

// "The Bottom side looks entered turned half round."
[[nodiscard]] std::string TurnedSideSentence(TurnedSide turned);

} // namespace turnix
