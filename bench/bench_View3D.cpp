#include "BenchApplication.h"
#include "StepCodes.h"
#include "view3d/CubeFrame.h"

#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

// One 800x800 frame of the 3-D cube in the middle of a turn, the view from
// behind and the arrow included: at 60 frames a second it must stay well
// under 4 ms.
void DrawCubeFrame(benchmark::State& state) {
    turnix::bench::EnsureApplication();
    turnix::clsCube cube;
    for (const int code : {0, 4, 12, 9, 16, 7}) {
        turnix::ApplyStep(cube, static_cast<std::int16_t>(code));
    }
    turnix::view3d::FrameState frame;
    frame.colors = turnix::ColorValuesOf(cube);
    frame.letters = turnix::SquareLetters::Sides;
    const auto motion = turnix::view3d::MotionOf(static_cast<std::int16_t>(state.range(0)));
    frame.turn = turnix::view3d::TurnInProgress{*motion, motion->angle / 3};
    QImage image(800, 800, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        turnix::view3d::DrawFrame(painter, image.rect(), frame, Qt::black);
    }
    benchmark::DoNotOptimize(image.constBits());
}
// A layer turn and a whole-cube rotation.
BENCHMARK(DrawCubeFrame)->Arg(0)->Arg(20)->Unit(benchmark::kMillisecond);

} // namespace
