// The seam tools: the seam and repetition scores after a change (1024 x 1024),
// a Draw stroke's mouse move with wrap off and on (1024 x 1024, across the
// middle and along the right edge, where every segment is drawn twice), making
// a picture seamless, evening out its lighting and offsetting it by half
// (4096 x 4096), next to memcpy of the raster.
#include "canvas/canvas_controller.h"
#include "surface/scripted_host.h"
#include "toolbox/broad_light.h"
#include "toolbox/seam_tools.h"

#include "support/bench_support.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

namespace {

void BM_SeamScore(benchmark::State &state)
{
    const QImage image = quill::bench::noiseImage(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(quill::seamScore(image, quill::Lattice::Grid));
}
BENCHMARK(BM_SeamScore)->Arg(1024)->Unit(benchmark::kMicrosecond);

constexpr int kMoves = 200;

// A Draw stroke (pen 10) on a size x size picture through the canvas
// dispatcher; `alongEdge` runs it down the right edge, crossing it back and forth.
struct StrokeRig {
    quill::ScriptedHost host;
    quill::Session session{host};
    quill::CanvasController canvas{session};
    std::vector<quill::MouseEvent> path;

    StrokeRig(int size, bool wrap, bool alongEdge)
    {
        session.undo.recording = false; // the press's snapshot is not part of a move
        session.document.layOutGrid(size * quill::kTwipsPerPixel, size * quill::kTwipsPerPixel);
        session.document.setWrapEdges(wrap);
        session.state.ToolMode = 1;
        for (int i = 0; i < kMoves; ++i) {
            const double t = i / static_cast<double>(kMoves);
            const double wave = std::sin(i * 0.1);
            const double x = alongEdge ? size - 3 + wave * 6 : 20 + t * (size - 40);
            const double y = alongEdge ? 20 + t * (size - 40) : size / 2.0 + wave * size / 4.0;
            path.push_back({0, quill::kLeftButton, 0, x * quill::kTwipsPerPixel, y * quill::kTwipsPerPixel});
        }
        canvas.mouseDown(path.front());
    }
};

// Per mouse move (items_per_second); Args: size, wrap, along the edge.
void BM_StrokeMove(benchmark::State &state)
{
    StrokeRig rig(static_cast<int>(state.range(0)), state.range(1) != 0, state.range(2) != 0);
    for (auto _ : state) {
        for (const auto &event : rig.path)
            rig.canvas.mouseMove(event);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kMoves);
}
BENCHMARK(BM_StrokeMove)
    ->ArgNames({"size", "wrap", "edge"})
    ->Args({1024, 0, 0})
    ->Args({1024, 1, 0})
    ->Args({1024, 0, 1})
    ->Args({1024, 1, 1})
    ->Unit(benchmark::kMillisecond);

// What the status bar pays once a stroke ends: the score of the picture as it
// now is (the stroke has just written into the layer's raster).
void BM_SeamScoreAfterStroke(benchmark::State &state)
{
    StrokeRig rig(static_cast<int>(state.range(0)), true, true);
    for (const auto &event : rig.path)
        rig.canvas.mouseMove(event);
    for (auto _ : state) {
        rig.canvas.mouseMove(rig.path[static_cast<std::size_t>(state.iterations()) % rig.path.size()]);
        benchmark::DoNotOptimize(quill::seamScore(rig.session.document.picture().Image(), quill::Lattice::Grid));
    }
}
BENCHMARK(BM_SeamScoreAfterStroke)->Arg(1024)->Unit(benchmark::kMicrosecond);

void BM_MakeSeamless(benchmark::State &state)
{
    const QImage image = quill::bench::noiseImage(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        QImage copy = image.copy();
        quill::makeSeamless(copy, quill::Lattice::Grid);
        benchmark::DoNotOptimize(copy.constBits());
    }
}
BENCHMARK(BM_MakeSeamless)->Arg(4096)->Unit(benchmark::kMillisecond);

// The status bar scores repetition after every change, beside the seam score.
void BM_RepetitionScore(benchmark::State &state)
{
    const QImage image = quill::bench::noiseImage(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(quill::repetitionScore(image, quill::Lattice::Grid));
}
BENCHMARK(BM_RepetitionScore)->Arg(1024)->Unit(benchmark::kMillisecond);

void BM_EvenLighting(benchmark::State &state)
{
    const QImage image = quill::bench::noiseImage(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        QImage copy = image.copy();
        quill::evenOutLighting(copy, quill::Lattice::Grid);
        benchmark::DoNotOptimize(copy.constBits());
    }
}
BENCHMARK(BM_EvenLighting)->Arg(4096)->Unit(benchmark::kMillisecond);

void BM_OffsetByHalf(benchmark::State &state)
{
    const int size = static_cast<int>(state.range(0));
    const QImage image = quill::bench::noiseImage(size);
    QImage out(image.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        quill::rollOnLattice(image, size / 2, size / 2, out, quill::Lattice::Grid);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_OffsetByHalf)->Arg(4096)->Unit(benchmark::kMillisecond);

BENCHMARK(quill::bench::memcpyYardstick)->Arg(1024)->Arg(4096)->Unit(benchmark::kMillisecond);

} // namespace
