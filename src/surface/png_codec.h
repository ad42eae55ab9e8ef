// The program's own PNG encoder and its fast reader for the common layout.
// Called by image_files (save and open); works on bytes in memory only, so the
// caller decides how the bytes reach the disk. Never throws, never writes a file.
#pragma once

#include <QByteArray>
#include <QImage>

namespace quill {

// The picture as the bytes of an 8-bit RGB PNG (no alpha, not interlaced), each
// row with the filter that leaves it smallest. Empty when memory runs out.
QByteArray encodePng(const QImage &picture);

enum class PngRead {
    Decoded, // `out` holds the picture as RGB32
    Damaged, // a chunk is cut short or fails its checksum, the pixel data is bad, or it is too large
    Other,   // sound, but a layout (palette, 16 bits, alpha, interlace) left to the general reader
};

// Checks every chunk of a PNG and decodes 8-bit RGB and grey pictures without
// interlace. maxBytes bounds the decoded raster.
PngRead readPng(const uchar *bytes, qint64 size, qint64 maxBytes, QImage &out);

} // namespace quill
