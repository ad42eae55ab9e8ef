#include "surface/image_files.h"

#include "surface/file_reading.h"
#include "surface/jpeg_library.h"
#include "surface/png_codec.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

#include <algorithm>
#include <array>
#include <new>

#include <libdeflate.h>

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
    return static_cast<std::uint32_t>(libdeflate_crc32(0, data, length));
}

const QString kEndsEarly = QStringLiteral("the file ends before its pixels do");
const QString kDamaged = QStringLiteral("the file is damaged");
const QString kTooLarge = QStringLiteral("the picture is too large to open");

// Walks the chunks of a PNG: IHDR first, at least one IDAT, every checksum
// right, and IEND reached before the file ends. Qt's reader would show a PNG
// cut off in its pixel data half drawn; this refuses it, as for bitmaps.
// Returns why it is refused, or an empty string.
QString pngProblem(const uchar *p, qint64 size)
{
    qint64 pos = 8;
    bool first = true, sawData = false;
    while (pos + 12 <= size) {
        const std::uint32_t length = readBE32(p + pos);
        if (length > 0x7fffffffu)
            return kDamaged;
        if (qint64(length) > size - pos - 12)
            return kEndsEarly;
        const uchar *type = p + pos + 4;
        if (readBE32(p + pos + 8 + length) != crc32(type, std::size_t(length) + 4))
            return QStringLiteral("the file is damaged (a checksum does not match)");
        const bool header = std::memcmp(type, "IHDR", 4) == 0;
        if (first != header)
            return kDamaged;
        first = false;
        if (std::memcmp(type, "IDAT", 4) == 0)
            sawData = true;
        if (std::memcmp(type, "IEND", 4) == 0)
            return sawData ? QString() : QStringLiteral("the file holds no pixels");
        pos += 12 + qint64(length);
    }
    return kEndsEarly;
}

// The image library's last failure in the words the status bar uses.
QString decoderProblem()
{
    switch (jpeg::lastErrorCode()) {
    case jpeg::kErrorTruncated:
        return kEndsEarly;
    case jpeg::kErrorTooLarge:
        return kTooLarge;
    case jpeg::kErrorUnsupported:
        return QStringLiteral("this kind of bitmap is not read");
    default:
        return kDamaged;
    }
}

std::optional<QImage> refuse(QString *whyNot, const QString &reason)
{
    if (whyNot)
        *whyNot = reason;
    return std::nullopt;
}

} // namespace

namespace {

// The picture as RGB32 for a writer in `rgb`, or why it cannot be written.
WriteResult rgbToWrite(const QImage &picture, const QString &path, QImage &rgb)
{
    if (picture.isNull())
        return {QStringLiteral("Cannot write %1: there is no picture").arg(path)};
    rgb = picture.format() == QImage::Format_RGB32 ? picture : picture.convertToFormat(QImage::Format_RGB32);
    if (rgb.isNull())
        return {notEnoughMemory(QStringLiteral("saving"), picture.size())};
    return {};
}

} // namespace

