#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace turnix::cli {

// text: one description per line, as the program lists "Steps to
// Completion"; codes: the step codes on one line; notation: the usual
// face-turn notation on one line.
enum class OutputFormat { Text, Codes, Notation };

[[nodiscard]] std::optional<OutputFormat> ParseOutputFormat(std::string_view name) noexcept;

// Appends the steps in order, without a final line end.
void AppendSteps(std::span<const std::int16_t> steps, OutputFormat format, std::string& out);

} // namespace turnix::cli
