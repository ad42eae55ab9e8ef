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

struct BadPng {
    const char *name;
    std::function<QByteArray()> bytes;
    const char *reason;
};

class BadPngTest : public TempDirTest, public ::testing::WithParamInterface<BadPng> {};

TEST_P(BadPngTest, IsRefused)
{
    ASSERT_TRUE(testing::writeFile(path("bad.png"), GetParam().bytes()));
    QString whyNot;
    EXPECT_FALSE(loadPicture(path("bad.png"), &whyNot));
    EXPECT_EQ(whyNot, QString::fromLatin1(GetParam().reason));
}

INSTANTIATE_TEST_SUITE_P(Files, BadPngTest,
                         ::testing::Values(BadPng{"pixel_byte_flipped",
                                                  [] {
                                                      QByteArray png = validPng();
                                                      png[chunkAt(png, "IDAT") + 20] =
                                                          static_cast<char>(png[chunkAt(png, "IDAT") + 20] ^ 0x5a);
                                                      return png;
                                                  },
                                                  "the file is damaged (a checksum does not match)"},
                                           // Pixels intact, only a checksum wrong: nothing but the
                                           // checksum tells the file was damaged.
                                           BadPng{"data_checksum_wrong",
                                                  [] {
                                                      QByteArray png = validPng();
                                                      const qsizetype idat = chunkAt(png, "IDAT");
                                                      const qsizetype crc =
                                                          idat + 8 + qFromBigEndian<quint32>(png.constData() + idat);
                                                      png[crc] = static_cast<char>(png[crc] ^ 0x01);
                                                      return png;
                                                  },
                                                  "the file is damaged (a checksum does not match)"},
                                           BadPng{"text_checksum_wrong",
                                                  [] {
                                                      QByteArray png = validPng();
                                                      const QByteArray text("\0\0\0\x07tEXtA\0quill\0\0\0\0", 19);
                                                      return png.insert(chunkAt(png, "IDAT"), text);
                                                  },
                                                  "the file is damaged (a checksum does not match)"},
                                           BadPng{"huge_claimed_size",
                                                  [] { return resizedHeader(validPng(), 40000, 40000); },
                                                  "the picture is too large to open"}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(TempDirTest, AWholePngFromAnotherWriterOpens)
{
    ASSERT_TRUE(testing::writeFile(path("good.png"), validPng()));
    const auto picture = loadPicture(path("good.png"));
    ASSERT_TRUE(picture);
    EXPECT_EQ(*picture, testing::randomImage(31, 17, 5));
}

} // namespace
} // namespace quill
