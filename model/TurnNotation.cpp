#include "TurnNotation.h"

#include <algorithm>
#include <array>
#include <utility>

namespace turnix {

namespace {

struct FaceLetter {
    char letter;
    std::int16_t side;
};

constexpr std::array<FaceLetter, side::Count> Faces{{
    {'U', side::Top},
    {'D', side::Bottom},
    {'F', side::Front},
    {'B', side::Back},
    {'L', side::Left},
    {'R', side::Right},
}};

constexpr std::string_view Rotations = "xyz";

// Typographic primes that word processors put in place of the apostrophe.
constexpr std::array<std::string_view, 3> Primes{"'", "\u2019", "\u2032"};

[[nodiscard]] bool IsSpace(char c) noexcept {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

[[nodiscard]] bool IsAsciiLetter(char c) noexcept {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

[[nodiscard]] bool IsMoveLetter(char c) noexcept {
    return std::ranges::any_of(Faces, [c](const FaceLetter& face) { return face.letter == c; }) ||
           Rotations.find(c) != std::string_view::npos;
}

// The length of the prime at the start of text, or 0.
[[nodiscard]] std::size_t PrimeLength(std::string_view text) noexcept {
    for (const std::string_view prime : Primes) {
        if (text.starts_with(prime)) {
            return prime.size();
        }
    }
    return 0;
}

// Characters, not bytes: a typographic prime is three bytes of UTF-8.
[[nodiscard]] std::size_t CharacterPosition(std::string_view line, std::size_t byte) noexcept {
    const auto continuation = [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0U) == 0x80U;
    };
    return 1 + static_cast<std::size_t>(std::ranges::count_if(
                   line.substr(0, byte), [&](char c) { return !continuation(c); }));
}

// The move at the start of text and its length in bytes; nothing when
// text does not start with one.
[[nodiscard]] std::optional<std::pair<NotationMove, std::size_t>> ReadMove(std::string_view text) {
    if (text.empty() || !IsMoveLetter(text.front())) {
        return std::nullopt;
    }
    NotationMove move{text.front(), TurnAmount::Clockwise};
    std::size_t length = 1;
    if (text.substr(length).starts_with('2')) {
        move.amount = TurnAmount::Twice;
        ++length;
    }
    if (const std::size_t prime = PrimeLength(text.substr(length)); prime > 0) {
        if (move.amount == TurnAmount::Clockwise) {
            move.amount = TurnAmount::Counterclockwise;
        }
        length += prime;
    }
    // A letter starts the next move, good or bad; anything else glued on
    // ("U3", "U,") spoils this one.
    const std::string_view rest = text.substr(length);
    if (!rest.empty() && !IsSpace(rest.front()) && !IsAsciiLetter(rest.front())) {
        return std::nullopt;
    }
    return std::pair{move, length};
}

void TurnSide(clsSide& face, TurnAmount amount) noexcept {
    switch (amount) {
    case TurnAmount::Clockwise:
        face.RotateClockwise();
        break;
    case TurnAmount::Counterclockwise:
        face.RotateCounterclockwise();
        break;
    case TurnAmount::Twice:
        face.RotateDouble();
        break;
    }
}

using Rotation = void (clsCube::*)() noexcept;

// A rotation, then its steps again for a half turn.
void RotateBy(clsCube& cube, std::initializer_list<Rotation> steps, TurnAmount amount) noexcept {
    const int times = amount == TurnAmount::Twice ? 2 : 1;
    for (int k = 0; k < times; ++k) {
        for (const Rotation step : steps) {
            (cube.*step)();
        }
    }
}

// x follows R (the front goes up), y follows U (the front goes left). The
// cube has no rotation about the front-back axis, so z, which follows F,
// is x seen from the left: right, up, left again.
void RotateCube(char letter, TurnAmount amount, clsCube& cube) noexcept {
    const bool back = amount == TurnAmount::Counterclockwise;
    switch (letter) {
    case 'x':
        RotateBy(cube, {back ? &clsCube::RotateDown : &clsCube::RotateUp}, amount);
        break;
    case 'y':
        RotateBy(cube, {back ? &clsCube::RotateRight : &clsCube::RotateLeft}, amount);
        break;
    default:
        RotateBy(cube,
                 {&clsCube::RotateRight, back ? &clsCube::RotateDown : &clsCube::RotateUp,
                  &clsCube::RotateLeft},
                 amount);
        break;
    }
}

} // namespace

std::variant<std::vector<NotationMove>, NotationError> ParseNotation(std::string_view line) {
    std::vector<NotationMove> moves;
    std::size_t at = 0;
    while (at < line.size()) {
        if (IsSpace(line[at])) {
            ++at;
            continue;
        }
        const auto read = ReadMove(line.substr(at));
        if (!read) {
            const std::size_t end =
                std::min(line.size(), line.find_first_of(std::string_view(" \t\n\r\f\v"), at));
            return NotationError{CharacterPosition(line, at),
                                 std::string(line.substr(at, end - at))};
        }
        moves.push_back(read->first);
        at += read->second;
    }
    return moves;
}

void ApplyMove(const NotationMove& move, clsCube& cube) noexcept {
    const auto face = std::ranges::find(Faces, move.letter, &FaceLetter::letter);
    if (face != Faces.end()) {
        TurnSide(cube.Side(face->side), move.amount);
    } else {
        RotateCube(move.letter, move.amount, cube);
    }
}

std::optional<NotationError> ApplyNotation(std::string_view line, clsCube& cube) {
    auto parsed = ParseNotation(line);
    if (auto* error = std::get_if<NotationError>(&parsed)) {
        return std::move(*error);
    }
    for (const NotationMove& move : std::get<std::vector<NotationMove>>(parsed)) {
        ApplyMove(move, cube);
    }
    return std::nullopt;
}

std::string NotationErrorText(const NotationError& error) {
    return "'" + error.token + "' at position " + std::to_string(error.position) +
           " is not a turn: use U D F B L R or x y z, each with ' or 2 or nothing";
}

} // namespace turnix
