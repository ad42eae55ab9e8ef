#include "support/fixtures.h"
#include "support/picture_files.h"
#include "surface/image_files.h"
#include "surface/jpeg_library.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <turbojpeg.h>

#include <array>
#include <functional>
#include <vector>

#include <sys/stat.h>

namespace quill {
namespace {

using testing::TempDirTest;
using namespace quill::jpeg;

// ---- Bitmaps of the depths the library reads, built byte by byte ----

struct BmpKind {
    const char *name;
    int bits;
    int headerSize; // 12 (OS/2), 40, 108 (V4) or 124 (V5)
    bool topDown;
    std::uint32_t compression = 0; // 3: bit fields (5-6-5, or red in the low byte)
};

constexpr int kW = 13; // odd, so every depth pads its rows
constexpr int kH = 5;

QRgb paletteEntry(int i) { return qRgb(i * 37 % 256, i * 91 % 256, i * 53 % 256); }

// Sixteen-bit channels and what they read as, worked out by hand: a 5-bit 3
// is 3 * 255 / 31 = 24.7 and 3 << 3 | 3 >> 2 = 24 either way.
struct Short {
    int r, g, b; // stored, 5 or 6 bits
    QRgb read;
};
constexpr Short kShorts565[] = {{0, 0, 31, qRgb(0, 0, 255)},
                                {1, 1, 6, qRgb(8, 4, 49)},
                                {3, 10, 2, qRgb(24, 40, 16)},
                                {7, 15, 5, qRgb(57, 60, 41)},
                                {31, 63, 0, qRgb(255, 255, 0)}};
constexpr Short kShorts555[] = {{0, 0, 31, qRgb(0, 0, 255)},
                                {1, 1, 6, qRgb(8, 8, 49)},
                                {3, 7, 2, qRgb(24, 57, 16)},
                                {7, 31, 5, qRgb(57, 255, 41)},
                                {31, 3, 0, qRgb(255, 24, 0)}};

// The stored value of pixel (x, y) and the colour it must read as.
std::pair<std::uint32_t, QRgb> pixelOf(const BmpKind &s, int x, int y)
{
    if (s.bits <= 8) {
        const int i = (x + 2 * y + x * y) % (1 << s.bits);
        return {static_cast<std::uint32_t>(i), paletteEntry(i)};
    }
    if (s.bits == 16) {
        const Short &v = s.compression == 3 ? kShorts565[(x + y) % 5] : kShorts555[(x + y) % 5];
        const int redShift = s.compression == 3 ? 11 : 10;
        return {static_cast<std::uint32_t>(v.r << redShift | v.g << 5 | v.b), v.read};
    }
    const int r = x * 11 % 256, g = y * 50 % 256, b = (x * y * 7 + 3) % 256;
    const std::uint32_t low = s.compression == 3 ? r : b, high = s.compression == 3 ? b : r;
    const std::uint32_t unused = s.bits == 32 ? 0x5a000000u : 0; // the fourth byte means nothing
    return {low | g << 8 | high << 16 | unused, qRgb(r, g, b)};
}

QByteArray buildBmp(const BmpKind &s, int width = kW, int height = kH)
{
    QByteArray info;
    const auto put = [](QByteArray &b, std::uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i)
            b.append(static_cast<char>((v >> (8 * i)) & 0xff));
    };
    const int paletteCount = s.bits <= 8 ? 1 << s.bits : 0;
    const int dim = s.headerSize == 12 ? 2 : 4;
    put(info, static_cast<std::uint32_t>(s.headerSize), 4);
    put(info, static_cast<std::uint32_t>(width), dim);
    put(info, static_cast<std::uint32_t>(s.topDown ? -height : height), dim);
    put(info, 1, 2);
    put(info, static_cast<std::uint32_t>(s.bits), 2);
    if (s.headerSize > 12) {
        for (std::uint32_t v : {s.compression, 0u, 2835u, 2835u, static_cast<std::uint32_t>(paletteCount), 0u})
            put(info, v, 4);
        // Masks follow a 40-byte header and sit inside the V4 and V5 ones.
        if (s.compression == 3)
            for (std::uint32_t m : s.bits == 16 ? std::array<std::uint32_t, 3>{0xf800, 0x07e0, 0x001f}
                                                : std::array<std::uint32_t, 3>{0xff, 0xff00, 0xff0000})
                put(info, m, 4);
        info.append(QByteArray(std::max<qsizetype>(0, s.headerSize - info.size()), '\0'));
    }
    for (int i = 0; i < paletteCount; ++i)
        put(info, paletteEntry(i) & 0xffffff, s.headerSize == 12 ? 3 : 4);
    QByteArray pixels;
    const int stride = (width * s.bits + 31) / 32 * 4;
    for (int row = 0; row < height; ++row) {
        const int y = s.topDown ? row : height - 1 - row;
        QByteArray line(stride, '\0');
        for (int x = 0; x < width; ++x) {
            const std::uint32_t v = pixelOf(s, x, y).first;
            if (s.bits <= 8) {
                const int perByte = 8 / s.bits;
                line[x / perByte] = static_cast<char>(line[x / perByte] | v << (8 - s.bits * (x % perByte + 1)));
            } else {
                for (int k = 0; k < s.bits / 8; ++k)
                    line[x * s.bits / 8 + k] = static_cast<char>((v >> (8 * k)) & 0xff);
            }
        }
        pixels += line;
    }
    QByteArray file("BM");
    put(file, static_cast<std::uint32_t>(14 + info.size() + pixels.size()), 4);
    put(file, 0, 4);
    put(file, static_cast<std::uint32_t>(14 + info.size()), 4);
    return file + info + pixels;
}

void PrintTo(const BmpKind &kind, std::ostream *os) { *os << kind.name; }

class BitmapDepthTest : public TempDirTest, public ::testing::WithParamInterface<BmpKind> {};

TEST_P(BitmapDepthTest, ReadsEveryPixelAsRgbBytesAndAsARaster)
{
    const QByteArray bytes = buildBmp(GetParam());
    ASSERT_TRUE(testing::writeFile(path("in.bmp"), bytes));
    const RgbPixels rgb = readRgbFromBmp(path("in.bmp"));
    ASSERT_TRUE(rgb) << lastErrorText().toStdString();
    ASSERT_EQ(QSize(rgb.width, rgb.height), QSize(kW, kH));
    const auto raster = loadPicture(path("in.bmp"));
    ASSERT_TRUE(raster);
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x) {
            const QRgb want = pixelOf(GetParam(), x, y).second;
            const unsigned char *p = rgb.data.get() + 3 * (y * kW + x);
            EXPECT_EQ(qRgb(p[0], p[1], p[2]), want) << x << "," << y;
            EXPECT_EQ(raster->pixel(x, y), want) << x << "," << y;
        }
}

