// PNG on a 4096 x 4096 painted tile, next to Pillow, ImageMagick and
// GraphicsMagick in the same run (each only when installed). Files are timed
// as whole processes, as a user runs them: start, read a bitmap, write a PNG.
// Every figure carries the bytes written; the memcpy of the same raster is the yardstick.
#include "surface/image_files.h"
#include "surface/png_codec.h"

#include "support/bench_support.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

namespace {

constexpr int kSize = 4096;

struct Files {
    QTemporaryDir dir;
    QImage picture = quill::bench::tileImage(kSize);
    QString bitmap = dir.filePath(QStringLiteral("tile.bmp"));
    QString png = dir.filePath(QStringLiteral("tile.png"));
    QString out = dir.filePath(QStringLiteral("out.png"));

    Files()
    {
        quill::saveBitmap(picture, bitmap);
        quill::savePng(picture, png);
    }
};

Files &files()
{
    static Files f;
    return f;
}

using quill::bench::hasProgram;
using quill::bench::pillowPython;
using quill::bench::quoted;

bool hasPillow() { return !pillowPython().empty(); }

// Runs one shell command per iteration; the file it writes is counted in bytes.
void runCommand(benchmark::State &state, const std::string &command, bool available, const QString &written)
{
    quill::bench::timeShellCommand(state, command, available);
    if (!written.isEmpty() && !state.error_occurred())
        state.counters["bytes"] = static_cast<double>(QFileInfo(written).size());
}

std::string batch() { return quoted(QStringLiteral(QUILLMAR_BATCH_BINARY)); }

void BM_SavePng_Quillmar(benchmark::State &state)
{
    Files &f = files();
    runCommand(state, batch() + " --open " + quoted(f.bitmap) + " --save " + quoted(f.out), true, f.out);
}

void BM_SavePng_Pillow(benchmark::State &state)
{
    Files &f = files();
    runCommand(state,
               pillowPython() + " -c 'import sys; from PIL import Image; Image.open(sys.argv[1]).save(sys.argv[2])' " +
                   quoted(f.bitmap) + " " + quoted(f.out),
               hasPillow(), f.out);
}

void BM_SavePng_ImageMagick(benchmark::State &state)
{
    Files &f = files();
    runCommand(state, "convert-im6.q16 " + quoted(f.bitmap) + " " + quoted(f.out), hasProgram("convert-im6.q16"),
               f.out);
}

void BM_SavePng_GraphicsMagick(benchmark::State &state)
{
    Files &f = files();
    runCommand(state, "gm convert " + quoted(f.bitmap) + " " + quoted(f.out), hasProgram("gm"), f.out);
}

// Start-up and the bitmap read alone: what the save figures spend before any PNG work.
void BM_OpenBitmapOnly_Quillmar(benchmark::State &state)
{
    runCommand(state, batch() + " --open " + quoted(files().bitmap), true, {});
}

void pillowOpens(benchmark::State &state, const QString &file)
{
    runCommand(state,
               pillowPython() + " -c 'import sys; from PIL import Image; Image.open(sys.argv[1]).load()' " +
                   quoted(file),
               hasPillow(), {});
}

void BM_OpenBitmapOnly_Pillow(benchmark::State &state) { pillowOpens(state, files().bitmap); }

void BM_OpenPng_Quillmar(benchmark::State &state)
{
    runCommand(state, batch() + " --open " + quoted(files().png), true, {});
}

void BM_OpenPng_Pillow(benchmark::State &state) { pillowOpens(state, files().png); }

// The encoder and the reader inside the program, without process start or disk.
void BM_EncodePng(benchmark::State &state)
{
    const QImage &picture = files().picture;
    qsizetype bytes = 0;
    for (auto _ : state)
        bytes = quill::encodePng(picture).size();
    state.counters["bytes"] = static_cast<double>(bytes);
}

void BM_LoadPng(benchmark::State &state)
{
    const QString &png = files().png;
    for (auto _ : state)
        benchmark::DoNotOptimize(quill::loadPicture(png));
}

// Shared and noisy machines: a few runs each, and the median is the figure to read.
void repeated(benchmark::internal::Benchmark *b)
{
    b->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1)->Repetitions(5)->ReportAggregatesOnly(true);
}

BENCHMARK(quill::bench::memcpyYardstick)
    ->Arg(kSize)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_EncodePng)->Apply(repeated);
BENCHMARK(BM_LoadPng)->Apply(repeated);
BENCHMARK(BM_SavePng_Quillmar)->Apply(repeated);
BENCHMARK(BM_SavePng_Pillow)->Apply(repeated);
BENCHMARK(BM_SavePng_ImageMagick)->Apply(repeated);
BENCHMARK(BM_SavePng_GraphicsMagick)->Apply(repeated);
BENCHMARK(BM_OpenBitmapOnly_Quillmar)->Apply(repeated);
BENCHMARK(BM_OpenBitmapOnly_Pillow)->Apply(repeated);
BENCHMARK(BM_OpenPng_Quillmar)->Apply(repeated);
BENCHMARK(BM_OpenPng_Pillow)->Apply(repeated);

} // namespace
