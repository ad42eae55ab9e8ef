#include "surface/png_codec.h"

#include "surface/parallel_bands.h"

#include <libdeflate.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

namespace quill {

namespace {

constexpr uchar kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
constexpr int kChannels = 3;
// libdeflate's fastest level already packs filtered rows tighter than zlib's
// default; the higher levels cost several times the time for a percent or two.
constexpr int kDeflateLevel = 1;

std::uint32_t readBE32(const uchar *p)
{
    return (std::uint32_t(p[0]) << 24) | (std::uint32_t(p[1]) << 16) | (std::uint32_t(p[2]) << 8) | p[3];
}

void putBE32(uchar *p, std::uint32_t v)
{
    p[0] = static_cast<uchar>(v >> 24);
    p[1] = static_cast<uchar>(v >> 16);
    p[2] = static_cast<uchar>(v >> 8);
    p[3] = static_cast<uchar>(v);
}

std::uint32_t chunkCrc(const uchar *typeAndData, std::size_t length)
{
    return static_cast<std::uint32_t>(libdeflate_crc32(0, typeAndData, length));
}

// Writes length, type, data (already at p + 8) and checksum; returns the end.
uchar *finishChunk(uchar *p, const char *type, std::size_t length)
{
    putBE32(p, static_cast<std::uint32_t>(length));
    std::memcpy(p + 4, type, 4);
    putBE32(p + 8 + length, chunkCrc(p + 4, length + 4));
    return p + 12 + length;
}

int paeth(int a, int b, int c)
{
    const int pa = std::abs(b - c), pb = std::abs(a - c), pc = std::abs(a + b - 2 * c);
    return (pa <= pb && pa <= pc) ? a : (pb <= pc ? b : c);
}

struct Compressor {
    libdeflate_compressor *c = libdeflate_alloc_compressor(kDeflateLevel);
    ~Compressor() { libdeflate_free_compressor(c); }
};
struct Decompressor {
    libdeflate_decompressor *d = libdeflate_alloc_decompressor();
    ~Decompressor() { libdeflate_free_decompressor(d); }
};

// The five PNG filters of one row, and the one whose bytes sum smallest as
// signed values (the usual estimate of what deflates best).
class RowFilter {
public:
    explicit RowFilter(std::size_t rowBytes) : n_(rowBytes), candidates_(5 * rowBytes) {}

    // cur and up are RGB bytes; up is all zero above the first row.
    void filter(const uchar *cur, const uchar *up, uchar *out)
    {
        long best = -1;
        int bestType = 0;
        for (int type = 0; type < 5; ++type) {
            uchar *o = candidates_.data() + type * n_;
            const long cost = apply(type, cur, up, o);
            if (best < 0 || cost < best) {
                best = cost;
                bestType = type;
            }
        }
        out[0] = static_cast<uchar>(bestType);
        std::memcpy(out + 1, candidates_.data() + bestType * n_, n_);
    }

private:
    long apply(int type, const uchar *cur, const uchar *up, uchar *o) const
    {
        // The first pixel has no left neighbour: a and c count as zero.
        for (std::size_t i = 0; i < kChannels && i < n_; ++i) {
            const int b = up[i];
            const int predicted = type == 2 || type == 4 ? b : type == 3 ? b >> 1 : 0;
            o[i] = static_cast<uchar>(cur[i] - predicted);
        }
        const std::size_t n = n_;
        switch (type) {
        case 0:
            std::memcpy(o + kChannels, cur + kChannels, n > kChannels ? n - kChannels : 0);
            break;
        case 1:
            for (std::size_t i = kChannels; i < n; ++i)
                o[i] = static_cast<uchar>(cur[i] - cur[i - kChannels]);
            break;
        case 2:
            for (std::size_t i = kChannels; i < n; ++i)
                o[i] = static_cast<uchar>(cur[i] - up[i]);
            break;
        case 3:
            for (std::size_t i = kChannels; i < n; ++i)
                o[i] = static_cast<uchar>(cur[i] - ((cur[i - kChannels] + up[i]) >> 1));
            break;
        default:
            for (std::size_t i = kChannels; i < n; ++i)
                o[i] = static_cast<uchar>(cur[i] - paeth(cur[i - kChannels], up[i], up[i - kChannels]));
            break;
        }
        int sum = 0;
        for (std::size_t i = 0; i < n; ++i)
            sum += std::abs(static_cast<int>(static_cast<signed char>(o[i])));
        return sum;
    }

