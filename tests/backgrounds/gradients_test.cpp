#include "backgrounds/colour_step.h"
#include "backgrounds/gradients.h"
#include "generator_cases.h"

#include <gtest/gtest.h>

namespace quill {
namespace {

using testing::GeneratorCase;

// Corners, the centre, and a run across the first bands (where bands, gaps
// and the old picture meet), worked out from the band formulas.
// clang-format off
const GeneratorCase kBandCases[] = {
    {"gradient-h", 401, 400, rgb(0, 0, 0), rgb(255, 255, 255), {{0, 0, rgb(255, 0, 255)}, {400, 0, rgb(255, 0, 255)}, {0, 399, rgb(255, 0, 255)}, {400, 399, rgb(255, 0, 255)}, {200, 200, rgb(255, 0, 255)}, {0, 200, rgb(255, 0, 255)}, {1, 200, rgb(0, 0, 0)}, {2, 200, rgb(0, 0, 0)}, {3, 200, rgb(0, 0, 0)}, {4, 200, rgb(255, 0, 255)}, {5, 200, rgb(1, 1, 1)}, {6, 200, rgb(1, 1, 1)}, {7, 200, rgb(1, 1, 1)}, {400, 200, rgb(255, 0, 255)}, {399, 200, rgb(99, 99, 99)}, {398, 200, rgb(99, 99, 99)}, {397, 200, rgb(99, 99, 99)}}},
    {"gradient-h", 97, 75, rgb(200, 30, 90), rgb(10, 220, 90), {{0, 0, rgb(200, 30, 90)}, {96, 0, rgb(67, 163, 90)}, {0, 74, rgb(200, 30, 90)}, {96, 74, rgb(67, 163, 90)}, {48, 37, rgb(111, 119, 90)}, {0, 37, rgb(200, 30, 90)}, {1, 37, rgb(197, 33, 90)}, {2, 37, rgb(197, 33, 90)}, {3, 37, rgb(194, 36, 90)}, {4, 37, rgb(191, 39, 90)}, {5, 37, rgb(188, 42, 90)}, {6, 37, rgb(188, 42, 90)}, {7, 37, rgb(185, 45, 90)}, {96, 37, rgb(67, 163, 90)}, {95, 37, rgb(67, 163, 90)}, {94, 37, rgb(68, 162, 90)}, {93, 37, rgb(68, 162, 90)}}},
    {"gradient-v", 401, 400, rgb(0, 0, 0), rgb(255, 255, 255), {{0, 0, rgb(255, 0, 255)}, {400, 0, rgb(255, 0, 255)}, {0, 399, rgb(74, 74, 74)}, {400, 399, rgb(74, 74, 74)}, {200, 200, rgb(37, 37, 37)}, {200, 0, rgb(255, 0, 255)}, {200, 1, rgb(0, 0, 0)}, {200, 2, rgb(0, 0, 0)}, {200, 3, rgb(0, 0, 0)}, {200, 4, rgb(0, 0, 0)}, {200, 5, rgb(255, 0, 255)}, {200, 6, rgb(255, 0, 255)}, {200, 7, rgb(1, 1, 1)}, {200, 399, rgb(74, 74, 74)}, {200, 398, rgb(74, 74, 74)}, {200, 397, rgb(74, 74, 74)}, {200, 396, rgb(74, 74, 74)}}},
    {"gradient-v", 97, 75, rgb(200, 30, 90), rgb(10, 220, 90), {{0, 0, rgb(200, 30, 90)}, {96, 0, rgb(200, 30, 90)}, {0, 74, rgb(83, 147, 90)}, {96, 74, rgb(83, 147, 90)}, {48, 37, rgb(127, 103, 90)}, {48, 0, rgb(200, 30, 90)}, {48, 1, rgb(197, 33, 90)}, {48, 2, rgb(197, 33, 90)}, {48, 3, rgb(194, 36, 90)}, {48, 4, rgb(191, 39, 90)}, {48, 5, rgb(188, 42, 90)}, {48, 6, rgb(188, 42, 90)}, {48, 7, rgb(185, 45, 90)}, {48, 74, rgb(83, 147, 90)}, {48, 73, rgb(83, 147, 90)}, {48, 72, rgb(84, 146, 90)}, {48, 71, rgb(85, 145, 90)}}},
    {"gradient-h2", 401, 400, rgb(0, 0, 0), rgb(255, 255, 255), {{0, 0, rgb(255, 0, 255)}, {400, 0, rgb(0, 0, 0)}, {0, 399, rgb(255, 0, 255)}, {400, 399, rgb(0, 0, 0)}, {200, 200, rgb(38, 38, 38)}, {0, 200, rgb(255, 0, 255)}, {1, 200, rgb(0, 0, 0)}, {2, 200, rgb(0, 0, 0)}, {3, 200, rgb(0, 0, 0)}, {4, 200, rgb(0, 0, 0)}, {5, 200, rgb(255, 0, 255)}, {6, 200, rgb(255, 0, 255)}, {7, 200, rgb(1, 1, 1)}, {400, 200, rgb(0, 0, 0)}, {399, 200, rgb(255, 0, 255)}, {398, 200, rgb(255, 0, 255)}, {397, 200, rgb(1, 1, 1)}}},
    {"gradient-h2", 97, 75, rgb(200, 30, 90), rgb(10, 220, 90), {{0, 0, rgb(200, 30, 90)}, {96, 0, rgb(200, 30, 90)}, {0, 74, rgb(200, 30, 90)}, {96, 74, rgb(200, 30, 90)}, {48, 37, rgb(111, 119, 90)}, {0, 37, rgb(200, 30, 90)}, {1, 37, rgb(197, 33, 90)}, {2, 37, rgb(197, 33, 90)}, {3, 37, rgb(194, 36, 90)}, {4, 37, rgb(191, 39, 90)}, {5, 37, rgb(188, 42, 90)}, {6, 37, rgb(188, 42, 90)}, {7, 37, rgb(185, 45, 90)}, {96, 37, rgb(200, 30, 90)}, {95, 37, rgb(200, 30, 90)}, {94, 37, rgb(197, 33, 90)}, {93, 37, rgb(194, 36, 90)}}},
    {"gradient-v2", 401, 400, rgb(0, 0, 0), rgb(255, 255, 255), {{0, 0, rgb(255, 0, 255)}, {400, 0, rgb(255, 0, 255)}, {0, 399, rgb(0, 0, 0)}, {400, 399, rgb(0, 0, 0)}, {200, 200, rgb(37, 37, 37)}, {200, 0, rgb(255, 0, 255)}, {200, 1, rgb(0, 0, 0)}, {200, 2, rgb(0, 0, 0)}, {200, 3, rgb(0, 0, 0)}, {200, 4, rgb(0, 0, 0)}, {200, 5, rgb(255, 0, 255)}, {200, 6, rgb(255, 0, 255)}, {200, 7, rgb(1, 1, 1)}, {200, 399, rgb(0, 0, 0)}, {200, 398, rgb(255, 0, 255)}, {200, 397, rgb(255, 0, 255)}, {200, 396, rgb(1, 1, 1)}}},
    {"gradient-v2", 97, 75, rgb(200, 30, 90), rgb(10, 220, 90), {{0, 0, rgb(200, 30, 90)}, {96, 0, rgb(200, 30, 90)}, {0, 74, rgb(200, 30, 90)}, {96, 74, rgb(200, 30, 90)}, {48, 37, rgb(127, 103, 90)}, {48, 0, rgb(200, 30, 90)}, {48, 1, rgb(197, 33, 90)}, {48, 2, rgb(197, 33, 90)}, {48, 3, rgb(194, 36, 90)}, {48, 4, rgb(191, 39, 90)}, {48, 5, rgb(188, 42, 90)}, {48, 6, rgb(188, 42, 90)}, {48, 7, rgb(89, 141, 90)}, {48, 74, rgb(200, 30, 90)}, {48, 73, rgb(200, 30, 90)}, {48, 72, rgb(197, 33, 90)}, {48, 71, rgb(194, 36, 90)}}},
};
// clang-format on

class BandGradientTest : public testing::CoreTest, public ::testing::WithParamInterface<GeneratorCase> {};

TEST_P(BandGradientTest, PaintsTheBandsOfTheFormulas) { testing::expectCase(session, GetParam()); }

INSTANTIATE_TEST_SUITE_P(Cases, BandGradientTest, ::testing::ValuesIn(kBandCases));

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
                                           WidthCase{140, 5, 1}, // 105 points
                                           WidthCase{134, 0, 1}, // 100.5 points rounds to the even 100
                                           WidthCase{266, 0, 2}, // 199.5 points rounds to the even 200
                                           WidthCase{1, 5, 0}));

