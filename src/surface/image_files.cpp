#include "surface/image_files.h"

#include "surface/jpeg_library.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>

#include <array>

#include <cstdint>
#include <cstring>
#include <vector>

namespace quill {

namespace {

void putLE(unsigned char *at, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        at[i] = static_cast<unsigned char>(value >> (8 * i));
}

// Walks the blocks of a GIF up to the end of its first image's data; false
// when the file stops before that (Qt would show a cut-off GIF half drawn).
bool gifFirstImageComplete(const uchar *p, qint64 size)
{
    if (size < 13)
        return false;
    qint64 pos = 13;
    if (p[10] & 0x80)
        pos += 3 * (qint64(2) << (p[10] & 7));
    const auto skipSubBlocks = [&]() {
        while (pos < size) {
            const int n = p[pos++];
            if (n == 0)
                return true;
            pos += n;
        }
        return false;
    };
    while (pos < size) {
        const uchar block = p[pos];
        if (block == 0x21) { // extension: label, then sub-blocks
            pos += 2;
            if (!skipSubBlocks())
                return false;
        } else if (block == 0x2c) { // image descriptor, local colours, code size, data
            pos += 10;
            if (pos > size)
                return false;
            const uchar flags = p[pos - 1];
            if (flags & 0x80)
                pos += 3 * (qint64(2) << (flags & 7));
            pos += 1;
            return skipSubBlocks();
        } else {
            return false; // trailer before any image, or garbage
        }
    }
    return false;
}

constexpr uchar kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};

std::uint32_t readBE32(const uchar *p)
{
    return (std::uint32_t(p[0]) << 24) | (std::uint32_t(p[1]) << 16) | (std::uint32_t(p[2]) << 8) | p[3];
}

std::uint32_t crc32(const uchar *data, std::size_t length)
{
    static const auto table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xedb88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    std::uint32_t c = 0xffffffffu;
    for (std::size_t i = 0; i < length; ++i)
        c = table[(c ^ data[i]) & 0xff] ^ (c >> 8);
    return c ^ 0xffffffffu;
}

// Walks the chunks of a PNG: IHDR first, at least one IDAT, every checksum
// right, and IEND reached before the file ends. Qt's reader would show a PNG
// cut off in its pixel data half drawn; this refuses it, as for bitmaps.
bool pngComplete(const uchar *p, qint64 size)
{
    qint64 pos = 8;
    bool first = true, sawData = false;
    while (pos + 12 <= size) {
        const std::uint32_t length = readBE32(p + pos);
        if (length > 0x7fffffffu || qint64(length) > size - pos - 12)
            return false;
        const uchar *type = p + pos + 4;
        if (readBE32(p + pos + 8 + length) != crc32(type, std::size_t(length) + 4))
            return false;
        const bool header = std::memcmp(type, "IHDR", 4) == 0;
        if (first != header)
            return false;
        first = false;
        if (std::memcmp(type, "IDAT", 4) == 0)
            sawData = true;
        if (std::memcmp(type, "IEND", 4) == 0)
            return sawData;
        pos += 12 + qint64(length);
    }
    return false;
}

} // namespace

bool savePng(const QImage &picture, const QString &path)
{
    if (picture.isNull() || path.isEmpty())
        return false;
    // RGB32 is written as 8-bit RGB with no alpha, so it reopens pixel for pixel.
    const QImage rgb =
        picture.format() == QImage::Format_RGB32 ? picture : picture.convertToFormat(QImage::Format_RGB32);
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    QImageWriter writer(&out, "png");
    if (!writer.write(rgb)) {
        out.cancelWriting();
        return false;
    }
    return out.commit();
}

