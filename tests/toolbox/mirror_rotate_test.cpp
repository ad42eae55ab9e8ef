#include "filter_helpers.h"
#include "toolbox/mirror_rotate.h"

namespace quill {
namespace {

using testing::FilterTest;
using testing::gradientImage;
using testing::pixelAt;
using testing::randomImage;

// ---- Blits --------------------------------------------------------------

struct FlipCase {
    const char *alias;
    bool leftRight, topBottom;
};

class FlipTest : public FilterTest, public ::testing::WithParamInterface<FlipCase> {};

TEST_P(FlipTest, MirrorsAnOddSizedPictureExactly)
{
    const FlipCase &c = GetParam();
    for (const QSize size : {QSize(7, 5), QSize(5, 7), QSize(1, 1), QSize(2, 3)}) {
        const QImage source = gradientImage(size.width(), size.height());
        load(source);
        click(QString::fromLatin1(c.alias));
        const int w = size.width(), h = size.height();
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                ASSERT_EQ(at(x, y), pixelAt(source, c.leftRight ? w - 1 - x : x, c.topBottom ? h - 1 - y : y))
                    << c.alias << " " << w << "x" << h << " at " << x << "," << y;
    }
}

TEST_P(FlipTest, TwiceRestoresThePicture)
{
    const QImage source = randomImage(7, 5, 8);
    load(source);
    click(QString::fromLatin1(GetParam().alias));
    EXPECT_NE(picture(), source);
    click(QString::fromLatin1(GetParam().alias));
    EXPECT_EQ(picture(), source);
}

TEST_P(FlipTest, IsUndoneInOneStep) { load(randomImage(7, 5, 9)), expectUndoRestores(GetParam().alias); }

TEST_P(FlipTest, BigPictureMatchesThePixelLoop)
{
    for (const QSize &size : testing::comparisonSizes()) {
        const QImage source = randomImage(size.width(), size.height(), 5);
        load(source);
        click(QString::fromLatin1(GetParam().alias));
        const QImage expected = source.mirrored(GetParam().leftRight, GetParam().topBottom);
        EXPECT_EQ(picture(), expected) << size.width() << "x" << size.height();
    }
}

INSTANTIATE_TEST_SUITE_P(Buttons, FlipTest,
                         ::testing::Values(FlipCase{"mirror-h", true, false}, FlipCase{"mirror-v", false, true},
                                           FlipCase{"half-turn", true, true}, FlipCase{"half-turn-twips", true, true}),
                         [](const auto &info) {
                             std::string name = info.param.alias;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

TEST_F(FilterTest, BothMirrorsMakeAHalfTurn)
{
    const QImage source = randomImage(9, 4, 12);
    load(source);
    click(QStringLiteral("mirror-h"));
    click(QStringLiteral("mirror-v"));
    const QImage both = picture().copy();
    load(source);
    click(QStringLiteral("half-turn"));
    EXPECT_EQ(picture(), both);
}

TEST_F(FilterTest, BlitsKeepTheUnitsAndOnlyTheTwipsHalfTurnChangesTheWorkLayer)
{
    doc.forEachLayer([](Surface &l) { l.setScaleMode(ScaleMode::Points); });
    load(randomImage(8, 6, 2));
    click(QStringLiteral("half-turn"));
    EXPECT_EQ(doc.layer(0).scaleMode(), ScaleMode::Points);
    EXPECT_EQ(doc.layer(1).scaleMode(), ScaleMode::Points);
    click(QStringLiteral("half-turn-twips"));
    EXPECT_EQ(doc.layer(0).scaleMode(), ScaleMode::Points);
    EXPECT_EQ(doc.layer(1).scaleMode(), ScaleMode::Twips);
}

// The extents are the picture's size in layer 0's units but land in the work
// layer's: with layer 0 in pixels and the work layer in twips, a 30-pixel
// picture is painted as a 30-twip (2-pixel) patch at the top left.
TEST_F(FilterTest, BlitInMismatchedUnitsPaintsTheSmallPatchTheExtentsDescribe)
{
    const QImage source = gradientImage(30, 30);
    load(source);
    doc.layer(0).setScaleMode(ScaleMode::Pixels);
    doc.layer(1).setScaleMode(ScaleMode::Twips);
    click(QStringLiteral("mirror-h"));
    EXPECT_EQ(at(0, 0), pixelAt(source, 1, 0));
    EXPECT_EQ(at(1, 0), pixelAt(source, 0, 0));
    EXPECT_EQ(at(0, 1), pixelAt(source, 1, 1));
    EXPECT_EQ(picture().copy(2, 0, 28, 30), source.copy(2, 0, 28, 30));
    EXPECT_EQ(picture().copy(0, 2, 30, 28), source.copy(0, 2, 30, 28));
}

// ---- Quarter turns ------------------------------------------------------

// The literal drawing: a = 0..W outer, b = 0..H inner, one point read and one
// two-pixel dot (the point and its right and lower neighbours) per step; a
// source beyond the picture draws nothing, later dots cover earlier ones.
QImage referenceTurn(const QImage &source, QImage work, bool ccw)
{
    const int w = source.width(), h = source.height();
    for (int a = 0; a <= w; ++a)
        for (int b = 0; b <= h; ++b) {
            const int sx = ccw ? w - b : b, sy = ccw ? a : h - a;
            if (sx < 0 || sy < 0 || sx >= w || sy >= h)
                continue;
            const QRgb c = source.pixel(sx, sy);
            const int dx = ccw ? a + 1 : a, dy = ccw ? b - 1 : b;
            for (int py = dy; py <= dy + 1; ++py)
                for (int px = dx; px <= dx + 1; ++px)
                    if (px >= 0 && py >= 0 && px < w && py < h)
                        work.setPixel(px, py, c);
        }
    return work;
}

struct TurnCase {
    const char *alias;
    bool ccw;
};

class TurnTest : public FilterTest, public ::testing::WithParamInterface<TurnCase> {};

TEST_P(TurnTest, SquarePictureTurnsOnePixelRightOfTheExactTurn)
{
    const QImage source = gradientImage(5, 5);
    load(source);
    click(QString::fromLatin1(GetParam().alias));
    for (int y = 0; y < 5; ++y) {
        EXPECT_EQ(at(0, y), pixelAt(source, 0, y)) << "column 0 is never written";
        for (int x = 1; x < 5; ++x) {
            // The exact turn at (x - 1, y).
            const Colour exact = GetParam().ccw ? pixelAt(source, 4 - y, x - 1) : pixelAt(source, y, 4 - (x - 1));
            EXPECT_EQ(at(x, y), exact) << x << "," << y;
        }
    }
}

TEST_P(TurnTest, WidePictureKeepsTheOldColumnsBeyondTheTurnedImage)
{
    const QImage source = gradientImage(9, 5);
    load(source);
    click(QString::fromLatin1(GetParam().alias));
    // The turned image is 5 wide, drawn from column 1; its last dots reach column 6.
    EXPECT_EQ(picture().copy(7, 0, 2, 5), source.copy(7, 0, 2, 5));
    EXPECT_EQ(at(0, 2), pixelAt(source, 0, 2));
    if (GetParam().ccw) {
        EXPECT_EQ(at(1, 0), pixelAt(source, 8, 0)); // the source's right edge becomes the top row
        EXPECT_EQ(at(5, 0), pixelAt(source, 8, 4));
        EXPECT_EQ(at(3, 4), pixelAt(source, 4, 2));
    } else {
        EXPECT_EQ(at(1, 0), pixelAt(source, 0, 4)); // the source's bottom edge becomes the left side
        EXPECT_EQ(at(1, 4), pixelAt(source, 4, 4));
        EXPECT_EQ(at(3, 2), pixelAt(source, 2, 2));
    }
}

TEST_P(TurnTest, TallPictureIsClippedToTheCanvas)
{
    const QImage source = gradientImage(5, 9);
    load(source);
    click(QString::fromLatin1(GetParam().alias));
    EXPECT_EQ(doc.pixelWidth(), 5);
    EXPECT_EQ(doc.pixelHeight(), 9);
    EXPECT_EQ(at(0, 8), pixelAt(source, 0, 8));
    if (GetParam().ccw)
        EXPECT_EQ(at(1, 0), pixelAt(source, 4, 0));
    else
        EXPECT_EQ(at(1, 0), pixelAt(source, 0, 8));
}

TEST_P(TurnTest, OnePixelPictureStaysAsItIs)
{
    load(testing::solidImage(1, 1, rgb(1, 2, 3)));
    click(QString::fromLatin1(GetParam().alias));
    EXPECT_EQ(at(0, 0), rgb(1, 2, 3));
}

TEST_P(TurnTest, LeavesAWidePenAndTheWorkLayerInTwips)
{
    click(QString::fromLatin1(GetParam().alias));
    EXPECT_EQ(doc.layer(0).scaleMode(), ScaleMode::Pixels);
    EXPECT_EQ(doc.layer(1).scaleMode(), ScaleMode::Twips);
    EXPECT_EQ(doc.layer(0).DrawWidth(), 2);
    EXPECT_EQ(doc.layer(1).DrawWidth(), 2);
}

TEST_P(TurnTest, IsUndoneInOneStep) { load(randomImage(7, 5, 19)), expectUndoRestores(GetParam().alias); }

TEST_P(TurnTest, BlockedTurnEqualsTheDotByDotDrawing)
{
    unsigned seed = 60;
    for (const QSize &size : testing::comparisonSizes()) {
        const QImage source = randomImage(size.width(), size.height(), ++seed);
        load(source);
        click(QString::fromLatin1(GetParam().alias));
        EXPECT_EQ(picture(), referenceTurn(source, source, GetParam().ccw)) << size.width() << "x" << size.height();
    }
}

TEST_P(TurnTest, SourceRuleMatchesTheDrawingAtEveryPixel)
{
    const QImage source = randomImage(6, 4, 3);
    QImage blank(6, 4, QImage::Format_RGB32);
    blank.fill(0xff010203u);
    const QImage drawn = referenceTurn(source, blank, GetParam().ccw);
    const auto turn = GetParam().ccw ? QuarterTurn::CounterClockwise : QuarterTurn::Clockwise;
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x) {
            const auto from = quarterTurnSource(turn, 6, 4, x, y);
            EXPECT_EQ(drawn.pixel(x, y), from ? source.pixel(*from) : 0xff010203u) << x << "," << y;
        }
}

INSTANTIATE_TEST_SUITE_P(Buttons, TurnTest,
                         ::testing::Values(TurnCase{"turn-left", true}, TurnCase{"turn-right", false}),
                         [](const auto &info) {
                             std::string name = info.param.alias;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

} // namespace
} // namespace quill
