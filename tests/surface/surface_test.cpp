#include "support/fixtures.h"
#include "surface/surface.h"

#include <gtest/gtest.h>

namespace quill {
namespace {

using testing::boundsOfNot;
using testing::countPixels;
using testing::pixelAt;

constexpr Colour kRed = rgb(255, 0, 0);
constexpr Colour kBlue = rgb(0, 0, 255);

Surface pixelSurface(int w, int h)
{
    Surface s(w, h);
    s.setScaleMode(ScaleMode::Pixels);
    return s;
}

TEST(SurfaceGeometry, RasterFollowsTwipsAtFifteenAPixel)
{
    Surface s;
    s.setWidth(1837);
    s.setHeight(1000);
    EXPECT_EQ(s.pixelWidth(), 122);
    EXPECT_EQ(s.pixelHeight(), 67);
    EXPECT_EQ(s.Width(), 1837);
    EXPECT_EQ(s.Height(), 1000);
    EXPECT_DOUBLE_EQ(s.ScaleWidth(), 122 * 15.0);
    s.setScaleMode(2);
    EXPECT_DOUBLE_EQ(s.ScaleWidth(), 122 * 0.75);
    s.setScaleMode(3);
    EXPECT_DOUBLE_EQ(s.ScaleHeight(), 67);
    s.setScaleMode(7); // refused
    EXPECT_EQ(s.scaleMode(), ScaleMode::Pixels);
}

struct ScaleCase {
    double value;
    ScaleMode from, to;
    double expected;
};

class ScaleConversionTest : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(ScaleConversionTest, ConvertsBetweenUnits)
{
    const auto c = GetParam();
    EXPECT_DOUBLE_EQ(Surface::ScaleX(c.value, c.from, c.to), c.expected);
    EXPECT_DOUBLE_EQ(Surface::ScaleY(c.value, c.from, c.to), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Units, ScaleConversionTest,
                         ::testing::Values(ScaleCase{15, ScaleMode::Twips, ScaleMode::Pixels, 1},
                                           ScaleCase{20, ScaleMode::Twips, ScaleMode::Points, 1},
                                           ScaleCase{3, ScaleMode::Points, ScaleMode::Pixels, 4},
                                           ScaleCase{1, ScaleMode::Pixels, ScaleMode::Twips, 15},
                                           ScaleCase{1, ScaleMode::Pixels, ScaleMode::Points, 0.75}));

TEST(SurfacePoint, ReadsPixelsAndMinusOneOutside)
{
    Surface s = pixelSurface(4, 3);
    s.raster().setPixel(3, 2, toQRgb(kRed));
    EXPECT_EQ(s.Point(3, 2), kRed);
    EXPECT_EQ(s.Point(0, 0), kWhite);
    for (auto [x, y] : {std::pair{-1, 0}, std::pair{4, 0}, std::pair{0, 3}, std::pair{0, -1}})
        EXPECT_EQ(s.Point(x, y), kInvalidColour) << x << "," << y;
    s.setScaleMode(ScaleMode::Twips);
    EXPECT_EQ(s.Point(45, 30), kRed);
}

TEST(SurfaceDrawWidth, ZeroAndNegativeWidthsAreRefused)
{
    Surface s;
    EXPECT_TRUE(s.setDrawWidth(7));
    EXPECT_FALSE(s.setDrawWidth(0));
    EXPECT_FALSE(s.setDrawWidth(-2));
    EXPECT_FALSE(s.setDrawWidth(40000));
    EXPECT_EQ(s.DrawWidth(), 7);
}

TEST(SurfacePSet, WidthOneSetsExactlyOnePixelAndIgnoresOutside)
{
    Surface s = pixelSurface(5, 5);
    s.PSet(2, 3, kRed);
    EXPECT_EQ(countPixels(s.Image(), kRed), 1);
    EXPECT_EQ(s.Point(2, 3), kRed);
    s.PSet(9, 9, kRed);
    s.PSet(-1, 2, kRed);
    EXPECT_EQ(countPixels(s.Image(), kRed), 1);
    s.ForeColor = kBlue;
    s.PSet(0, 0);
    EXPECT_EQ(s.Point(0, 0), kBlue);
}

TEST(SurfacePSet, WideDotIsADiscOfThatDiameter)
{
    Surface s = pixelSurface(40, 40);
    s.setDrawWidth(10);
    s.PSet(20, 20, kRed);
    const QRect box = boundsOfNot(s.Image(), kWhite);
    EXPECT_EQ(box.width(), 10);
    EXPECT_EQ(box.height(), 10);
    EXPECT_TRUE(box.contains(20, 20));
    EXPECT_EQ(s.Point(box.left(), box.top()), kWhite); // a disc, not a square
    const int area = countPixels(s.Image(), kRed);
    EXPECT_NEAR(area, 3.14159 * 25, 12);
}

TEST(SurfacePSet, AHugeDotCoversThePicture)
{
    Surface s(122, 122);
    s.raster().fill(0);
    s.setDrawWidth(3000);
    s.PSet(50, 50, kWhite); // twips
    EXPECT_EQ(countPixels(s.Image(), kWhite), 122 * 122);
}

TEST(SurfaceLine, ThinSegmentIncludesBothEnds)
{
    Surface s = pixelSurface(10, 10);
    s.Line(1, 2, 7, 2, kRed);
    EXPECT_EQ(countPixels(s.Image(), kRed), 7);
    EXPECT_EQ(boundsOfNot(s.Image(), kWhite), QRect(1, 2, 7, 1));
    s.Line(4, 9, 4, 5, kBlue);
    EXPECT_EQ(countPixels(s.Image(), kBlue), 5);
}

TEST(SurfaceLine, ZeroLengthWideLineIsADot)
{
    Surface s = pixelSurface(30, 30);
    s.setDrawWidth(6);
    s.Line(15, 15, 15, 15, kRed);
    const QRect box = boundsOfNot(s.Image(), kWhite);
    EXPECT_EQ(box.size(), QSize(6, 6));
}

TEST(SurfaceLine, EvenAndOddPensCoverExactlyTheirWidth)
{
    for (int width : {2, 3, 10, 11}) {
        Surface s = pixelSurface(60, 40);
        s.setDrawWidth(width);
        s.Line(15, 20, 45, 20, kRed);
        int rows = 0;
        for (int y = 0; y < 40; ++y)
            rows += s.Point(30, y) == kRed;
        EXPECT_EQ(rows, width);
        // The dot at the start lines up with the stroke.
        s.Line(15, 20, 15, 20, kBlue);
        int dotRows = 0;
        for (int y = 0; y < 40; ++y)
            dotRows += s.Point(15, y) == kBlue;
        EXPECT_EQ(dotRows, width);
        EXPECT_EQ(boundsOfNot(s.Image(), kWhite).height(), width) << width;
    }
}

TEST(SurfaceLine, WideSegmentHasRoundEnds)
{
    Surface s = pixelSurface(60, 30);
    s.setDrawWidth(10);
    s.Line(15, 15, 45, 15, kRed);
    const QRect box = boundsOfNot(s.Image(), kWhite);
    EXPECT_NEAR(box.left(), 10, 1);
    EXPECT_NEAR(box.right(), 50, 1);
    EXPECT_EQ(box.height(), 10);
    EXPECT_EQ(s.Point(box.left(), box.top()), kWhite); // rounded corner
}

TEST(SurfaceLine, BoxOutlineAndFilledBoxAreTheSameWhicheverCornerComesFirst)
{
    for (bool reversed : {false, true}) {
        Surface s = pixelSurface(12, 12);
        if (reversed)
            s.Line(8, 9, 2, 3, kRed, LineForm::Box);
        else
            s.Line(2, 3, 8, 9, kRed, LineForm::Box);
        EXPECT_EQ(boundsOfNot(s.Image(), kWhite), QRect(QPoint(2, 3), QPoint(8, 9)));
        EXPECT_EQ(countPixels(s.Image(), kRed), 2 * 7 + 2 * 5);
        EXPECT_EQ(s.Point(5, 6), kWhite);

        Surface f = pixelSurface(12, 12);
        f.Line(reversed ? 8 : 2, reversed ? 9 : 3, reversed ? 2 : 8, reversed ? 3 : 9, kBlue, LineForm::FilledBox);
        EXPECT_EQ(countPixels(f.Image(), kBlue), 7 * 7);
    }
}

TEST(SurfaceCircle, OutlineOrFilledByFillStyle)
{
    Surface s = pixelSurface(41, 41);
    s.FillStyle = 1;
    s.Circle(20, 20, 10, kRed);
    EXPECT_EQ(s.Point(20, 20), kWhite);
    EXPECT_EQ(s.Point(30, 20), kRed);
    EXPECT_EQ(s.Point(10, 20), kRed);
    EXPECT_EQ(s.Point(20, 10), kRed);
    EXPECT_EQ(boundsOfNot(s.Image(), kWhite), QRect(10, 10, 21, 21));

    Surface f = pixelSurface(41, 41);
    f.FillStyle = 0;
    f.FillColor = kBlue;
    f.Circle(20, 20, 10, kRed);
    EXPECT_EQ(f.Point(20, 20), kBlue);
    EXPECT_EQ(f.Point(30, 20), kRed);
}

TEST(SurfaceCircle, RadiusIsInTheCurrentUnits)
{
    Surface s(41, 41); // twips
    s.Circle(20 * 15, 20 * 15, 10 * 15, kRed);
    EXPECT_EQ(boundsOfNot(s.Image(), kWhite), QRect(10, 10, 21, 21));
}

TEST(SurfaceCls, ClearsToBackColor)
{
    Surface s = pixelSurface(6, 4);
    s.PSet(1, 1, kRed);
    s.BackColor = kBlue;
    s.CurrentX = 3;
    s.Cls();
    EXPECT_EQ(countPixels(s.Image(), kBlue), 24);
    EXPECT_EQ(s.CurrentX, 0);
}

TEST(SurfacePaintPicture, CopiesStretchesAndMirrors)
{
    QImage source(3, 1, QImage::Format_RGB32);
    source.setPixel(0, 0, toQRgb(kRed));
    source.setPixel(1, 0, toQRgb(kBlack));
    source.setPixel(2, 0, toQRgb(kBlue));

    Surface copy = pixelSurface(8, 2);
    copy.PaintPicture(source, 1, 1);
    EXPECT_EQ(copy.Point(1, 1), kRed);
    EXPECT_EQ(copy.Point(3, 1), kBlue);
    EXPECT_EQ(copy.Point(1, 0), kWhite);

    Surface stretched = pixelSurface(8, 2);
    stretched.PaintPicture(source, 0, 0, 6, 2);
    EXPECT_EQ(stretched.Point(0, 1), kRed);
    EXPECT_EQ(stretched.Point(1, 0), kRed);
    EXPECT_EQ(stretched.Point(5, 1), kBlue);

    // Negative width: drawn leftwards from x, mirrored.
    Surface mirrored = pixelSurface(8, 2);
    mirrored.PaintPicture(source, 3, 0, -3, 1);
    EXPECT_EQ(mirrored.Point(0, 0), kBlue);
    EXPECT_EQ(mirrored.Point(1, 0), kBlack);
    EXPECT_EQ(mirrored.Point(2, 0), kRed);
    EXPECT_EQ(mirrored.Point(3, 0), kWhite);

    Surface flipped = pixelSurface(1, 3);
    QImage column = source.transformed(QTransform().rotate(90));
    flipped.PaintPicture(column, 0, 3, 1, -3);
    EXPECT_EQ(flipped.Point(0, 0), fromQRgb(column.pixel(0, 2)));
    EXPECT_EQ(flipped.Point(0, 2), fromQRgb(column.pixel(0, 0)));
}

TEST(SurfacePicture, SmallerPictureSitsTopLeftOverBackColor)
{
    Surface s = pixelSurface(4, 4);
    s.BackColor = kBlue;
    s.setPicture(testing::solidImage(2, 3, kRed));
    EXPECT_EQ(countPixels(s.Image(), kRed), 6);
    EXPECT_EQ(countPixels(s.Image(), kBlue), 10);
    EXPECT_EQ(s.Point(1, 2), kRed);
    EXPECT_EQ(s.Point(2, 0), kBlue);
}

TEST(SurfacePicture, SameSizePictureSharesTheRasterUntilDrawnOn)
{
    Surface a = pixelSurface(16, 16);
    Surface b = pixelSurface(16, 16);
    a.PSet(3, 3, kRed);
    b.setPictureFrom(a);
    EXPECT_EQ(a.Image().constBits(), b.Image().constBits());
    b.PSet(4, 4, kBlue);
    EXPECT_NE(a.Image().constBits(), b.Image().constBits());
    EXPECT_EQ(a.Point(4, 4), kWhite);
    EXPECT_EQ(b.Point(3, 3), kRed);
}

TEST(SurfaceChanges, ListenersHearTheChangedRectangleOnly)
{
    Surface s = pixelSurface(50, 50);
    QRect heard;
    const int id = s.addChangeListener([&](const QRect &r) { heard |= r; });
    s.PSet(10, 12, kRed);
    EXPECT_EQ(heard, QRect(10, 12, 1, 1));
    heard = {};
    s.setDrawWidth(4);
    s.Line(20, 20, 30, 20, kRed);
    EXPECT_TRUE(heard.contains(QRect(18, 18, 14, 4)));
    EXPECT_LT(heard.width(), 20);
    s.removeChangeListener(id);
    heard = {};
    s.Cls();
    EXPECT_TRUE(heard.isNull());
}

TEST(SurfaceText, PrintsTwoColoursInsideTheTextBoxAndMovesDown)
{
    Surface s = pixelSurface(120, 60);
    s.setFontName(QStringLiteral("DejaVu Sans"));
    s.setFontSize(12);
    s.ForeColor = kRed;
    s.CurrentX = 5;
    s.CurrentY = 7;
    const double w = s.TextWidth(QStringLiteral("Ab"));
    const double h = s.TextHeight(QStringLiteral("Ab"));
    s.Print(QStringLiteral("Ab"));
    const QRect inked = boundsOfNot(s.Image(), kWhite);
    ASSERT_FALSE(inked.isNull());
    EXPECT_TRUE(QRect(5, 7, static_cast<int>(std::ceil(w)) + 1, static_cast<int>(h)).contains(inked)) << w << " " << h;
    EXPECT_EQ(countPixels(s.Image(), kRed) + countPixels(s.Image(), kWhite), 120 * 60);
    EXPECT_EQ(s.CurrentX, 0);
    EXPECT_DOUBLE_EQ(s.CurrentY, 7 + h);
    EXPECT_GT(s.TextHeight(QStringLiteral("a\nb")), 1.9 * h);
}

TEST(SurfaceRobustness, AbsurdArgumentsLeaveThePictureAlone)
{
    Surface s = pixelSurface(8, 8);
    const QImage before = s.Image().copy();
    s.PSet(1e12, -1e12, kRed);
    s.Line(-1e9, 0, -1e9 + 5, 0, kRed);
    s.Circle(4, 4, 1e300, kRed);
    s.PaintPicture(QImage(), 0, 0);
    s.setWidth(-5);
    s.setFontSize(0);
    EXPECT_EQ(s.Image(), before);
}

} // namespace
} // namespace quill

namespace quill {
namespace {

Surface wrappingSurface(int w, int h)
{
    Surface s(w, h);
    s.setScaleMode(ScaleMode::Pixels);
    s.setWrapEdges(true);
    return s;
}

TEST(SurfaceWrap, AWideLineAcrossTheRightEdgeContinuesAtTheLeft)
{
    Surface s = wrappingSurface(40, 30);
    s.setDrawWidth(10);
    s.Line(30, 15, 50, 15, testing::kRedForTests);
    // The first and last columns both carry the line, so the tile continues it.
    EXPECT_EQ(s.Point(0, 15), testing::kRedForTests);
    EXPECT_EQ(s.Point(39, 15), testing::kRedForTests);
    EXPECT_EQ(s.Point(9, 15), testing::kRedForTests);
    EXPECT_EQ(s.Point(20, 15), kWhite);
    for (int y = 0; y < 30; ++y)
        EXPECT_EQ(s.Point(0, y), s.Point(40, y)) << y; // reads wrap too
    for (int y = 10; y < 20; ++y)
        EXPECT_EQ(s.Point(0, y), s.Point(39, y)) << y;
}

TEST(SurfaceWrap, DotsAndPointsAtACornerAppearInAllFourCorners)
{
    Surface s = wrappingSurface(20, 20);
    s.setDrawWidth(4);
    s.PSet(0, 0, testing::kRedForTests);
    for (auto [x, y] : {std::pair{0, 0}, std::pair{19, 0}, std::pair{0, 19}, std::pair{19, 19}})
        EXPECT_EQ(s.Point(x, y), testing::kRedForTests) << x << "," << y;
    EXPECT_EQ(testing::countPixels(s.Image(), testing::kRedForTests), 12); // a 4-pixel disc, split four ways
    s.setDrawWidth(1);
    s.PSet(22, -1, rgb(0, 0, 255));
    EXPECT_EQ(s.Point(2, 19), rgb(0, 0, 255));
}

TEST(SurfaceWrap, CirclesAndBoxesWrapAndNothingIsLostWhenOff)
{
    Surface on = wrappingSurface(30, 30);
    on.FillStyle = 0;
    on.FillColor = testing::kRedForTests;
    on.Circle(29, 15, 5, testing::kRedForTests);
    EXPECT_EQ(on.Point(3, 15), testing::kRedForTests);
    on.Line(25, 25, 34, 34, rgb(0, 255, 0), LineForm::FilledBox);
    EXPECT_EQ(on.Point(2, 2), rgb(0, 255, 0));

    Surface off(30, 30);
    off.setScaleMode(ScaleMode::Pixels);
    off.Line(25, 25, 34, 34, rgb(0, 255, 0), LineForm::FilledBox);
    EXPECT_EQ(off.Point(2, 2), kWhite);
    EXPECT_EQ(off.Point(31, 3), kInvalidColour);
}

} // namespace
} // namespace quill
