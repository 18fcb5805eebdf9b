#include "CubeTestSupport.h"

#include <gtest/gtest.h>
#include <set>
#include <stdexcept>

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

CubeColors SolvedAfterClockwise(std::int16_t s) {
    clsCube cube;
    cube.Side(s).RotateClockwise();
    return ColorsOf(cube);
}

} // namespace

TEST(clsSide, FrontAndTopClockwiseOnASolvedCubeGiveTheWorkedExamples) {
    EXPECT_EQ(SolvedAfterClockwise(side::Front), (CubeColors{{{0, 0, 0, 0, 0, 0, 4, 4, 4},
                                                              {5, 5, 5, 1, 1, 1, 1, 1, 1},
                                                              {2, 2, 2, 2, 2, 2, 2, 2, 2},
                                                              {3, 3, 3, 3, 3, 3, 3, 3, 3},
                                                              {4, 4, 1, 4, 4, 1, 4, 4, 1},
                                                              {0, 5, 5, 0, 5, 5, 0, 5, 5}}}));
    EXPECT_EQ(SolvedAfterClockwise(side::Top), (CubeColors{{{0, 0, 0, 0, 0, 0, 0, 0, 0},
                                                            {1, 1, 1, 1, 1, 1, 1, 1, 1},
                                                            {5, 5, 5, 2, 2, 2, 2, 2, 2},
                                                            {4, 4, 4, 3, 3, 3, 3, 3, 3},
                                                            {2, 2, 2, 4, 4, 4, 4, 4, 4},
                                                            {3, 3, 3, 5, 5, 5, 5, 5, 5}}}));
}

TEST(clsSide, InverseTurnsRestoreTheCubeAndAHalfTurnIsTwoQuarterTurns) {
    for (std::int16_t s = 0; s < 6; ++s) {
        const CubeColors start = AfterTurns(s, {});
        EXPECT_EQ(AfterTurns(s, {Cw, Ccw}), start) << "side " << s;
        EXPECT_EQ(AfterTurns(s, {Ccw, Cw}), start) << "side " << s;
        EXPECT_EQ(AfterTurns(s, {Cw, Cw, Cw, Cw}), start) << "side " << s;
        EXPECT_EQ(AfterTurns(s, {Twice, Twice}), start) << "side " << s;
        EXPECT_EQ(AfterTurns(s, {Twice}), AfterTurns(s, {Cw, Cw})) << "side " << s;
    }
}

TEST(clsSide, ATurnMovesItsOwnEightSquaresAndTheTwelveItLinksToAndNothingElse) {
    for (std::int16_t s = 0; s < 6; ++s) {
        for (const Turn turn : {Cw, Ccw, Twice}) {
            clsCube cube;
            MarkEverySquare(cube);
            const CubeColors before = ColorsOf(cube);
            std::set<const clsSquare*> moving;
            for (const std::int16_t q : {0, 1, 2, 3, 5, 6, 7, 8}) {
                moving.insert(cube.Side(s).Square(q).get());
            }
            for (std::size_t k = 0; k < clsSide::LinkCount; ++k) {
                moving.insert(cube.Side(s).LinkedSquare(static_cast<clsSide::Link>(k)).get());
            }
            (cube.Side(s).*turn)();
            for (std::int16_t t = 0; t < 6; ++t) {
                for (std::int16_t q = 0; q < 9; ++q) {
                    const SquarePtr& square = cube.Side(t).Square(q);
                    EXPECT_EQ(square->ColorIndex() != before[t][q], moving.contains(square.get()))
                        << "turning side " << s << ": side " << t << " square " << q;
                }
            }
        }
    }
}

// The setters only replace the stored reference; no link is re-made.
TEST(clsSide, BadIndicesThrowAndChangeNothingAndReplacingASquareKeepsTheLinks) {
    clsCube cube;
    clsSide& top = cube.Side(side::Top);
    const SquarePtr old = top.Square(7);
    EXPECT_THROW((void)top.Square(-1), std::out_of_range);
    EXPECT_THROW((void)top.Square(9), std::out_of_range);
    EXPECT_THROW(top.SetSquare(9, std::make_shared<clsSquare>()), std::out_of_range);
    EXPECT_THROW(top.SetSquare(-32768, std::make_shared<clsSquare>()), std::out_of_range);
    EXPECT_THROW((void)cube.Side(-1), std::out_of_range);
    EXPECT_THROW((void)cube.Side(6), std::out_of_range);
    EXPECT_THROW(cube.SetSide(6, std::make_unique<clsSide>()), std::out_of_range);
    EXPECT_EQ(&cube.Side(side::Top), &top);
    EXPECT_EQ(ColorsOf(cube), ColorsOf(clsCube{}));

    top.SetSquare(7, std::make_shared<clsSquare>());
    EXPECT_NE(top.Square(7), old);
    EXPECT_EQ(cube.Side(side::Front).NorthPtr(), old);
    cube.SetSide(side::Top, std::make_unique<clsSide>());
    EXPECT_EQ(cube.Side(side::Front).NorthPtr(), old);
}
