#include "SolutionFormat.h"

#include "StepCodes.h"

#include <charconv>

namespace turnix::cli {

std::optional<OutputFormat> ParseOutputFormat(std::string_view name) noexcept {
    if (name == "text") {
        return OutputFormat::Text;
    }
    if (name == "codes") {
        return OutputFormat::Codes;
    }
    if (name == "notation") {
        return OutputFormat::Notation;
    }
    return std::nullopt;
}

void AppendSteps(std::span<const std::int16_t> steps, OutputFormat format, std::string& out) {
    const char separator = format == OutputFormat::Text ? '\n' : ' ';
    bool first = true;
    for (const std::int16_t code : steps) {
        if (!first) {
            out += separator;
        }
        first = false;
        switch (format) {
        case OutputFormat::Text:
            out += StepText(code);
            break;
        case OutputFormat::Notation:
            out += StepNotation(code);
            break;
        case OutputFormat::Codes: {
            char digits[8];
            const auto end = std::to_chars(digits, digits + sizeof digits, code).ptr;
            out.append(digits, end);
            break;
        }
        }
    }
}

} // namespace turnix::cli
