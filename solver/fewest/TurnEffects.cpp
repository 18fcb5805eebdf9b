#include "TurnEffects.h"

#include "StepCodes.h"

#include <cstddef>
#include <stdexcept>

namespace turnix::fewest {

namespace {

constexpr std::int16_t Mark(SquareAt at) {
    return static_cast<std::int16_t>(at.side * SquaresPerSide + at.square);
}

struct PieceSquare {
    int position = -1;
    int index = -1;
};

// For every mark, the piece position and square index it belongs to.
template <std::size_t N, std::size_t M>
std::array<PieceSquare, SquaresPerCube>
SquareOwners(const std::array<std::array<SquareAt, M>, N>& squares) {
    std::array<PieceSquare, SquaresPerCube> owners{};
    for (std::size_t p = 0; p < N; ++p) {
        for (std::size_t k = 0; k < M; ++k) {
            owners[static_cast<std::size_t>(Mark(squares[p][k]))] = {static_cast<int>(p),
                                                                     static_cast<int>(k)};
        }
    }
    return owners;
}

// Where each position's squares came from: the source position, and how far
// the squares moved round the piece (the same for all of its squares, as the
// model only turns and never mirrors).
template <std::size_t N, std::size_t M>
void ReadPieces(const clsCube& cube, const std::array<std::array<SquareAt, M>, N>& squares,
                std::array<int, N>& piece, std::array<int, N>& turn) {
    const auto owners = SquareOwners(squares);
    constexpr int size = static_cast<int>(M);
    for (std::size_t p = 0; p < N; ++p) {
        for (std::size_t k = 0; k < M; ++k) {
            const SquareAt at = squares[p][k];
            const std::int16_t mark = cube.Side(at.side).Square(at.square)->ColorIndex();
            const PieceSquare owner = owners.at(static_cast<std::size_t>(mark));
            const int shift = (static_cast<int>(k) - owner.index + size) % size;
            if (owner.position < 0 || (k > 0 && (owner.position != piece[p] || shift != turn[p]))) {
                throw std::logic_error("an operation of the cube model split a piece");
            }
            piece[p] = owner.position;
            turn[p] = shift;
        }
    }
}

} // namespace

Arrangement EffectOf(const std::function<void(clsCube&)>& operation) {
    clsCube cube;
    for (std::int16_t s = 0; s < side::Count; ++s) {
        for (std::int16_t q = 0; q < SquaresPerSide; ++q) {
            cube.Side(s).Square(q)->SetColorIndex(Mark({s, q}));
        }
    }
    operation(cube);
    Arrangement effect;
    ReadPieces(cube, CornerSquares, effect.corner, effect.twist);
    ReadPieces(cube, EdgeSquares, effect.edge, effect.flip);
    return effect;
}

std::array<Arrangement, TurnCount> TurnEffects() {
    std::array<Arrangement, TurnCount> effects;
    for (std::int16_t code = 0; code < TurnCount; ++code) {
        effects[static_cast<std::size_t>(code)] =
            EffectOf([code](clsCube& cube) { ApplyStep(cube, code); });
    }
    return effects;
}

} // namespace turnix::fewest
