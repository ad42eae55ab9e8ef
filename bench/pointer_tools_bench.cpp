// What a pointer event costs with the tools that run on every move or click:
// the zoom window's 20 x 20 magnified view (redrawn on every move) and a text
// printed into a 1024 x 1024 picture and copied to the tiles, measured
// against copying the same raster once.
#include "canvas/text_tool.h"
#include "document/document.h"
#include "shell/zoom_view.h"

#include "support/bench_support.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kSize = 1024;

quill::Document makeDocument()
{
    quill::Document doc;
    doc.layOutGrid(kSize * quill::kTwipsPerPixel, kSize * quill::kTwipsPerPixel);
    return doc;
}

void BM_ZoomViewRedraw(benchmark::State &state)
{
    quill::Document doc = makeDocument();
    quill::Surface view(quill::kZoomViewTwips / quill::kTwipsPerPixel, quill::kZoomViewTwips / quill::kTwipsPerPixel);
    double x = 0;
    for (auto _ : state) {
        quill::drawZoomView(view, doc.picture(), x, 300);
        x += 15;
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ZoomViewRedraw)->Unit(benchmark::kMicrosecond);

void BM_PrintTextAndPropagate(benchmark::State &state)
{
    quill::Document doc = makeDocument();
    quill::TextSettings text;
    text.Text = QStringLiteral("Seamless tiles");
    text.FontSize = 24;
    quill::Surface &picture = doc.picture();
    quill::applyTextFont(picture, text);
    int y = 0;
    for (auto _ : state) {
        picture.CurrentX = 150;
        picture.CurrentY = (y++ % 400) * 15;
        picture.Print(text.Text);
        doc.PropagateCentre();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_PrintTextAndPropagate)->Unit(benchmark::kMicrosecond);

BENCHMARK(quill::bench::memcpyYardstick)->Arg(kSize)->Unit(benchmark::kMicrosecond);

} // namespace
