#include "support/fixtures.h"
#include "support/picture_files.h"
#include "surface/image_files.h"
#include "surface/jpeg_library.h"

#include <QDir>
#include <QImageReader>
#include <gtest/gtest.h>

#include <functional>
#include <random>

namespace quill {
namespace {

using testing::TempDirTest;

class PictureLoaderTest : public TempDirTest {
protected:
    QString write(const QString &name, const QByteArray &bytes)
    {
        EXPECT_TRUE(testing::writeFile(path(name), bytes));
        return path(name);
    }
    static QByteArray jpegOf(const QImage &picture, int options = jpeg::kSaveDefault)
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("p.jpg"));
        const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
        QByteArray packed;
        for (int y = 0; y < rgb.height(); ++y)
            packed.append(reinterpret_cast<const char *>(rgb.constScanLine(y)), rgb.width() * 3);
        jpeg::saveRgbToJpg(file, reinterpret_cast<const unsigned char *>(packed.constData()), rgb.width(), rgb.height(),
                           75, options);
        return testing::readFile(file);
    }
    static QByteArray bitmapOf(const QImage &picture)
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("p.bmp"));
        saveBitmap(picture, file);
        return testing::readFile(file);
    }
};

TEST_F(PictureLoaderTest, OpensBitmapsGifsAndJpegs)
{
    const QImage picture = testing::paletteImage(23, 17);
    const auto bmp = loadPicture(write(QStringLiteral("a.bmp"), bitmapOf(picture)));
    ASSERT_TRUE(bmp);
    EXPECT_EQ(*bmp, picture);
    const auto gif = loadPicture(write(QStringLiteral("a.gif"), testing::encodeGif(picture)));
    ASSERT_TRUE(gif);
    EXPECT_EQ(*gif, picture);
    const QImage smooth = testing::gradientImage(40, 30);
    const auto jpg = loadPicture(write(QStringLiteral("a.jpg"), jpegOf(smooth)));
    ASSERT_TRUE(jpg);
    EXPECT_EQ(jpg->format(), QImage::Format_RGB32);
    EXPECT_LT(testing::meanError(*jpg, smooth), 2.0);
}

TEST_F(PictureLoaderTest, TheFileContentDecidesNotTheExtension)
{
    const QImage picture = testing::paletteImage(9, 7);
    const auto gifNamedBmp = loadPicture(write(QStringLiteral("really_a_gif.bmp"), testing::encodeGif(picture)));
    ASSERT_TRUE(gifNamedBmp);
    EXPECT_EQ(*gifNamedBmp, picture);
}

TEST_F(PictureLoaderTest, OpensFromANonAsciiPath)
{
    const QImage picture = testing::randomImage(11, 6, 2);
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("Bilder ä ß 日本")));
    const QString name = QStringLiteral("Bilder ä ß 日本/Kachel ü.bmp");
    const auto back = loadPicture(write(name, bitmapOf(picture)));
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, picture);
}

TEST_F(PictureLoaderTest, RefusesAPictureBeyondTheAllocationLimit)
{
    const int previous = QImageReader::allocationLimit();
    QImageReader::setAllocationLimit(1); // MiB: a 600 x 600 raster needs 1.4
    const QString bmp = write(QStringLiteral("big.bmp"), bitmapOf(testing::solidImage(600, 600, kWhite)));
    const QString jpg = write(QStringLiteral("big.jpg"), jpegOf(testing::solidImage(600, 600, kWhite)));
    EXPECT_FALSE(loadPicture(bmp));
    EXPECT_FALSE(loadPicture(jpg));
    QImageReader::setAllocationLimit(previous);
    EXPECT_TRUE(loadPicture(bmp));
    EXPECT_TRUE(loadPicture(jpg));
}

// ---- Bad files: every one is refused, none crashes --------------------------

struct BadFile {
    const char *name;
    const char *fileName;
    std::function<QByteArray()> bytes;
};

QByteArray cut(const QByteArray &whole, double part) { return whole.left(static_cast<qsizetype>(whole.size() * part)); }

QByteArray validBmp()
{
    return []() {
        QTemporaryDir dir;
        saveBitmap(testing::randomImage(31, 17, 1), dir.filePath(QStringLiteral("v.bmp")));
        return testing::readFile(dir.filePath(QStringLiteral("v.bmp")));
    }();
}

QByteArray validGif() { return testing::encodeGif(testing::paletteImage(31, 17)); }

QByteArray validJpeg()
{
    QTemporaryDir dir;
    const QImage rgb = testing::gradientImage(48, 32).convertToFormat(QImage::Format_RGB888);
    QByteArray packed;
    for (int y = 0; y < rgb.height(); ++y)
        packed.append(reinterpret_cast<const char *>(rgb.constScanLine(y)), rgb.width() * 3);
    const QString file = dir.filePath(QStringLiteral("v.jpg"));
    jpeg::saveRgbToJpg(file, reinterpret_cast<const unsigned char *>(packed.constData()), 48, 32, 75, 0);
    return testing::readFile(file);
}

// A bitmap header claiming 30000 x 30000 pixels, and nothing after it.
QByteArray hugeBmpHeader()
{
    QByteArray b = validBmp().left(54);
    const auto set32 = [&b](int at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            b[at + i] = static_cast<char>((v >> (8 * i)) & 0xff);
    };
    set32(18, 30000);
    set32(22, 30000);
    return b;
}

