// The seam tools: the score after a change (1024 x 1024), making a picture
// seamless and offsetting it by half (4096 x 4096), next to memcpy of the raster.
#include "toolbox/seam_tools.h"

#include "support/bench_support.h"

#include <benchmark/benchmark.h>

namespace {

void BM_SeamScore(benchmark::State &state)
{
    const QImage image = quill::bench::noiseImage(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(quill::seamScore(image));
}
BENCHMARK(BM_SeamScore)->Arg(1024)->Unit(benchmark::kMicrosecond);

void BM_MakeSeamless(benchmark::State &state)
{
    const QImage image = quill::bench::noiseImage(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        QImage copy = image.copy();
        quill::makeSeamless(copy);
        benchmark::DoNotOptimize(copy.constBits());
    }
}
BENCHMARK(BM_MakeSeamless)->Arg(4096)->Unit(benchmark::kMillisecond);

void BM_OffsetByHalf(benchmark::State &state)
{
    const int size = static_cast<int>(state.range(0));
    const QImage image = quill::bench::noiseImage(size);
    QImage out(image.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        quill::rollInto(image, size / 2, size / 2, out);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_OffsetByHalf)->Arg(4096)->Unit(benchmark::kMillisecond);

BENCHMARK(quill::bench::memcpyYardstick)->Arg(4096)->Unit(benchmark::kMillisecond);

} // namespace
