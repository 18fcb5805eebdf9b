#pragma once

#include <string_view>

namespace turnix::cli {

// Every message on standard error but the two the program shows begins so.
inline constexpr std::string_view Program = "turnix-cli: ";
inline constexpr std::string_view StandardInputName = "standard input";
inline constexpr std::string_view CannotReadInput = "cannot read standard input";

// The same messages the program shows.
inline constexpr std::string_view InvalidMessage = "Invalid Cube Configuration";
inline constexpr std::string_view CompleteMessage = "Cube is already complete";

} // namespace turnix::cli
