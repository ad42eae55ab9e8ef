#include "support/fixtures.h"
#include "support/picture_files.h"
#include "surface/image_files.h"
#include "surface/jpeg_library.h"

#include <QDir>
#include <QFileInfo>
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
                      BmpKind{"os2_indexed", 8, 12, false, 0, {}}, BmpKind{"rgb555", 16, 40, false, 0, {}},
                      BmpKind{"rgb565", 16, 40, false, 3, {0xf800, 0x07e0, 0x001f}},
                      BmpKind{"bgr_top_down", 24, 40, true, 0, {}}, BmpKind{"os2_bgr", 24, 12, false, 0, {}},
                      BmpKind{"rgbx_fields_v4", 32, 108, false, 3, {0xff, 0xff00, 0xff0000}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(TempDirTest, ReadsBackTheBitmapsTheProgramWritesAndRefusesWhatIsNotAFile)
{
    const QImage picture = testing::randomImage(37, 23, 5);
    ASSERT_TRUE(saveBitmap(picture, path("ours.bmp")));
    const RgbPixels rgb = readRgbFromBmp(path("ours.bmp"));
    ASSERT_TRUE(rgb);
    const QImage back(rgb.data.get(), rgb.width, rgb.height, rgb.width * 3, QImage::Format_RGB888);
    EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32), picture);
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("folder.bmp")));
    for (const char *name : {"none.bmp", "folder.bmp"}) {
        EXPECT_FALSE(readRgbFromBmp(path(name)));
        EXPECT_EQ(lastErrorCode(), kErrorCannotOpen) << name;
    }
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
    EXPECT_FALSE(readRgbFromBmp(path("bad.bmp")));
    EXPECT_EQ(lastErrorCode(), GetParam().code);
    EXPECT_FALSE(lastErrorText().isEmpty());
}

QByteArray withHeader(int width, int height, int bits, std::uint32_t compression = 0)
{
    QByteArray b = buildBmp({"", 24, 40, false, 0, {}}, 2, 2).left(54);
    auto set = [&b](int at, std::uint32_t v, int n) {
        for (int i = 0; i < n; ++i)
            b[at + i] = static_cast<char>((v >> (8 * i)) & 0xff);
    };
    set(18, static_cast<std::uint32_t>(width), 4);
    set(22, static_cast<std::uint32_t>(height), 4);
    set(28, static_cast<std::uint32_t>(bits), 2);
    set(30, compression, 4);
    return b;
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadBitmapTest,
    ::testing::Values(BadBitmap{"text", [] { return QByteArray("just some words\n"); }, kErrorNotBitmap},
                      BadBitmap{"pixels_cut",
                                [] {
                                    return buildBmp({"", 24, 40, false, 0, {}}).chopped(7);
                                },
                                kErrorTruncated},
                      BadBitmap{"big_header_no_data", [] { return withHeader(3000, 3000, 24); }, kErrorTruncated},
                      BadBitmap{"huge_header_no_data", [] { return withHeader(30000, 30000, 24); }, kErrorTooLarge},
                      BadBitmap{"run_length", [] { return withHeader(4, 4, 8, 1); }, kErrorUnsupported},
                      BadBitmap{"zero_width", [] { return withHeader(0, 4, 24); }, kErrorNotBitmap}),
    [](const auto &info) { return std::string(info.param.name); });

// ---- JPEG writing and reading ----------------------------------------------

std::optional<QImage> decode(const QByteArray &bytes, qint64 maxBytes = 1 << 24)
{
    return decodeJpeg(reinterpret_cast<const uchar *>(bytes.constData()), bytes.size(), maxBytes);
}

TEST(Jpeg, SavesBaselineOrProgressiveAtTheGivenQuality)
{
    ASSERT_TRUE(initLibrary());
    const QImage smooth = testing::gradientImage(64, 48);
    const QByteArray plain = testing::jpegBytes(smooth);
    EXPECT_EQ(lastErrorCode(), kNoError);
    ASSERT_TRUE(plain.startsWith("\xff\xd8\xff"));
    EXPECT_TRUE(plain.contains("\xff\xc0"));
    const QImage noisy = testing::randomImage(64, 64, 3);
    EXPECT_LT(testing::jpegBytes(noisy, 10).size() * 2, testing::jpegBytes(noisy, 95).size());
    const QByteArray progressive = testing::jpegBytes(noisy, 75, kSaveProgressive);
    EXPECT_TRUE(progressive.contains("\xff\xc2"));
    EXPECT_TRUE(decode(progressive));
    // The next plain file is baseline again and undamaged.
    const QByteArray after = testing::jpegBytes(smooth);
    EXPECT_FALSE(after.contains("\xff\xc2"));
    const auto back = decode(after);
    ASSERT_TRUE(back);
    EXPECT_LT(testing::meanError(*back, smooth), 2.0);
}

TEST_F(TempDirTest, JpegRefusesBadArgumentsAndUnwritableTargets)
{
    const unsigned char rgb[3] = {1, 2, 3};
    const QString target = path("never.jpg");
    for (auto call :
         std::initializer_list<std::function<int()>>{[&] { return saveRgbToJpg(target, nullptr, 1, 1, 75, 0); },
                                                     [&] { return saveRgbToJpg(target, rgb, 0, 1, 75, 0); },
                                                     [&] { return saveRgbToJpg(target, rgb, 1, 1, 101, 0); },
                                                     [&] { return saveRgbToJpg(target, rgb, 1, 1, 75, 64); },
                                                     [&] { return saveRgbToJpg(QString(), rgb, 1, 1, 75, 0); }}) {
        EXPECT_EQ(call(), kErrorBadArgument);
        EXPECT_EQ(lastErrorCode(), kErrorBadArgument);
    }
    EXPECT_FALSE(QFileInfo::exists(target));
    ASSERT_TRUE(testing::writeFile(path("plain"), "not a folder"));
    EXPECT_EQ(saveRgbToJpg(path("plain/out.jpg"), rgb, 1, 1, 75, 0), kErrorCannotWrite);
    EXPECT_FALSE(lastErrorText().isEmpty());
    EXPECT_EQ(testing::readFile(path("plain")), QByteArray("not a folder"));
}

TEST(Jpeg, CutOffFilesAreRefusedAndStrayBytesBeforeTheEndOnlyWarn)
{
    const QImage picture = testing::gradientImage(64, 64);
    const QByteArray whole = testing::jpegBytes(picture);
    for (double part : {0.3, 0.95}) {
        EXPECT_FALSE(decode(whole.left(static_cast<qsizetype>(whole.size() * part)))) << part;
        EXPECT_TRUE(lastErrorCode() == kErrorTruncated || lastErrorCode() >= kErrorCodec) << lastErrorCode();
        EXPECT_FALSE(lastErrorText().isEmpty());
    }
    EXPECT_FALSE(decode(whole, 64 * 64 * 4 - 1));
    EXPECT_EQ(lastErrorCode(), kErrorTooLarge);
    QByteArray stray = whole;
    stray.insert(stray.size() - 2, "\x12\x34", 2);
    const auto back = decode(stray);
    ASSERT_TRUE(back);
    EXPECT_LT(testing::meanError(*back, picture), 2.0);
}

TEST(Jpeg, CmykJpegsOpenAsTheColoursTheyPrint)
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
