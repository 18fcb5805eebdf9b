#pragma once

#include "clsSolver.h"

#include <optional>
#include <string>
#include <string_view>

namespace turnix::cli {

// text: one description per line, as the program lists "Steps to
// Completion"; codes: the step codes on one line; notation: the usual
// face-turn notation on one line.
enum class OutputFormat { Text, Codes, Notation };

[[nodiscard]] std::optional<OutputFormat> ParseOutputFormat(std::string_view name) noexcept;

// Appends the steps from the cursor to the end, without a final line end;
// the cursor is left where it stood.
void AppendSolution(clsSolver& solver, OutputFormat format, std::string& out);

} // namespace turnix::cli
