// The whole-image filters on a 4096 x 4096 picture, one click each (without the
// undo bitmap), next to a plain memcpy of the same raster in the same run:
// compare the ratios, not the milliseconds.
#include "document/session.h"
#include "surface/scripted_host.h"
#include "toolbox/operation_registry.h"

#include "support/bench_support.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

namespace {

constexpr int kSize = 4096;

struct Bench {
    quill::ScriptedHost host;
    quill::Session session{host};

    Bench()
    {
        session.undo.recording = false;
        session.document.replaceWith(quill::bench::noiseImage(kSize, kSize, 1));
        session.merge.setPicture(quill::bench::noiseImage(quill::kMergeBoxWidth, quill::kMergeBoxHeight, 2));
    }
};

void runOperation(benchmark::State &state, const char *alias)
{
    Bench bench;
    const quill::Operation *op = quill::findOperation(QString::fromLatin1(alias));
    if (!op) {
        state.SkipWithError("no such operation");
        return;
    }
    op->run(bench.session); // warm the scratch raster
    for (auto _ : state) {
        op->run(bench.session);
        benchmark::ClobberMemory();
    }
}

// The machines here are shared and noisy: each figure is run several times and
// the fastest run (wall clock) is reported next to the mean, for both sides.
void fastest(benchmark::internal::Benchmark *b)
{
    b->Repetitions(5)->UseRealTime()->ComputeStatistics(
        "min", [](const std::vector<double> &v) { return *std::min_element(v.begin(), v.end()); });
}

BENCHMARK(quill::bench::memcpyYardstick)->Arg(kSize)->Unit(benchmark::kMillisecond)->Apply(fastest);

BENCHMARK_CAPTURE(runOperation, grey, "grey")->Unit(benchmark::kMillisecond)->Apply(fastest);
BENCHMARK_CAPTURE(runOperation, purple, "purple")->Unit(benchmark::kMillisecond)->Apply(fastest);
BENCHMARK_CAPTURE(runOperation, red_up, "red-up")->Unit(benchmark::kMillisecond)->Apply(fastest);
BENCHMARK_CAPTURE(runOperation, white_down, "white-down")->Unit(benchmark::kMillisecond)->Apply(fastest);
BENCHMARK_CAPTURE(runOperation, yellow_up, "yellow-up")->Unit(benchmark::kMillisecond)->Apply(fastest);
BENCHMARK_CAPTURE(runOperation, mirror_h, "mirror-h")->Unit(benchmark::kMillisecond)->Apply(fastest);
BENCHMARK_CAPTURE(runOperation, mirror_v, "mirror-v")->Unit(benchmark::kMillisecond)->Apply(fastest);
BENCHMARK_CAPTURE(runOperation, half_turn, "half-turn")->Unit(benchmark::kMillisecond)->Apply(fastest);
BENCHMARK_CAPTURE(runOperation, turn_left, "turn-left")->Unit(benchmark::kMillisecond)->Apply(fastest);
BENCHMARK_CAPTURE(runOperation, turn_right, "turn-right")->Unit(benchmark::kMillisecond)->Apply(fastest);
BENCHMARK_CAPTURE(runOperation, merge_grey, "merge-grey")->Unit(benchmark::kMillisecond)->Apply(fastest);
BENCHMARK_CAPTURE(runOperation, blend, "blend")->Unit(benchmark::kMillisecond)->Apply(fastest);
BENCHMARK_CAPTURE(runOperation, interleave, "interleave")->Unit(benchmark::kMillisecond)->Apply(fastest);
BENCHMARK_CAPTURE(runOperation, blur, "blur")->Unit(benchmark::kMillisecond)->Apply(fastest);
BENCHMARK_CAPTURE(runOperation, mosaic, "mosaic")->Unit(benchmark::kMillisecond)->Apply(fastest);
BENCHMARK_CAPTURE(runOperation, bands_h, "bands-h")->Unit(benchmark::kMillisecond)->Apply(fastest);
BENCHMARK_CAPTURE(runOperation, bands_v, "bands-v")->Unit(benchmark::kMillisecond)->Apply(fastest);
BENCHMARK_CAPTURE(runOperation, shrink, "shrink")->Unit(benchmark::kMillisecond)->Apply(fastest);

} // namespace
