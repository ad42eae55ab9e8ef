#include "filter_helpers.h"
#include "toolbox/pixel_framework.h"

namespace quill {
namespace {

using testing::FilterTest;
using testing::pixelAt;
using testing::randomImage;
using testing::solidImage;

// ---- Blur ---------------------------------------------------------------

TEST_F(FilterTest, BlurKeepsTheInsideAndDarkensTheBorderByFifths)
{
    load(solidImage(4, 3, rgb(200, 100, 50)));
    click(QStringLiteral("blur"));
    EXPECT_EQ(at(1, 1), rgb(200, 100, 50));
    EXPECT_EQ(at(2, 1), rgb(200, 100, 50));
    EXPECT_EQ(at(1, 0), rgb(160, 80, 40)); // one of five samples black
    EXPECT_EQ(at(3, 1), rgb(160, 80, 40));
    EXPECT_EQ(at(0, 0), rgb(120, 60, 30)); // two of five at a corner
    EXPECT_EQ(at(3, 2), rgb(120, 60, 30));
}

TEST_F(FilterTest, BlurRoundsTheFifthToNearest)
{
    // 1 x 1: four neighbours black. 7/5 = 1.4, 8/5 = 1.6, 255/5 = 51.
    load(solidImage(1, 1, rgb(7, 8, 255)));
    click(QStringLiteral("blur"));
    EXPECT_EQ(at(0, 0), rgb(1, 2, 51));
    // Centre 0 between 1, 20, 21 and 254: (0 + 1 + 20 + 21 + 254) / 5 = 59.2.
    QImage p(3, 3, QImage::Format_RGB32);
    p.fill(0xff000000u);
    p.setPixel(0, 1, toQRgb(rgb(1, 1, 1)));
    p.setPixel(2, 1, toQRgb(rgb(20, 20, 20)));
    p.setPixel(1, 0, toQRgb(rgb(21, 21, 21)));
    p.setPixel(1, 2, toQRgb(rgb(254, 234, 235)));
    load(p);
    click(QStringLiteral("blur"));
    EXPECT_EQ(at(1, 1), rgb(59, 55, 55)); // green 276 / 5 = 55.2, blue 277 / 5 = 55.4
}

TEST_F(FilterTest, BlurTakesNoSnapshotSoUndoGoesFurtherBack)
{
    load(solidImage(5, 5, rgb(10, 10, 10)));
    click(QStringLiteral("red-up")); // one undo step
    const QImage beforeBlur = picture().copy();
    click(QStringLiteral("blur"));
    EXPECT_NE(picture(), beforeBlur);
    session.undo.Undo(doc);
    EXPECT_EQ(at(2, 2), rgb(10, 10, 10)); // back before the step, not just before the blur
}

// The literal blur: columns outer, rows inner, five point reads (beyond the
// picture black), the rounded fifth written by the work layer's own PSet.
QImage referenceBlur(const QImage &source, const QImage &work, int pen)
{
    Surface target(source.width(), source.height());
    target.setPicture(work);
    target.setScaleMode(ScaleMode::Pixels);
    target.setDrawWidth(pen);
    auto read = [&](int x, int y) { return asComponents(pointRead(source, x, y)); };
    for (int x = 0; x < source.width(); ++x)
        for (int y = 0; y < source.height(); ++y) {
            const Colour s[5] = {read(x, y), read(x - 1, y), read(x, y - 1), read(x + 1, y), read(x, y + 1)};
            int sum[3] = {0, 0, 0};
            for (Colour c : s) {
                sum[0] += redOf(c);
                sum[1] += greenOf(c);
                sum[2] += blueOf(c);
            }
            auto fifth = [](int v) { return static_cast<int>(std::nearbyint(v / 5.0)); };
            target.PSet(x, y, rgb(fifth(sum[0]), fifth(sum[1]), fifth(sum[2])));
        }
    return target.Image();
}

class BlurPenTest : public FilterTest, public ::testing::WithParamInterface<int> {};

TEST_P(BlurPenTest, EqualsTheLiteralLoopWithTheWorkLayersPen)
{
    unsigned seed = 90;
    for (const QSize &size : testing::comparisonSizes()) {
        const QImage source = randomImage(size.width(), size.height(), ++seed);
        load(source);
        doc.layer(1).setDrawWidth(GetParam());
        click(QStringLiteral("blur"));
        EXPECT_EQ(picture(), referenceBlur(source, source, GetParam())) << size.width() << "x" << size.height();
        EXPECT_EQ(doc.layer(1).DrawWidth(), GetParam()) << "the blur does not set the pen";
    }
}

INSTANTIATE_TEST_SUITE_P(Pens, BlurPenTest, ::testing::Values(1, 2, 3, 8, 10));

// ---- Mosaic -------------------------------------------------------------

TEST_F(FilterTest, MosaicOfOneColourChangesNothingAndIsUndoneInOneStep)
{
    load(solidImage(20, 13, rgb(234, 21, 1)));
    click(QStringLiteral("mosaic"));
    EXPECT_EQ(testing::countPixels(picture(), rgb(234, 21, 1)), 20 * 13);
    load(randomImage(20, 13, 4));
    expectUndoRestores(QStringLiteral("mosaic"));
}

TEST_F(FilterTest, MosaicDotsAreEightPixelsAcrossAndLaterOnesCoverEarlierOnes)
{
    QImage p = solidImage(30, 30, kWhite);
    p.setPixel(15, 15, toQRgb(rgb(255, 0, 0))); // a grid point: (3 * 5, 3 * 5)
    load(p);
    click(QStringLiteral("mosaic"));
    // Its dot spans rows 11..18; the next grid row's dots cover rows 14 and
    // down, its right neighbour's dot (18, 15) columns 14.. of row 13, 15.. of
    // row 12 and 16.. of row 11. Three short runs of red survive.
    EXPECT_EQ(testing::countPixels(picture(), rgb(255, 0, 0)), 9);
    EXPECT_EQ(at(11, 13), rgb(255, 0, 0));
    EXPECT_EQ(at(13, 11), rgb(255, 0, 0));
    EXPECT_EQ(at(14, 13), kWhite);
    EXPECT_EQ(at(11, 14), kWhite);
    EXPECT_EQ(at(15, 15), kWhite);
    EXPECT_EQ(doc.layer(1).DrawWidth(), 8);
    EXPECT_EQ(doc.layer(0).DrawWidth(), 8);
}

// The literal mosaic: rows of the grid outer, each point read and written as
// the work layer's 8-pixel PSet, nothing for a grid point beyond the picture.
QImage referenceMosaic(const QImage &source)
{
    Surface target(source.width(), source.height());
    target.setPicture(source);
    target.setScaleMode(ScaleMode::Pixels);
    target.setDrawWidth(8);
    for (int j = 0; j <= std::nearbyint(source.height() / 3.0); ++j)
        for (int i = 0; i <= std::nearbyint(source.width() / 3.0); ++i) {
            const Colour c = pointRead(source, 3 * i, 3 * j);
            if (c != kInvalidColour)
                target.PSet(3 * i, 3 * j, c);
        }
    return target.Image();
}

TEST_F(FilterTest, MosaicEqualsTheDotByDotDrawing)
{
    unsigned seed = 120;
    for (const QSize &size : testing::comparisonSizes()) {
        const QImage source = randomImage(size.width(), size.height(), ++seed);
        load(source);
        click(QStringLiteral("mosaic"));
        EXPECT_EQ(picture(), referenceMosaic(source)) << size.width() << "x" << size.height();
    }
}

TEST(PenDot, IsTheSurfacesOwnDot)
{
    for (int width = 1; width <= 24; ++width) {
        Surface s(60, 60);
        s.setScaleMode(ScaleMode::Pixels);
        s.setDrawWidth(width);
        s.PSet(30, 30, kBlack);
        QImage painted(60, 60, QImage::Format_RGB32);
        painted.fill(toQRgb(kWhite));
        paintDot(painted, 30, 30, penDot(width), toQRgb(kBlack));
        EXPECT_EQ(painted, s.Image()) << "width " << width;
    }
}

// ---- Colour bands -------------------------------------------------------

TEST_F(FilterTest, HorizontalBandsClimbFromDarkToWhiteInTenRows)
{
    load(solidImage(12, 100, rgb(9, 9, 9)));
    session.state.LeftColour = kBlack;
    session.state.RightColour = kWhite;
    click(QStringLiteral("bands-h"));
    // First band: rows 0..8, k = 2..10 at 25.5 a step; then bands of 10 from k = 1.
    EXPECT_EQ(at(0, 0), rgb(51, 51, 51));
    EXPECT_EQ(at(11, 1), rgb(76, 76, 76)); // 76.5 to the even neighbour
    EXPECT_EQ(at(5, 8), kWhite);
    EXPECT_EQ(at(5, 9), rgb(26, 26, 26)); // 25.5 to the even neighbour
    EXPECT_EQ(at(5, 18), kWhite);
    EXPECT_EQ(at(5, 19), rgb(26, 26, 26));
    EXPECT_EQ(at(5, 99), rgb(26, 26, 26));
    EXPECT_EQ(session.undo.UndoCount, 0);
    const QImage bands = picture().copy();
    session.state.LeftColour = kWhite;
    session.state.RightColour = kBlack;
    load(solidImage(12, 100, rgb(9, 9, 9)));
    click(QStringLiteral("bands-h"));
    EXPECT_EQ(picture(), bands) << "swapping the colours gives the same bands";
}

TEST_F(FilterTest, VerticalBandsCoverTheWholeWidthOfAWidePicture)
{
    load(solidImage(100, 30, rgb(9, 9, 9)));
    session.state.LeftColour = rgb(0, 100, 200);
    session.state.RightColour = rgb(100, 200, 0);
    click(QStringLiteral("bands-v"));
    // Per channel lo = (0, 100, 0), hi = (100, 200, 200): steps 10, 10, 20.
    EXPECT_EQ(at(0, 0), rgb(20, 120, 40));
    EXPECT_EQ(at(0, 29), rgb(20, 120, 40));
    EXPECT_EQ(at(8, 3), rgb(100, 200, 200));
    EXPECT_EQ(at(9, 3), rgb(10, 110, 20));
    EXPECT_EQ(at(99, 3), rgb(10, 110, 20));
    EXPECT_EQ(testing::countPixels(picture(), rgb(9, 9, 9)), 0);
}

TEST_F(FilterTest, BandsOnAShortPictureTakeTheLowValues)
{
    // Height 5: 5 / 10 = 0.5 goes to the even 0, the steps stay 0.
    load(solidImage(4, 5, kBlack));
    session.state.LeftColour = rgb(10, 200, 30);
    session.state.RightColour = rgb(100, 50, 60);
    click(QStringLiteral("bands-h"));
    EXPECT_EQ(testing::countPixels(picture(), rgb(10, 50, 30)), 20);
}

TEST_F(FilterTest, BandsOfHeightOneKeepGrowingAndCapAt255)
{
    load(solidImage(3, 10, kBlack)); // n = 1: the counter never comes back to 0
    session.state.LeftColour = rgb(10, 0, 0);
    session.state.RightColour = rgb(20, 200, 0);
    click(QStringLiteral("bands-h"));
    EXPECT_EQ(at(0, 0), rgb(30, 255, 0));  // k = 2: 10 + 2 * 10, 0 + 2 * 200 capped
    EXPECT_EQ(at(0, 9), rgb(120, 255, 0)); // k = 11
}

// ---- Shrink -------------------------------------------------------------

TEST_F(FilterTest, ShrinkCombinesThreeColumnsOneRowHigherInTheLeftThird)
{
    QImage p(6, 2, QImage::Format_RGB32);
    p.fill(toQRgb(rgb(200, 200, 200)));
    const Colour row1[6] = {rgb(30, 0, 255), rgb(60, 3, 255), rgb(90, 6, 0),
                            rgb(120, 9, 0),  rgb(150, 12, 0), rgb(180, 15, 21)};
    for (int x = 0; x < 6; ++x)
        p.setPixel(x, 1, toQRgb(row1[x]));
    load(p);
    click(QStringLiteral("shrink"));
    // a = 0 reads (-1, 1) (black), (1, 1), (0, 1); a = 1 reads 2, 4, 3; a = 2 reads 5 and two beyond.
    EXPECT_EQ(at(0, 0), rgb(30, 1, 170));
    EXPECT_EQ(at(1, 0), rgb(120, 9, 0));
    EXPECT_EQ(at(2, 0), rgb(60, 5, 7));
    // The last row combines the row beyond the picture: black.
    EXPECT_EQ(at(0, 1), kBlack);
    EXPECT_EQ(at(2, 1), kBlack);
    // The rest keeps its old content.
    for (int x = 3; x < 6; ++x) {
        EXPECT_EQ(at(x, 0), rgb(200, 200, 200));
        EXPECT_EQ(at(x, 1), row1[x]);
    }
    EXPECT_EQ(session.undo.UndoCount, 0);
}

// The literal shrink, in place: a outer, y inner, three device reads, the
// channel mean written at (a, y - 1) into the same picture.
QImage referenceShrink(QImage p)
{
    for (int a = 0; a <= std::nearbyint(p.width() / 3.0); ++a)
        for (int y = 0; y <= p.height(); ++y) {
            const Colour c[3] = {asComponents(deviceRead(p, 3 * a - 1, y)), asComponents(deviceRead(p, 3 * a + 1, y)),
                                 asComponents(deviceRead(p, 3 * a, y))};
            auto mean = [&](auto channel) {
                return static_cast<int>(std::nearbyint((channel(c[0]) + channel(c[1]) + channel(c[2])) / 3.0));
            };
            writePixel(p, a, y - 1, rgb(mean(redOf), mean(greenOf), mean(blueOf)));
        }
    return p;
}

TEST_F(FilterTest, ShrinkEqualsTheInPlaceLoop)
{
    unsigned seed = 150;
    for (const QSize &size : testing::comparisonSizes()) {
        const QImage source = randomImage(size.width(), size.height(), ++seed);
        load(source);
        click(QStringLiteral("shrink"));
        EXPECT_EQ(picture(), referenceShrink(source)) << size.width() << "x" << size.height();
    }
}

} // namespace
} // namespace quill
