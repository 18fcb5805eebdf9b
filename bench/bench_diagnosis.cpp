#include "StepCodes.h"
#include "diagnosis/Diagnosis.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <random>
#include <vector>

namespace {

constexpr std::size_t CubeCount = 1024;

// Cubes as the window sees them while colours are entered: scrambled ones,
// half of them with one square set to another colour.
const std::vector<std::unique_ptr<turnix::clsCube>>& EnteredCubes() {
    static const auto cubes = [] {
        std::mt19937 random(4242);
        std::uniform_int_distribution<int> code(0, turnix::SideTurnCount - 1);
        std::uniform_int_distribution<int> value(0, 5);
        std::uniform_int_distribution<int> square(0, 8);
        std::vector<std::unique_ptr<turnix::clsCube>> made;
        for (std::size_t n = 0; n < CubeCount; ++n) {
            auto cube = std::make_unique<turnix::clsCube>();
            for (int k = 0; k < 50; ++k) {
                turnix::ApplyStep(*cube, static_cast<std::int16_t>(code(random)));
            }
            if (n % 2 == 1) {
                cube->Side(static_cast<std::int16_t>(value(random)))
                    .Square(static_cast<std::int16_t>(square(random)))
                    ->SetColorIndex(static_cast<std::int16_t>(value(random)));
            }
            made.push_back(std::move(cube));
        }
        return made;
    }();
    return cubes;
}

void Diagnosis(benchmark::State& state) {
    const auto& cubes = EnteredCubes();
    std::size_t n = 0;
    for (auto _ : state) {
        const std::vector<turnix::Finding> findings = turnix::Diagnose(*cubes[n++ % CubeCount]);
        benchmark::DoNotOptimize(findings.data());
    }
}
BENCHMARK(Diagnosis);

} // namespace
