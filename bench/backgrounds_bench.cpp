// Every background generator as a click runs it (paint and copy to the eight
// tiles, without the undo file), on square pictures of 1024 and 4096 pixels,
// against a plain copy of the same raster.
#include "backgrounds/fills_and_points.h"
#include "document/session.h"
#include "surface/scripted_host.h"
#include "toolbox/operation_registry.h"

#include "support/bench_support.h"

#include <benchmark/benchmark.h>

namespace {

const char *const kGenerators[] = {
    "gradient-h",     "gradient-v", "gradient-h2", "gradient-v2", "gradient-tl",   "gradient-tr",  "gradient-tl-br",
    "gradient-tr-bl", "circles",    "squares",     "diamonds",    "rays-12",       "rays-8",       "diamond-rays",
    "rays-thin",      "stripes-h",  "stripes-v",   "lines-h",     "lines-v",       "stripes-rise", "lines-rise",
    "stripes-fall",   "lines-fall", "stitching",   "checker",     "checker-discs", "checker-fg",   "discs-fg",
    "fill",           "points",     "sprinkle",
};

void runGenerator(benchmark::State &state, const quill::Operation *op)
{
    const int size = static_cast<int>(state.range(0));
    quill::ScriptedHost host;
    quill::Session session(host);
    session.undo.recording = false;
    session.random.seed(7);
    session.state.LeftColour = quill::rgb(10, 40, 200);
    session.state.RightColour = quill::rgb(250, 230, 20);
    session.document.layOutGrid(size * quill::kTwipsPerPixel, size * quill::kTwipsPerPixel);
    // One click before timing, so the layers are in the state every later click finds them.
    host.inputAnswers.push_back(QStringLiteral("3000"));
    op->run(session);
    for (auto _ : state) {
        host.inputAnswers.push_back(QStringLiteral("3000"));
        op->run(session);
        benchmark::ClobberMemory();
    }
}

// One benchmark per generator, registered before main() runs them.
const bool kGeneratorsRegistered = [] {
    for (const char *alias : kGenerators) {
        const quill::Operation *op = quill::findOperation(QString::fromLatin1(alias));
        if (!op)
            continue;
        benchmark::RegisterBenchmark((op->name + QLatin1Char(' ') + op->alias).toStdString().c_str(), runGenerator, op)
            ->Arg(1024)
            ->Arg(4096)
            ->Unit(benchmark::kMillisecond);
    }
    return true;
}();

BENCHMARK(quill::bench::memcpyYardstick)->Arg(1024)->Arg(4096)->Unit(benchmark::kMillisecond);

} // namespace