WriteResult savePng(const QImage &picture, const QString &path)
{
    // RGB32 is written as 8-bit RGB with no alpha, so it reopens pixel for pixel.
    QImage rgb;
    if (WriteResult refused = rgbToWrite(picture, path, rgb); !refused)
        return refused;
    return writeFileSafely(path, [&rgb](FileSink &sink) {
        const QByteArray bytes = encodePng(rgb);
        if (bytes.isEmpty()) {
            sink.fail(QStringLiteral("PNG encoder: not enough memory"));
            return false;
        }
        return sink.write(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    });
}

WriteResult saveBitmap(const QImage &picture, const QString &path)
{
    QImage rgb;
    if (WriteResult refused = rgbToWrite(picture, path, rgb); !refused)
        return refused;
    const int width = rgb.width();
    const int height = rgb.height();
    const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) & ~static_cast<std::size_t>(3);
    const std::size_t dataSize = stride * static_cast<std::size_t>(height);
    if (dataSize + 54 > 0xffffffffu)
        return {
            QStringLiteral("Cannot write %1: a bitmap cannot hold %2 x %3 pixels").arg(path).arg(width).arg(height)};

    unsigned char h[54] = {};
    h[0] = 'B';
    h[1] = 'M';
    putLE(h + 2, static_cast<std::uint32_t>(54 + dataSize), 4);
    putLE(h + 10, 54, 4);
    putLE(h + 14, 40, 4);
    putLE(h + 18, static_cast<std::uint32_t>(width), 4);
    putLE(h + 22, static_cast<std::uint32_t>(height), 4);
    putLE(h + 26, 1, 2);
    putLE(h + 28, 24, 2);
    putLE(h + 34, static_cast<std::uint32_t>(dataSize), 4);
    putLE(h + 38, 3780, 4); // 96 dots per inch
    putLE(h + 42, 3780, 4);

    // Rows go out in batches of about a megabyte: no whole second copy of a large picture.
    const int rowsPerBatch = static_cast<int>(std::max<std::size_t>(1, (std::size_t(1) << 20) / stride));
    std::vector<unsigned char> batch;
    try {
        batch.assign(stride * static_cast<std::size_t>(std::min(rowsPerBatch, height)), 0);
    } catch (const std::bad_alloc &) {
        return {notEnoughMemory(QStringLiteral("saving"), rgb.size())};
    }
    return writeFileSafely(path, [&](FileSink &sink) {
        if (!sink.write(h, sizeof h))
            return false;
        for (int first = height - 1; first >= 0; first -= rowsPerBatch) {
            const int rows = std::min(rowsPerBatch, first + 1);
            for (int r = 0; r < rows; ++r) {
                const auto *src = reinterpret_cast<const std::uint32_t *>(rgb.constScanLine(first - r));
                unsigned char *dst = batch.data() + stride * static_cast<std::size_t>(r);
                for (int x = 0; x < width; ++x) {
                    const std::uint32_t p = src[x];
                    dst[0] = static_cast<unsigned char>(p);
                    dst[1] = static_cast<unsigned char>(p >> 8);
                    dst[2] = static_cast<unsigned char>(p >> 16);
                    dst += 3;
                }
            }
            if (!sink.write(batch.data(), stride * static_cast<std::size_t>(rows)))
                return false;
        }
        return true;
    });
}

PictureType pictureTypeOf(const QString &fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("bmp"))
        return PictureType::Bmp;
    if (suffix == QLatin1String("png"))
        return PictureType::Png;
    if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg"))
        return PictureType::Jpeg;
    return PictureType::Unknown;
}

QString extensionOf(PictureType type)
{
    switch (type) {
    case PictureType::Bmp:
        return QStringLiteral(".bmp");
    case PictureType::Png:
        return QStringLiteral(".png");
    case PictureType::Jpeg:
        return QStringLiteral(".jpg");
    case PictureType::Unknown:
        break;
    }
    return {};
}

QString nameForType(const QString &fileName, PictureType chosen, PictureType &type)
{
    type = pictureTypeOf(fileName);
    if (type != PictureType::Unknown)
        return fileName;
    type = chosen;
    return fileName + extensionOf(chosen);
}

WriteResult savePictureAs(const QImage &picture, const QString &path, PictureType type, int jpegQuality,
                          int jpegOptions)
{
    switch (type) {
    case PictureType::Png:
        return savePng(picture, path);
    case PictureType::Bmp:
        return saveBitmap(picture, path);
    case PictureType::Jpeg:
        if (jpeg::savePictureToJpg(path, picture, jpegQuality, jpegOptions) != 0)
            return {jpeg::lastSaveError(path)};
        return {};
    case PictureType::Unknown:
        break;
    }
    return {QStringLiteral("Cannot write %1: unknown file type (use .bmp, .png, .jpg or .jpeg)").arg(path)};
}

QString notEnoughMemory(const QString &operation, QSize size)
{
    return QStringLiteral("Not enough memory for %1 at %2 x %3").arg(operation).arg(size.width()).arg(size.height());
}

