#pragma once

#include "CubeReading.h"
#include "PiecePosition.h"
#include "Pieces.h"

#include <array>
#include <memory>
#include <optional>

namespace turnix::vision {

inline constexpr std::size_t ColourCount = side::Count;

// What it costs to take each square of the cube for each colour: by side,
// square and the side whose centre shows the colour.
using SquareCosts = std::array<std::array<std::array<double, ColourCount>, 9>, 6>;

struct Fit {
    Arrangement arrangement;
    // All 54 squares' costs, centres included.
    double cost{0};
};

// One piece kept in one position, turned so, while the rest is fitted.
struct Held {
    PiecePosition position{PiecePosition::UR};
    int piece{0};
    int turn{0};
};

// Edges and corners, each set as its own assignment problem.
template <std::size_t N, std::size_t M>
class PieceSet;

// Puts pieces into positions so that the squares' costs add up to the
// least: every piece once (an assignment over the twelve edges and over the
// eight corners, each cell with its best turn), then twists, flips and the
// permutations' parity mended by the cheapest change.
class PieceFitter {
public:
    explicit PieceFitter(const SquareCosts& costs);
    ~PieceFitter();
    PieceFitter(const PieceFitter&) = delete;
    PieceFitter& operator=(const PieceFitter&) = delete;

    // The likeliest cube that turning can solve.
    [[nodiscard]] const Fit& Best() const noexcept { return best; }
    // The same with one piece held; nothing when the held piece leaves no
    // such cube.
    [[nodiscard]] std::optional<Fit> BestHolding(const Held& held) const;
    // Every piece once, each turned as it looks likeliest, whether or not
    // turning could give that cube.
    [[nodiscard]] Fit PiecesAsSeen() const;

private:
    double centres{0};
    std::unique_ptr<PieceSet<12, 2>> edges;
    std::unique_ptr<PieceSet<8, 3>> corners;
    Fit best;
};

// The colours of an arrangement's squares, centres included.
[[nodiscard]] SideColors ColorsOf(const Arrangement& arrangement) noexcept;

// The colour a position's square k shows when it holds the piece turned so.
[[nodiscard]] std::int16_t ColourShown(PiecePosition position, std::size_t k, int piece,
                                       int turn) noexcept;

} // namespace turnix::vision
