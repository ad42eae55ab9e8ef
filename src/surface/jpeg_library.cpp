#include "surface/jpeg_library.h"

#include "surface/file_reading.h"
#include "surface/safe_write.h"

#include <turbojpeg.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <new>

namespace quill::jpeg {

namespace {

// Per thread, so a benchmark or test thread never shares a codec handle.
struct LibraryState {
    tjhandle compressor = nullptr;
    tjhandle decompressor = nullptr;
    int code = kNoError;
    QString text;

    ~LibraryState()
    {
        if (compressor)
            tjDestroy(compressor);
        if (decompressor)
            tjDestroy(decompressor);
    }
};

LibraryState &state()
{
    thread_local LibraryState s;
    return s;
}

template <typename T> T fail(int code, const QString &text, T result = T())
{
    state().code = code;
    state().text = text;
    return result;
}

void succeed()
{
    state().code = kNoError;
    state().text.clear();
}

// Records the codec's error, then drops its handle: after a failure in the
// middle of a stream TurboJPEG's handle keeps a broken state, and the next
// file would decode wrongly.
int codecFailure(tjhandle &handle)
{
    state().code = kErrorCodec + tjGetErrorCode(handle);
    state().text = QString::fromLocal8Bit(tjGetErrorStr2(handle));
    tjDestroy(handle);
    handle = nullptr;
    return state().code;
}

tjhandle compressor()
{
    LibraryState &s = state();
    if (!s.compressor)
        s.compressor = tjInitCompress();
    return s.compressor;
}

tjhandle decompressor()
{
    LibraryState &s = state();
    if (!s.decompressor)
        s.decompressor = tjInitDecompress();
    return s.decompressor;
}

// ---- Windows bitmaps ------------------------------------------------------

std::uint32_t le16(const uchar *p) { return static_cast<std::uint32_t>(p[0] | (p[1] << 8)); }
std::uint32_t le32(const uchar *p)
{
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

// One colour channel described by a bit mask, scaled to 0..255.
struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    int bits = 0;

    explicit Channel(std::uint32_t m = 0) : mask(m)
    {
        if (m) {
            shift = std::countr_zero(m);
            bits = std::min(32 - shift, std::popcount(m));
        }
    }
    uchar read(std::uint32_t pixel) const
    {
        if (!bits)
            return 0;
        const std::uint32_t v = (pixel & mask) >> shift;
        if (bits >= 8)
            return static_cast<uchar>(v >> (bits - 8));
        return static_cast<uchar>(v * 255u / ((1u << bits) - 1u));
    }
};

struct BitmapLayout {
    int width = 0;
    int height = 0;
    bool topDown = false;
    int bits = 0;
    int runLength = 0; // 8 or 4 for run-length bitmaps, else 0
    qint64 pixelOffset = 0;
    qint64 stride = 0;
    Channel red, green, blue;
    std::array<std::array<uchar, 3>, 256> palette{}; // r, g, b; missing entries stay black
};

// Reads and checks the headers; the pixel array is known to be inside the file afterwards.
std::optional<BitmapLayout> parseBitmap(const uchar *p, qint64 size, qint64 maxPixelBytes, int bytesPerPixelOut,
                                        bool allowRunLength)
{
    if (size < 2 || p[0] != 'B' || p[1] != 'M')
        return fail(kErrorNotBitmap, QStringLiteral("Not a Windows bitmap"), std::optional<BitmapLayout>());
    if (size < 26)
        return fail(kErrorTruncated, QStringLiteral("The bitmap header is cut short"), std::optional<BitmapLayout>());
    BitmapLayout l;
    l.pixelOffset = le32(p + 10);
    const qint64 infoSize = le32(p + 14);
    qint64 width = 0, height = 0;
    std::uint32_t compression = 0, coloursUsed = 0;
    int paletteEntrySize = 4;
    qint64 afterHeader = 14 + infoSize;
    if (infoSize == 12) {
        width = le16(p + 18);
        height = le16(p + 20);
        l.bits = static_cast<int>(le16(p + 24));
        paletteEntrySize = 3;
    } else if (infoSize >= 40 && infoSize <= 124) {
        if (size < 14 + 40)
            return fail(kErrorTruncated, QStringLiteral("The bitmap header is cut short"),
                        std::optional<BitmapLayout>());
        width = static_cast<std::int32_t>(le32(p + 18));
        height = static_cast<std::int32_t>(le32(p + 22));
        l.bits = static_cast<int>(le16(p + 28));
        compression = le32(p + 30);
        coloursUsed = le32(p + 46);
    } else {
        return fail(kErrorNotBitmap, QStringLiteral("Unknown bitmap header size %1").arg(infoSize),
                    std::optional<BitmapLayout>());
    }

    const bool bitFields = compression == 3 || compression == 6;
    const bool runLength = allowRunLength && ((compression == 1 && l.bits == 8) || (compression == 2 && l.bits == 4));
    if (runLength)
        l.runLength = l.bits;
    if (compression != 0 && !bitFields && !runLength)
        return fail(kErrorUnsupported, QStringLiteral("Compressed bitmaps (type %1) are not read").arg(compression),
                    std::optional<BitmapLayout>());
    if (l.bits != 1 && l.bits != 4 && l.bits != 8 && l.bits != 16 && l.bits != 24 && l.bits != 32)
        return fail(kErrorUnsupported, QStringLiteral("%1 bits per pixel are not read").arg(l.bits),
                    std::optional<BitmapLayout>());
    if (bitFields && l.bits != 16 && l.bits != 32)
        return fail(kErrorNotBitmap, QStringLiteral("Bit fields need 16 or 32 bits per pixel"),
                    std::optional<BitmapLayout>());
    if (height < 0) {
        l.topDown = true;
        height = -height;
    }
    if (width <= 0 || height <= 0 || width > 0x7fffffff || height > 0x7fffffff)
        return fail(kErrorNotBitmap, QStringLiteral("Impossible bitmap size %1 x %2").arg(width).arg(height),
                    std::optional<BitmapLayout>());
    l.width = static_cast<int>(width);
    l.height = static_cast<int>(height);
    constexpr qint64 kMaxSide = qint64(1) << 20; // keeps the products below from overflowing
    if (width > kMaxSide || height > kMaxSide || width * height * bytesPerPixelOut > maxPixelBytes)
        return fail(kErrorTooLarge, QStringLiteral("A %1 x %2 bitmap is too large").arg(width).arg(height),
                    std::optional<BitmapLayout>());

    if (bitFields) {
        const qint64 maskAt = infoSize >= 52 ? 14 + 40 : afterHeader;
        const int count = compression == 6 ? 4 : 3;
        if (maskAt + 12 > size)
            return fail(kErrorTruncated, QStringLiteral("The bitmap's colour masks are cut short"),
                        std::optional<BitmapLayout>());
        l.red = Channel(le32(p + maskAt));
        l.green = Channel(le32(p + maskAt + 4));
        l.blue = Channel(le32(p + maskAt + 8));
        if (infoSize < 52)
            afterHeader += 4 * count;
    } else if (l.bits == 16) {
        l.red = Channel(0x7c00);
        l.green = Channel(0x03e0);
        l.blue = Channel(0x001f);
    } else if (l.bits == 32) {
        l.red = Channel(0xff0000);
        l.green = Channel(0x00ff00);
        l.blue = Channel(0x0000ff);
    }

    l.stride = ((width * l.bits + 31) / 32) * 4;
    // A run-length stream has no fixed size: its decoder checks every step against the end.
    const qint64 pixelBytes = l.runLength ? 2 : l.stride * height;
    if (l.pixelOffset < afterHeader || l.pixelOffset + pixelBytes > size)
        return fail(kErrorTruncated, QStringLiteral("The bitmap ends before its pixels do"),
                    std::optional<BitmapLayout>());

    if (l.bits <= 8) {
        qint64 entries = coloursUsed ? std::min<qint64>(coloursUsed, 256) : (qint64(1) << l.bits);
        entries = std::clamp<qint64>((l.pixelOffset - afterHeader) / paletteEntrySize, 0, entries);
        for (qint64 i = 0; i < entries; ++i) {
            const uchar *e = p + afterHeader + i * paletteEntrySize;
            l.palette[static_cast<std::size_t>(i)] = {e[2], e[1], e[0]};
        }
    }
    return l;
}

// Converts one stored row; put(x, r, g, b) writes a pixel of the output.
template <typename Put> void convertRow(const BitmapLayout &l, const uchar *src, Put put)
{
    const int width = l.width;
    switch (l.bits) {
    case 24:
        for (int x = 0; x < width; ++x, src += 3)
            put(x, src[2], src[1], src[0]);
        break;
    case 32:
        if (l.red.mask == 0xff0000 && l.green.mask == 0xff00 && l.blue.mask == 0xff) {
            for (int x = 0; x < width; ++x, src += 4)
                put(x, src[2], src[1], src[0]);
            break;
        }
        for (int x = 0; x < width; ++x, src += 4) {
            const std::uint32_t v = le32(src);
            put(x, l.red.read(v), l.green.read(v), l.blue.read(v));
        }
        break;
    case 16:
        for (int x = 0; x < width; ++x, src += 2) {
            const std::uint32_t v = le16(src);
            put(x, l.red.read(v), l.green.read(v), l.blue.read(v));
        }
        break;
    default: { // 1, 4, 8: palette indices, leftmost pixel in the high bits
        const int bits = l.bits;
        const int perByte = 8 / bits;
        const unsigned indexMask = (1u << bits) - 1u;
        for (int x = 0; x < width; ++x) {
            const unsigned byte = src[x / perByte];
            const int shift = 8 - bits * (x % perByte + 1);
            const auto &c = l.palette[(byte >> shift) & indexMask];
            put(x, c[0], c[1], c[2]);
        }
        break;
    }
    }
}

// Decodes a run-length stream (RLE8 or RLE4) into the raster, which starts
// filled with palette entry 0. False when the stream is cut off before its
// end-of-picture mark: the rest of the picture would be made up.
bool decodeRunLength(const BitmapLayout &l, const uchar *p, qint64 size, QImage &image)
{
    const auto colour = [&l](unsigned index) {
        const auto &c = l.palette[index & 255];
        return qRgb(c[0], c[1], c[2]);
    };
    image.fill(colour(0));
    const bool four = l.runLength == 4;
    qint64 pos = l.pixelOffset;
    qint64 x = 0, row = 0; // row counts from the first stored line
    const auto put = [&](unsigned index) {
        if (x < l.width && row < l.height) {
            const int y = l.topDown ? static_cast<int>(row) : l.height - 1 - static_cast<int>(row);
            reinterpret_cast<QRgb *>(image.scanLine(y))[x] = colour(index);
        }
        ++x;
    };
    while (pos + 2 <= size) {
        const unsigned count = p[pos], value = p[pos + 1];
        pos += 2;
        if (count > 0) {
            for (unsigned i = 0; i < count; ++i)
                put(four ? ((i & 1) ? value & 15 : value >> 4) : value);
            continue;
        }
        if (value == 0) { // end of line
            x = 0;
            ++row;
        } else if (value == 1) { // end of picture
            return true;
        } else if (value == 2) { // move right and down
            if (pos + 2 > size)
                return false;
            x += p[pos];
            row += p[pos + 1];
            pos += 2;
        } else { // `value` pixels stored as they are, padded to a whole word
            const qint64 bytes = four ? (value + 1) / 2 : value;
            if (pos + bytes > size)
                return false;
            for (unsigned i = 0; i < value; ++i)
                put(four ? ((i & 1) ? p[pos + i / 2] & 15 : p[pos + i / 2] >> 4) : p[pos + i]);
            pos += bytes + (bytes & 1);
        }
        if (row > l.height)
            return true; // past the last line: nothing more can show
    }
    return false;
}

constexpr qint64 kMaxRgbBytes = kMaxPixels * 3;

// True when the last end-of-image marker comes after the last start of scan,
// that is, the compressed data was not cut off.
bool jpegHasEnd(const uchar *p, qint64 size)
{
    qint64 lastScan = -1, lastEnd = -1;
    for (qint64 i = 0; i + 1 < size; ++i) {
        if (p[i] != 0xff)
            continue;
        if (p[i + 1] == 0xda)
            lastScan = i;
        else if (p[i + 1] == 0xd9)
            lastEnd = i;
    }
    return lastScan >= 0 && lastEnd > lastScan;
}

// Start-of-scan markers: 0xFF 0xDA never occurs inside entropy-coded data,
// where every 0xFF byte is followed by 0x00.
qint64 scanCount(const uchar *p, qint64 size)
{
    qint64 scans = 0;
    for (const uchar *at = p, *end = p + size; (at = static_cast<const uchar *>(std::memchr(at, 0xff, end - at)));) {
        if (++at < end && *at == 0xda)
            ++scans;
    }
    return scans;
}

} // namespace

bool initLibrary()
{
    if (!compressor() || !decompressor())
        return fail(kErrorNotInitialised, QString::fromLocal8Bit(tjGetErrorStr2(nullptr)), false);
    succeed();
    return true;
}

RgbPixels readRgbFromBmp(const QString &path)
{
    const ReadableFile file(path, kMaxPixels * 4 + (qint64(1) << 20)); // 32-bit pixels and headers
    if (!file.isOpen())
        return fail(kErrorCannotOpen, QStringLiteral("Cannot open %1: %2").arg(path, file.error()), RgbPixels());
    const auto layout = parseBitmap(file.data(), file.size(), kMaxRgbBytes, 3, false);
    if (!layout)
        return {};
    const BitmapLayout &l = *layout;
    RgbPixels out;
    const std::size_t rowBytes = static_cast<std::size_t>(l.width) * 3;
    out.data.reset(new (std::nothrow) unsigned char[rowBytes * static_cast<std::size_t>(l.height)]);
    if (!out.data)
        return fail(kErrorTooLarge, QStringLiteral("Out of memory"), RgbPixels());
    out.width = l.width;
    out.height = l.height;
    for (int y = 0; y < l.height; ++y) {
        const int stored = l.topDown ? y : l.height - 1 - y;
        unsigned char *dst = out.data.get() + rowBytes * static_cast<std::size_t>(y);
        convertRow(l, file.data() + l.pixelOffset + l.stride * stored, [dst](int x, uchar r, uchar g, uchar b) {
            dst[3 * x] = r;
            dst[3 * x + 1] = g;
            dst[3 * x + 2] = b;
        });
    }
    succeed();
    return out;
}

int saveRgbToJpg(const QString &path, const unsigned char *rgb, int width, int height, int quality, int options)
{
    if (path.isEmpty() || !rgb || width <= 0 || height <= 0 || quality < 1 || quality > 100 ||
        (options & ~(kSaveProgressive | kSaveFullChroma)) != 0)
        return fail(kErrorBadArgument, QStringLiteral("Invalid arguments"), int(kErrorBadArgument));
    if (!compressor())
        return fail(kErrorNotInitialised, QString::fromLocal8Bit(tjGetErrorStr2(nullptr)), int(kErrorNotInitialised));
    tjhandle &handle = state().compressor;

    unsigned char *encoded = nullptr;
    unsigned long encodedSize = 0;
    const int subsampling = (options & kSaveFullChroma) ? TJSAMP_444 : TJSAMP_420;
    const int flags = (options & kSaveProgressive) ? TJFLAG_PROGRESSIVE : 0;
    if (tjCompress2(handle, rgb, width, 0, height, TJPF_RGB, &encoded, &encodedSize, subsampling, quality, flags) !=
        0) {
        tjFree(encoded);
        return codecFailure(handle);
    }
    if (flags & TJFLAG_PROGRESSIVE) {
        // TurboJPEG keeps part of the progressive set-up in the handle, and a
        // later baseline file would come out damaged: start afresh next time.
        tjDestroy(handle);
        handle = nullptr;
    }
    const WriteResult written = writeFileSafely(
        path, [&](FileSink &sink) { return sink.write(encoded, static_cast<std::size_t>(encodedSize)); });
    tjFree(encoded);
    if (!written)
        return fail(kErrorCannotWrite, written.error, int(kErrorCannotWrite));
    succeed();
    return 0;
}

int savePictureToJpg(const QString &path, const QImage &picture, int quality, int options)
{
    const int w = picture.width(), h = picture.height();
    const auto rowBytes = static_cast<std::size_t>(w) * 3;
    std::unique_ptr<unsigned char[]> rgb(new (std::nothrow) unsigned char[rowBytes * static_cast<std::size_t>(h)]);
    if (!rgb)
        return fail(kErrorTooLarge, QStringLiteral("Not enough memory for the JPEG pixels"), kErrorTooLarge);
    const QImage rgb32 =
        picture.format() == QImage::Format_RGB32 ? picture : picture.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(rgb32.constScanLine(y));
        unsigned char *out = rgb.get() + rowBytes * static_cast<std::size_t>(y);
        for (int x = 0; x < w; ++x) {
            out[3 * x] = static_cast<unsigned char>(qRed(in[x]));
            out[3 * x + 1] = static_cast<unsigned char>(qGreen(in[x]));
            out[3 * x + 2] = static_cast<unsigned char>(qBlue(in[x]));
        }
    }
    return saveRgbToJpg(path, rgb.get(), w, h, quality, options);
}