// The same claim in a JPEG's frame header.
QByteArray hugeJpegHeader()
{
    QByteArray b = validJpeg();
    const qsizetype sof = b.indexOf("\xff\xc0");
    const qsizetype sos = b.indexOf("\xff\xda");
    b[sof + 5] = static_cast<char>(30000 >> 8);
    b[sof + 6] = static_cast<char>(30000 & 0xff);
    b[sof + 7] = static_cast<char>(30000 >> 8);
    b[sof + 8] = static_cast<char>(30000 & 0xff);
    return b.left(sos + 20);
}

QByteArray hugeGifHeader()
{
    QByteArray b = validGif().left(13 + 768 + 10);
    for (int at : {6, 8, 13 + 768 + 5, 13 + 768 + 7}) {
        b[at] = static_cast<char>(30000 & 0xff);
        b[at + 1] = static_cast<char>(30000 >> 8);
    }
    return b;
}

class BadFileTest : public PictureLoaderTest, public ::testing::WithParamInterface<BadFile> {};

TEST_P(BadFileTest, IsRefused) { EXPECT_FALSE(loadPicture(write(GetParam().fileName, GetParam().bytes()))); }

INSTANTIATE_TEST_SUITE_P(
    Files, BadFileTest,
    ::testing::Values(BadFile{"bmp_cut_10", "a.bmp", [] { return cut(validBmp(), 0.1); }},
                      BadFile{"bmp_cut_half", "a.bmp", [] { return cut(validBmp(), 0.5); }},
                      BadFile{"bmp_cut_last_row", "a.bmp", [] { return validBmp().chopped(40); }},
                      BadFile{"gif_cut_header", "a.gif", [] { return cut(validGif(), 0.1); }},
                      BadFile{"gif_cut_half", "a.gif", [] { return cut(validGif(), 0.6); }},
                      BadFile{"gif_cut_before_end", "a.gif", [] { return validGif().chopped(3); }},
                      BadFile{"jpeg_cut_header", "a.jpg", [] { return cut(validJpeg(), 0.2); }},
                      BadFile{"jpeg_cut_half", "a.jpg", [] { return cut(validJpeg(), 0.6); }},
                      BadFile{"jpeg_cut_end_marker", "a.jpg", [] { return validJpeg().chopped(2); }},
                      BadFile{"empty_bmp", "e.bmp", [] { return QByteArray(); }},
                      BadFile{"empty_gif", "e.gif", [] { return QByteArray(); }},
                      BadFile{"empty_jpg", "e.jpg", [] { return QByteArray(); }},
                      BadFile{"text_as_bmp", "notes.bmp", [] { return QByteArray("Shopping: milk, eggs.\n"); }},
                      BadFile{"huge_bmp_header", "huge.bmp", [] { return hugeBmpHeader(); }},
                      BadFile{"huge_jpeg_header", "huge.jpg", [] { return hugeJpegHeader(); }},
                      BadFile{"huge_gif_header", "huge.gif", [] { return hugeGifHeader(); }}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(PictureLoaderTest, RefusesADirectoryAMissingFileAndAnEmptyName)
{
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("folder.bmp")));
    EXPECT_FALSE(loadPicture(path("folder.bmp")));
    EXPECT_FALSE(loadPicture(path("missing.gif")));
    EXPECT_FALSE(loadPicture(QString()));
}

// Random damage to valid files of each kind: whatever comes back is either
// nothing or a proper raster, and nothing crashes or hangs.
TEST_F(PictureLoaderTest, SurvivesRandomlyDamagedFiles)
{
    std::mt19937 random(20240611);
    const std::vector<std::pair<QString, QByteArray>> seeds = {
        {QStringLiteral("m.bmp"), validBmp()},
        {QStringLiteral("m.bmp"), bitmapOf(testing::paletteImage(5, 3)).left(54) + validBmp().mid(54)},
        {QStringLiteral("m.gif"), validGif()},
        {QStringLiteral("m.jpg"), validJpeg()},
        {QStringLiteral("m.jpg"), jpegOf(testing::randomImage(24, 24, 9), jpeg::kSaveProgressive)},
    };
    const qint64 limit = qint64(QImageReader::allocationLimit()) * 1024 * 1024;
    int refused = 0, opened = 0;
    for (const auto &[name, seed] : seeds) {
        for (int round = 0; round < 300; ++round) {
            QByteArray bytes = seed;
            const int kind = static_cast<int>(random() % 4);
            const auto at = [&] { return static_cast<qsizetype>(random() % static_cast<unsigned>(bytes.size())); };
            if (kind == 0) { // flip a few bytes, headers included
                for (int i = 0, n = 1 + static_cast<int>(random() % 8); i < n; ++i)
                    bytes[at()] = static_cast<char>(random());
            } else if (kind == 1) { // cut anywhere
                bytes.truncate(at());
            } else if (kind == 2) { // stuff extreme values into the first 64 bytes
                const qsizetype where = static_cast<qsizetype>(random() % 60);
                for (int i = 0; i < 4; ++i)
                    bytes[where + i] = static_cast<char>(random() % 2 ? 0xff : 0x7f);
            } else { // insert junk
                bytes.insert(at(), QByteArray(1 + static_cast<int>(random() % 16), static_cast<char>(random())));
            }
            const auto picture = loadPicture(write(name, bytes));
            if (!picture) {
                ++refused;
                continue;
            }
            ++opened;
            ASSERT_FALSE(picture->isNull());
            ASSERT_EQ(picture->format(), QImage::Format_RGB32);
            ASSERT_LE(static_cast<qint64>(picture->sizeInBytes()), limit);
        }
    }
    EXPECT_GT(refused, 100);
    EXPECT_GT(opened, 100);
}

} // namespace
} // namespace quill
