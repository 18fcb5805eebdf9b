#include "Pieces.h"

#include <cstddef>

namespace turnix {

namespace {

// Square n of a piece goes to the position's square n + turn, so the first
// square, the one that names the orientation, lands on square turn.
template <std::size_t N, std::size_t M>
void SetPieces(clsCube& cube, const std::array<std::array<SquareAt, M>, N>& squares,
               const std::array<int, N>& piece, const std::array<int, N>& turn) {
    for (std::size_t position = 0; position < N; ++position) {
        const auto& home = squares.at(static_cast<std::size_t>(piece[position]));
        for (std::size_t n = 0; n < M; ++n) {
            const SquareAt at =
                squares[position][(n + static_cast<std::size_t>(turn[position])) % M];
            cube.Side(at.side).Square(at.square)->SetColorIndex(home[n].side);
        }
    }
}

} // namespace

void SetArrangement(clsCube& cube, const Arrangement& arrangement) {
    for (std::int16_t s = 0; s < side::Count; ++s) {
        cube.Side(s).Square(4)->SetColorIndex(s);
    }
    SetPieces(cube, CornerSquares, arrangement.corner, arrangement.twist);
    SetPieces(cube, EdgeSquares, arrangement.edge, arrangement.flip);
}

clsCube CubeOf(const Arrangement& arrangement) {
    clsCube cube;
    SetArrangement(cube, arrangement);
    return cube;
}

} // namespace turnix
