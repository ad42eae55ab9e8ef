#include "support/picture_files.h"

#include "surface/image_files.h"
#include "surface/jpeg_library.h"

#include <QFile>
#include <QHash>
#include <QTemporaryDir>

#include <cmath>
#include <cstdlib>
#include <vector>

namespace quill::testing {

namespace {

// LZW without compression: every pixel is sent as a literal, and a clear code
// comes often enough that the code size stays at nine bits.
QByteArray literalLzw(const std::vector<int> &indices)
{
    constexpr int kClear = 256, kEnd = 257, kRun = 250;
    QByteArray out;
    std::uint32_t buffer = 0;
    int bits = 0;
    const auto put = [&](int code) {
        buffer |= static_cast<std::uint32_t>(code) << bits;
        bits += 9;
        while (bits >= 8) {
            out.append(static_cast<char>(buffer & 0xff));
            buffer >>= 8;
            bits -= 8;
        }
    };
    for (std::size_t i = 0; i < indices.size(); ++i) {
        if (i % kRun == 0)
            put(kClear);
        put(indices[i]);
    }
    put(kEnd);
    if (bits > 0)
        out.append(static_cast<char>(buffer & 0xff));
    return out;
}

void put16(QByteArray &b, int v)
{
    b.append(static_cast<char>(v & 0xff));
    b.append(static_cast<char>((v >> 8) & 0xff));
}

} // namespace

QByteArray encodeGif(const QImage &image)
{
    QHash<QRgb, int> palette;
    std::vector<QRgb> colours;
    std::vector<int> indices;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y) | 0xff000000u;
            auto it = palette.find(c);
            if (it == palette.end()) {
                if (colours.size() == 256)
                    return {};
                it = palette.insert(c, static_cast<int>(colours.size()));
                colours.push_back(c);
            }
            indices.push_back(*it);
        }
    colours.resize(256, 0xff000000u);

    QByteArray gif("GIF89a");
    put16(gif, image.width());
    put16(gif, image.height());
    gif.append(static_cast<char>(0xf7)); // global table of 256 entries
    gif.append('\0');
    gif.append('\0');
    for (QRgb c : colours) {
        gif.append(static_cast<char>(qRed(c)));
        gif.append(static_cast<char>(qGreen(c)));
        gif.append(static_cast<char>(qBlue(c)));
    }
    gif.append(',');
    put16(gif, 0);
    put16(gif, 0);
    put16(gif, image.width());
    put16(gif, image.height());
    gif.append('\0');
    gif.append(static_cast<char>(8));
    const QByteArray data = literalLzw(indices);
    for (qsizetype at = 0; at < data.size(); at += 255) {
        const qsizetype n = std::min<qsizetype>(255, data.size() - at);
        gif.append(static_cast<char>(n));
        gif.append(data.mid(at, n));
    }
    gif.append('\0');
    gif.append(';');
    return gif;
}

QImage paletteImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int i = (x * 7 + y * 13) % 256;
            image.setPixel(x, y, qRgb(i, (i * 3) % 256, 255 - i));
        }
    return image;
}

QImage sineTile(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const double s = std::sin(2 * M_PI * x / width) * std::sin(2 * M_PI * y / height + 0.5);
            const int v = 128 + static_cast<int>(std::lround(60 * s));
            image.setPixel(x, y, qRgb(v, v, v));
        }
    return image;
}

QImage gradientImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 255 / std::max(1, width - 1), y * 255 / std::max(1, height - 1), 128));
    return image;
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
