#include "CubeTestSupport.h"

#include <gtest/gtest.h>
#include <set>

using namespace turnix;
using namespace turnix::test;

namespace {

using Turn = void (clsSide::*)();
constexpr Turn Cw = &clsSide::RotateClockwise;
constexpr Turn Ccw = &clsSide::RotateCounterclockwise;
constexpr Turn Twice = &clsSide::RotateDouble;

// The colours of a cube with every square marked after turns of side s.
CubeColors AfterTurns(std::int16_t s, std::initializer_list<Turn> turns) {
    clsCube cube;
    MarkEverySquare(cube);
    for (const Turn turn : turns) {
        (cube.Side(s).*turn)();
    }
    return ColorsOf(cube);
}

} // namespace

TEST(clsSide, EachTurnMovesJustItsTwentySquaresAndTheInverseTurnsRestoreThem) {
    for (std::int16_t s = 0; s < 6; ++s) {
        clsCube cube;
        MarkEverySquare(cube);
        const CubeColors start = ColorsOf(cube);
        std::set<const clsSquare*> moving;
        for (const std::int16_t q : std::initializer_list<std::int16_t>{0, 1, 2, 3, 5, 6, 7, 8}) {
            moving.insert(cube.Side(s).Square(q).get());
        }
        for (std::size_t k = 0; k < clsSide::LinkCount; ++k) {
            moving.insert(cube.Side(s).LinkedSquare(static_cast<clsSide::Link>(k)).get());
        }
        for (const auto& [turn, inverse] :
             {std::pair{Cw, Ccw}, std::pair{Ccw, Cw}, std::pair{Twice, Twice}}) {
            (cube.Side(s).*turn)();
            for (std::int16_t t = 0; t < 6; ++t) {
                for (std::int16_t q = 0; q < 9; ++q) {
                    const SquarePtr& square = cube.Side(t).Square(q);
                    EXPECT_EQ(
                        square->ColorIndex() !=
                            start.at(static_cast<std::size_t>(t)).at(static_cast<std::size_t>(q)),
                        moving.contains(square.get()))
                        << "turning side " << s << ": side " << t << " square " << q;
                }
            }
            (cube.Side(s).*inverse)();
            EXPECT_EQ(ColorsOf(cube), start) << "side " << s;
        }
        EXPECT_EQ(AfterTurns(s, {Cw, Cw, Cw, Cw}), start) << "side " << s;
        EXPECT_EQ(AfterTurns(s, {Twice}), AfterTurns(s, {Cw, Cw})) << "side " << s;
    }
}
