// Many tiles at once: 200 noise tiles of 256 x 256 opened, turned grey and
// saved as PNG, by one quillmar-batch --each, by 200 single runs, by
// ImageMagick's mogrify and by a Pillow loop (each only when installed), all as
// whole processes in the same run, next to the memcpy yardstick.
#include "surface/image_files.h"

#include "support/bench_support.h"

#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

namespace {

constexpr int kTiles = 200;
constexpr int kSide = 256;

struct Tiles {
    QTemporaryDir dir;
    std::string inputs; // every tile's path, quoted, space-separated
    std::string out = dir.filePath(QStringLiteral("out")).toStdString();

    Tiles()
    {
        QDir(dir.path()).mkdir(QStringLiteral("out"));
        for (int i = 0; i < kTiles; ++i) {
            const QString path = dir.filePath(QStringLiteral("tile%1.png").arg(i, 3, 10, QLatin1Char('0')));
            quill::savePng(quill::bench::noiseImage(kSide, kSide, static_cast<unsigned>(i + 1)), path);
            inputs += " '" + path.toStdString() + "'";
        }
    }
};

Tiles &tiles()
{
    static Tiles t;
    return t;
}

const std::string kBatch = QUILLMAR_BATCH_BINARY;

using quill::bench::timeShellCommand;

void BM_Each_Quillmar(benchmark::State &state)
{
    Tiles &t = tiles();
    timeShellCommand(state, kBatch + " --each" + t.inputs + " --click grey --save '" + t.out + "/{name}.png'", true);
}

void BM_SingleRuns_Quillmar(benchmark::State &state)
{
    Tiles &t = tiles();
    timeShellCommand(state,
                     "for f in" + t.inputs + "; do '" + kBatch + "' --open \"$f\" --click grey --save '" + t.out +
                         "'/$(basename \"$f\") || exit 1; done",
                     true);
}

void BM_Mogrify_ImageMagick(benchmark::State &state)
{
    Tiles &t = tiles();
    timeShellCommand(state, "mogrify-im6.q16 -path '" + t.out + "' -colorspace Gray" + t.inputs,
                     quill::bench::hasProgram("mogrify-im6.q16"));
}

void BM_Loop_Pillow(benchmark::State &state)
{
    Tiles &t = tiles();
    const std::string &python = quill::bench::pillowPython();
    timeShellCommand(state,
                     python +
                         " -c 'import sys, os; from PIL import Image\n"
                         "for f in sys.argv[2:]: Image.open(f).convert(\"L\").save(os.path.join(sys.argv[1], "
                         "os.path.basename(f)))' '" +
                         t.out + "'" + t.inputs,
                     !python.empty());
}

void repeated(benchmark::internal::Benchmark *b)
{
    b->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1)->Repetitions(3)->ReportAggregatesOnly(true);
}

BENCHMARK(quill::bench::memcpyYardstick)
    ->Arg(4096)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_Each_Quillmar)->Apply(repeated);
BENCHMARK(BM_SingleRuns_Quillmar)->Apply(repeated);
BENCHMARK(BM_Mogrify_ImageMagick)->Apply(repeated);
BENCHMARK(BM_Loop_Pillow)->Apply(repeated);

} // namespace
