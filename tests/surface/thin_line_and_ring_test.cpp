#include "support/fixtures.h"
#include "surface/surface.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>

namespace quill {
namespace {

using testing::countPixels;

constexpr Colour kRed = rgb(255, 0, 0);
constexpr Colour kBlue = rgb(0, 0, 255);

Surface pixels(int w, int h)
{
    Surface s(w, h);
    s.setScaleMode(ScaleMode::Pixels);
    return s;
}

struct Segment {
    int x1, y1, x2, y2;
};

class StraightThinLineTest : public ::testing::TestWithParam<Segment> {};

// Straight and 45-degree one-pixel lines leave no choice: every pixel from one
// end to the other, clipped to the picture. (The toolkit's own thin line puts
// a line rising to the right one row below its ends, so it is not used.)
TEST_P(StraightThinLineTest, PaintsEveryPixelFromEndToEnd)
{
    const Segment l = GetParam();
    Surface s = pixels(23, 17);
    s.Line(l.x1, l.y1, l.x2, l.y2, kRed);

    QImage expected(23, 17, QImage::Format_RGB32);
    expected.fill(toQRgb(kWhite));
    const int steps = std::max(std::abs(l.x2 - l.x1), std::abs(l.y2 - l.y1));
    for (int t = 0; t <= steps; ++t) {
        const int x = l.x1 + (steps ? (l.x2 - l.x1) / steps * t : 0);
        const int y = l.y1 + (steps ? (l.y2 - l.y1) / steps * t : 0);
        if (QRect(0, 0, 23, 17).contains(x, y))
            expected.setPixel(x, y, toQRgb(kRed));
    }
    EXPECT_TRUE(s.Image() == expected);
}

INSTANTIATE_TEST_SUITE_P(Segments, StraightThinLineTest,
                         ::testing::Values(Segment{0, 3, 22, 3}, Segment{22, 3, 0, 3}, Segment{4, 0, 4, 16},
                                           Segment{-10, 5, 40, 5}, Segment{3, 3, 12, 12}, Segment{12, 12, 3, 3},
                                           Segment{23, 0, 0, 23}, Segment{30, -5, -5, 30}, Segment{-4, -4, 40, 40},
                                           Segment{5, 9, 5, 9}, Segment{25, 2, 40, 17}));

TEST(ThinLine, OnePixelPerStepAlongTheLongerAxisWithBothEnds)
{
    for (bool reversed : {false, true}) {
        Surface s = pixels(8, 8);
        if (reversed)
            s.Line(4, 2, 0, 0, kRed);
        else
            s.Line(0, 0, 4, 2, kRed);
        EXPECT_EQ(countPixels(s.Image(), kRed), 5);
        for (const QPoint p : {QPoint(0, 0), QPoint(1, 1), QPoint(2, 1), QPoint(3, 2), QPoint(4, 2)})
            EXPECT_EQ(s.Point(p.x(), p.y()), kRed) << p.x() << ", " << p.y();
    }
    Surface steep = pixels(8, 8);
    steep.Line(1, 0, 3, 7, kBlue);
    EXPECT_EQ(countPixels(steep.Image(), kBlue), 8);
    EXPECT_EQ(steep.Point(1, 0), kBlue);
    EXPECT_EQ(steep.Point(3, 7), kBlue);
}

TEST(ThinLine, FarEndsCostOnlyTheVisiblePart)
{
    Surface s = pixels(50, 50);
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < 1000; ++i)
        s.Line(-1e9, 10, 1e9, 10 + i % 3, kRed);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    EXPECT_EQ(s.Point(0, 10), kRed);
    EXPECT_EQ(s.Point(49, 10), kRed);
}

TEST(Ring, CoversEveryPixelCentreWithinHalfThePenOfTheRadius)
{
    Surface s = pixels(41, 41);
    s.setDrawWidth(3);
    s.Circle(20, 20, 10, kRed);
    // 8.5 <= distance <= 11.5 from the centre pixel.
    EXPECT_EQ(s.Point(28, 20), kWhite);
    EXPECT_EQ(s.Point(29, 20), kRed);
    EXPECT_EQ(s.Point(31, 20), kRed);
    EXPECT_EQ(s.Point(32, 20), kWhite);
    EXPECT_EQ(s.Point(20, 11), kRed);
    EXPECT_EQ(s.Point(28, 28), kRed);   // 11.31
    EXPECT_EQ(s.Point(26, 26), kWhite); // 8.49
    EXPECT_EQ(s.Point(20, 20), kWhite);
    const QImage image = s.Image();
    EXPECT_TRUE(image == image.mirrored(true, false));
    EXPECT_TRUE(image == image.mirrored(false, true));
    EXPECT_TRUE(image == image.transformed(QTransform().rotate(90)));
}

TEST(Ring, FilledDiscHasThePenOnTopOfTheFill)
{
    Surface s = pixels(21, 21);
    s.FillStyle = 0;
    s.FillColor = kBlue;
    s.setDrawWidth(3);
    s.Circle(10, 10, 5, kRed);
    EXPECT_EQ(s.Point(10, 10), kBlue);
    EXPECT_EQ(s.Point(13, 10), kBlue);
    EXPECT_EQ(s.Point(14, 10), kRed);
    EXPECT_EQ(s.Point(16, 10), kRed);
    EXPECT_EQ(s.Point(17, 10), kWhite);
}

TEST(Ring, ZeroRadiusIsADotAndFarCirclesDrawNothing)
{
    Surface s = pixels(9, 9);
    s.setDrawWidth(3);
    s.Circle(4, 4, 0, kRed);
    EXPECT_EQ(countPixels(s.Image(), kRed), 9);
    s.Circle(-1e6, 4, 10, kBlue);
    s.Circle(4, 4, 1e5, kBlue); // a ring far around the picture
    EXPECT_EQ(countPixels(s.Image(), kBlue), 0);
}

TEST(WideDot, EveryPixelCentreWithinHalfTheWidth)
{
    // Even dots are centred on the pixel's corner, odd ones on its centre.
    for (int width : {2, 3, 8, 9, 24, 25}) {
        for (const QPoint at : {QPoint(10, 10), QPoint(0, 1), QPoint(19, 3), QPoint(-3, 25)}) {
            Surface s = pixels(20, 22);
            s.setDrawWidth(width);
            s.PSet(at.x(), at.y(), kRed);
            const double cx = width % 2 ? at.x() + 0.5 : at.x(), cy = width % 2 ? at.y() + 0.5 : at.y();
            for (int y = 0; y < 22; ++y) {
                for (int x = 0; x < 20; ++x) {
                    const double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
                    ASSERT_EQ(s.Point(x, y), dx * dx + dy * dy <= width * width / 4.0 ? kRed : kWhite)
                        << "width " << width << " at " << at.x() << ", " << at.y() << ": pixel " << x << ", " << y;
                }
            }
        }
    }
}

TEST(SurfaceBatch, SamePixelsAsSeparateCalls)
{
    auto draw = [](Surface &s) {
        s.setDrawWidth(3);
        s.Line(2, 3, 40, 25, kRed);
        s.Line(5, 5, 30, 20, kBlue, LineForm::Box);
        s.setDrawWidth(1);
        s.PSet(7, 7, kRed);
        s.Line(0, 30, 45, 0, kBlue);
        s.setDrawWidth(2);
        s.Line(10, 1, 12, 28, rgb(9, 9, 9));
    };
    Surface plain = pixels(47, 31);
    draw(plain);
    Surface batched = pixels(47, 31);
    {
        SurfaceBatch batch(batched);
        draw(batched);
    }
    EXPECT_TRUE(plain.Image() == batched.Image());
}

TEST(SurfaceBatch, ReplacingThePictureEndsTheBatch)
{
    Surface s = pixels(10, 10);
    SurfaceBatch batch(s);
    s.setDrawWidth(2);
    s.Line(0, 0, 9, 9, kRed);
    s.setPicture(testing::solidImage(10, 10, kBlue));
    s.Line(0, 9, 9, 0, kRed);
    EXPECT_EQ(s.Point(0, 0), kBlue);
    EXPECT_EQ(s.Point(0, 9), kRed);
}

} // namespace
} // namespace quill
