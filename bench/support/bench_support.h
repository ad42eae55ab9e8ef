// What every benchmark program shares: the memcpy yardstick that whole-image
// operations are measured against, a noise picture, and an offscreen main().
// Benchmarks only; nothing here is part of the program.
#pragma once

#include <QImage>
#include <benchmark/benchmark.h>

#include <string>

namespace quill::bench {

// Copies a side x side 32-bit raster: the speed of memory on this machine.
void memcpyYardstick(benchmark::State &state);

// A reproducible picture of independent random pixels.
QImage noiseImage(int width, int height, unsigned seed = 1);
inline QImage noiseImage(int side) { return noiseImage(side, side); }

// A smooth picture with some grain, more like a painted tile than noise or a flat fill.
QImage tileImage(int side);

// Other programs, timed as whole processes beside ours.
bool hasProgram(const char *name);
// The first Python that has Pillow (the one on the path, else the system's), or empty.
const std::string &pillowPython();
std::string quoted(const QString &path);
// Runs one shell command per iteration; skipped when the program is not installed.
void timeShellCommand(benchmark::State &state, const std::string &command, bool available);

} // namespace quill::bench
