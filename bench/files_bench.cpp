// Saving and opening a 4096 x 4096 picture: as a bitmap, and as a JPEG at
// quality 75 through temp.bmp, next to a plain TurboJPEG encode of the same
// pixels and the bitmap write and read the JPEG path adds to it.
#include "shell/file_commands.h"
#include "surface/image_files.h"
#include "surface/jpeg_library.h"
#include "surface/scripted_host.h"

#include "support/bench_support.h"
#include <QDir>

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <turbojpeg.h>

#include <memory>

namespace {

constexpr int kSize = 4096;

// Everything runs in a temporary working directory, as the program writes temp.bmp into its own.
struct Workspace {
    QTemporaryDir dir;
    QString previous = QDir::currentPath();
    quill::ScriptedHost host;
    std::unique_ptr<quill::Session> session;

    Workspace()
    {
        QDir::setCurrent(dir.path());
        session = std::make_unique<quill::Session>(host);
        session->document.replaceWith(quill::bench::tileImage(kSize));
        quill::jpeg::initLibrary();
    }
    ~Workspace() { QDir::setCurrent(previous); }
};

Workspace &workspace()
{
    static Workspace w;
    return w;
}

void BM_SaveBitmap(benchmark::State &state)
{
    Workspace &w = workspace();
    for (auto _ : state)
        benchmark::DoNotOptimize(quill::saveBitmap(w.session->document.picture().Image(), QStringLiteral("tile.bmp")));
}
BENCHMARK(BM_SaveBitmap)->Unit(benchmark::kMillisecond);

void BM_OpenBitmap(benchmark::State &state)
{
    Workspace &w = workspace();
    quill::saveBitmap(w.session->document.picture().Image(), QStringLiteral("open.bmp"));
    for (auto _ : state) {
        auto picture = quill::loadPicture(QStringLiteral("open.bmp"));
        w.session->document.replaceWith(*picture);
    }
}
BENCHMARK(BM_OpenBitmap)->Unit(benchmark::kMillisecond);

// The program's JPEG save: temp.bmp written, read back as RGB bytes, encoded, written.
void BM_SaveJpeg(benchmark::State &state)
{
    Workspace &w = workspace();
    for (auto _ : state) {
        quill::SaveJpeg(*w.session, QStringLiteral("tile.jpg"));
        w.host.messages.clear();
    }
}
BENCHMARK(BM_SaveJpeg)->Unit(benchmark::kMillisecond);

void BM_OpenJpeg(benchmark::State &state)
{
    Workspace &w = workspace();
    quill::SaveJpeg(*w.session, QStringLiteral("open.jpg"));
    for (auto _ : state) {
        auto picture = quill::loadPicture(QStringLiteral("open.jpg"));
        w.session->document.replaceWith(*picture);
    }
}
BENCHMARK(BM_OpenJpeg)->Unit(benchmark::kMillisecond);

// Opening into a document of another size: the nine layers change size too.
void BM_OpenJpegNewSize(benchmark::State &state)
{
    Workspace &w = workspace();
    quill::SaveJpeg(*w.session, QStringLiteral("open.jpg"));
    const QImage small(16, 16, QImage::Format_RGB32);
    for (auto _ : state) {
        state.PauseTiming();
        w.session->document.replaceWith(small);
        state.ResumeTiming();
        auto picture = quill::loadPicture(QStringLiteral("open.jpg"));
        w.session->document.replaceWith(*picture);
    }
}
BENCHMARK(BM_OpenJpegNewSize)->Unit(benchmark::kMillisecond);

// The yardstick: TurboJPEG encoding the raster's pixels straight to memory.
void BM_RawTurboJpegEncode(benchmark::State &state)
{
    const QImage &picture = workspace().session->document.picture().Image();
    tjhandle handle = tjInitCompress();
    for (auto _ : state) {
        unsigned char *out = nullptr;
        unsigned long size = 0;
        tjCompress2(handle, picture.constBits(), picture.width(), static_cast<int>(picture.bytesPerLine()),
                    picture.height(), TJPF_BGRX, &out, &size, TJSAMP_420, 75, 0);
        benchmark::DoNotOptimize(size);
        tjFree(out);
    }
    tjDestroy(handle);
}
BENCHMARK(BM_RawTurboJpegEncode)->Unit(benchmark::kMillisecond);

// What the JPEG path adds on top of the encode: one bitmap written and read back.
void BM_BitmapWriteRead(benchmark::State &state)
{
    const QImage &picture = workspace().session->document.picture().Image();
    for (auto _ : state) {
        quill::saveBitmap(picture, QStringLiteral("temp.bmp"));
        benchmark::DoNotOptimize(quill::jpeg::readRgbFromBmp(QStringLiteral("temp.bmp")));
    }
}
BENCHMARK(BM_BitmapWriteRead)->Unit(benchmark::kMillisecond);

BENCHMARK(quill::bench::memcpyYardstick)->Arg(kSize)->Unit(benchmark::kMillisecond);

} // namespace
