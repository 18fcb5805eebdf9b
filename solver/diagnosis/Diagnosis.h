#pragma once

#include "PiecePosition.h"
#include "Pieces.h"
#include "clsCube.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace turnix {

// The 54 colour indices of a cube, by side and square.
using CubeColorValues = std::array<std::array<std::int16_t, 9>, side::Count>;

[[nodiscard]] CubeColorValues ColorValuesOf(const clsCube& cube);

// What keeps an entered cube from being solved, in the order the checks run.
// A colour is named by the side whose centre shows it.
enum class FindingKind : std::uint8_t {
    Centres,   // the centres are not the colours 0..5, each once
    Count,     // a colour has other than nine squares
    Foreign,   // squares show a colour that is on no centre
    Unknown,   // a position shows colours that no piece has
    Duplicate, // two positions hold the same piece
    Twist,     // the corner twists do not add up to whole turns
    Flip,      // an odd number of edges is flipped
    Swap,      // the corner and the edge arrangements differ in parity
};

struct Finding {
    FindingKind kind{FindingKind::Centres};
    // Count: the side whose centre shows the colour.
    std::int16_t side{0};
    // Count: the colour's squares; Foreign: the number of foreign squares.
    int count{0};
    // Unknown: the position; Duplicate: the two, in position order.
    std::vector<PiecePosition> positions;
    // The squares to point out: the centres at fault, the foreign squares,
    // or the squares of the positions. Empty for Count, Twist, Flip, Swap.
    std::vector<SquareAt> squares;

    friend bool operator==(const Finding&, const Finding&) = default;
};

// The findings in the order of their kinds: counts in side order U R F D L
// B, unknown positions in position order, one duplicate per pair ordered by
// its first, then its second position; twist, flip and swap at most once
// each. Bad centres stop the checks, since they name the colours. A
// position with a foreign square is left to the Foreign finding. Twist,
// flip and swap are looked at only when every piece is there exactly once.
// Empty exactly when clsSolver::Solve solves the cube.
[[nodiscard]] std::vector<Finding> Diagnose(const CubeColorValues& colors);
[[nodiscard]] std::vector<Finding> Diagnose(const clsCube& cube);

// The arrangement of a cube without findings, relative to its centres: a
// piece is named by the sides whose centres show its colours, so the turns
// that solve the arrangement solve the cube, whatever colours the centres
// show. Empty when there is a finding.
[[nodiscard]] std::optional<Arrangement> ArrangementOf(const CubeColorValues& colors);
[[nodiscard]] std::optional<Arrangement> ArrangementOf(const clsCube& cube);

} // namespace turnix
