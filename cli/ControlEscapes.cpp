#include "ControlEscapes.h"

#include <cstdint>

namespace turnix::cli {

namespace {

constexpr std::string_view HexDigits = "0123456789ABCDEF";

[[nodiscard]] std::string Hex(std::uint8_t byte) {
    return {HexDigits[byte >> 4U], HexDigits[byte & 0xFU]};
}

[[nodiscard]] bool IsContinuation(std::uint8_t byte) noexcept {
    return (byte & 0xC0U) == 0x80U;
}

// The length of the UTF-8 sequence at the start of the text; 0 when there
// is none.
[[nodiscard]] std::size_t SequenceLength(std::string_view text) noexcept {
    const auto lead = static_cast<std::uint8_t>(text.front());
    const std::size_t length = lead >= 0xC2U && lead <= 0xDFU   ? 2
                               : lead >= 0xE0U && lead <= 0xEFU ? 3
                               : lead >= 0xF0U && lead <= 0xF4U ? 4
                                                                : 0;
    if (length == 0 || text.size() < length) {
        return 0;
    }
    for (std::size_t k = 1; k < length; ++k) {
        if (!IsContinuation(static_cast<std::uint8_t>(text[k]))) {
            return 0;
        }
    }
    return length;
}

[[nodiscard]] std::string EscapedControl(std::uint8_t byte) {
    switch (byte) {
    case '\t':
        return "\\t";
    case '\n':
        return "\\n";
    case '\r':
        return "\\r";
    default:
        return "\\x" + Hex(byte);
    }
}

} // namespace

std::string EscapeControlCharacters(std::string_view text) {
    std::string shown;
    shown.reserve(text.size());
    for (std::size_t k = 0; k < text.size();) {
        const auto byte = static_cast<std::uint8_t>(text[k]);
        if (byte < 0x20U || byte == 0x7FU) {
            shown += EscapedControl(byte);
            ++k;
        } else if (byte < 0x80U) {
            shown += text[k];
            ++k;
        } else if (const std::size_t length = SequenceLength(text.substr(k)); length == 0) {
            shown += "\\x" + Hex(byte);
            ++k;
        } else if (byte == 0xC2U && static_cast<std::uint8_t>(text[k + 1]) < 0xA0U) {
            // U+0080..U+009F, the C1 controls.
            shown += "\\u00" + Hex(static_cast<std::uint8_t>(text[k + 1]));
            k += 2;
        } else {
            shown += text.substr(k, length);
            k += length;
        }
    }
    return shown;
}

} // namespace turnix::cli