struct SweepCase {
    const char *alias;
    int width, height;
    bool fromRight;
};

class SweepTest : public testing::CoreTest, public ::testing::WithParamInterface<SweepCase> {};

// Line k starts on the edge at p = (k - 1)(w + 1) + 1 points, in the colour
// after k - 1 steps; the strips between the lines keep the old picture.
TEST_P(SweepTest, LinesStartOnTheEdgeInTheSteppedColours)
{
    const SweepCase &c = GetParam();
    const Colour fore = rgb(200, 30, 90), back = rgb(10, 220, 90);
    testing::preparePicture(session, c.width, c.height);
    testing::click(session, c.alias, fore, back);
    const QImage &image = doc.picture().Image();
    const double W = c.width * 0.75, H = c.height * 0.75;
    const int w = static_cast<int>(std::nearbyint(H - 5)) / 100;
    ASSERT_GE(w, 2);
    auto start = [&](int p) { return static_cast<int>(std::nearbyint(c.fromRight ? (W - p) * 4 / 3 : p * 4.0 / 3)); };
    auto at = [&](int along) { return testing::pixelAt(image, c.fromRight ? along : 0, c.fromRight ? 0 : along); };
    GradientColour colour(fore, back);
    for (int k = 1; k <= 5; ++k) {
        EXPECT_EQ(at(start((k - 1) * (w + 1) + 1)), colour.current()) << "line " << k;
        colour.ColourStep(H);
    }
    // Between the first two lines along the edge the old picture shows through.
    const int a = std::min(start(1), start(w + 2)), b = std::max(start(1), start(w + 2));
    bool gap = false;
    for (int p = a + 1; p < b; ++p)
        gap = gap || at(p) == testing::kOldPicture;
    EXPECT_TRUE(gap);
    EXPECT_TRUE(testing::allLayersEqual(doc));
}

INSTANTIATE_TEST_SUITE_P(Sweeps, SweepTest,
                         ::testing::Values(SweepCase{"gradient-tl", 401, 400, false},
                                           SweepCase{"gradient-tr", 333, 700, true}));

} // namespace
} // namespace quill
