// What the undo history costs: a press on a 4096 x 4096 picture (the step
// taken, then the first dot drawn), which must stay within one 60 Hz frame
// (16 ms) because the file is written by the worker thread; and the worker's
// own time to write one 2048 x 2048 step to disk.
#include "document/session.h"
#include "surface/image_files.h"
#include "surface/scripted_host.h"

#include "support/bench_support.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void setUpPicture(quill::Session &session, int side)
{
    session.document.replaceWith(quill::bench::noiseImage(side));
    session.document.picture().setScaleMode(quill::ScaleMode::Pixels);
}

// The press: a step of the picture, then one dot and the tiles brought up to date.
void BM_Press(benchmark::State &state)
{
    QTemporaryDir cache;
    qputenv("XDG_CACHE_HOME", cache.path().toLocal8Bit());
    const int side = static_cast<int>(state.range(0));
    quill::ScriptedHost host;
    quill::Session session(host);
    setUpPicture(session, side);
    session.undo.open();
    int x = 0;
    for (auto _ : state) {
        session.TakeUndoSnapshot();
        session.document.picture().PSet(x++ % side, 10, 0);
        session.document.PropagateCentre();
        benchmark::ClobberMemory();
        state.PauseTiming();
        // Between presses the worker has the time a person takes to press again.
        session.undo.flush();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Press)->Arg(4096)->Arg(2048)->Unit(benchmark::kMillisecond)->UseRealTime();

// The worker's part: one step written as a bitmap through the safe writer (fsync included).
void BM_StepFile(benchmark::State &state)
{
    QTemporaryDir dir;
    const int side = static_cast<int>(state.range(0));
    const QImage picture = quill::bench::noiseImage(side);
    const QString file = dir.filePath(QStringLiteral("undo0.bmp"));
    for (auto _ : state)
        benchmark::DoNotOptimize(quill::saveBitmap(picture, file));
    state.counters["bytes"] = static_cast<double>(QFileInfo(file).size());
}
BENCHMARK(BM_StepFile)->Arg(2048)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK(quill::bench::memcpyYardstick)->Arg(4096)->Unit(benchmark::kMillisecond);

} // namespace
