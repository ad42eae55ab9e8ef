// Shared fixtures: a core fixture (document, scripted host, temporary current
// directory; no windows) and pixel helpers the test suites assert with.
#pragma once

#include "document/session.h"
#include "surface/scripted_host.h"
#include "surface/surface.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <vector>

namespace quill {
inline constexpr Colour kRed = rgb(255, 0, 0);
inline constexpr Colour kBlue = rgb(0, 0, 255);
} // namespace quill

namespace quill::testing {

// Runs each test in a fresh temporary current directory.
class TempDirTest : public ::testing::Test {
protected:
    TempDirTest() : previous_(QDir::currentPath()) { QDir::setCurrent(dir_.path()); }
    ~TempDirTest() override { QDir::setCurrent(previous_); }
    QString path(const QString &name) const { return dir_.filePath(name); }

    QTemporaryDir dir_;

private:
    QString previous_;
};

class CoreTest : public TempDirTest {
protected:
    CoreTest()
    {
        session.onReport = [this](const QString &text) { reports.push_back(text); };
    }
    ScriptedHost host;
    Session session{host};
    Document &doc = session.document;
    // What the session put on the status line.
    std::vector<QString> reports;
};

QImage solidImage(int width, int height, Colour colour);
// A picture with a different colour in every pixel, reproducible from the seed.
QImage randomImage(int width, int height, unsigned seed);
// A picture whose pixel (x, y) is the QRgb colour(x, y).
template <typename F> QImage imageOf(int width, int height, F colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, colour(x, y));
    return image;
}
// The picture with one pixel changed.
inline QImage withPixel(QImage image, QPoint at, Colour c)
{
    image.setPixel(at, toQRgb(c));
    return image;
}
// A picture of the given colours in one row.
QImage rowOf(const std::vector<Colour> &colours);
Colour pixelAt(const QImage &image, int x, int y);
int countPixels(const QImage &image, Colour colour);
// The bounding box of the pixels that differ from a colour.
QRect boundsOfNot(const QImage &image, Colour background);
bool allLayersEqual(const Document &document);
// A white surface measured in pixels.
Surface pixelSurface(int width, int height);

// A lattice at a picture size, for tables over lattices; named like "halfdrop_97x83".
struct LatticeCase {
    Lattice lattice;
    QSize size;
};
std::string latticeCaseName(const ::testing::TestParamInfo<LatticeCase> &info);

} // namespace quill::testing