const BmpKind kBitmapKinds[] = {
    {"mono", 1, 40, false},
    {"nibbles", 4, 40, false},
    {"os2_indexed", 8, 12, false},
    {"x1r5g5b5", 16, 40, false},
    {"rgb565_fields", 16, 40, false, 3},
    {"rgb565_fields_v5", 16, 124, true, 3},
    {"bgr_top_down", 24, 40, true},
    {"os2_bgr", 24, 12, false},
    {"bgrx", 32, 40, false},
    {"rgbx_fields_v4", 32, 108, false, 3},
};

INSTANTIATE_TEST_SUITE_P(Depths, BitmapDepthTest, ::testing::ValuesIn(kBitmapKinds),
                         [](const auto &info) { return std::string(info.param.name); });

QByteArray withHeader(int width, int height, int bits, std::uint32_t compression = 0)
{
    QByteArray b = buildBmp({"", 24, 40, false}, 2, 2).left(54);
    for (auto [at, v, n] : {std::tuple{18, static_cast<std::uint32_t>(width), 4},
                            {22, static_cast<std::uint32_t>(height), 4},
                            {28, static_cast<std::uint32_t>(bits), 2},
                            {30, compression, 4}})
        for (int i = 0; i < n; ++i)
            b[at + i] = static_cast<char>((v >> (8 * i)) & 0xff);
    return b;
}