    std::size_t n_;
    std::vector<uchar> candidates_;
};

void toRgbBytes(const QRgb *from, int width, uchar *to)
{
    for (int x = 0; x < width; ++x) {
        to[3 * x] = static_cast<uchar>(from[x] >> 16);
        to[3 * x + 1] = static_cast<uchar>(from[x] >> 8);
        to[3 * x + 2] = static_cast<uchar>(from[x]);
    }
}

// Filters rows [begin, end) into `filtered`, each row as its filter type and bytes.
void filterRows(const QImage &picture, int begin, int end, uchar *filtered)
{
    const int width = picture.width();
    const std::size_t n = static_cast<std::size_t>(width) * kChannels;
    std::vector<uchar> above(n, 0), current(n);
    RowFilter rows(n);
    if (begin > 0)
        toRgbBytes(reinterpret_cast<const QRgb *>(picture.constScanLine(begin - 1)), width, above.data());
    for (int y = begin; y < end; ++y) {
        toRgbBytes(reinterpret_cast<const QRgb *>(picture.constScanLine(y)), width, current.data());
        rows.filter(current.data(), above.data(), filtered + static_cast<std::size_t>(y) * (n + 1));
        above.swap(current);
    }
}

// Undoes one row's filter in place; prev is the reconstructed row above (zeros for the first).
bool unfilterRow(int type, uchar *r, const uchar *prev, std::size_t n, int bpp)
{
    const std::size_t first = std::min<std::size_t>(static_cast<std::size_t>(bpp), n);
    switch (type) {
    case 0:
        return true;
    case 1:
        for (std::size_t i = first; i < n; ++i)
            r[i] = static_cast<uchar>(r[i] + r[i - bpp]);
        return true;
    case 2:
        for (std::size_t i = 0; i < n; ++i)
            r[i] = static_cast<uchar>(r[i] + prev[i]);
        return true;
    case 3:
        for (std::size_t i = 0; i < first; ++i)
            r[i] = static_cast<uchar>(r[i] + (prev[i] >> 1));
        for (std::size_t i = first; i < n; ++i)
            r[i] = static_cast<uchar>(r[i] + ((r[i - bpp] + prev[i]) >> 1));
        return true;
    case 4:
        for (std::size_t i = 0; i < first; ++i)
            r[i] = static_cast<uchar>(r[i] + prev[i]);
        for (std::size_t i = first; i < n; ++i)
            r[i] = static_cast<uchar>(r[i] + paeth(r[i - bpp], prev[i], prev[i - bpp]));
        return true;
    default:
        return false;
    }
}

struct Header {
    std::uint32_t width = 0, height = 0;
    int depth = 0, colour = 0, compression = 0, filter = 0, interlace = 0;
};

} // namespace

QByteArray encodePng(const QImage &source)
{
    if (source.isNull())
        return {};
    const QImage picture =
        source.format() == QImage::Format_RGB32 ? source : source.convertToFormat(QImage::Format_RGB32);
    if (picture.isNull())
        return {};
    const int width = picture.width(), height = picture.height();
    const std::size_t rowBytes = static_cast<std::size_t>(width) * kChannels + 1;
    const std::size_t rawSize = rowBytes * static_cast<std::size_t>(height);

    const std::unique_ptr<uchar[]> filtered(new (std::nothrow) uchar[rawSize]);
    Compressor compressor;
    if (!filtered || !compressor.c)
        return {};
    // Each row's filter depends only on the picture, so the bands are filtered side by side.
    forEachBand(height, 64, [&](int begin, int end) { filterRows(picture, begin, end, filtered.get()); });

    const std::size_t bound = libdeflate_zlib_compress_bound(compressor.c, rawSize);
    constexpr std::size_t kHeaderBytes = 8 + 25, kTrailerBytes = 12 + 12;
    if (bound > 0x7fffffffu - kHeaderBytes - kTrailerBytes)
        return {};
    QByteArray file;
    try {
        file = QByteArray(static_cast<qsizetype>(kHeaderBytes + kTrailerBytes + bound), Qt::Uninitialized);
    } catch (const std::bad_alloc &) {
        return {};
    }
    auto *p = reinterpret_cast<uchar *>(file.data());
    std::memcpy(p, kSignature, 8);
    uchar *ihdr = p + 8;
    putBE32(ihdr + 8, static_cast<std::uint32_t>(width));
    putBE32(ihdr + 12, static_cast<std::uint32_t>(height));
    const uchar rest[5] = {8, 2, 0, 0, 0}; // 8 bits, RGB, deflate, adaptive filters, no interlace
    std::memcpy(ihdr + 16, rest, 5);
    uchar *idat = finishChunk(ihdr, "IHDR", 13);
    // One IDAT chunk: the stream is compressed straight into place.
    const std::size_t packed = libdeflate_zlib_compress(compressor.c, filtered.get(), rawSize, idat + 8, bound);
    if (packed == 0)
        return {};
    uchar *iend = finishChunk(idat, "IDAT", packed);
    uchar *end = finishChunk(iend, "IEND", 0);
    file.truncate(end - p);
    return file;
}

PngRead readPng(const uchar *bytes, qint64 size, qint64 maxBytes, QImage &out)
{
    if (size < 8 || std::memcmp(bytes, kSignature, 8) != 0)
        return PngRead::Damaged;
    Header h;
    bool sawHeader = false, sawEnd = false, other = false;
    std::vector<std::pair<const uchar *, std::size_t>> data;
    std::size_t dataBytes = 0;
    for (qint64 pos = 8; !sawEnd;) {
        if (pos + 12 > size)
            return PngRead::Damaged;
        const std::uint32_t length = readBE32(bytes + pos);
        if (length > 0x7fffffffu || qint64(length) > size - pos - 12)
            return PngRead::Damaged;
        const uchar *type = bytes + pos + 4;
        if (readBE32(type + 4 + length) != chunkCrc(type, std::size_t(length) + 4))
            return PngRead::Damaged;
        const bool isHeader = std::memcmp(type, "IHDR", 4) == 0;
        if (isHeader != !sawHeader)
            return PngRead::Damaged;
        if (isHeader) {
            if (length != 13)
                return PngRead::Damaged;
            const uchar *f = type + 4;
            h = {readBE32(f), readBE32(f + 4), f[8], f[9], f[10], f[11], f[12]};
            sawHeader = true;
        } else if (std::memcmp(type, "IDAT", 4) == 0) {
            data.emplace_back(type + 4, length);
            dataBytes += length;
        } else if (std::memcmp(type, "tRNS", 4) == 0 || std::memcmp(type, "PLTE", 4) == 0) {
            other = true;
        } else if (std::memcmp(type, "IEND", 4) == 0) {
            sawEnd = true;
        }
        pos += 12 + qint64(length);
    }
    if (data.empty() || h.width == 0 || h.height == 0 || h.width > 0x7fffffffu || h.height > 0x7fffffffu)
        return PngRead::Damaged;
    if (qint64(h.width) * qint64(h.height) * 4 > maxBytes)
        return PngRead::Damaged;
    const int channels = h.colour == 2 ? 3 : h.colour == 0 ? 1 : 0;
    if (other || channels == 0 || h.depth != 8 || h.compression != 0 || h.filter != 0 || h.interlace != 0)
        return PngRead::Other;

    const std::size_t n = static_cast<std::size_t>(h.width) * static_cast<std::size_t>(channels);
    const std::size_t rawSize = (n + 1) * h.height;
    const std::unique_ptr<uchar[]> raw(new (std::nothrow) uchar[rawSize]);
    std::vector<uchar> joined;
    QImage image(static_cast<int>(h.width), static_cast<int>(h.height), QImage::Format_RGB32);
    Decompressor decompressor;
    if (!raw || image.isNull() || !decompressor.d)
        return PngRead::Damaged;
    const uchar *stream = data.front().first;
    if (data.size() > 1) {
        try {
            joined.reserve(dataBytes);
        } catch (const std::bad_alloc &) {
            return PngRead::Damaged;
        }
        for (const auto &[from, length] : data)
            joined.insert(joined.end(), from, from + length);
        stream = joined.data();
    }
    // The pixel data must fill the picture exactly: a short stream is a damaged file.
    if (libdeflate_zlib_decompress(decompressor.d, stream, dataBytes, raw.get(), rawSize, nullptr) !=
        LIBDEFLATE_SUCCESS)
        return PngRead::Damaged;

    const std::vector<uchar> zeros(n, 0);
    const uchar *prev = zeros.data();
    for (std::uint32_t y = 0; y < h.height; ++y) {
        uchar *row = raw.get() + y * (n + 1);
        if (!unfilterRow(row[0], row + 1, prev, n, channels))
            return PngRead::Damaged;
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(static_cast<int>(y)));
        const uchar *r = row + 1;
        if (channels == 3) {
            for (std::uint32_t x = 0; x < h.width; ++x)
                line[x] = 0xff000000u | (QRgb(r[3 * x]) << 16) | (QRgb(r[3 * x + 1]) << 8) | r[3 * x + 2];
        } else {
            for (std::uint32_t x = 0; x < h.width; ++x)
                line[x] = 0xff000000u | (QRgb(r[x]) * 0x010101u);
        }
        prev = r;
    }
    out = std::move(image);
    return PngRead::Decoded;
}

} // namespace quill
