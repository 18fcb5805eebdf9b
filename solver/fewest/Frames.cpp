#include "Frames.h"

#include "PieceAlgebra.h"

#include <cstddef>
#include <stdexcept>

namespace turnix::fewest {

namespace {

constexpr int TopGroup = 4;

// Opposite sides share an axis: Front-Back 0, Left-Right 1, Top-Bottom 2.
constexpr int Axis(int code) {
    return code / 3 >= TopGroup ? 2 : (code / 3) % 2;
}

} // namespace

Arrangement Frames::Seen(int frame, const Arrangement& cube) const {
    const auto f = static_cast<std::size_t>(frame);
    return Then(Then(inverse[f], cube), rotation[f]);
}

namespace {

// The code of the turn equal to `wanted`.
std::int8_t CodeOf(const std::array<Arrangement, TurnCount>& turns, const Arrangement& wanted) {
    std::size_t code = 0;
    while (code < TurnCount && !(turns[code] == wanted)) {
        ++code;
    }
    if (code == TurnCount) {
        throw std::logic_error("a rotated turn is no turn");
    }
    return static_cast<std::int8_t>(code);
}

} // namespace

Arrangement Frames::Quartered(const Arrangement& cube) const {
    return Then(Then(quarterInverse, cube), quarter);
}

// A frame turn m stands for the cube's turn rotation · m · inverse: doing
// the frame's turns on the frame's cube is doing the cube's turns on the cube,
// seen through the rotation.
Frames BuildFrames(const std::array<Arrangement, TurnCount>& turns) {
    Frames frames;
    frames.rotation = {
        Arrangement{},
        EffectOf([](clsCube& cube) { cube.RotateUp(); }),
        EffectOf([](clsCube& cube) {
            cube.RotateRight();
            cube.RotateUp();
            cube.RotateLeft();
        }),
    };
    std::array<bool, 3> axisUpright{};
    for (std::size_t f = 0; f < FrameCount; ++f) {
        frames.inverse[f] = Inverse(frames.rotation[f]);
        for (std::size_t m = 0; m < TurnCount; ++m) {
            const Arrangement wanted = Then(Then(frames.rotation[f], turns[m]), frames.inverse[f]);
            std::size_t code = 0;
            while (code < TurnCount && !(turns[code] == wanted)) {
                ++code;
            }
            if (code == TurnCount) {
                throw std::logic_error("a rotated turn is no turn");
            }
            frames.cubeTurn[f][m] = static_cast<std::uint8_t>(code);
        }
        axisUpright[static_cast<std::size_t>(
            Axis(frames.cubeTurn[f][static_cast<std::size_t>(TopGroup) * 3]))] = true;
    }
    if (!(axisUpright[0] && axisUpright[1] && axisUpright[2])) {
        throw std::logic_error("the frames do not bring each axis upright");
    }
    frames.quarter = EffectOf([](clsCube& cube) { cube.RotateLeft(); });
    frames.quarterInverse = Inverse(frames.quarter);
    for (std::size_t m = 0; m < TurnCount; ++m) {
        frames.quarterTurn[m] = static_cast<std::uint8_t>(
            CodeOf(turns, Then(Then(frames.quarterInverse, turns[m]), frames.quarter)));
    }
    return frames;
}

} // namespace turnix::fewest
