#include "CubeScene.h"

#include <algorithm>
#include <cmath>

namespace turnix::view3d {

namespace {

// Half the width of a square's coloured part; the rest is the body's edge.
constexpr double SquareHalf = 0.45;
const Vec3 LightFrom = Normalized({0.4, 1.0, 0.7});

struct Box {
    Vec3 low{-HalfSize, -HalfSize, -HalfSize};
    Vec3 high{HalfSize, HalfSize, HalfSize};
};

// A part of the cube that moves as one: a box with the squares on it.
struct Block {
    Box box;
    bool moving{false};
};

double Component(Vec3 v, Vec3 axis) {
    return std::abs(Dot(v, axis));
}

// The turning layer and the rest, each a box cut across the axis one unit in
// from the turning side.
std::vector<Block> BlocksFor(const std::optional<TurnInProgress>& turn) {
    if (!turn || !turn->motion.side) {
        return {Block{Box{}, turn.has_value()}};
    }
    const Vec3 n = turn->motion.axis;
    const double cut = HalfSize - 1;
    Block layer{Box{}, true};
    Block rest{Box{}, false};
    for (double Vec3::*axis : {&Vec3::x, &Vec3::y, &Vec3::z}) {
        if (n.*axis > 0) {
            layer.box.low.*axis = cut;
            rest.box.high.*axis = cut;
        } else if (n.*axis < 0) {
            layer.box.high.*axis = -cut;
            rest.box.low.*axis = -cut;
        }
    }
    return {layer, rest};
}

class SceneBuilder {
public:
    SceneBuilder(const Camera& c, const Viewport& v, const std::optional<TurnInProgress>& t)
        : camera(c), viewport(v), turn(t) {}

    void AddBlock(const Block& block) {
        const Vec3 size = block.box.high - block.box.low;
        const Vec3 middle = (block.box.low + block.box.high) * 0.5;
        for (std::int16_t s = 0; s < side::Count; ++s) {
            const SideFrame& frame = FrameOf(s);
            const Vec3 centre = middle + frame.normal * (Component(size, frame.normal) / 2);
            AddFace(centre, frame, Component(size, frame.east) / 2,
                    Component(size, frame.south) / 2, std::nullopt, block.moving);
        }
        for (std::int16_t s = 0; s < side::Count; ++s) {
            for (std::int16_t q = 0; q < 9; ++q) {
                const Vec3 centre = SquareCentre({s, q});
                if (Moves(centre) == block.moving) {
                    AddFace(centre, FrameOf(s), SquareHalf, SquareHalf, SquareAt{s, q},
                            block.moving);
                }
            }
        }
    }

    std::vector<ScenePiece> pieces;

private:
    [[nodiscard]] bool Moves(Vec3 point) const { return turn && MovesWith(turn->motion, point); }

    [[nodiscard]] Vec3 Placed(Vec3 v, bool moving) const {
        return moving ? Rotated(v, turn->motion.axis, turn->angle) : v;
    }

    void AddFace(Vec3 centre, const SideFrame& frame, double halfEast, double halfSouth,
                 std::optional<SquareAt> square, bool moving) {
        const Vec3 normal = Placed(frame.normal, moving);
        const Vec3 placed = Placed(centre, moving);
        if (!camera.Sees(placed, normal)) {
            return;
        }
        const Vec3 east = Placed(frame.east, moving) * halfEast;
        const Vec3 south = Placed(frame.south, moving) * halfSouth;
        ScenePiece piece;
        for (const Vec3 corner : {placed - east - south, placed + east - south,
                                  placed + east + south, placed - east + south}) {
            piece.outline << camera.Project(corner, viewport);
        }
        piece.square = square;
        piece.centre = camera.Project(placed, viewport);
        piece.light = std::max(0.0, Dot(normal, LightFrom));
        pieces.push_back(std::move(piece));
    }

    const Camera& camera;
    const Viewport& viewport;
    const std::optional<TurnInProgress>& turn;
};

} // namespace

// Each block is convex, so its visible faces never overlap one another; of
// the two blocks of a turning layer, the one on the camera's side of the
// cut goes last.
std::vector<ScenePiece> BuildScene(const Camera& camera, const Viewport& viewport,
                                   const std::optional<TurnInProgress>& turn) {
    std::vector<Block> blocks = BlocksFor(turn);
    if (blocks.size() == 2 && Dot(camera.Eye(), turn->motion.axis) > HalfSize - 1) {
        std::swap(blocks.front(), blocks.back());
    }
    SceneBuilder builder(camera, viewport, turn);
    for (const Block& block : blocks) {
        builder.AddBlock(block);
    }
    return std::move(builder.pieces);
}

std::optional<SquareAt> SquareAtPoint(const std::vector<ScenePiece>& scene, QPointF point) {
    const auto top = std::find_if(scene.crbegin(), scene.crend(), [&](const ScenePiece& piece) {
        return piece.outline.containsPoint(point, Qt::OddEvenFill);
    });
    return top == scene.crend() ? std::nullopt : top->square;
}

} // namespace turnix::view3d
