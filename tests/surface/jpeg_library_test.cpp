#include "support/fixtures.h"
#include "support/picture_files.h"
#include "surface/image_files.h"
#include "surface/jpeg_library.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <turbojpeg.h>

#include <functional>

namespace quill {
namespace {

using testing::TempDirTest;
using namespace quill::jpeg;

// ---- Bitmaps of every depth the library reads, built byte by byte ----------

struct BmpKind {
    const char *name;
    int bits;
    int headerSize; // 12 (OS/2), 40 or 108
    bool topDown;
    std::uint32_t compression; // 0 plain, 3 bit fields
    std::array<std::uint32_t, 3> masks;
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
    if (s.bits == 16) {
        const int r = x * 3 % 32, b = (x + y) % 32;
        if (s.compression == 3) { // 5-6-5
            const int g = y * 5 % 64;
            return {static_cast<std::uint32_t>(r << 11 | g << 5 | b), qRgb(r * 255 / 31, g * 255 / 63, b * 255 / 31)};
        }
        const int g = y * 5 % 32;
        return {static_cast<std::uint32_t>(r << 10 | g << 5 | b), qRgb(r * 255 / 31, g * 255 / 31, b * 255 / 31)};
    }
    const int r = x * 11 % 256, g = y * 50 % 256, b = (x * y * 7 + 3) % 256;
    if (s.compression == 3) // red in the low byte
        return {static_cast<std::uint32_t>(r | g << 8 | b << 16 | 0x5a000000), qRgb(r, g, b)};
    return {static_cast<std::uint32_t>(b | g << 8 | r << 16 | 0x5a000000), qRgb(r, g, b)};
}

void putLE(QByteArray &b, std::uint32_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        b.append(static_cast<char>((v >> (8 * i)) & 0xff));
}

QByteArray buildBmp(const BmpKind &s, int width = kW, int height = kH)
{
    QByteArray info;
    const int paletteCount = s.bits <= 8 ? 1 << s.bits : 0;
    if (s.headerSize == 12) {
        putLE(info, 12, 4);
        putLE(info, static_cast<std::uint32_t>(width), 2);
        putLE(info, static_cast<std::uint32_t>(height), 2);
        putLE(info, 1, 2);
        putLE(info, static_cast<std::uint32_t>(s.bits), 2);
    } else {
        putLE(info, static_cast<std::uint32_t>(s.headerSize), 4);
        putLE(info, static_cast<std::uint32_t>(width), 4);
        putLE(info, static_cast<std::uint32_t>(s.topDown ? -height : height), 4);
        putLE(info, 1, 2);
        putLE(info, static_cast<std::uint32_t>(s.bits), 2);
        putLE(info, s.compression, 4);
        putLE(info, 0, 4);
        putLE(info, 2835, 4);
        putLE(info, 2835, 4);
        putLE(info, static_cast<std::uint32_t>(paletteCount), 4);
        putLE(info, 0, 4);
        if (s.headerSize > 40) {
            for (std::uint32_t m : s.masks)
                putLE(info, m, 4);
            info.append(QByteArray(s.headerSize - info.size(), '\0'));
        } else if (s.compression == 3) {
            for (std::uint32_t m : s.masks)
                putLE(info, m, 4);
        }
    }
    for (int i = 0; i < paletteCount; ++i) {
        const QRgb c = paletteEntry(i);
        info.append(static_cast<char>(qBlue(c)));
        info.append(static_cast<char>(qGreen(c)));
        info.append(static_cast<char>(qRed(c)));
        if (s.headerSize != 12)
            info.append('\0');
    }
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
    putLE(file, static_cast<std::uint32_t>(14 + info.size() + pixels.size()), 4);
    putLE(file, 0, 4);
    putLE(file, static_cast<std::uint32_t>(14 + info.size()), 4);
    return file + info + pixels;
}

class BitmapDepthTest : public TempDirTest, public ::testing::WithParamInterface<BmpKind> {};

TEST_P(BitmapDepthTest, ReadsEveryPixelAsStoredAsRgbBytesAndAsARaster)
{
    const BmpKind &s = GetParam();
    const QByteArray bytes = buildBmp(s);
    ASSERT_TRUE(testing::writeFile(path("in.bmp"), bytes));

    const RgbPixels rgb = readRgbFromBmp(path("in.bmp"));
    ASSERT_TRUE(rgb) << lastErrorText().toStdString();
    EXPECT_EQ(lastErrorCode(), kNoError);
    ASSERT_EQ(rgb.width, kW);
    ASSERT_EQ(rgb.height, kH);
    const auto raster = decodeBitmap(reinterpret_cast<const uchar *>(bytes.constData()), bytes.size(), 1 << 20);
    ASSERT_TRUE(raster);
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x) {
            const QRgb want = pixelOf(s, x, y).second;
            const unsigned char *p = rgb.data.get() + 3 * (y * kW + x);
            EXPECT_EQ(qRgb(p[0], p[1], p[2]), want) << x << "," << y;
            EXPECT_EQ(raster->pixel(x, y), want) << x << "," << y;
        }
}

INSTANTIATE_TEST_SUITE_P(
    Depths, BitmapDepthTest,
    ::testing::Values(BmpKind{"mono", 1, 40, false, 0, {}}, BmpKind{"nibbles", 4, 40, false, 0, {}},
                      BmpKind{"indexed", 8, 40, false, 0, {}}, BmpKind{"os2_indexed", 8, 12, false, 0, {}},
                      BmpKind{"rgb555", 16, 40, false, 0, {}},
                      BmpKind{"rgb565", 16, 40, false, 3, {0xf800, 0x07e0, 0x001f}},
                      BmpKind{"bgr", 24, 40, false, 0, {}}, BmpKind{"bgr_top_down", 24, 40, true, 0, {}},
                      BmpKind{"os2_bgr", 24, 12, false, 0, {}}, BmpKind{"bgrx", 32, 40, false, 0, {}},
                      BmpKind{"rgbx_fields_v4", 32, 108, false, 3, {0xff, 0xff00, 0xff0000}},
                      BmpKind{"rgbx_fields", 32, 40, true, 3, {0xff, 0xff00, 0xff0000}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(TempDirTest, ReadsBackTheBitmapsTheProgramWrites)
{
    const QImage picture = testing::randomImage(37, 23, 5);
    ASSERT_TRUE(saveBitmap(picture, path("ours.bmp")));
    const RgbPixels rgb = readRgbFromBmp(path("ours.bmp"));
    ASSERT_TRUE(rgb);
    ASSERT_EQ(QSize(rgb.width, rgb.height), picture.size());
    const QImage back(rgb.data.get(), rgb.width, rgb.height, rgb.width * 3, QImage::Format_RGB888);
    EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32), picture);
}

struct BadBitmap {
    const char *name;
    std::function<QByteArray()> bytes;
    int code;
};

class BadBitmapTest : public TempDirTest, public ::testing::WithParamInterface<BadBitmap> {};

TEST_P(BadBitmapTest, FailsWithItsErrorCodeAndText)
{
    ASSERT_TRUE(testing::writeFile(path("bad.bmp"), GetParam().bytes()));
    const RgbPixels rgb = readRgbFromBmp(path("bad.bmp"));
    EXPECT_FALSE(rgb);
    EXPECT_EQ(lastErrorCode(), GetParam().code);
    EXPECT_FALSE(lastErrorText().isEmpty());
}

QByteArray withHeader(int width, int height, int bits, std::uint32_t compression = 0, int infoSize = 40)
{
    QByteArray b = buildBmp({"", 24, 40, false, 0, {}}, 2, 2).left(54);
    auto set = [&b](int at, std::uint32_t v, int n) {
        for (int i = 0; i < n; ++i)
            b[at + i] = static_cast<char>((v >> (8 * i)) & 0xff);
    };
    set(14, static_cast<std::uint32_t>(infoSize), 4);
    set(18, static_cast<std::uint32_t>(width), 4);
    set(22, static_cast<std::uint32_t>(height), 4);
    set(28, static_cast<std::uint32_t>(bits), 2);
    set(30, compression, 4);
    return b;
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadBitmapTest,
    ::testing::Values(BadBitmap{"empty", [] { return QByteArray(); }, kErrorNotBitmap},
                      BadBitmap{"text", [] { return QByteArray("just some words\n"); }, kErrorNotBitmap},
                      BadBitmap{"header_cut", [] { return QByteArray("BM\x10\0\0\0", 6); }, kErrorTruncated},
                      BadBitmap{"pixels_cut",
                                [] {
                                    return buildBmp({"", 24, 40, false, 0, {}}).chopped(7);
                                },
                                kErrorTruncated},
                      BadBitmap{"big_header_no_data", [] { return withHeader(3000, 3000, 24); }, kErrorTruncated},
                      BadBitmap{"huge_header_no_data", [] { return withHeader(30000, 30000, 24); }, kErrorTooLarge},
                      BadBitmap{"run_length", [] { return withHeader(4, 4, 8, 1); }, kErrorUnsupported},
                      BadBitmap{"two_bits", [] { return withHeader(4, 4, 2); }, kErrorUnsupported},
                      BadBitmap{"zero_width", [] { return withHeader(0, 4, 24); }, kErrorNotBitmap},
                      BadBitmap{"odd_header", [] { return withHeader(4, 4, 24, 0, 20); }, kErrorNotBitmap}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(TempDirTest, AMissingFileOrADirectoryCannotBeOpened)
{
    EXPECT_FALSE(readRgbFromBmp(path("none.bmp")));
    EXPECT_EQ(lastErrorCode(), kErrorCannotOpen);
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("folder.bmp")));
    EXPECT_FALSE(readRgbFromBmp(path("folder.bmp")));
    EXPECT_EQ(lastErrorCode(), kErrorCannotOpen);
}

// ---- JPEG writing and reading ----------------------------------------------

class JpegTest : public TempDirTest {
protected:
    // Saves the picture's RGB bytes as a JPEG.
    int save(const QImage &picture, const QString &name, int quality = 75, int options = kSaveDefault)
    {
        const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
        QByteArray packed;
        for (int y = 0; y < rgb.height(); ++y)
            packed.append(reinterpret_cast<const char *>(rgb.constScanLine(y)), rgb.width() * 3);
        return saveRgbToJpg(path(name), reinterpret_cast<const unsigned char *>(packed.constData()), rgb.width(),
                            rgb.height(), quality, options);
    }
    std::optional<QImage> decode(const QByteArray &bytes, qint64 maxBytes = 1 << 24)
    {
        return decodeJpeg(reinterpret_cast<const uchar *>(bytes.constData()), bytes.size(), maxBytes);
    }
};

TEST_F(JpegTest, SavesAJpegThatDecodesCloseToThePicture)
{
    ASSERT_TRUE(initLibrary());
    const QImage picture = testing::gradientImage(64, 48);
    ASSERT_EQ(save(picture, QStringLiteral("out.jpg")), 0);
    EXPECT_EQ(lastErrorCode(), kNoError);
    const QByteArray bytes = testing::readFile(path("out.jpg"));
    ASSERT_TRUE(bytes.startsWith("\xff\xd8\xff"));
    EXPECT_TRUE(bytes.contains("\xff\xc0")); // baseline
    const auto back = decode(bytes);
    ASSERT_TRUE(back);
    EXPECT_LT(testing::meanError(*back, picture), 2.0);
}

TEST_F(JpegTest, QualityAndOptionsReachTheEncoder)
{
    const QImage picture = testing::randomImage(64, 64, 3);
    ASSERT_EQ(save(picture, QStringLiteral("low.jpg"), 10), 0);
    ASSERT_EQ(save(picture, QStringLiteral("high.jpg"), 95), 0);
    EXPECT_LT(testing::readFile(path("low.jpg")).size() * 2, testing::readFile(path("high.jpg")).size());
    ASSERT_EQ(save(picture, QStringLiteral("prog.jpg"), 75, kSaveProgressive), 0);
    EXPECT_TRUE(testing::readFile(path("prog.jpg")).contains("\xff\xc2"));
    ASSERT_TRUE(decode(testing::readFile(path("prog.jpg"))));
    // The next plain file is baseline again and undamaged.
    const QImage smooth = testing::gradientImage(64, 64);
    ASSERT_EQ(save(smooth, QStringLiteral("after.jpg")), 0);
    const QByteArray after = testing::readFile(path("after.jpg"));
    EXPECT_FALSE(after.contains("\xff\xc2"));
    const auto back = decode(after);
    ASSERT_TRUE(back);
    EXPECT_LT(testing::meanError(*back, smooth), 2.0);
}

TEST_F(JpegTest, RefusesBadArgumentsWithoutWritingAFile)
{
    const unsigned char rgb[3] = {1, 2, 3};
    const QString target = path("never.jpg");
    for (auto call :
         std::initializer_list<std::function<int()>>{[&] { return saveRgbToJpg(target, nullptr, 1, 1, 75, 0); },
                                                     [&] { return saveRgbToJpg(target, rgb, 0, 1, 75, 0); },
                                                     [&] { return saveRgbToJpg(target, rgb, 1, -1, 75, 0); },
                                                     [&] { return saveRgbToJpg(target, rgb, 1, 1, 0, 0); },
                                                     [&] { return saveRgbToJpg(target, rgb, 1, 1, 101, 0); },
                                                     [&] { return saveRgbToJpg(target, rgb, 1, 1, 75, 64); },
                                                     [&] { return saveRgbToJpg(QString(), rgb, 1, 1, 75, 0); }}) {
        EXPECT_EQ(call(), kErrorBadArgument);
        EXPECT_EQ(lastErrorCode(), kErrorBadArgument);
    }
    EXPECT_FALSE(QFile::exists(target));
}

TEST_F(JpegTest, AnUnwritableTargetReportsTheWriteFailure)
{
    ASSERT_TRUE(testing::writeFile(path("plain"), "not a folder"));
    EXPECT_EQ(save(testing::gradientImage(8, 8), QStringLiteral("plain/out.jpg")), kErrorCannotWrite);
    EXPECT_EQ(lastErrorCode(), kErrorCannotWrite);
    EXPECT_FALSE(lastErrorText().isEmpty());
    EXPECT_EQ(testing::readFile(path("plain")), QByteArray("not a folder"));
}

TEST_F(JpegTest, ACutOffJpegIsRefusedWithTheCodecsError)
{
    ASSERT_EQ(save(testing::gradientImage(64, 64), QStringLiteral("whole.jpg")), 0);
    const QByteArray whole = testing::readFile(path("whole.jpg"));
    for (double part : {0.3, 0.7, 0.95}) {
        EXPECT_FALSE(decode(whole.left(static_cast<qsizetype>(whole.size() * part)))) << part;
        EXPECT_TRUE(lastErrorCode() == kErrorTruncated || lastErrorCode() >= kErrorCodec) << lastErrorCode();
        EXPECT_FALSE(lastErrorText().isEmpty());
    }
    // A failure leaves nothing behind: the whole file decodes right afterwards.
    const auto back = decode(whole);
    ASSERT_TRUE(back);
    EXPECT_LT(testing::meanError(*back, testing::gradientImage(64, 64)), 2.0);
}

TEST_F(JpegTest, StrayBytesBeforeTheEndOnlyWarnAndTheWholePictureOpens)
{
    const QImage picture = testing::gradientImage(32, 32);
    ASSERT_EQ(save(picture, QStringLiteral("whole.jpg")), 0);
    QByteArray bytes = testing::readFile(path("whole.jpg"));
    ASSERT_TRUE(bytes.endsWith("\xff\xd9"));
    bytes.insert(bytes.size() - 2, "\x12\x34", 2);
    const auto back = decode(bytes);
    ASSERT_TRUE(back);
    EXPECT_LT(testing::meanError(*back, picture), 2.0);
}

TEST_F(JpegTest, APictureBeyondTheLimitIsRefusedBeforeDecoding)
{
    ASSERT_EQ(save(testing::gradientImage(64, 64), QStringLiteral("whole.jpg")), 0);
    EXPECT_FALSE(decode(testing::readFile(path("whole.jpg")), 64 * 64 * 4 - 1));
    EXPECT_EQ(lastErrorCode(), kErrorTooLarge);
}

TEST_F(JpegTest, CmykJpegsOpenAsTheColoursTheyPrint)
{
    // Inverted CMYK, as print programs store it: (255, 0, 128, 255) prints as RGB (255, 0, 128).
    const int w = 16, h = 16;
    std::vector<unsigned char> cmyk(static_cast<std::size_t>(w * h * 4));
    for (std::size_t i = 0; i < cmyk.size(); i += 4) {
        cmyk[i] = 255;
        cmyk[i + 1] = 0;
        cmyk[i + 2] = 128;
        cmyk[i + 3] = 255;
    }
    tjhandle handle = tjInitCompress();
    unsigned char *out = nullptr;
    unsigned long size = 0;
    ASSERT_EQ(tjCompress2(handle, cmyk.data(), w, 0, h, TJPF_CMYK, &out, &size, TJSAMP_444, 95, 0), 0);
    const QByteArray bytes(reinterpret_cast<const char *>(out), static_cast<qsizetype>(size));
    tjFree(out);
    tjDestroy(handle);
    const auto picture = decode(bytes);
    ASSERT_TRUE(picture);
    const QRgb c = picture->pixel(8, 8);
    EXPECT_NEAR(qRed(c), 255, 3);
    EXPECT_NEAR(qGreen(c), 0, 3);
    EXPECT_NEAR(qBlue(c), 128, 3);
}

} // namespace
} // namespace quill
