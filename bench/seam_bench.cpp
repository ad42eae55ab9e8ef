// The seam tools: the score after a change (1024 x 1024), making a picture
// seamless and offsetting it by half (4096 x 4096), next to memcpy of the raster.
#include "toolbox/seam_tools.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

#include <cstring>
#include <random>

namespace {

QImage noise(int size)
{
    QImage image(size, size, QImage::Format_RGB32);
    std::mt19937 rng(1);
    for (int y = 0; y < size; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < size; ++x)
            line[x] = 0xff000000u | (rng() & 0xffffffu);
    }
    return image;
}

void BM_SeamScore(benchmark::State &state)
{
    const QImage image = noise(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(quill::seamScore(image));
}
BENCHMARK(BM_SeamScore)->Arg(1024)->Unit(benchmark::kMicrosecond);

void BM_MakeSeamless(benchmark::State &state)
{
    const QImage image = noise(static_cast<int>(state.range(0)));
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
    const QImage image = noise(size);
    QImage out(image.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        quill::rollInto(image, size / 2, size / 2, out);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_OffsetByHalf)->Arg(4096)->Unit(benchmark::kMillisecond);

void BM_Memcpy(benchmark::State &state)
{
    const std::size_t bytes = static_cast<std::size_t>(state.range(0)) * static_cast<std::size_t>(state.range(0)) * 4;
    std::vector<char> a(bytes, 1), b(bytes, 2);
    for (auto _ : state) {
        std::memcpy(b.data(), a.data(), bytes);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Memcpy)->Arg(4096)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
