#include "support/fixtures.h"
#include "support/picture_files.h"
#include "surface/image_files.h"

#include <QDir>
#include <QImageReader>
#include <gtest/gtest.h>

#include <functional>

namespace quill {
namespace {

using testing::bitmapBytes;
using testing::encodeGif;
using testing::jpegBytes;

class PictureLoaderTest : public testing::TempDirTest {
protected:
    QString write(const QString &name, const QByteArray &bytes)
    {
        EXPECT_TRUE(testing::writeFile(path(name), bytes));
        return path(name);
    }
};

TEST_F(PictureLoaderTest, OpensBitmapsGifsAndJpegsByContentFromAnyPath)
{
    const QImage picture = testing::paletteImage(23, 17);
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("Bilder ä ß 日本")));
    const auto bmp = loadPicture(write(QStringLiteral("Bilder ä ß 日本/Kachel ü.bmp"), bitmapBytes(picture)));
    ASSERT_TRUE(bmp);
    EXPECT_EQ(*bmp, picture);
    const auto gifNamedBmp = loadPicture(write(QStringLiteral("really_a_gif.bmp"), encodeGif(picture)));
    ASSERT_TRUE(gifNamedBmp);
    EXPECT_EQ(*gifNamedBmp, picture);
    const QImage smooth = testing::gradientImage(40, 30);
    const auto jpg = loadPicture(write(QStringLiteral("a.jpg"), jpegBytes(smooth)));
    ASSERT_TRUE(jpg);
    EXPECT_EQ(jpg->format(), QImage::Format_RGB32);
    EXPECT_LT(testing::meanError(*jpg, smooth), 2.0);
}

TEST_F(PictureLoaderTest, RefusesAPictureBeyondTheAllocationLimit)
{
    const int previous = QImageReader::allocationLimit();
    QImageReader::setAllocationLimit(1); // MiB: a 600 x 600 raster needs 1.4
    const QString bmp = write(QStringLiteral("big.bmp"), bitmapBytes(testing::solidImage(600, 600, kWhite)));
    const QString jpg = write(QStringLiteral("big.jpg"), jpegBytes(testing::solidImage(600, 600, kWhite)));
    EXPECT_FALSE(loadPicture(bmp));
    EXPECT_FALSE(loadPicture(jpg));
    QImageReader::setAllocationLimit(previous);
    EXPECT_TRUE(loadPicture(bmp));
    EXPECT_TRUE(loadPicture(jpg));
}

TEST_F(PictureLoaderTest, RefusesADirectoryAMissingFileAndAnEmptyName)
{
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("folder.bmp")));
    EXPECT_FALSE(loadPicture(path("folder.bmp")));
    EXPECT_FALSE(loadPicture(path("missing.gif")));
    EXPECT_FALSE(loadPicture(QString()));
}

QByteArray validBmp() { return bitmapBytes(testing::randomImage(31, 17, 1)); }
QByteArray validGif() { return encodeGif(testing::paletteImage(31, 17)); }
QByteArray validJpeg() { return jpegBytes(testing::gradientImage(48, 32)); }
QByteArray cut(const QByteArray &whole, double part) { return whole.left(static_cast<qsizetype>(whole.size() * part)); }

// Headers claiming 30000 x 30000 pixels, with little or nothing after them.
QByteArray hugeBmpHeader()
{
    QByteArray b = validBmp().left(54);
    for (int at : {18, 22})
        for (int i = 0; i < 4; ++i)
            b[at + i] = static_cast<char>((30000u >> (8 * i)) & 0xff);
    return b;
}

QByteArray hugeJpegHeader()
{
    QByteArray b = validJpeg();
    const qsizetype sof = b.indexOf("\xff\xc0");
    for (int at : {5, 7}) {
        b[sof + at] = static_cast<char>(30000 >> 8);
        b[sof + at + 1] = static_cast<char>(30000 & 0xff);
    }
    return b.left(b.indexOf("\xff\xda") + 20);
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

struct BadFile {
    const char *name;
    const char *fileName;
    std::function<QByteArray()> bytes;
};

class BadFileTest : public PictureLoaderTest, public ::testing::WithParamInterface<BadFile> {};

TEST_P(BadFileTest, IsRefused) { EXPECT_FALSE(loadPicture(write(GetParam().fileName, GetParam().bytes()))); }

INSTANTIATE_TEST_SUITE_P(
    Files, BadFileTest,
    ::testing::Values(BadFile{"bmp_cut_half", "a.bmp", [] { return cut(validBmp(), 0.5); }},
                      BadFile{"bmp_cut_last_row", "a.bmp", [] { return validBmp().chopped(40); }},
                      BadFile{"gif_cut_half", "a.gif", [] { return cut(validGif(), 0.6); }},
                      BadFile{"gif_cut_before_end", "a.gif", [] { return validGif().chopped(3); }},
                      BadFile{"jpeg_cut_header", "a.jpg", [] { return cut(validJpeg(), 0.2); }},
                      BadFile{"jpeg_cut_end_marker", "a.jpg", [] { return validJpeg().chopped(2); }},
                      BadFile{"empty_jpg", "e.jpg", [] { return QByteArray(); }},
                      BadFile{"text_as_bmp", "notes.bmp", [] { return QByteArray("Shopping: milk, eggs.\n"); }},
                      BadFile{"huge_bmp_header", "huge.bmp", hugeBmpHeader},
                      BadFile{"huge_jpeg_header", "huge.jpg", hugeJpegHeader},
                      BadFile{"huge_gif_header", "huge.gif", hugeGifHeader}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace quill
