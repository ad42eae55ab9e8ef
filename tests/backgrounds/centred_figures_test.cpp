#include "backgrounds/centred_figures.h"
#include "backgrounds/colour_step.h"
#include "generator_cases.h"

#include <gtest/gtest.h>

#include <set>

namespace quill {
namespace {

using testing::GeneratorCase;

// clang-format off
const GeneratorCase kFigureCases[] = {
    {"circles", 60, 60, rgb(0, 0, 0), rgb(255, 255, 255), {{0, 0, rgb(128, 128, 128)}, {59, 59, rgb(125, 125, 125)}, {59, 0, rgb(128, 128, 128)}, {30, 30, rgb(0, 0, 0)}, {31, 30, rgb(0, 0, 0)}, {32, 30, rgb(6, 6, 6)}, {33, 30, rgb(12, 12, 12)}, {34, 30, rgb(17, 17, 17)}, {35, 30, rgb(17, 17, 17)}, {36, 30, rgb(22, 22, 22)}, {37, 30, rgb(27, 27, 27)}, {38, 30, rgb(32, 32, 32)}, {39, 30, rgb(32, 32, 32)}, {30, 27, rgb(12, 12, 12)}, {30, 23, rgb(27, 27, 27)}, {30, 19, rgb(42, 42, 42)}}},
    {"circles", 47, 31, rgb(200, 30, 90), rgb(10, 220, 90), {{0, 0, rgb(85, 145, 90)}, {46, 30, rgb(92, 138, 90)}, {46, 0, rgb(88, 142, 90)}, {24, 16, rgb(200, 30, 90)}, {25, 16, rgb(200, 30, 90)}, {26, 16, rgb(192, 38, 90)}, {27, 16, rgb(184, 46, 90)}, {28, 16, rgb(177, 53, 90)}, {29, 16, rgb(177, 53, 90)}, {30, 16, rgb(170, 60, 90)}, {31, 16, rgb(163, 67, 90)}, {32, 16, rgb(156, 74, 90)}, {33, 16, rgb(156, 74, 90)}, {24, 13, rgb(184, 46, 90)}, {24, 9, rgb(163, 67, 90)}, {24, 5, rgb(144, 86, 90)}}},
    {"squares", 60, 60, rgb(0, 0, 0), rgb(255, 255, 255), {{0, 0, rgb(101, 101, 101)}, {59, 59, rgb(97, 97, 97)}, {59, 0, rgb(101, 101, 101)}, {30, 30, rgb(0, 0, 0)}, {31, 30, rgb(0, 0, 0)}, {32, 30, rgb(6, 6, 6)}, {33, 30, rgb(12, 12, 12)}, {34, 30, rgb(17, 17, 17)}, {35, 30, rgb(17, 17, 17)}, {36, 30, rgb(22, 22, 22)}, {37, 30, rgb(27, 27, 27)}, {38, 30, rgb(32, 32, 32)}, {39, 30, rgb(32, 32, 32)}, {27, 27, rgb(12, 12, 12)}, {23, 23, rgb(27, 27, 27)}, {19, 19, rgb(42, 42, 42)}}},
    {"squares", 47, 31, rgb(200, 30, 90), rgb(10, 220, 90), {{0, 0, rgb(100, 130, 90)}, {46, 30, rgb(104, 126, 90)}, {46, 0, rgb(104, 126, 90)}, {23, 15, rgb(200, 30, 90)}, {24, 15, rgb(200, 30, 90)}, {25, 15, rgb(192, 38, 90)}, {26, 15, rgb(192, 38, 90)}, {27, 15, rgb(184, 46, 90)}, {28, 15, rgb(177, 53, 90)}, {29, 15, rgb(170, 60, 90)}, {30, 15, rgb(170, 60, 90)}, {31, 15, rgb(163, 67, 90)}, {32, 15, rgb(156, 74, 90)}, {20, 12, rgb(184, 46, 90)}, {16, 8, rgb(163, 67, 90)}, {12, 4, rgb(144, 86, 90)}}},
    {"rays-thin", 400, 400, rgb(0, 0, 0), rgb(255, 255, 255), {{399, 0, rgb(255, 0, 255)}, {399, 1, rgb(255, 0, 255)}, {399, 2, rgb(0, 0, 0)}, {399, 3, rgb(255, 0, 255)}, {399, 4, rgb(255, 0, 255)}, {399, 5, rgb(255, 0, 255)}, {399, 6, rgb(255, 0, 255)}, {399, 7, rgb(255, 0, 255)}, {399, 8, rgb(4, 4, 4)}, {399, 9, rgb(255, 0, 255)}, {399, 10, rgb(255, 0, 255)}, {399, 11, rgb(255, 0, 255)}, {399, 12, rgb(255, 0, 255)}, {399, 13, rgb(8, 8, 8)}, {399, 14, rgb(255, 0, 255)}, {399, 15, rgb(255, 0, 255)}, {0, 0, rgb(255, 0, 255)}, {0, 3, rgb(255, 0, 255)}, {0, 6, rgb(255, 0, 255)}, {0, 9, rgb(255, 0, 255)}, {0, 12, rgb(255, 0, 255)}, {0, 15, rgb(255, 0, 255)}, {200, 200, rgb(48, 48, 48)}}},
    {"rays-thin", 301, 200, rgb(200, 30, 90), rgb(10, 220, 90), {{300, 0, rgb(255, 0, 255)}, {300, 1, rgb(255, 0, 255)}, {300, 2, rgb(200, 30, 90)}, {300, 3, rgb(255, 0, 255)}, {300, 4, rgb(255, 0, 255)}, {300, 5, rgb(255, 0, 255)}, {300, 6, rgb(255, 0, 255)}, {300, 7, rgb(255, 0, 255)}, {300, 8, rgb(196, 34, 90)}, {300, 9, rgb(255, 0, 255)}, {300, 10, rgb(255, 0, 255)}, {300, 11, rgb(255, 0, 255)}, {300, 12, rgb(255, 0, 255)}, {300, 13, rgb(192, 38, 90)}, {300, 14, rgb(255, 0, 255)}, {300, 15, rgb(255, 0, 255)}, {0, 0, rgb(255, 0, 255)}, {0, 3, rgb(255, 0, 255)}, {0, 6, rgb(255, 0, 255)}, {0, 9, rgb(255, 0, 255)}, {0, 12, rgb(255, 0, 255)}, {0, 15, rgb(255, 0, 255)}, {150, 100, rgb(152, 78, 90)}}},
};
// clang-format on

class FigureTest : public testing::CoreTest, public ::testing::WithParamInterface<GeneratorCase> {};

TEST_P(FigureTest, PaintsTheFiguresOfTheFormulas) { testing::expectCase(session, GetParam()); }

INSTANTIATE_TEST_SUITE_P(Cases, FigureTest, ::testing::ValuesIn(kFigureCases));

// The circles are painted pixel by pixel; they must give exactly what drawing
// every circle of the loop with the Surface's Circle gives.
class ConcentricCirclesIdentityTest : public ::testing::TestWithParam<QSize> {};

TEST_P(ConcentricCirclesIdentityTest, MatchesDrawingEveryCircle)
{
    const QSize size = GetParam();
    const Colour fore = rgb(250, 10, 40), back = rgb(5, 200, 255);
    Surface fast(size.width(), size.height());
    fast.raster().fill(toQRgb(testing::kOldPicture));
    Surface slow = fast;
    paintFigures(fast, fore, back, Figure::Circles);

    slow.setScaleMode(ScaleMode::Points);
    GradientColour colour(fore, back);
    for (int i = 1; i <= slow.Width(); ++i) {
        slow.setDrawWidth(3);
        slow.FillStyle = 1;
        slow.Circle(slow.ScaleWidth() / 2, slow.ScaleHeight() / 2, i, colour.current());
        colour.ColourStep(slow.ScaleHeight());
    }
    EXPECT_TRUE(fast.Image() == slow.Image());
    EXPECT_EQ(fast.DrawWidth(), 3);
    EXPECT_EQ(fast.FillStyle, 1);
}

INSTANTIATE_TEST_SUITE_P(Sizes, ConcentricCirclesIdentityTest,
                         ::testing::Values(QSize(1, 1), QSize(37, 23), QSize(61, 8), QSize(5, 90)));

struct CentreCase {
    const char *alias;
    int steps;           // ColourSteps before the figure that ends on the centre pixel
    bool alsoOddPicture; // on 91 x 91 the rounding lets the second diamond reach the centre
};

class FigureCentreTest : public testing::CoreTest, public ::testing::WithParamInterface<CentreCase> {};

// Rays all start at the centre, so the centre pixel shows the last iteration;
// squares and diamonds only cover it with their first figure.
TEST_P(FigureCentreTest, CentrePixelShowsTheFigureThatCoversItLast)
{
    const Colour fore = rgb(0, 128, 255), back = rgb(255, 128, 0);
    for (const QSize size : {QSize(120, 90), QSize(91, 91)}) {
        if (size.width() == 91 && !GetParam().alsoOddPicture)
            continue;
        testing::preparePicture(session, size.width(), size.height());
        testing::click(session, GetParam().alias, fore, back);
        GradientColour colour(fore, back);
        for (int i = 0; i < GetParam().steps; ++i)
            colour.ColourStep(size.height() * 0.75);
        const Surface &layer = doc.picture();
        EXPECT_EQ(layer.Point(layer.ScaleWidth() / 2, layer.ScaleHeight() / 2), colour.current())
            << size.width() << " x " << size.height();
        EXPECT_TRUE(testing::allLayersEqual(doc));
    }
}

INSTANTIATE_TEST_SUITE_P(Figures, FigureCentreTest,
                         ::testing::Values(CentreCase{"squares", 0, true}, CentreCase{"diamonds", 0, false},
                                           CentreCase{"rays-12", 49, true}, CentreCase{"rays-8", 49, true},
                                           CentreCase{"diamond-rays", 99, true}, CentreCase{"rays-thin", 48, true}));

class FigureFixture : public testing::CoreTest {};

TEST_F(FigureFixture, ThinRaysAreDrawnEveryFourthStep)
{
    // 300 points high, black to white: fans at i = 1, 5, 9, ... 49 in grey 0, 4, 8, ... 48.
    testing::preparePicture(session, 400, 400);
    testing::click(session, "rays-thin", kBlack, kWhite);
    std::set<Colour> seen;
    const QImage &image = doc.picture().Image();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            seen.insert(testing::pixelAt(image, x, y));
    std::set<Colour> expected{testing::kOldPicture};
    for (int grey = 0; grey <= 48; grey += 4)
        expected.insert(rgb(grey, grey, grey));
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(doc.picture().DrawWidth(), 1);
}

} // namespace
} // namespace quill