int lastErrorCode() { return state().code; }

QString lastErrorText() { return state().text; }

QString lastSaveError(const QString &path)
{
    // A failed write already names the file; an encoder failure does not.
    if (state().code == kErrorCannotWrite)
        return state().text;
    return QStringLiteral("Cannot write %1: %2").arg(path, state().text);
}

std::optional<QImage> decodeBitmap(const uchar *bytes, qint64 size, qint64 maxBytes)
{
    const auto layout = parseBitmap(bytes, size, maxBytes, 4, true);
    if (!layout)
        return std::nullopt;
    const BitmapLayout &l = *layout;
    QImage image(l.width, l.height, QImage::Format_RGB32);
    if (image.isNull())
        return fail(kErrorTooLarge, QStringLiteral("Out of memory"), std::optional<QImage>());
    if (l.runLength) {
        if (!decodeRunLength(l, bytes, size, image))
            return fail(kErrorTruncated, QStringLiteral("The run-length bitmap ends before its pixels do"),
                        std::optional<QImage>());
        succeed();
        return image;
    }
    for (int y = 0; y < l.height; ++y) {
        const int stored = l.topDown ? y : l.height - 1 - y;
        auto *dst = reinterpret_cast<QRgb *>(image.scanLine(y));
        convertRow(l, bytes + l.pixelOffset + l.stride * stored,
                   [dst](int x, uchar r, uchar g, uchar b) { dst[x] = qRgb(r, g, b); });
    }
    succeed();
    return image;
}

