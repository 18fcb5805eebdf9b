#include "clsCube.h"

#include <benchmark/benchmark.h>

namespace {

void SideTurn(benchmark::State& state) {
    turnix::clsCube cube;
    std::int16_t s = 0;
    for (auto _ : state) {
        cube.Side(s).RotateClockwise();
        s = static_cast<std::int16_t>(s == 5 ? 0 : s + 1);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(SideTurn);

void WholeCubeRotation(benchmark::State& state) {
    turnix::clsCube cube;
    cube.Side(turnix::side::Front).SetTag("Done");
    for (auto _ : state) {
        cube.RotateLeft();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(WholeCubeRotation);

} // namespace