// ---- The picture loader ----

TEST_F(TempDirTest, LoadsBitmapsGifsAndJpegsByContentFromAnyPath)
{
    const QImage picture = testing::paletteImage(23, 17);
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("Bilder ä ß 日本")));
    const QString bmp = path(QStringLiteral("Bilder ä ß 日本/Kachel ü.bmp"));
    ASSERT_TRUE(saveBitmap(picture, bmp));
    EXPECT_EQ(loadPicture(bmp), picture);
    const RgbPixels rgb = readRgbFromBmp(bmp); // the library reads what the program writes
    ASSERT_TRUE(rgb);
    EXPECT_EQ(QImage(rgb.data.get(), rgb.width, rgb.height, rgb.width * 3, QImage::Format_RGB888)
                  .convertToFormat(QImage::Format_RGB32),
              picture);
    ASSERT_TRUE(testing::writeFile(path("really_a_gif.bmp"), testing::encodeGif(picture)));
    EXPECT_EQ(loadPicture(path("really_a_gif.bmp")), picture);
    const QImage smooth = testing::gradientImage(40, 30);
    ASSERT_TRUE(testing::writeFile(path("a.jpg"), testing::jpegBytes(smooth)));
    const auto jpg = loadPicture(path("a.jpg"));
    ASSERT_TRUE(jpg);
    EXPECT_EQ(jpg->format(), QImage::Format_RGB32);
    EXPECT_LT(testing::meanError(*jpg, smooth), 2.0);
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("folder.bmp")));
    for (const char *bad : {"folder.bmp", "missing.gif", ""})
        EXPECT_FALSE(loadPicture(bad[0] ? path(QString::fromLatin1(bad)) : QString())) << bad;
}

QByteArray setBytes(QByteArray b, std::initializer_list<std::pair<qsizetype, int>> values)
{
    for (auto [at, v] : values)
        b[at] = static_cast<char>(v);
    return b;
}

const char *const kEndsEarly = "the file ends before its pixels do";
const char *const kDamaged = "the file is damaged";
const char *const kTooLarge = "the picture is too large to open";
const char *const kNotAPicture = "it is not a BMP, GIF, JPEG or PNG picture";

// Palette bitmaps of 16 colours whose pixels are a run-length stream.
QByteArray runLengthBitmap(int bits, int width, int height, const QByteArray &stream)
{
    QByteArray b = withHeader(width, height, bits, bits == 8 ? 1 : 2);
    b = setBytes(b, {{10, 54 + 64}, {46, 16}});
    for (int i = 0; i < 16; ++i)
        for (int shift : {0, 8, 16, 24})
            b.append(static_cast<char>((paletteEntry(i) >> shift) & 0xff));
    return b + stream;
}

// 4 x 2, bottom row first: a run of one 5, a literal 1 2 3 (padded), end of
// line; then a move two right and a run of two 7s, end of picture.
QByteArray rle8Example()
{
    return runLengthBitmap(8, 4, 2,
                           QByteArray("\x01\x05\x00\x03\x01\x02\x03\x00\x00\x00\x00\x02\x02\x00\x02\x07\x00\x01", 18));
}

// A progressive JPEG whose last scan is repeated: each copy is one more start of scan.
QByteArray manyScans(int copies)
{
    const QByteArray whole = testing::jpegBytes(testing::gradientImage(16, 16), 75, kSaveProgressive);
    const qsizetype lastScan = whole.lastIndexOf("\xff\xda");
    const QByteArray scan = whole.mid(lastScan, whole.size() - 2 - lastScan);
    return whole.left(whole.size() - 2) + scan.repeated(copies) + QByteArray("\xff\xd9", 2);
}

struct RunLengthCase {
    const char *name;
    QByteArray file;
    std::vector<QRgb> pixels; // top row first
};

