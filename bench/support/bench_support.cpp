#include "bench_support.h"

#include <QGuiApplication>
#include <QStandardPaths>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <random>
#include <vector>

namespace quill::bench {

bool hasProgram(const char *name) { return !QStandardPaths::findExecutable(QString::fromLatin1(name)).isEmpty(); }

const std::string &pillowPython()
{
    static const std::string found = [] {
        for (const char *python : {"python3", "/usr/bin/python3"})
            if (std::system((std::string(python) + " -c 'import PIL' >/dev/null 2>&1").c_str()) == 0)
                return std::string(python);
        return std::string();
    }();
    return found;
}

std::string quoted(const QString &path) { return "'" + path.toStdString() + "'"; }

void timeShellCommand(benchmark::State &state, const std::string &command, bool available)
{
    if (!available) {
        state.SkipWithError("not installed");
        return;
    }
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0) {
            state.SkipWithError(("failed: " + command).c_str());
            return;
        }
    }
}

void memcpyYardstick(benchmark::State &state)
{
    const auto side = static_cast<std::size_t>(state.range(0));
    const std::size_t bytes = side * side * 4;
    std::vector<char> from(bytes, 1), to(bytes, 2);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), bytes);
        benchmark::ClobberMemory();
    }
}

QImage noiseImage(int width, int height, unsigned seed)
{
    std::mt19937 engine(seed);
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] = 0xff000000u | (engine() & 0xffffffu);
    }
    return image;
}

QImage tileImage(int size)
{
    QImage image(size, size, QImage::Format_RGB32);
    std::uint32_t seed = 12345;
    for (int y = 0; y < size; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < size; ++x) {
            seed = seed * 1664525u + 1013904223u;
            const int grain = static_cast<int>(seed >> 28);
            line[x] = qRgb((x * 255 / size + grain) & 255, (y * 255 / size + grain) & 255, ((x + y) / 32 * 40) & 255);
        }
    }
    return image;
}

} // namespace quill::bench

int main(int argc, char **argv)
{
    // Text and fonts need a GUI application; no window is ever shown.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
