#include "support/fixtures.h"
#include "support/picture_files.h"
#include "surface/image_files.h"
#include "surface/jpeg_library.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <functional>

namespace quill {
namespace {

using testing::TempDirTest;
using namespace quill::jpeg;

// ---- Bitmaps of the depths the library reads, built byte by byte ----

struct BmpKind {
    const char *name;
    int bits;       // 1, 8 or 24
    int headerSize; // 12 (OS/2) or 40
    bool topDown;
};

constexpr int kW = 13; // odd, so every depth pads its rows
constexpr int kH = 5;

QRgb paletteEntry(int i) { return qRgb(i * 37 % 256, i * 91 % 256, i * 53 % 256); }

// The stored value of pixel (x, y) and the colour it must read as.
std::pair<std::uint32_t, QRgb> pixelOf(const BmpKind &s, int x, int y)
{
    if (s.bits <= 8) {
        const int i = (x + 2 * y + x * y) % (1 << s.bits);
        return {static_cast<std::uint32_t>(i), paletteEntry(i)};
    }
    const int r = x * 11 % 256, g = y * 50 % 256, b = (x * y * 7 + 3) % 256;
    return {static_cast<std::uint32_t>(b | g << 8 | r << 16), qRgb(r, g, b)};
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
        for (std::uint32_t v : {0u, 0u, 2835u, 2835u, static_cast<std::uint32_t>(paletteCount), 0u})
            put(info, v, 4);
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

class BitmapDepthTest : public TempDirTest, public ::testing::WithParamInterface<BmpKind> {};

TEST_P(BitmapDepthTest, ReadsEveryPixelAsRgbBytesAndAsARaster)
{
    const QByteArray bytes = buildBmp(GetParam());
    ASSERT_TRUE(testing::writeFile(path("in.bmp"), bytes));
    const RgbPixels rgb = readRgbFromBmp(path("in.bmp"));
    ASSERT_TRUE(rgb) << lastErrorText().toStdString();
    ASSERT_EQ(QSize(rgb.width, rgb.height), QSize(kW, kH));
    const auto raster = decodeBitmap(reinterpret_cast<const uchar *>(bytes.constData()), bytes.size(), 1 << 20);
    ASSERT_TRUE(raster);
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x) {
            const QRgb want = pixelOf(GetParam(), x, y).second;
            const unsigned char *p = rgb.data.get() + 3 * (y * kW + x);
            EXPECT_EQ(qRgb(p[0], p[1], p[2]), want) << x << "," << y;
            EXPECT_EQ(raster->pixel(x, y), want) << x << "," << y;
        }
}

INSTANTIATE_TEST_SUITE_P(Depths, BitmapDepthTest,
                         ::testing::Values(BmpKind{"mono", 1, 40, false}, BmpKind{"os2_indexed", 8, 12, false},
                                           BmpKind{"bgr_top_down", 24, 40, true}),
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

struct BadFile {
    const char *name;
    const char *fileName;
    std::function<QByteArray()> bytes;
    int bitmapCode = 0; // for bitmaps: the reason the library gives
};

class BadFileTest : public TempDirTest, public ::testing::WithParamInterface<BadFile> {};

TEST_P(BadFileTest, IsRefusedByTheLoaderWithTheLibrarysReason)
{
    const QString file = path(QString::fromLatin1(GetParam().fileName));
    ASSERT_TRUE(testing::writeFile(file, GetParam().bytes()));
    EXPECT_FALSE(loadPicture(file));
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
        BadFile{"bmp_text", "bad.bmp", [] { return QByteArray("just some words\n"); }, kErrorNotBitmap},
        BadFile{"bmp_pixels_cut", "bad.bmp",
                [] {
                    return buildBmp({"", 24, 40, false}).chopped(7);
                },
                kErrorTruncated},
        BadFile{"bmp_huge_header_no_data", "bad.bmp", [] { return withHeader(30000, 30000, 24); }, kErrorTooLarge},
        BadFile{"bmp_run_length", "bad.bmp", [] { return withHeader(4, 4, 8, 1); }, kErrorUnsupported},
        BadFile{"bmp_zero_width", "bad.bmp", [] { return withHeader(0, 4, 24); }, kErrorNotBitmap},
        BadFile{"gif_cut_half", "a.gif", [] { return gif().left(gif().size() * 6 / 10); }},
        BadFile{"jpeg_cut_end_marker", "a.jpg", [] { return jpg().chopped(2); }},
        // Headers claiming 30000 x 30000 pixels (0x7530), little or nothing after them.
        BadFile{"huge_jpeg_header", "huge.jpg",
                [] {
                    const QByteArray b = jpg();
                    const qsizetype sof = b.indexOf("\xff\xc0");
                    return setBytes(b, {{sof + 5, 0x75}, {sof + 6, 0x30}, {sof + 7, 0x75}, {sof + 8, 0x30}})
                        .left(b.indexOf("\xff\xda") + 20);
                }},
        BadFile{
            "huge_gif_header", "huge.gif",
            [] {
                return setBytes(
                    gif().left(791),
                    {{6, 0x30}, {7, 0x75}, {8, 0x30}, {9, 0x75}, {786, 0x30}, {787, 0x75}, {788, 0x30}, {789, 0x75}});
            }}),
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

TEST(Jpeg, CutOffOrOversizedFilesAreRefusedAndStrayBytesBeforeTheEndOnlyWarn)
{
    const QImage picture = testing::gradientImage(64, 64);
    const QByteArray whole = testing::jpegBytes(picture);
    EXPECT_FALSE(decode(whole.left(whole.size() * 95 / 100)));
    EXPECT_TRUE(lastErrorCode() == kErrorTruncated || lastErrorCode() >= kErrorCodec) << lastErrorCode();
    EXPECT_FALSE(decode(whole, 64 * 64 * 4 - 1));
    EXPECT_EQ(lastErrorCode(), kErrorTooLarge);
    QByteArray stray = whole;
    stray.insert(stray.size() - 2, "\x12\x34", 2);
    const auto back = decode(stray);
    ASSERT_TRUE(back);
    EXPECT_LT(testing::meanError(*back, picture), 2.0);
}

} // namespace
} // namespace quill