class RunLengthTest : public TempDirTest, public ::testing::WithParamInterface<RunLengthCase> {};

TEST_P(RunLengthTest, DecodesRunsLiteralsAndMovesWithUntouchedPixelsInColourZero)
{
    const RunLengthCase &c = GetParam();
    ASSERT_TRUE(testing::writeFile(path("rle.bmp"), c.file));
    const auto image = loadPicture(path("rle.bmp"));
    ASSERT_TRUE(image);
    std::vector<QRgb> seen;
    for (int y = 0; y < image->height(); ++y)
        for (int x = 0; x < image->width(); ++x)
            seen.push_back(image->pixel(x, y));
    EXPECT_EQ(seen, c.pixels);
}

INSTANTIATE_TEST_SUITE_P(
    Streams, RunLengthTest,
    ::testing::Values(RunLengthCase{"rle8",
                                    rle8Example(),
                                    {paletteEntry(0), paletteEntry(0), paletteEntry(7), paletteEntry(7),
                                     paletteEntry(5), paletteEntry(1), paletteEntry(2), paletteEntry(3)}},
                      // Nibbles: high first; a literal of three takes two bytes.
                      RunLengthCase{
                          "rle4",
                          runLengthBitmap(4, 7, 1, QByteArray("\x04\x12\x00\x03\x34\x50\x00\x00\x00\x01", 10)),
                          {paletteEntry(1), paletteEntry(2), paletteEntry(1), paletteEntry(2), paletteEntry(3),
                           paletteEntry(4), paletteEntry(5)}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(TempDirTest, APictureLargerThanTheOldLimitReadsBackAndSpecialFilesAreRefusedAtOnce)
{
    // 5800 x 5800 needs 134 MB of raster, past the 128 MiB the loader used to allow.
    const QImage big = testing::solidImage(5800, 5800, rgb(12, 34, 56));
    ASSERT_TRUE(saveBitmap(big, path("big.bmp")));
    const auto back = loadPicture(path("big.bmp"));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->size(), big.size());
    EXPECT_EQ(testing::pixelAt(*back, 5799, 5799), rgb(12, 34, 56));

    ASSERT_EQ(mkfifo(path("pipe.png").toLocal8Bit().constData(), 0600), 0);
    for (const QString &special : {path("pipe.png"), QStringLiteral("/dev/zero")}) {
        QString reason;
        EXPECT_FALSE(loadPicture(special, &reason)) << special.toStdString();
        EXPECT_EQ(reason, QStringLiteral("it is not a regular file"));
    }
}

struct BadFile {
    const char *name;
    const char *fileName;
    std::function<QByteArray()> bytes;
    const char *reason; // what the status line tells the user
    int bitmapCode = 0; // for bitmaps: the reason the library gives
};

class BadFileTest : public TempDirTest, public ::testing::WithParamInterface<BadFile> {};

TEST_P(BadFileTest, IsRefusedByTheLoaderWithTheLibrarysReason)
{
    const QString file = path(QString::fromLatin1(GetParam().fileName));
    ASSERT_TRUE(testing::writeFile(file, GetParam().bytes()));
    QString whyNot;
    EXPECT_FALSE(loadPicture(file, &whyNot));
    EXPECT_EQ(whyNot, QString::fromLatin1(GetParam().reason));
    if (GetParam().bitmapCode) {
        EXPECT_FALSE(readRgbFromBmp(file));
        EXPECT_EQ(lastErrorCode(), GetParam().bitmapCode);
        EXPECT_FALSE(lastErrorText().isEmpty());
    }
}

QByteArray gif() { return testing::encodeGif(testing::paletteImage(31, 17)); }
QByteArray jpg() { return testing::jpegBytes(testing::gradientImage(48, 32)); }

INSTANTIATE_TEST_SUITE_P(
    Files, BadFileTest,
    ::testing::Values(
        BadFile{"bmp_text", "bad.bmp", [] { return QByteArray("just some words\n"); }, kNotAPicture, kErrorNotBitmap},
        BadFile{"bmp_pixels_cut", "bad.bmp",
                [] {
                    return buildBmp({"", 24, 40, false}).chopped(7);
                },
                kEndsEarly, kErrorTruncated},
        BadFile{"bmp_huge_header_no_data", "bad.bmp", [] { return withHeader(30000, 30000, 24); }, kTooLarge,
                kErrorTooLarge},
        // The largest picture quillmar-batch makes is 16384 x 16384: one pixel more is refused unread.
        BadFile{"bmp_one_row_past_the_limit", "bad.bmp", [] { return withHeader(16384, 16385, 24); }, kTooLarge,
                kErrorTooLarge},
        BadFile{"bmp_at_the_limit_cut_short", "bad.bmp", [] { return withHeader(16384, 16384, 24); }, kEndsEarly,
                kErrorTruncated},
        BadFile{"rle8_without_its_end", "bad.bmp", [] { return rle8Example().chopped(2); }, kEndsEarly,
                kErrorUnsupported},
        BadFile{"rle8_cut_in_a_literal_run", "bad.bmp", [] { return rle8Example().chopped(13); }, kEndsEarly,
                kErrorUnsupported},
        BadFile{"rle8_cut_in_a_move", "bad.bmp", [] { return rle8Example().chopped(6); }, kEndsEarly,
                kErrorUnsupported},
        BadFile{"jpeg_of_twenty_thousand_scans", "scans.jpg", [] { return manyScans(20000); }, kTooLarge},
        BadFile{"bmp_zero_width", "bad.bmp", [] { return withHeader(0, 4, 24); }, kDamaged, kErrorNotBitmap},
        BadFile{"gif_cut_half", "a.gif", [] { return gif().left(gif().size() * 6 / 10); }, kEndsEarly},
        BadFile{"jpeg_cut_end_marker", "a.jpg", [] { return jpg().chopped(2); }, kEndsEarly},
        // Headers claiming 30000 x 30000 pixels (0x7530), little or nothing after them.
        BadFile{"huge_jpeg_header", "huge.jpg",
                [] {
                    const QByteArray b = jpg();
                    const qsizetype sof = b.indexOf("\xff\xc0");
                    return setBytes(b, {{sof + 5, 0x75}, {sof + 6, 0x30}, {sof + 7, 0x75}, {sof + 8, 0x30}})
                        .left(b.indexOf("\xff\xda") + 20);
                },
                kTooLarge},
        BadFile{
            "huge_gif_header", "huge.gif",
            [] {
                return setBytes(
                    gif().left(791),
                    {{6, 0x30}, {7, 0x75}, {8, 0x30}, {9, 0x75}, {786, 0x30}, {787, 0x75}, {788, 0x30}, {789, 0x75}});
            },
            kEndsEarly}),
    [](const auto &info) { return std::string(info.param.name); });

// ---- JPEG writing and reading ----

std::optional<QImage> decode(const QByteArray &bytes, qint64 maxBytes = 1 << 24)
{
    return decodeJpeg(reinterpret_cast<const uchar *>(bytes.constData()), bytes.size(), maxBytes);
}

TEST(Jpeg, SavesBaselineOrProgressiveAtTheGivenQuality)
{
    ASSERT_TRUE(initLibrary());
    const QImage smooth = testing::gradientImage(64, 48);
    const QImage noisy = testing::randomImage(64, 64, 3);
    EXPECT_LT(testing::jpegBytes(noisy, 10).size() * 2, testing::jpegBytes(noisy, 95).size());
    EXPECT_TRUE(decode(testing::jpegBytes(noisy, 75, kSaveProgressive)));
    // The next plain file is baseline again and undamaged.
    const QByteArray after = testing::jpegBytes(smooth);
    EXPECT_TRUE(after.contains("\xff\xc0"));
    const auto back = decode(after);
    ASSERT_TRUE(back);
    EXPECT_LT(testing::meanError(*back, smooth), 2.0);
}

TEST(Jpeg, OversizedFilesAreRefusedAndStrayBytesBeforeTheEndOnlyWarn)
{
    const QImage picture = testing::gradientImage(64, 64);
    const QByteArray whole = testing::jpegBytes(picture);
    EXPECT_FALSE(decode(whole, 64 * 64 * 4 - 1));
    EXPECT_EQ(lastErrorCode(), kErrorTooLarge);
    QByteArray stray = whole;
    stray.insert(stray.size() - 2, "\x12\x34", 2);
    const auto back = decode(stray);
    ASSERT_TRUE(back);
    EXPECT_LT(testing::meanError(*back, picture), 2.0);
}

// ---- Print-shop JPEGs ----

// 16 x 8 pixels in CMYK as print programs store it (Adobe marker, inverted
// values, no colour transform), written once with libjpeg at quality 100: the
// left half C 0 M 255 Y 128 K 0, the right half C 64 M 0 Y 0 K 128.
const unsigned char kCmykJpeg[] = {
    0xff, 0xd8, 0xff, 0xee, 0x00, 0x0e, 0x41, 0x64, 0x6f, 0x62, 0x65, 0x00, 0x64, 0x00, 0x00, 0x00, 0x00, 0x00, 0xff,
    0xdb, 0x00, 0x43, 0x00, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01,
    0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01,
    0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01,
    0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0xff, 0xc0, 0x00, 0x14, 0x08, 0x00, 0x08, 0x00,
    0x10, 0x04, 0x43, 0x11, 0x00, 0x4d, 0x11, 0x00, 0x59, 0x11, 0x00, 0x4b, 0x11, 0x00, 0xff, 0xc4, 0x00, 0x16, 0x00,
    0x01, 0x01, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x0b, 0x0a, 0x04,
    0xff, 0xc4, 0x00, 0x14, 0x10, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0xff, 0xda, 0x00, 0x0e, 0x04, 0x43, 0x00, 0x4d, 0x00, 0x59, 0x00, 0x4b, 0x00, 0x00, 0x3f, 0x00,
    0xbf, 0x81, 0xff, 0x00, 0xb3, 0xaf, 0xe1, 0x3f, 0xe7, 0xf8, 0x20, 0x00, 0xff, 0x00, 0xdf, 0xff, 0xd9};

QByteArray cmykJpeg() { return QByteArray(reinterpret_cast<const char *>(kCmykJpeg), sizeof kCmykJpeg); }

// The same two colours from inverted CMYK bytes through TurboJPEG, which
// stores them as YCCK.
QByteArray ycckJpeg()
{
    std::vector<unsigned char> cmyk;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 16; ++x)
            for (int v : x < 8 ? std::array{255, 0, 127, 255} : std::array{191, 255, 255, 127})
                cmyk.push_back(static_cast<unsigned char>(v));
    tjhandle handle = tjInitCompress();
    unsigned char *out = nullptr;
    unsigned long size = 0;
    const int result = tjCompress2(handle, cmyk.data(), 16, 0, 8, TJPF_CMYK, &out, &size, TJSAMP_444, 100, 0);
    const QByteArray bytes =
        result == 0 ? QByteArray(reinterpret_cast<const char *>(out), static_cast<qsizetype>(size)) : QByteArray();
    tjFree(out);
    tjDestroy(handle);
    return bytes;
}

struct PrintJpeg {
    const char *name;
    QByteArray (*bytes)();
    int colourSpace;
};

void PrintTo(const PrintJpeg &file, std::ostream *os) { *os << file.name; }

class PrintJpegTest : public TempDirTest, public ::testing::WithParamInterface<PrintJpeg> {};

// Each ink takes away its share of the light and black the rest: (255 - 64) of
// 255 red under half black is 191 * 127 / 255 = 95.
TEST_P(PrintJpegTest, OpensAsTheColoursItPrints)
{
    const QByteArray bytes = GetParam().bytes();
    tjhandle handle = tjInitDecompress();
    int width = 0, height = 0, subsampling = 0, colourSpace = -1;
    tjDecompressHeader3(handle, reinterpret_cast<const unsigned char *>(bytes.constData()),
                        static_cast<unsigned long>(bytes.size()), &width, &height, &subsampling, &colourSpace);
    tjDestroy(handle);
    ASSERT_EQ(colourSpace, GetParam().colourSpace); // the file really is of its kind
    ASSERT_TRUE(testing::writeFile(path("print.jpg"), bytes));
    const auto picture = loadPicture(path("print.jpg"));
    ASSERT_TRUE(picture);
    ASSERT_EQ(picture->size(), QSize(16, 8));
    for (auto [x, want] : {std::pair{0, qRgb(255, 0, 127)}, std::pair{7, qRgb(255, 0, 127)},
                           std::pair{8, qRgb(95, 127, 127)}, std::pair{15, qRgb(95, 127, 127)}}) {
        const QRgb got = picture->pixel(x, 4);
        EXPECT_NEAR(qRed(got), qRed(want), 3) << x;
        EXPECT_NEAR(qGreen(got), qGreen(want), 3) << x;
        EXPECT_NEAR(qBlue(got), qBlue(want), 3) << x;
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, PrintJpegTest,
                         ::testing::Values(PrintJpeg{"cmyk", cmykJpeg, TJCS_CMYK},
                                           PrintJpeg{"ycck", ycckJpeg, TJCS_YCCK}),
                         [](const auto &info) { return std::string(info.param.name); });

// ---- Every cut of a small valid file ----

struct WholeFile {
    const char *name;
    std::function<QByteArray()> bytes;
    int trailer = 0; // bytes after the picture's data that a cut may take away
};

void PrintTo(const WholeFile &file, std::ostream *os) { *os << file.name; }

class CutFileTest : public TempDirTest, public ::testing::WithParamInterface<WholeFile> {};

// A file cut at any length is refused, or opens as exactly the whole file's
// picture: never half a picture, grey or black rows, or colours it never held.
TEST_P(CutFileTest, EveryCutIsRefusedOrTheWholePicture)
{
    const QByteArray whole = GetParam().bytes();
    ASSERT_FALSE(whole.isEmpty());
    ASSERT_TRUE(testing::writeFile(path("whole"), whole));
    const auto full = loadPicture(path("whole"));
    ASSERT_TRUE(full);
    for (qsizetype length = 0; length < whole.size(); ++length) {
        ASSERT_TRUE(testing::writeFile(path("cut"), whole.left(length)));
        const auto cut = loadPicture(path("cut"));
        if (length < whole.size() - GetParam().trailer)
            EXPECT_FALSE(cut) << "cut to " << length << " of " << whole.size() << " bytes";
        else if (cut)
            EXPECT_EQ(*cut, *full) << "cut to " << length << " of " << whole.size() << " bytes";
    }
}

QByteArray pngBytes(const QImage &picture)
{
    QTemporaryDir dir;
    return savePng(picture, dir.filePath("p.png")) ? testing::readFile(dir.filePath("p.png")) : QByteArray();
}

std::vector<WholeFile> wholeFiles()
{
    std::vector<WholeFile> files;
    for (const BmpKind &kind : kBitmapKinds)
        files.push_back({kind.name, [kind] { return buildBmp(kind, 5, 3); }});
    files.push_back({"gif", [] { return testing::encodeGif(testing::paletteImage(5, 3)); }, 1});
    files.push_back({"jpeg", [] { return testing::jpegBytes(testing::gradientImage(16, 16)); }});
    files.push_back(
        {"jpeg_progressive", [] { return testing::jpegBytes(testing::gradientImage(16, 16), 75, kSaveProgressive); }});
    files.push_back({"jpeg_cmyk", cmykJpeg});
    files.push_back({"png", [] { return pngBytes(testing::randomImage(7, 5, 2)); }});
    return files;
}

INSTANTIATE_TEST_SUITE_P(Files, CutFileTest, ::testing::ValuesIn(wholeFiles()),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace quill
