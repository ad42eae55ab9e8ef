#include "support/picture_files.h"

#include "support/fixtures.h"

#include "surface/image_files.h"
#include "surface/jpeg_library.h"

#include <QFile>
#include <QHash>
#include <QTemporaryDir>

#include <cmath>
#include <cstdlib>

namespace quill::testing {

namespace {

void put16(QByteArray &b, int v) { b.append(static_cast<char>(v & 0xff)).append(static_cast<char>(v >> 8 & 0xff)); }

} // namespace

QByteArray encodeGif(const QImage &image)
{
    QHash<QRgb, int> palette;
    QByteArray colours, data;
    // LZW without compression: every pixel is a literal nine-bit code, and a
    // clear code every 250 keeps the code size from growing.
    std::uint32_t buffer = 0;
    int bits = 0, sent = 0;
    const auto put = [&](int code) {
        for (buffer |= static_cast<std::uint32_t>(code) << bits, bits += 9; bits >= 8; buffer >>= 8, bits -= 8)
            data.append(static_cast<char>(buffer & 0xff));
    };
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            auto it = palette.find(c | 0xff000000u);
            if (it == palette.end()) {
                if (palette.size() == 256)
                    return {};
                it = palette.insert(c | 0xff000000u, static_cast<int>(palette.size()));
                colours.append(static_cast<char>(qRed(c)))
                    .append(static_cast<char>(qGreen(c)))
                    .append(static_cast<char>(qBlue(c)));
            }
            if (sent++ % 250 == 0)
                put(256);
            put(*it);
        }
    put(257);
    if (bits > 0)
        data.append(static_cast<char>(buffer & 0xff));
    colours.resize(3 * 256, '\0');

    QByteArray gif("GIF89a");
    put16(gif, image.width());
    put16(gif, image.height());
    gif.append("\xf7\0\0", 3).append(colours).append(','); // a global table of 256 entries
    for (int v : {0, 0, image.width(), image.height()})
        put16(gif, v);
    gif.append("\0\x08", 2);
    for (qsizetype at = 0; at < data.size(); at += 255) {
        const qsizetype n = std::min<qsizetype>(255, data.size() - at);
        gif.append(static_cast<char>(n)).append(data.mid(at, n));
    }
    return gif.append("\0;", 2);
}

QImage paletteImage(int width, int height)
{
    return imageOf(width, height, [](int x, int y) {
        const int i = (x * 7 + y * 13) % 256;
        return qRgb(i, (i * 3) % 256, 255 - i);
    });
}

QImage sineTile(int width, int height)
{
    return imageOf(width, height, [&](int x, int y) {
        const double s = std::sin(2 * M_PI * x / width) * std::sin(2 * M_PI * y / height + 0.5);
        const int v = 128 + static_cast<int>(std::lround(60 * s));
        return qRgb(v, v, v);
    });
}

QImage latticeSineTile(Lattice lattice, int width, int height)
{
    // Phase 2 pi (x / w) + b y for brick: crossing the bottom shifts by a whole
    // period less the brick's own shift, so the wave meets itself there.
    const EdgeShift shift = edgeShift(lattice, QSize(width, height));
    const double a =
        lattice == Lattice::HalfDrop ? 2 * M_PI * (double(shift.downAtRight) / height - 1) / width : 2 * M_PI / width;
    const double b = lattice == Lattice::Brick ? 2 * M_PI * (double(shift.rightAtBottom) / width - 1) / height
                                               : (lattice == Lattice::HalfDrop ? 2 * M_PI / height : 0);
    return imageOf(width, height, [&](int x, int y) {
        const int v = 128 + static_cast<int>(std::lround(100 * std::sin(a * x + b * y)));
        return qRgb(v, v, v);
    });
}

QImage gradientImage(int width, int height)
{
    return imageOf(width, height, [&](int x, int y) {
        return qRgb(x * 255 / std::max(1, width - 1), y * 255 / std::max(1, height - 1), 128);
    });
}

QByteArray jpegBytes(const QImage &picture, int quality, int options)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("p.jpg"));
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
    QByteArray packed;
    for (int y = 0; y < rgb.height(); ++y)
        packed.append(reinterpret_cast<const char *>(rgb.constScanLine(y)), rgb.width() * 3);
    if (jpeg::saveRgbToJpg(file, reinterpret_cast<const unsigned char *>(packed.constData()), rgb.width(), rgb.height(),
                           quality, options) != 0)
        return {};
    return readFile(file);
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    // A fresh file: rewriting one in place makes ext4 flush it to disk on close.
    QFile::remove(path);
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

double meanError(const QImage &a, const QImage &b)
{
    if (a.size() != b.size() || a.isNull())
        return 1e9;
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * a.width() * a.height());
}

} // namespace quill::testing