std::optional<QImage> loadPicture(const QString &path, QString *whyNot)
{
    if (whyNot)
        whyNot->clear();
    if (path.isEmpty())
        return refuse(whyNot, QStringLiteral("there is no such file"));
    // Only a regular file of bounded size: a FIFO or /dev/zero would block or never end.
    const ReadableFile file(path, kMaxPictureFileBytes);
    if (!file.isOpen()) {
        const QString &problem = file.error();
        if (problem == QLatin1String("no such file"))
            return refuse(whyNot, QStringLiteral("there is no such file"));
        if (problem == QLatin1String("is a directory"))
            return refuse(whyNot, QStringLiteral("it is not a file"));
        if (problem == QLatin1String("not a regular file"))
            return refuse(whyNot, QStringLiteral("it is not a regular file"));
        if (problem == QLatin1String("too large"))
            return refuse(whyNot, kTooLarge);
        return refuse(whyNot, QStringLiteral("the file cannot be read"));
    }
    const qint64 length = file.size();
    if (length == 0)
        return refuse(whyNot, QStringLiteral("the file is empty"));
    const uchar *bytes = file.data();
    const qint64 maxBytes = kMaxPictureBytes;
    static const bool qtLimitSet = [] {
        // Qt's own decoders (PNG, GIF) may allocate as much as ours do, plus a little.
        QImageReader::setAllocationLimit(static_cast<int>(kMaxPictureBytes >> 20) + 1);
        return true;
    }();
    Q_UNUSED(qtLimitSet);

    // Bitmaps and JPEGs go through our own strict decoders, so a file cut short
    // is refused instead of opening half grey.
    if (length >= 2 && bytes[0] == 'B' && bytes[1] == 'M') {
        auto image = jpeg::decodeBitmap(bytes, length, maxBytes);
        if (image)
            return image;
        if (jpeg::lastErrorCode() != jpeg::kErrorUnsupported)
            return refuse(whyNot, decoderProblem());
    } else if (length >= 2 && bytes[0] == 0xff && bytes[1] == 0xd8) {
        auto image = jpeg::decodeJpeg(bytes, length, maxBytes);
        if (image)
            return image;
        // Without its end marker the decoder stops short of the last pixels.
        const bool ended = length >= 4 && bytes[length - 2] == 0xff && bytes[length - 1] == 0xd9;
        const QString problem = decoderProblem();
        return refuse(whyNot, ended || problem == kTooLarge ? problem : kEndsEarly);
    } else if (length >= 4 && std::memcmp(bytes, "GIF8", 4) == 0 && !gifFirstImageComplete(bytes, length)) {
        return refuse(whyNot, kEndsEarly);
    } else if (length >= 8 && std::memcmp(bytes, kPngSignature, 8) == 0) {
        // Our reader checks every chunk itself, so a file it decodes needs no
        // second walk; the walk below only says why one is refused, or vets one
        // left to the general reader.
        QImage decoded;
        const PngRead read = readPng(bytes, length, maxBytes, decoded);
        if (read == PngRead::Decoded)
            return decoded;
        if (const QString problem = pngProblem(bytes, length); !problem.isEmpty())
            return refuse(whyNot, problem);
        if (read == PngRead::Damaged) {
            // The chunks are whole, so the header is the first one.
            const qint64 pixels = qint64(readBE32(bytes + 16)) * qint64(readBE32(bytes + 20));
            return refuse(whyNot, pixels * 4 > maxBytes ? kTooLarge : kDamaged);
        }
    }

    QByteArray data = QByteArray::fromRawData(reinterpret_cast<const char *>(bytes), length);
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    const QByteArray format = reader.format();
    const QSize claimed = reader.size();
    if (claimed.isValid() && qint64(claimed.width()) * claimed.height() * 4 > maxBytes)
        return refuse(whyNot, kTooLarge);
    QImage image = reader.read();
    if (image.isNull())
        return refuse(whyNot,
                      format.isEmpty() ? QStringLiteral("it is not a BMP, GIF, JPEG or PNG picture") : kDamaged);
    image = opaqueOnWhite(image);
    if (image.isNull())
        return refuse(whyNot, kTooLarge);
    return image;
}

QImage opaqueOnWhite(const QImage &picture)
{
    if (!picture.hasAlphaChannel())
        return picture.convertToFormat(QImage::Format_RGB32);
    QImage flat(picture.size(), QImage::Format_RGB32);
    if (flat.isNull())
        return {};
    flat.fill(Qt::white);
    QPainter p(&flat);
    p.drawImage(0, 0, picture);
    return flat;
}

} // namespace quill
