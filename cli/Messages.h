#pragma once

#include "SolveMessages.h"

#include <string_view>

namespace turnix::cli {

// Every message on standard error but the two the program shows begins so.
inline constexpr std::string_view Program = "turnix-cli: ";
inline constexpr std::string_view StandardInputName = "standard input";
inline constexpr std::string_view CannotReadInput = "cannot read standard input";

} // namespace turnix::cli
