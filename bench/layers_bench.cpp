// The cost of keeping nine tiles in step and of one undo snapshot, at 1024 x 1024:
// a change of the picture propagated to the eight copies (sharing rasters), and
// the copy of the picture the undo history keeps (its file is the writer's).
#include "document/document.h"
#include "document/undo_store.h"

#include "support/bench_support.h"
#include <QDir>

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

quill::Document makeDocument(int size)
{
    quill::Document doc;
    doc.layOutGrid(size * quill::kTwipsPerPixel, size * quill::kTwipsPerPixel);
    doc.forEachLayer([](quill::Surface &l) { l.setScaleMode(quill::ScaleMode::Pixels); });
    return doc;
}

// One dot drawn on the picture, then the eight copies brought up to date.
void BM_DrawAndPropagate(benchmark::State &state)
{
    const int size = static_cast<int>(state.range(0));
    quill::Document doc = makeDocument(size);
    int x = 0;
    for (auto _ : state) {
        doc.picture().PSet(x++ % size, 10, 0);
        doc.PropagateCentre();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_DrawAndPropagate)->Arg(1024)->Unit(benchmark::kMillisecond);

// Propagation alone: the copies take the picture's raster.
void BM_PropagateOnly(benchmark::State &state)
{
    const int size = static_cast<int>(state.range(0));
    quill::Document doc = makeDocument(size);
    for (auto _ : state) {
        doc.picture().changedAll();
        doc.PropagateCentre();
    }
}
BENCHMARK(BM_PropagateOnly)->Arg(1024)->Unit(benchmark::kMicrosecond);

void BM_UndoSnapshot(benchmark::State &state)
{
    const int size = static_cast<int>(state.range(0));
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    qputenv("XDG_CACHE_HOME", dir.path().toLocal8Bit());
    quill::Document doc = makeDocument(size);
    quill::UndoStore store;
    for (auto _ : state) {
        store.UndoCount = 0; // the same step again: measure the step, not the disk filling up
        store.TakeUndoSnapshot(doc);
    }
    QDir::setCurrent(previous);
}
BENCHMARK(BM_UndoSnapshot)->Arg(1024)->Unit(benchmark::kMillisecond);

BENCHMARK(quill::bench::memcpyYardstick)->Arg(1024)->Unit(benchmark::kMillisecond);

} // namespace
