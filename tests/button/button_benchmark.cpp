// The cost of one full redraw of the main window's buttons: the shaded look,
// 73 x 25, painted into the back buffer and handed to the host.
#include <benchmark/benchmark.h>

#include "button/main_window_buttons.h"
#include "button/offscreen_host.h"
#include "raster/fixed_cell_text.h"

namespace tarvenel {
namespace {

void RedrawMainWindowButton(benchmark::State& state, ButtonPose pose) {
    ButtonContainer container(0xD8E9EC);
    FixedCellText text;
    OffscreenButton b(container, 73, 25, text);
    b.button.ReadProperties(MainWindowButtons()[0].properties);
    b.Pose(pose);
    for (auto _ : state) {
        b.button.Refresh();
        benchmark::DoNotOptimize(b.renderer.BackBuffer().Row(0));
    }
}

void BM_RedrawNormal(benchmark::State& state) {
    RedrawMainWindowButton(state, ButtonPose::Normal);
}
BENCHMARK(BM_RedrawNormal);

void BM_RedrawPressed(benchmark::State& state) {
    RedrawMainWindowButton(state, ButtonPose::Pressed);
}
BENCHMARK(BM_RedrawPressed);

void BM_ResizeSequence(benchmark::State& state) {
    ButtonContainer container(0xD8E9EC);
    FixedCellText text;
    OffscreenButton b(container, 73, 25, text);
    b.button.ReadProperties(MainWindowButtons()[0].properties);
    for (auto _ : state)
        b.button.OnResize();
}
BENCHMARK(BM_ResizeSequence);

} // namespace
} // namespace tarvenel
