// Picture files built byte by byte for the file tests: a GIF encoder (Qt reads
// GIFs but cannot write them) and helpers to write and cut files.
#pragma once

#include "surface/lattice.h"

#include <QByteArray>
#include <QImage>
#include <QString>

namespace quill::testing {

// A GIF of the image's first 256 distinct colours; the pixel (x, y) of the
// image must use at most 256 colours in all. Empty when it uses more.
QByteArray encodeGif(const QImage &image);
// A picture of at most 256 colours that differ from pixel to pixel.
QImage paletteImage(int width, int height);
// A seamless grey tile with steps everywhere: one period of a sine each way.
QImage sineTile(int width, int height);
// A grey sine wave that runs on across the edges of one lattice (on brick
// sin(2 pi x / w - pi y / h), on half-drop sin(-pi x / w + 2 pi y / h), with the
// rounded-down half shift at odd sizes), and breaks at the edges of the others.
QImage latticeSineTile(Lattice lattice, int width, int height);
// A smooth picture that JPEG keeps close to the original.
QImage gradientImage(int width, int height);

// The picture as JPEG bytes, written through the program's own encoder.
QByteArray jpegBytes(const QImage &picture, int quality = 75, int options = 0);

QByteArray readFile(const QString &path);
bool writeFile(const QString &path, const QByteArray &bytes);
// Mean absolute difference per channel of two same-sized pictures.
double meanError(const QImage &a, const QImage &b);

} // namespace quill::testing