std::optional<QImage> decodeJpeg(const uchar *bytes, qint64 size, qint64 maxBytes)
{
    if (!decompressor())
        return fail(kErrorNotInitialised, QString::fromLocal8Bit(tjGetErrorStr2(nullptr)), std::optional<QImage>());
    tjhandle &handle = state().decompressor;
    if (!bytes || size <= 0)
        return fail(kErrorTruncated, QStringLiteral("Empty JPEG file"), std::optional<QImage>());
    const auto jpegSize = static_cast<unsigned long>(size);
    int width = 0, height = 0, subsampling = 0, colourSpace = 0;
    if (tjDecompressHeader3(handle, bytes, jpegSize, &width, &height, &subsampling, &colourSpace) != 0) {
        codecFailure(handle);
        return std::nullopt;
    }
    if (width <= 0 || height <= 0) { // the stream ended inside its headers
        tjDestroy(handle);
        handle = nullptr;
        return fail(kErrorTruncated, QStringLiteral("The JPEG file ends inside its header"), std::optional<QImage>());
    }
    if (qint64(width) * height * 4 > maxBytes)
        return fail(kErrorTooLarge, QStringLiteral("A %1 x %2 JPEG is too large").arg(width).arg(height),
                    std::optional<QImage>());
    // Encoders write at most a few dozen scans; thousands only make decoding crawl.
    if (const qint64 scans = scanCount(bytes, size); scans > kMaxJpegScans)
        return fail(kErrorTooLarge, QStringLiteral("A JPEG with %1 scans is not read").arg(scans),
                    std::optional<QImage>());
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull())
        return fail(kErrorTooLarge, QStringLiteral("Out of memory"), std::optional<QImage>());

    // Print-shop JPEGs hold inverted CMYK; everything else decodes straight into the raster.
    const bool cmyk = colourSpace == TJCS_CMYK || colourSpace == TJCS_YCCK;
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    const int rasterFormat = TJPF_BGRX;
#else
    const int rasterFormat = TJPF_XRGB;
#endif
    const int result =
        tjDecompress2(handle, bytes, jpegSize, image.bits(), width, static_cast<int>(image.bytesPerLine()), height,
                      cmyk ? TJPF_CMYK : rasterFormat, TJFLAG_LIMITSCANS);
    if (result != 0) {
        // A warning alone (stray bytes between markers) still gives the whole
        // picture; a file cut off before its end does not.
        const bool complete = tjGetErrorCode(handle) == TJERR_WARNING && jpegHasEnd(bytes, size);
        if (!complete) {
            codecFailure(handle);
            return std::nullopt;
        }
    }
    if (cmyk) {
        for (int y = 0; y < height; ++y) {
            auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
            const auto *in = reinterpret_cast<const uchar *>(line);
            for (int x = 0; x < width; ++x) {
                const unsigned k = in[4 * x + 3];
                line[x] = qRgb(static_cast<int>(in[4 * x] * k / 255), static_cast<int>(in[4 * x + 1] * k / 255),
                               static_cast<int>(in[4 * x + 2] * k / 255));
            }
        }
    }
    succeed();
    return image;
}

} // namespace quill::jpeg
