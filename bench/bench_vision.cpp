#include "CubeReading.h"
#include "SolverTestSupport.h"
#include "StickerSets.h"

#include <benchmark/benchmark.h>
#include <random>
#include <vector>

namespace {

constexpr std::size_t SetCount = 32;

// Photo sets of scrambled cubes in hard light, with red and orange close.
const std::vector<std::array<turnix::vision::SideReading, 6>>& PhotoSets() {
    static const auto sets = [] {
        std::mt19937 random(77);
        std::vector<std::array<turnix::vision::SideReading, 6>> made;
        for (std::size_t n = 0; n < SetCount; ++n) {
            const auto cube = turnix::test::ColorsOf(
                turnix::CubeOf(turnix::test::RandomArrangement(random, true)));
            made.push_back(turnix::test::PhotosOf(cube, turnix::test::CloseRedAndOrange,
                                                  turnix::test::HardLight, random));
        }
        return made;
    }();
    return sets;
}

void Assemble(benchmark::State& state, turnix::vision::PhotoOrder order) {
    const auto& sets = PhotoSets();
    std::size_t n = 0;
    for (auto _ : state) {
        const auto reading = turnix::vision::AssembleCube(sets[n++ % SetCount], order);
        benchmark::DoNotOptimize(&reading);
    }
}

void AssembleCube(benchmark::State& state) {
    Assemble(state, turnix::vision::PhotoOrder::Fixed);
}
BENCHMARK(AssembleCube)->Unit(benchmark::kMillisecond);

void AssembleCubeInAnyOrder(benchmark::State& state) {
    Assemble(state, turnix::vision::PhotoOrder::Any);
}
BENCHMARK(AssembleCubeInAnyOrder)->Unit(benchmark::kMillisecond);

} // namespace
