// Timings of the operations that run on every resize and every button redraw.
#include <benchmark/benchmark.h>

#include "raster/canvas.h"
#include "raster/region.h"

namespace tarvenel {
namespace {

constexpr int kWidth = 376; // the main window in pixels
constexpr int kHeight = 216;

void BM_FillRect(benchmark::State& state) {
    Bitmap bitmap(kWidth, kHeight);
    Canvas canvas(bitmap);
    for (auto _ : state) {
        canvas.FillRect({0, 0, kWidth, kHeight}, 0x123456);
        benchmark::DoNotOptimize(bitmap.Row(0));
    }
}
BENCHMARK(BM_FillRect);

void BM_FillRectClipped(benchmark::State& state) {
    Bitmap bitmap(kWidth, kHeight);
    Canvas canvas(bitmap);
    canvas.SelectClipRegion(Region::FromEllipse({0, 0, kWidth, kHeight}));
    for (auto _ : state) {
        canvas.FillRect({0, 0, kWidth, kHeight}, 0x123456);
        benchmark::DoNotOptimize(bitmap.Row(0));
    }
}
BENCHMARK(BM_FillRectClipped);

void BM_StretchEdge(benchmark::State& state) {
    Bitmap skin(271, 218, 0x80336699u);
    Bitmap bitmap(kWidth, kHeight);
    Canvas canvas(bitmap);
    for (auto _ : state) {
        canvas.TransparentBlt(28, 0, kWidth, 40, skin, 28, 0, 8, 40);
        benchmark::DoNotOptimize(bitmap.Row(0));
    }
}
BENCHMARK(BM_StretchEdge);

void BM_BitBltCopy(benchmark::State& state) {
    Bitmap source(kWidth, kHeight, 0xFF336699u);
    Bitmap bitmap(kWidth, kHeight);
    Canvas canvas(bitmap);
    for (auto _ : state) {
        canvas.BitBlt(0, 0, kWidth, kHeight, source, 0, 0, Rop::SrcCopy);
        benchmark::DoNotOptimize(bitmap.Row(0));
    }
}
BENCHMARK(BM_BitBltCopy);

void BM_ShadedFace(benchmark::State& state) {
    // One Rectangle per pixel row, as a shaded button face is painted.
    Bitmap bitmap(120, 30);
    Canvas canvas(bitmap);
    for (auto _ : state) {
        for (int row = 1; row < 29; ++row) {
            canvas.SelectPen({static_cast<Rgb>(row)});
            canvas.SelectBrush({static_cast<Rgb>(row)});
            canvas.Rectangle(1, row, 119, row + 1);
        }
        benchmark::DoNotOptimize(bitmap.Row(0));
    }
}
BENCHMARK(BM_ShadedFace);

void BM_WindowRegion(benchmark::State& state) {
    for (auto _ : state) {
        Region region =
            Region::FromRect({0, 5, kWidth, kHeight - 5})
                .Union(Region::FromRect({5, 0, kWidth - 5, kHeight}))
                .Union(Region::FromEllipse({-2, 0, 15, 35}))
                .Union(Region::FromEllipse({kWidth - 20, kHeight - 40, kWidth + 3, kHeight + 4}));
        benchmark::DoNotOptimize(region.Rectangles());
    }
}
BENCHMARK(BM_WindowRegion);

void BM_Lines(benchmark::State& state) {
    Bitmap bitmap(120, 30);
    Canvas canvas(bitmap);
    const Point bevel[] = {{1, 27}, {2, 2}, {117, 2}, {117, 27}, {1, 27}};
    for (auto _ : state) {
        canvas.Polyline(bevel);
        benchmark::DoNotOptimize(bitmap.Row(0));
    }
}
BENCHMARK(BM_Lines);

} // namespace
} // namespace tarvenel
