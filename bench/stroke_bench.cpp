// The cost of a freehand stroke on a 1024 x 1024 picture: a 200-point Draw
// drag through the canvas dispatcher, each mouse move drawing its segment and
// bringing the nine tiles into step. Reported per mouse move, next to a plain
// memcpy of the same raster. Also a line whose ends lie far outside a small
// picture, which must cost no more than its visible part.
#include "canvas/canvas_controller.h"
#include "surface/scripted_host.h"
#include "surface/surface.h"

#include "support/bench_support.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

namespace {

constexpr int kMoves = 200;

void BM_DrawStroke(benchmark::State &state)
{
    const int size = static_cast<int>(state.range(0));
    quill::ScriptedHost host;
    quill::Session session(host);
    session.undo.recording = false; // the press's snapshot is not part of a move
    session.document.layOutGrid(size * quill::kTwipsPerPixel, size * quill::kTwipsPerPixel);
    session.state.ToolMode = 1;
    quill::CanvasController canvas(session);
    // A wavy path across the picture, in twips.
    std::vector<quill::MouseEvent> path;
    for (int i = 0; i < kMoves; ++i) {
        const double x = 20 + i * (size - 40) / static_cast<double>(kMoves);
        const double y = size / 2.0 + std::sin(i * 0.1) * size / 4.0;
        path.push_back({0, quill::kLeftButton, 0, x * quill::kTwipsPerPixel, y * quill::kTwipsPerPixel});
    }
    canvas.mouseDown(path.front());
    for (auto _ : state) {
        for (const auto &event : path)
            canvas.mouseMove(event);
        benchmark::ClobberMemory();
    }
    // items_per_second counts mouse moves; its inverse is the time per move.
    state.SetItemsProcessed(state.iterations() * kMoves);
}
BENCHMARK(BM_DrawStroke)->Arg(1024)->Unit(benchmark::kMillisecond);

void BM_LineWithFarEnds(benchmark::State &state)
{
    quill::Surface picture(50, 50);
    picture.setScaleMode(quill::ScaleMode::Pixels);
    int i = 0;
    for (auto _ : state) {
        picture.Line(-1e9, 10, 1e9, 10 + i++ % 3, quill::rgb(255, 0, 0));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_LineWithFarEnds)->Unit(benchmark::kMicrosecond);

BENCHMARK(quill::bench::memcpyYardstick)->Arg(1024)->Unit(benchmark::kMillisecond);

} // namespace
