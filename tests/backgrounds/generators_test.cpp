#include "backgrounds/gradients.h"
#include "generator_cases.h"

#include <gtest/gtest.h>

namespace quill {
namespace {

const char *const kGenerators[] = {
    "gradient-h",     "gradient-v", "gradient-h2", "gradient-v2", "gradient-tl",   "gradient-tr",  "gradient-tl-br",
    "gradient-tr-bl", "circles",    "squares",     "diamonds",    "rays-12",       "rays-8",       "diamond-rays",
    "rays-thin",      "stripes-h",  "stripes-v",   "lines-h",     "lines-v",       "stripes-rise", "lines-rise",
    "stripes-fall",   "lines-fall", "stitching",   "checker",     "checker-discs", "checker-fg",   "discs-fg",
    "fill",           "points",     "sprinkle"};

class GeneratorButtonTest : public testing::CoreTest, public ::testing::WithParamInterface<const char *> {
protected:
    void clickButton(Colour fore, Colour back)
    {
        host.inputAnswers.push_back(QStringLiteral("25"));
        testing::click(session, GetParam(), fore, back);
    }
};

// The snapshots each click takes are counted for every button in button_table_test.cpp.
TEST_P(GeneratorButtonTest, ChangesThePictureAndOneUndoRestoresIt)
{
    const QImage before = testing::randomImage(83, 64, 3);
    doc.replaceWith(before);
    clickButton(rgb(250, 0, 0), rgb(0, 0, 250));
    EXPECT_NE(doc.picture().Image(), before);
    session.undo.Undo(doc);
    EXPECT_EQ(doc.picture().Image(), before);
    EXPECT_TRUE(testing::allLayersEqual(doc));
}

// Tiny, very wide and very tall pictures (beyond 32767 twips, and tall enough
// for the diagonal sweeps to run their 16-bit position to its limit), with one
// colour for both: nothing but that colour and the old picture may appear.
TEST_P(GeneratorButtonTest, OddSizesAndEqualColours)
{
    for (const QSize size : {QSize(1, 1), QSize(2, 1), QSize(2300, 5), QSize(5, 2400)}) {
        testing::preparePicture(session, size.width(), size.height());
        clickButton(rgb(7, 77, 177), rgb(7, 77, 177));
        const QImage &image = doc.picture().Image();
        ASSERT_EQ(image.size(), size);
        EXPECT_EQ(testing::countPixels(image, rgb(7, 77, 177)) + testing::countPixels(image, testing::kOldPicture),
                  size.width() * size.height())
            << size.width() << " x " << size.height();
        EXPECT_TRUE(testing::allLayersEqual(doc));
    }
}

INSTANTIATE_TEST_SUITE_P(Backgrounds, GeneratorButtonTest, ::testing::ValuesIn(kGenerators));

// ---- Pixels worked out by hand from the generators' rules ----

class GeneratorPixelTest : public testing::CoreTest {
protected:
    const QImage &run(const char *alias, int width, int height, Colour fore, Colour back)
    {
        testing::preparePicture(session, width, height);
        testing::click(session, alias, fore, back);
        EXPECT_TRUE(testing::allLayersEqual(doc));
        return doc.picture().Image();
    }
    // The colours along a row or a column, each run of one colour once.
    static std::vector<Colour> runs(const QImage &image, QPoint from, QPoint step)
    {
        std::vector<Colour> seen;
        for (QPoint p = from; image.rect().contains(p); p += step) {
            const Colour c = testing::pixelAt(image, p.x(), p.y());
            if (seen.empty() || seen.back() != c)
                seen.push_back(c);
        }
        return seen;
    }
    static Colour grey(int v) { return rgb(v, v, v); }
};

// 450 x 300 points: bands 295 \ 100 = 2 points wide, 3 points apart, and 100
// of them end at point 299. Towards white at a height of 300 points each
// channel rises by 255 / 300 = 0.85, rounded to 1: greys 0, 1, ..., 99.
TEST_F(GeneratorPixelTest, HorizontalGradientBandsAreGreysZeroToNinetyNineWithTheOldPictureBetween)
{
    const QImage &image = run("gradient-h", 600, 400, kBlack, kWhite);
    std::vector<Colour> row = runs(image, {0, 200}, {1, 0});
    if (row.front() == testing::kOldPicture)
        row.erase(row.begin());
    ASSERT_EQ(row.size(), 200u); // band, gap, band, ..., band, the rest
    for (int k = 0; k < 100; ++k) {
        EXPECT_EQ(row[static_cast<std::size_t>(2 * k)], grey(k)) << "band " << k;
        EXPECT_EQ(row[static_cast<std::size_t>(2 * k + 1)], testing::kOldPicture) << "after band " << k;
    }
    for (int x = 402; x < 600; ++x) // beyond point 300, pixel 400
        ASSERT_EQ(testing::pixelAt(image, x, 200), testing::kOldPicture) << x;
    EXPECT_EQ(runs(image, {300, 0}, {0, 1}).size(), 1u); // each band runs the full height
}

// 99 points high: bands 99 \ 100 = 0 wide touch one another; the colour rises
// by 255 / 99 = 2.58 -> 3, 252 / 99 = 2.55 -> 3, 249 / 99 = 2.52 -> 3, then
// 246 / 99 = 2.48 -> 2 and 244 / 99 = 2.46 -> 2.
TEST_F(GeneratorPixelTest, ShortVerticalGradientBandsTouchAndStepByTheRemainingDistance)
{
    const QImage &image = run("gradient-v", 10, 132, kBlack, kWhite);
    const std::vector<Colour> column = runs(image, {4, 0}, {0, 1});
    ASSERT_GE(column.size(), 6u);
    EXPECT_EQ(std::vector<Colour>(column.begin(), column.begin() + 6),
              (std::vector<Colour>{grey(0), grey(3), grey(6), grey(9), grey(11), grey(13)}));
    EXPECT_EQ(testing::countPixels(image, testing::kOldPicture), 0);
    // Bands run while p is at most H, so the 99th, at p = 99, is drawn too:
    // steps of 3 up to 9, of 2 up to 107 (after 52 steps), then of 1: 153.
    EXPECT_EQ(column.size(), 99u);
    EXPECT_EQ(column.back(), grey(153));
}

// Groups of four one-pixel lines: two foreground, two background; rows 10 and
// 11 of the third group fall outside a 10-pixel picture.
TEST_F(GeneratorPixelTest, StripesAndLinesComeInGroupsOfFour)
{
    const Colour a = rgb(200, 30, 90), b = rgb(10, 220, 90), old = testing::kOldPicture;
    const std::vector<Colour> stripes{a, a, b, b, a, a, b, b, a, a};
    const std::vector<Colour> lines{a, a, old, old, a, a, old, old, a, a};
    for (auto [alias, along, expected] : {std::tuple{"stripes-h", false, stripes},
                                          {"stripes-v", true, stripes},
                                          {"lines-h", false, lines},
                                          {"lines-v", true, lines}}) {
        const QImage &image = run(alias, 10, 10, a, b);
        for (int i = 0; i < 10; ++i)
            for (int j = 0; j < 10; ++j) {
                const int x = along ? i : j, y = along ? j : i;
                ASSERT_EQ(testing::pixelAt(image, x, y), expected[static_cast<std::size_t>(i)])
                    << alias << " at " << x << "," << y;
            }
    }
}

// The diagonal stripes reach the opposite corner when the picture is at most
// three times as high as wide: with one colour for both, they fill it.
TEST_F(GeneratorPixelTest, DiagonalStripesCoverATallPicture)
{
    for (const char *alias : {"stripes-rise", "stripes-fall"}) {
        const QImage &image = run(alias, 12, 36, rgb(7, 77, 177), rgb(7, 77, 177));
        EXPECT_EQ(testing::countPixels(image, rgb(7, 77, 177)), 12 * 36) << alias;
    }
}

// 120 points square: cells of 15 points (20 pixels), discs of radius 7.5
// points (10 pixels) centred 10 points left of their cells' middles, at
// x = 20c - 3.3 pixels. Along the discs' middle row each disc is covered from
// x = 20c + 6.7 on by the next one, so the row changes colour there.
TEST_F(GeneratorPixelTest, CheckerDiscsSitTenPointsLeftOfTheirCells)
{
    const Colour a = rgb(200, 30, 90), b = rgb(10, 220, 90);
    const QImage &image = run("checker-discs", 160, 160, a, b);
    for (auto [x, c] : {std::pair{2, b}, {10, a}, {20, a}, {30, b}, {40, b}, {50, a}, {60, a}, {70, b}, {150, b}})
        EXPECT_EQ(testing::pixelAt(image, x, 10), c) << x;
}

// 180 points square: cells of 22.5 points, 30 pixels; the top-left cell and
// every cell whose column and row add up to an even number are foreground.
TEST_F(GeneratorPixelTest, CheckerboardCellsAlternateFromAForegroundCorner)
{
    const Colour a = rgb(200, 30, 90), b = rgb(10, 220, 90);
    for (auto [alias, odd] : {std::pair{"checker", b}, std::pair{"checker-fg", testing::kOldPicture}}) {
        const QImage &image = run(alias, 240, 240, a, b);
        for (int column = 0; column < 8; ++column)
            for (int row = 0; row < 8; ++row)
                for (const QPoint p : {QPoint(30 * column + 15, 30 * row + 15), QPoint(30 * column + 3, 30 * row + 3),
                                       QPoint(30 * column + 27, 30 * row + 27)})
                    ASSERT_EQ(testing::pixelAt(image, p.x(), p.y()), (column + row) % 2 ? odd : a)
                        << alias << " cell " << column << "," << row << " at " << p.x() << "," << p.y();
    }
}

struct WidthCase {
    int heightPixels;
    int inset;
    int expected;
};

class BandWidthTest : public ::testing::TestWithParam<WidthCase> {};

TEST_P(BandWidthTest, IsTheRoundedHeightLessTheInsetOverAHundred)
{
    Surface layer(10, GetParam().heightPixels);
    layer.setScaleMode(ScaleMode::Points);
    EXPECT_EQ(gradientBandWidth(layer, GetParam().inset), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Heights, BandWidthTest,
                         ::testing::Values(WidthCase{400, 5, 2}, // 300 points
                                           WidthCase{139, 5, 0}, // 104.25 points: below 104.5
                                           WidthCase{266, 0, 2}  // 199.5 points rounds to the even 200
                                           ));

} // namespace
} // namespace quill
