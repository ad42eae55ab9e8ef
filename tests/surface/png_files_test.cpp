#include "support/fixtures.h"
#include "support/picture_files.h"
#include "surface/image_files.h"

#include <QBuffer>
#include <QImageWriter>
#include <QtEndian>
#include <gtest/gtest.h>

#include <functional>

namespace quill {
namespace {

using testing::TempDirTest;

// A PNG as Qt writes it, with optional alpha, independent of the saver under test.
QByteArray pngOf(const QImage &picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, "png").write(picture);
    return bytes;
}

QByteArray validPng() { return pngOf(testing::randomImage(31, 17, 5)); }

// The checksum PNG chunks carry (bitwise, slow and plain).
quint32 chunkCrc(const char *data, qsizetype length)
{
    quint32 c = 0xffffffffu;
    for (qsizetype i = 0; i < length; ++i) {
        c ^= static_cast<uchar>(data[i]);
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? 0xedb88320u ^ (c >> 1) : c >> 1;
    }
    return c ^ 0xffffffffu;
}

// Offset of the first chunk of this type (its length field), or -1.
qsizetype chunkAt(const QByteArray &png, const char *type) { return png.indexOf(type) - 4; }

// The file with its header rewritten to claim another size, checksum fixed.
QByteArray resizedHeader(QByteArray png, quint32 width, quint32 height)
{
    const qsizetype ihdr = chunkAt(png, "IHDR");
    qToBigEndian(width, png.data() + ihdr + 8);
    qToBigEndian(height, png.data() + ihdr + 12);
    qToBigEndian(chunkCrc(png.constData() + ihdr + 4, 17), png.data() + ihdr + 8 + 13);
    return png;
}

// A chunk: length, type, data, checksum.
QByteArray chunk(const char *type, const QByteArray &data)
{
    QByteArray out(4, '\0');
    qToBigEndian(quint32(data.size()), out.data());
    const QByteArray body = QByteArray(type) + data;
    QByteArray crc(4, '\0');
    qToBigEndian(chunkCrc(body.constData(), body.size()), crc.data());
    return out + body + crc;
}

// An 8-bit RGB PNG built by hand around the given filtered rows (each its
// filter byte, then the row's bytes), so damaged pixel data can be made.
QByteArray rgbPngAround(quint32 width, quint32 height, const QByteArray &rows)
{
    QByteArray header(13, '\0');
    qToBigEndian(width, header.data());
    qToBigEndian(height, header.data() + 4);
    header[8] = 8;
    header[9] = 2;
    // qCompress puts a four-byte length before the zlib stream.
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + chunk("IHDR", header) + chunk("IDAT", qCompress(rows).mid(4)) +
           chunk("IEND", {});
}

struct BadPng {
    const char *name;
    std::function<QByteArray()> bytes;
    const char *reason;
};

class BadPngTest : public TempDirTest, public ::testing::WithParamInterface<BadPng> {};

TEST_P(BadPngTest, IsRefusedWithItsReason)
{
    ASSERT_TRUE(testing::writeFile(path("bad.png"), GetParam().bytes()));
    QString whyNot;
    EXPECT_FALSE(loadPicture(path("bad.png"), &whyNot));
    EXPECT_EQ(whyNot, QString::fromLatin1(GetParam().reason));
}

constexpr const char *kChecksum = "the file is damaged (a checksum does not match)";

INSTANTIATE_TEST_SUITE_P(
    Files, BadPngTest,
    ::testing::Values(BadPng{"pixel_byte_flipped",
                             [] {
                                 QByteArray png = validPng();
                                 png[chunkAt(png, "IDAT") + 20] =
                                     static_cast<char>(png[chunkAt(png, "IDAT") + 20] ^ 0x5a);
                                 return png;
                             },
                             kChecksum},
                      // Pixels intact, only a checksum wrong: nothing but the checksum tells the file was damaged.
                      BadPng{"data_checksum_wrong",
                             [] {
                                 QByteArray png = validPng();
                                 const qsizetype idat = chunkAt(png, "IDAT");
                                 const qsizetype crc = idat + 8 + qFromBigEndian<quint32>(png.constData() + idat);
                                 png[crc] = static_cast<char>(png[crc] ^ 0x01);
                                 return png;
                             },
                             kChecksum},
                      BadPng{"text_checksum_wrong",
                             [] {
                                 QByteArray png = validPng();
                                 const QByteArray text("\0\0\0\x07tEXtA\0quill\0\0\0\0", 19);
                                 return png.insert(chunkAt(png, "IDAT"), text);
                             },
                             kChecksum},
                      BadPng{"huge_claimed_size", [] { return resizedHeader(validPng(), 40000, 40000); },
                             "the picture is too large to open"},
                      // Sound chunks around pixel data that cannot be what the header says.
                      BadPng{"pixel_data_short_of_the_last_row",
                             [] { return rgbPngAround(2, 2, QByteArray(7 + 6, '\0')); }, "the file is damaged"},
                      BadPng{"unknown_row_filter",
                             [] {
                                 return rgbPngAround(2, 1,
                                                     QByteArray("\x05"
                                                                "abcdef",
                                                                7));
                             },
                             "the file is damaged"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(TempDirTest, HandMadeRowsOfEveryFilterDecode)
{
    // Two pixels a row, rows filtered none, sub, up, average and paeth in turn.
    const QByteArray rows("\x00\x10\x20\x30\x40\x50\x60"
                          "\x01\x01\x02\x03\x10\x10\x10"
                          "\x02\x05\x05\x05\xff\xff\xff"
                          "\x03\x01\x01\x01\x02\x02\x02"
                          "\x04\x01\x01\x01\x01\x01\x01",
                          35);
    ASSERT_TRUE(testing::writeFile(path("rows.png"), rgbPngAround(2, 5, rows)));
    const auto picture = loadPicture(path("rows.png"));
    ASSERT_TRUE(picture);
    const std::vector<QRgb> expected = {
        qRgb(0x10, 0x20, 0x30), qRgb(0x40, 0x50, 0x60), // none
        qRgb(0x01, 0x02, 0x03), qRgb(0x11, 0x12, 0x13), // sub: left + byte
        qRgb(0x06, 0x07, 0x08), qRgb(0x10, 0x11, 0x12), // up: above + byte
        qRgb(0x04, 0x04, 0x05), qRgb(0x0c, 0x0c, 0x0d), // average of left and above, rounded down
        qRgb(0x05, 0x05, 0x06), qRgb(0x0d, 0x0d, 0x0e), // paeth: above is nearest to left + above - above-left
    };
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(picture->pixel(i % 2, i / 2), expected[i]) << "pixel " << i % 2 << "," << i / 2;
}

struct NamedPicture {
    const char *name;
    std::function<QImage()> picture;
};

// PNGs from another writer, in the layouts the program reads itself and the ones it leaves
// to the general reader: each opens as that reader shows it.
class ForeignPngTest : public TempDirTest, public ::testing::WithParamInterface<NamedPicture> {};

TEST_P(ForeignPngTest, OpensAsWritten)
{
    const QImage written = GetParam().picture();
    ASSERT_TRUE(testing::writeFile(path("other.png"), pngOf(written)));
    const auto picture = loadPicture(path("other.png"));
    ASSERT_TRUE(picture);
    EXPECT_EQ(*picture, written.convertToFormat(QImage::Format_RGB32));
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, ForeignPngTest,
    ::testing::Values(
        NamedPicture{"rgb", [] { return testing::randomImage(31, 17, 5); }},
        // libpng cuts larger pictures into many IDAT chunks.
        NamedPicture{"rgb_many_chunks", [] { return testing::randomImage(120, 90, 6); }},
        NamedPicture{"grey", [] { return testing::randomImage(40, 30, 7).convertToFormat(QImage::Format_Grayscale8); }},
        NamedPicture{"palette", [] { return testing::paletteImage(24, 20); }}),
    [](const auto &info) { return std::string(info.param.name); });

// What the program writes reopens pixel for pixel, through its own reader and
// through an independent one, at sizes that touch the row-filter edges.
class PngRoundTripTest : public TempDirTest, public ::testing::WithParamInterface<NamedPicture> {};

TEST_P(PngRoundTripTest, ReopensPixelForPixel)
{
    const QImage picture = GetParam().picture();
    ASSERT_TRUE(savePng(picture, path("tile.png")));
    const auto ours = loadPicture(path("tile.png"));
    ASSERT_TRUE(ours);
    EXPECT_EQ(*ours, picture);
    const QImage theirs = QImage(path("tile.png")).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(theirs, picture);
}

INSTANTIATE_TEST_SUITE_P(Pictures, PngRoundTripTest,
                         ::testing::Values(NamedPicture{"one_pixel", [] { return testing::randomImage(1, 1, 1); }},
                                           NamedPicture{"one_column", [] { return testing::randomImage(1, 40, 2); }},
                                           NamedPicture{"two_columns", [] { return testing::randomImage(2, 9, 3); }},
                                           // Enough rows for the filtering to be shared between cores.
                                           NamedPicture{"noise", [] { return testing::randomImage(97, 301, 4); }},
                                           NamedPicture{"gradient", [] { return testing::gradientImage(300, 200); }},
                                           NamedPicture{"sine_tile", [] { return testing::sineTile(128, 160); }}),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace quill
