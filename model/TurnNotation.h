#pragma once

#include "clsCube.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace turnix {

// Standard cube notation, as written scrambles use it: a face letter
// U D F B L R turns that side, x y z rotate the whole cube as R, U and F
// turn; a plain letter is a quarter turn clockwise, ' (or ’ or ′) one
// counterclockwise, 2 a half turn ("2'" is the same half turn). Moves are
// separated by white space or written together ("RU2F'").
enum class TurnAmount : std::uint8_t { Clockwise, Counterclockwise, Twice };

struct NotationMove {
    char letter; // one of UDFBLRxyz
    TurnAmount amount;

    friend bool operator==(const NotationMove&, const NotationMove&) = default;
};

struct NotationError {
    // 1-based position, in characters, where the bad token starts.
    std::size_t position;
    // The token as written, up to the next white space.
    std::string token;
};

[[nodiscard]] std::variant<std::vector<NotationMove>, NotationError>
ParseNotation(std::string_view line);

// Turns or rotates the cube as the move says, with clsSide's turns and
// clsCube's rotations.
void ApplyMove(const NotationMove& move, clsCube& cube) noexcept;

// Applies a whole line; on error the cube is left as it was.
[[nodiscard]] std::optional<NotationError> ApplyNotation(std::string_view line, clsCube& cube);

// "'U3' at position 4 is not a turn: ...", for a reader of a terminal.
[[nodiscard]] std::string NotationErrorText(const NotationError& error);

} // namespace turnix
