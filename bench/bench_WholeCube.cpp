#include "BenchApplication.h"
#include "FakePlatform.h"
#include "mainwindow/frmTurnix.h"
#include "wholecube/ColorPalette.h"
#include "wholecube/CubeNet.h"

#include <QTest>
#include <benchmark/benchmark.h>

namespace {

// One paint action on the net: a press on a square paints it in the
// selected colour, the cube, the main grid and the diagnosis follow, and the
// net is drawn again at once. The colour alternates, so that every press is
// a real edit.
void PaintSquareOnTheNet(benchmark::State& state) {
    turnix::bench::EnsureApplication();
    turnix::test::FakePlatform fake;
    turnix::frmTurnix window(fake.Services());
    window.show();
    auto& net = *window.findChild<turnix::CubeNet*>(QStringLiteral("WholeCubeNet"));
    auto& palette = *window.findChild<turnix::ColorPalette*>(QStringLiteral("WholeCubePalette"));
    const QPoint square = net.Geometry().SquareRect({turnix::side::Front, 0}).center();
    std::int16_t color = 0;
    for (auto _ : state) {
        palette.SelectColor(color);
        QTest::mousePress(&net, Qt::LeftButton, {}, square);
        net.repaint();
        QTest::mouseRelease(&net, Qt::LeftButton, {}, square);
        color = static_cast<std::int16_t>(1 - color);
    }
    if (window.Cube().Side(turnix::side::Front).Square(0)->ColorIndex() != 1 - color) {
        state.SkipWithError("the press did not paint the square");
    }
}
BENCHMARK(PaintSquareOnTheNet)->Unit(benchmark::kMicrosecond);

} // namespace