bool saveBitmap(const QImage &picture, const QString &path)
{
    if (picture.isNull() || path.isEmpty())
        return false;
    const QImage rgb =
        picture.format() == QImage::Format_RGB32 ? picture : picture.convertToFormat(QImage::Format_RGB32);
    const int width = rgb.width();
    const int height = rgb.height();
    const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) & ~static_cast<std::size_t>(3);
    const std::size_t dataSize = stride * static_cast<std::size_t>(height);
    if (dataSize + 54 > 0xffffffffu)
        return false;

    std::vector<unsigned char> file(54 + dataSize, 0);
    unsigned char *h = file.data();
    h[0] = 'B';
    h[1] = 'M';
    putLE(h + 2, static_cast<std::uint32_t>(file.size()), 4);
    putLE(h + 10, 54, 4);
    putLE(h + 14, 40, 4);
    putLE(h + 18, static_cast<std::uint32_t>(width), 4);
    putLE(h + 22, static_cast<std::uint32_t>(height), 4);
    putLE(h + 26, 1, 2);
    putLE(h + 28, 24, 2);
    putLE(h + 34, static_cast<std::uint32_t>(dataSize), 4);
    putLE(h + 38, 3780, 4); // 96 dots per inch
    putLE(h + 42, 3780, 4);

    for (int y = 0; y < height; ++y) {
        const auto *src = reinterpret_cast<const std::uint32_t *>(rgb.constScanLine(y));
        unsigned char *dst = file.data() + 54 + stride * static_cast<std::size_t>(height - 1 - y);
        for (int x = 0; x < width; ++x) {
            const std::uint32_t p = src[x];
            dst[0] = static_cast<unsigned char>(p);
            dst[1] = static_cast<unsigned char>(p >> 8);
            dst[2] = static_cast<unsigned char>(p >> 16);
            dst += 3;
        }
    }

    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    if (out.write(reinterpret_cast<const char *>(file.data()), static_cast<qint64>(file.size())) !=
        static_cast<qint64>(file.size())) {
        out.cancelWriting();
        return false;
    }
    return out.commit();
}

std::optional<QImage> loadPicture(const QString &path)
{
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    qint64 length = file.size();
    QByteArray copy;
    const uchar *bytes = length > 0 ? file.map(0, length) : nullptr;
    if (!bytes) {
        copy = file.readAll();
        bytes = reinterpret_cast<const uchar *>(copy.constData());
        length = copy.size();
    }
    const int limitMiB = QImageReader::allocationLimit();
    const qint64 maxBytes = (limitMiB > 0 ? qint64(limitMiB) : qint64(1024)) * 1024 * 1024;

    // Bitmaps and JPEGs go through our own strict decoders, so a file cut short
    // is refused instead of opening half grey.
    if (length >= 2 && bytes[0] == 'B' && bytes[1] == 'M') {
        auto image = jpeg::decodeBitmap(bytes, length, maxBytes);
        if (image || jpeg::lastErrorCode() != jpeg::kErrorUnsupported)
            return image;
    } else if (length >= 2 && bytes[0] == 0xff && bytes[1] == 0xd8) {
        return jpeg::decodeJpeg(bytes, length, maxBytes);
    } else if (length >= 4 && std::memcmp(bytes, "GIF8", 4) == 0 && !gifFirstImageComplete(bytes, length)) {
        return std::nullopt;
    } else if (length >= 8 && std::memcmp(bytes, kPngSignature, 8) == 0 && !pngComplete(bytes, length)) {
        return std::nullopt;
    }

    QByteArray data = QByteArray::fromRawData(reinterpret_cast<const char *>(bytes), length);
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    QImage image = reader.read();
    if (image.isNull())
        return std::nullopt;
    if (image.hasAlphaChannel()) {
        QImage flat(image.size(), QImage::Format_RGB32);
        if (flat.isNull())
            return std::nullopt;
        flat.fill(Qt::white);
        QPainter p(&flat);
        p.drawImage(0, 0, image);
        p.end();
        return flat;
    }
    image = image.convertToFormat(QImage::Format_RGB32);
    if (image.isNull())
        return std::nullopt;
    return image;
}

} // namespace quill
