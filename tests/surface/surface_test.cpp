#include "support/fixtures.h"
#include "surface/surface.h"

#include <gtest/gtest.h>

#include <cstring>

namespace quill {
namespace {

using testing::boundsOfNot;
using testing::countPixels;
using testing::pixelSurface;

TEST(SurfaceGeometry, RasterFollowsTwipsAndRefusesBadScaleModes)
{
    Surface s;
    s.setWidth(1837);
    s.setHeight(1000);
    EXPECT_EQ(s.pixelWidth(), 122); // 122.47 rounds half to even
    EXPECT_EQ(s.pixelHeight(), 67);
    EXPECT_DOUBLE_EQ(s.ScaleWidth(), 122 * 15.0);
    s.setScaleMode(3);
    s.setScaleMode(7);
    EXPECT_EQ(s.scaleMode(), ScaleMode::Pixels);
    EXPECT_DOUBLE_EQ(Surface::ScaleX(3, ScaleMode::Points, ScaleMode::Pixels), 4);
}

TEST(SurfacePoint, ReadsPixelsAndMinusOneOutside)
{
    Surface s = pixelSurface(4, 3);
    s.raster().setPixel(3, 2, toQRgb(kRed));
    EXPECT_EQ(s.Point(3, 2), kRed);
    for (auto [x, y] : {std::pair{-1, 0}, std::pair{4, 0}, std::pair{0, 3}})
        EXPECT_EQ(s.Point(x, y), kInvalidColour) << x << "," << y;
    s.setScaleMode(ScaleMode::Twips);
    EXPECT_EQ(s.Point(45, 30), kRed);
}

TEST(SurfaceRobustness, AbsurdArgumentsLeaveThePictureAlone)
{
    Surface s = pixelSurface(8, 8);
    const QImage before = s.Image().copy();
    EXPECT_FALSE(s.setDrawWidth(0));
    EXPECT_FALSE(s.setDrawWidth(40000));
    s.PSet(1e12, -1e12, kRed);
    s.PSet(9, 9, kRed);
    s.Line(-1e9, 0, -1e9 + 5, 0, kRed);
    s.Circle(4, 4, 1e300, kRed);
    s.Circle(4, 4, 1e5, kRed); // a ring far around the picture
    s.PaintPicture(QImage(), 0, 0);
    s.setWidth(-5);
    EXPECT_EQ(s.Image(), before);
    EXPECT_EQ(s.DrawWidth(), 1);
}

struct Segment {
    int x1, y1, x2, y2;
    std::vector<QPoint> pixels; // every pixel the one-pixel line paints
};

class ThinLineTest : public ::testing::TestWithParam<Segment> {};

// One pixel per step along the longer axis, both ends included, clipped.
TEST_P(ThinLineTest, PaintsExactlyItsPixels)
{
    const Segment l = GetParam();
    Surface s = pixelSurface(8, 8);
    s.Line(l.x1, l.y1, l.x2, l.y2, kRed);
    EXPECT_EQ(countPixels(s.Image(), kRed), static_cast<int>(l.pixels.size()));
    for (const QPoint p : l.pixels)
        EXPECT_EQ(s.Point(p.x(), p.y()), kRed) << p.x() << "," << p.y();
}

INSTANTIATE_TEST_SUITE_P(
    Segments, ThinLineTest,
    ::testing::Values(
        Segment{1, 2, 4, 2, {{1, 2}, {2, 2}, {3, 2}, {4, 2}}},
        // Ends far beyond the picture: only the visible row is painted.
        Segment{-1000000000, 5, 1000000000, 5, {{0, 5}, {1, 5}, {2, 5}, {3, 5}, {4, 5}, {5, 5}, {6, 5}, {7, 5}}},
        Segment{5, 9, 9, 5, {{7, 7}}}, Segment{3, 3, 3, 3, {{3, 3}}},
        Segment{0, 0, 4, 2, {{0, 0}, {1, 1}, {2, 1}, {3, 2}, {4, 2}}},
        Segment{4, 2, 0, 0, {{0, 0}, {1, 1}, {2, 1}, {3, 2}, {4, 2}}}));

TEST(SurfaceLine, WidePensCoverExactlyTheirWidthWithRoundEnds)
{
    for (int width : {3, 10}) {
        Surface s = pixelSurface(60, 40);
        s.setDrawWidth(width);
        s.Line(15, 20, 45, 20, kRed);
        const QRect box = boundsOfNot(s.Image(), kWhite);
        EXPECT_EQ(box.height(), width) << width;
        EXPECT_NEAR(box.left(), 15 - width / 2, 1) << width;
        EXPECT_TRUE(width < 10 || s.Point(box.left(), box.top()) == kWhite) << width; // rounded end
        s.Line(15, 20, 15, 20, kBlue);                                                // a dot lines up with the stroke
        EXPECT_EQ(boundsOfNot(s.Image(), kWhite).height(), width) << width;
    }
}

struct Dot {
    int width;
    QPoint at;
    QPoint corner;                  // top-left of the rows below
    std::vector<const char *> rows; // '#' painted, '.' untouched
};

class WideDotTest : public ::testing::TestWithParam<Dot> {};

// Every other pixel of the picture stays white.
TEST_P(WideDotTest, PaintsTheDrawnPixels)
{
    const Dot &d = GetParam();
    Surface s = pixelSurface(20, 22);
    s.setDrawWidth(d.width);
    s.PSet(d.at.x(), d.at.y(), kRed);
    for (int y = 0; y < 22; ++y)
        for (int x = 0; x < 20; ++x) {
            const int row = y - d.corner.y(), column = x - d.corner.x();
            const bool inside = row >= 0 && row < static_cast<int>(d.rows.size()) && column >= 0 &&
                                column < static_cast<int>(std::strlen(d.rows[0]));
            const bool painted = inside && d.rows[static_cast<std::size_t>(row)][column] == '#';
            EXPECT_EQ(s.Point(x, y), painted ? kRed : kWhite) << x << "," << y;
        }
}

// Worked out on squared paper: a dot of width w takes the pixels whose centres
// lie within w / 2 of its centre, the pixel's centre for odd widths and its
// top-left corner for even ones.
INSTANTIATE_TEST_SUITE_P(
    Widths, WideDotTest,
    ::testing::Values(Dot{2, {10, 10}, {9, 9}, {"##", "##"}}, Dot{3, {10, 10}, {9, 9}, {"###", "###", "###"}},
                      Dot{4, {10, 10}, {8, 8}, {".##.", "####", "####", ".##."}},
                      Dot{5, {10, 10}, {8, 8}, {".###.", "#####", "#####", "#####", ".###."}},
                      Dot{6, {10, 10}, {7, 7}, {".####.", "######", "######", "######", "######", ".####."}},
                      // Cut by the top-left corner of the picture.
                      Dot{5, {0, 0}, {0, 0}, {"###.", "###.", "##..", "...."}}));

TEST(SurfacePSet, ADotWiderThanThePictureCoversAllOfIt)
{
    Surface huge(122, 122);
    huge.raster().fill(0);
    huge.setDrawWidth(3000);
    huge.PSet(50, 50, kWhite);
    EXPECT_EQ(countPixels(huge.Image(), kWhite), 122 * 122);
}

TEST(SurfaceLine, BoxesAreTheSameWhicheverCornerComesFirst)
{
    for (bool reversed : {false, true}) {
        Surface s = pixelSurface(12, 12);
        Surface f = pixelSurface(12, 12);
        const int x1 = reversed ? 8 : 2, y1 = reversed ? 9 : 3, x2 = reversed ? 2 : 8, y2 = reversed ? 3 : 9;
        s.Line(x1, y1, x2, y2, kRed, LineForm::Box);
        f.Line(x1, y1, x2, y2, kBlue, LineForm::FilledBox);
        EXPECT_EQ(boundsOfNot(s.Image(), kWhite), QRect(QPoint(2, 3), QPoint(8, 9)));
        EXPECT_EQ(countPixels(s.Image(), kRed), 2 * 7 + 2 * 5);
        EXPECT_EQ(countPixels(f.Image(), kBlue), 7 * 7);
    }
}

TEST(SurfaceCircle, RingCoversPixelCentresWithinHalfThePenAndFillSitsUnderIt)
{
    Surface s(41, 41); // twips: the radius is in the current unit
    s.FillStyle = 1;
    s.Circle(20 * 15, 20 * 15, 10 * 15, kRed);
    EXPECT_EQ(boundsOfNot(s.Image(), kWhite), QRect(10, 10, 21, 21));
    EXPECT_EQ(s.Point(20, 20), kWhite);

    Surface ring = pixelSurface(41, 41);
    ring.setDrawWidth(3);
    ring.FillStyle = 0;
    ring.FillColor = kBlue;
    ring.Circle(20, 20, 10, kRed);
    // 8.5 <= distance <= 11.5 from the centre pixel.
    for (auto [x, y, c] : {std::tuple{20, 20, kBlue},
                           {28, 20, kBlue},
                           {29, 20, kRed},
                           {31, 20, kRed},
                           {32, 20, kWhite},
                           {28, 28, kRed},
                           {26, 26, kBlue}})
        EXPECT_EQ(ring.Point(x, y), c) << x << "," << y;
}

TEST(SurfacePaintPicture, CopiesStretchesAndMirrors)
{
    const QImage source = testing::rowOf({kRed, kBlack, kBlue});
    Surface copy = pixelSurface(8, 2);
    copy.PaintPicture(source, 1, 1);
    EXPECT_EQ(copy.Point(1, 1), kRed);
    EXPECT_EQ(copy.Point(3, 1), kBlue);
    EXPECT_EQ(copy.Point(1, 0), kWhite);
    // A negative width draws leftwards from x, mirrored.
    Surface mirrored = pixelSurface(8, 2);
    mirrored.PaintPicture(source, 3, 0, -3, 1);
    EXPECT_EQ(mirrored.Point(0, 0), kBlue);
    EXPECT_EQ(mirrored.Point(2, 0), kRed);
    EXPECT_EQ(mirrored.Point(3, 0), kWhite);
}

TEST(SurfacePicture, ASmallerPictureSitsTopLeftOnTheBackColour)
{
    Surface s = pixelSurface(4, 4);
    s.BackColor = kBlue;
    s.setPicture(testing::solidImage(2, 3, kRed));
    EXPECT_EQ(countPixels(s.Image(), kRed), 6);
    EXPECT_EQ(countPixels(s.Image(), kBlue), 10);
    EXPECT_EQ(s.Point(1, 2), kRed);
}

TEST(SurfaceBatch, SamePixelsAsSeparateCallsAndAPictureChangeEndsIt)
{
    auto draw = [](Surface &s) {
        s.setDrawWidth(3);
        s.Line(2, 3, 40, 25, kRed);
        s.Line(5, 5, 30, 20, kBlue, LineForm::Box);
        s.setDrawWidth(1);
        s.PSet(7, 7, kRed);
        s.Line(0, 30, 45, 0, kBlue);
    };
    Surface plain = pixelSurface(47, 31);
    draw(plain);
    Surface batched = pixelSurface(47, 31);
    {
        SurfaceBatch batch(batched);
        draw(batched);
        EXPECT_TRUE(plain.Image() == batched.Image());
        batched.setPicture(testing::solidImage(47, 31, kBlue));
        batched.Line(0, 9, 9, 0, kRed);
    }
    EXPECT_EQ(batched.Point(0, 0), kBlue);
    EXPECT_EQ(batched.Point(0, 9), kRed);
}

// A copy taken inside a batch draws on its own raster, never through the
// original's open painter.
TEST(SurfaceBatch, ACopyTakenInsideABatchDrawsOnlyOnItself)
{
    Surface original = pixelSurface(20, 10);
    SurfaceBatch batch(original);
    original.setDrawWidth(3);
    Surface copy = original;
    copy.Line(0, 5, 19, 5, kRed);
    EXPECT_EQ(copy.Point(10, 5), kRed);
    EXPECT_EQ(original.Point(10, 5), kWhite);
    EXPECT_EQ(testing::countPixels(original.Image(), kRed), 0);
}

TEST(SurfaceWrap, ShapesAcrossAnEdgeContinueOnTheOtherSide)
{
    Surface s = pixelSurface(40, 30);
    s.setWrapEdges(true);
    s.setDrawWidth(10);
    s.Line(30, 15, 50, 15, kRed);
    EXPECT_EQ(s.Point(0, 15), kRed);
    EXPECT_EQ(s.Point(9, 15), kRed);
    EXPECT_EQ(s.Point(20, 15), kWhite);
    EXPECT_EQ(s.Point(40, 15), s.Point(0, 15)); // reads wrap too

    // A dot over a corner is in lattice_test.cpp; a filled circle over an edge fills on both sides.
    Surface corner = pixelSurface(20, 20);
    corner.setWrapEdges(true);
    corner.FillStyle = 0;
    corner.FillColor = kBlue;
    corner.Circle(19, 10, 3, kBlue);
    EXPECT_EQ(corner.Point(1, 10), kBlue);
}

TEST(SurfaceWrap, ReadsBeyondAnyEdgeComeFromTheOppositeEdge)
{
    Surface s = pixelSurface(7, 5);
    const Colour left = rgb(1, 2, 3), right = rgb(4, 5, 6), top = rgb(7, 8, 9), bottom = rgb(10, 11, 12),
                 corner = rgb(13, 14, 15);
    for (auto [x, y, c] : {std::tuple{0, 2, left}, {6, 2, right}, {3, 0, top}, {3, 4, bottom}, {6, 4, corner}})
        s.raster().setPixel(x, y, toQRgb(c));
    EXPECT_EQ(s.Point(-1, 2), kInvalidColour); // not while wrapping is off
    s.setWrapEdges(true);
    for (auto [x, y, c] : {std::tuple{-1, 2, right},
                           {7, 2, left},
                           {3, -1, bottom},
                           {3, 5, top},
                           {-1, -1, corner},
                           {-8, 2, right},
                           {3, -6, bottom},
                           {-15, -11, corner}})
        EXPECT_EQ(s.Point(x, y), c) << x << "," << y;
}

} // namespace
} // namespace quill
