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

void AppendSolution(clsSolver& solver, OutputFormat format, std::string& out) {
    const char separator = format == OutputFormat::Text ? '\n' : ' ';
    bool first = true;
    solver.SaveBookMark();
    for (; !solver.IsEOF(); solver.MoveNext()) {
        if (!first) {
            out += separator;
        }
        first = false;
        const std::int16_t code = solver.CurrentStep();
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
    solver.RestoreBookMark();
}

} // namespace turnix::cli
