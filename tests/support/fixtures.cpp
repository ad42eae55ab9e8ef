#include "support/fixtures.h"

#include <random>

namespace quill::testing {

QImage solidImage(int width, int height, Colour colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(toQRgb(colour));
    return image;
}

QImage randomImage(int width, int height, unsigned seed)
{
    std::mt19937 engine(seed);
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] = 0xff000000u | (engine() & 0xffffffu);
    }
    return image;
}

QImage rowOf(const std::vector<Colour> &colours)
{
    QImage image(static_cast<int>(colours.size()), 1, QImage::Format_RGB32);
    for (int x = 0; x < image.width(); ++x)
        image.setPixel(x, 0, toQRgb(colours[static_cast<std::size_t>(x)]));
    return image;
}

Colour pixelAt(const QImage &image, int x, int y) { return fromQRgb(image.pixel(x, y)); }

int countPixels(const QImage &image, Colour colour)
{
    int count = 0;
    const QRgb wanted = toQRgb(colour);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += (image.pixel(x, y) | 0xff000000u) == wanted;
    return count;
}

QRect boundsOfNot(const QImage &image, Colour background)
{
    QRect bounds;
    const QRgb bg = toQRgb(background);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) | 0xff000000u) != bg)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

bool allLayersEqual(const Document &document)
{
    for (int i = 1; i < kLayerCount; ++i)
        if (document.layer(i).Image() != document.layer(0).Image())
            return false;
    return true;
}

Surface pixelSurface(int width, int height)
{
    Surface s(width, height);
    s.setScaleMode(ScaleMode::Pixels);
    return s;
}

std::string latticeCaseName(const ::testing::TestParamInfo<LatticeCase> &info)
{
    return latticeKey(info.param.lattice).remove(QLatin1Char('-')).toStdString() + "_" +
           std::to_string(info.param.size.width()) + "x" + std::to_string(info.param.size.height());
}

} // namespace quill::testing
