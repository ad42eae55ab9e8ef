// Tiling the pattern over a 1024 x 1024 picture (no undo file: the snapshot is
// measured in layers_bench), against a plain memcpy of the same raster.
#include "document/pattern.h"
#include "document/session.h"
#include "surface/scripted_host.h"

#include "support/bench_support.h"

#include <benchmark/benchmark.h>

namespace {

void BM_ApplyPattern(benchmark::State &state)
{
    const int size = static_cast<int>(state.range(0));
    quill::ScriptedHost host;
    quill::Session session(host);
    session.undo.recording = false;
    session.document.replaceWith(QImage(size, size, QImage::Format_RGB32));
    for (int k = 0; k < quill::kPatternCells; ++k)
        if (k % 7)
            session.pattern.setCell(k, QString::number(k * 104729 % 16777216));
    const auto tiling = static_cast<quill::PatternTiling>(state.range(1));
    for (auto _ : state) {
        quill::applyPattern(session, tiling);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ApplyPattern)
    ->Args({1024, static_cast<int>(quill::PatternTiling::Draw)})
    ->Args({1024, static_cast<int>(quill::PatternTiling::Merge)})
    ->Args({1024, static_cast<int>(quill::PatternTiling::ByPixels)})
    ->Unit(benchmark::kMillisecond);

BENCHMARK(quill::bench::memcpyYardstick)->Arg(1024)->Unit(benchmark::kMillisecond);

} // namespace
