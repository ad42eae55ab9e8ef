#include "backgrounds/stripes.h"
#include "generator_cases.h"

#include <gtest/gtest.h>

namespace quill {
namespace {

using testing::GeneratorCase;

// Corners, the centre, the left column and the bottom row, worked out by
// drawing the table's lines one by one.
// clang-format off
const GeneratorCase kStripeCases[] = {
    {"stripes-h", 10, 10, rgb(0, 0, 0), rgb(255, 255, 255), {{0, 0, rgb(0, 0, 0)}, {9, 0, rgb(0, 0, 0)}, {0, 9, rgb(0, 0, 0)}, {9, 9, rgb(0, 0, 0)}, {5, 5, rgb(0, 0, 0)}, {0, 1, rgb(0, 0, 0)}, {0, 2, rgb(255, 255, 255)}, {0, 3, rgb(255, 255, 255)}, {0, 4, rgb(0, 0, 0)}, {0, 5, rgb(0, 0, 0)}, {0, 6, rgb(255, 255, 255)}, {0, 7, rgb(255, 255, 255)}, {1, 9, rgb(0, 0, 0)}, {2, 9, rgb(0, 0, 0)}, {3, 9, rgb(0, 0, 0)}, {4, 9, rgb(0, 0, 0)}, {5, 9, rgb(0, 0, 0)}}},
    {"stripes-h", 9, 40, rgb(0, 0, 0), rgb(255, 255, 255), {{0, 0, rgb(0, 0, 0)}, {8, 0, rgb(0, 0, 0)}, {0, 39, rgb(255, 255, 255)}, {8, 39, rgb(255, 255, 255)}, {4, 20, rgb(0, 0, 0)}, {0, 1, rgb(0, 0, 0)}, {0, 2, rgb(255, 255, 255)}, {0, 3, rgb(255, 255, 255)}, {0, 4, rgb(0, 0, 0)}, {0, 5, rgb(0, 0, 0)}, {0, 6, rgb(255, 255, 255)}, {0, 7, rgb(255, 255, 255)}, {1, 39, rgb(255, 255, 255)}, {2, 39, rgb(255, 255, 255)}, {3, 39, rgb(255, 255, 255)}, {4, 39, rgb(255, 255, 255)}, {5, 39, rgb(255, 255, 255)}}},
    {"stripes-v", 10, 10, rgb(0, 0, 0), rgb(255, 255, 255), {{0, 0, rgb(0, 0, 0)}, {9, 0, rgb(0, 0, 0)}, {0, 9, rgb(0, 0, 0)}, {9, 9, rgb(0, 0, 0)}, {5, 5, rgb(0, 0, 0)}, {0, 1, rgb(0, 0, 0)}, {0, 2, rgb(0, 0, 0)}, {0, 3, rgb(0, 0, 0)}, {0, 4, rgb(0, 0, 0)}, {0, 5, rgb(0, 0, 0)}, {0, 6, rgb(0, 0, 0)}, {0, 7, rgb(0, 0, 0)}, {1, 9, rgb(0, 0, 0)}, {2, 9, rgb(255, 255, 255)}, {3, 9, rgb(255, 255, 255)}, {4, 9, rgb(0, 0, 0)}, {5, 9, rgb(0, 0, 0)}}},
    {"stripes-v", 9, 40, rgb(0, 0, 0), rgb(255, 255, 255), {{0, 0, rgb(0, 0, 0)}, {8, 0, rgb(0, 0, 0)}, {0, 39, rgb(0, 0, 0)}, {8, 39, rgb(0, 0, 0)}, {4, 20, rgb(0, 0, 0)}, {0, 1, rgb(0, 0, 0)}, {0, 2, rgb(0, 0, 0)}, {0, 3, rgb(0, 0, 0)}, {0, 4, rgb(0, 0, 0)}, {0, 5, rgb(0, 0, 0)}, {0, 6, rgb(0, 0, 0)}, {0, 7, rgb(0, 0, 0)}, {1, 39, rgb(0, 0, 0)}, {2, 39, rgb(255, 255, 255)}, {3, 39, rgb(255, 255, 255)}, {4, 39, rgb(0, 0, 0)}, {5, 39, rgb(0, 0, 0)}}},
    {"lines-h", 10, 10, rgb(0, 0, 0), rgb(255, 255, 255), {{0, 0, rgb(0, 0, 0)}, {9, 0, rgb(0, 0, 0)}, {0, 9, rgb(0, 0, 0)}, {9, 9, rgb(0, 0, 0)}, {5, 5, rgb(0, 0, 0)}, {0, 1, rgb(0, 0, 0)}, {0, 2, rgb(255, 0, 255)}, {0, 3, rgb(255, 0, 255)}, {0, 4, rgb(0, 0, 0)}, {0, 5, rgb(0, 0, 0)}, {0, 6, rgb(255, 0, 255)}, {0, 7, rgb(255, 0, 255)}, {1, 9, rgb(0, 0, 0)}, {2, 9, rgb(0, 0, 0)}, {3, 9, rgb(0, 0, 0)}, {4, 9, rgb(0, 0, 0)}, {5, 9, rgb(0, 0, 0)}}},
    {"lines-h", 9, 40, rgb(0, 0, 0), rgb(255, 255, 255), {{0, 0, rgb(0, 0, 0)}, {8, 0, rgb(0, 0, 0)}, {0, 39, rgb(255, 0, 255)}, {8, 39, rgb(255, 0, 255)}, {4, 20, rgb(0, 0, 0)}, {0, 1, rgb(0, 0, 0)}, {0, 2, rgb(255, 0, 255)}, {0, 3, rgb(255, 0, 255)}, {0, 4, rgb(0, 0, 0)}, {0, 5, rgb(0, 0, 0)}, {0, 6, rgb(255, 0, 255)}, {0, 7, rgb(255, 0, 255)}, {1, 39, rgb(255, 0, 255)}, {2, 39, rgb(255, 0, 255)}, {3, 39, rgb(255, 0, 255)}, {4, 39, rgb(255, 0, 255)}, {5, 39, rgb(255, 0, 255)}}},
    {"lines-v", 10, 10, rgb(0, 0, 0), rgb(255, 255, 255), {{0, 0, rgb(0, 0, 0)}, {9, 0, rgb(0, 0, 0)}, {0, 9, rgb(0, 0, 0)}, {9, 9, rgb(0, 0, 0)}, {5, 5, rgb(0, 0, 0)}, {0, 1, rgb(0, 0, 0)}, {0, 2, rgb(0, 0, 0)}, {0, 3, rgb(0, 0, 0)}, {0, 4, rgb(0, 0, 0)}, {0, 5, rgb(0, 0, 0)}, {0, 6, rgb(0, 0, 0)}, {0, 7, rgb(0, 0, 0)}, {1, 9, rgb(0, 0, 0)}, {2, 9, rgb(255, 0, 255)}, {3, 9, rgb(255, 0, 255)}, {4, 9, rgb(0, 0, 0)}, {5, 9, rgb(0, 0, 0)}}},
    {"lines-v", 9, 40, rgb(0, 0, 0), rgb(255, 255, 255), {{0, 0, rgb(0, 0, 0)}, {8, 0, rgb(0, 0, 0)}, {0, 39, rgb(0, 0, 0)}, {8, 39, rgb(0, 0, 0)}, {4, 20, rgb(0, 0, 0)}, {0, 1, rgb(0, 0, 0)}, {0, 2, rgb(0, 0, 0)}, {0, 3, rgb(0, 0, 0)}, {0, 4, rgb(0, 0, 0)}, {0, 5, rgb(0, 0, 0)}, {0, 6, rgb(0, 0, 0)}, {0, 7, rgb(0, 0, 0)}, {1, 39, rgb(0, 0, 0)}, {2, 39, rgb(255, 0, 255)}, {3, 39, rgb(255, 0, 255)}, {4, 39, rgb(0, 0, 0)}, {5, 39, rgb(0, 0, 0)}}},
    {"stripes-rise", 10, 10, rgb(0, 0, 0), rgb(255, 255, 255), {{0, 0, rgb(0, 0, 0)}, {9, 0, rgb(0, 0, 0)}, {0, 9, rgb(0, 0, 0)}, {9, 9, rgb(255, 255, 255)}, {5, 5, rgb(255, 255, 255)}, {0, 1, rgb(0, 0, 0)}, {0, 2, rgb(255, 255, 255)}, {0, 3, rgb(255, 255, 255)}, {0, 4, rgb(0, 0, 0)}, {0, 5, rgb(0, 0, 0)}, {0, 6, rgb(255, 255, 255)}, {0, 7, rgb(255, 255, 255)}, {1, 9, rgb(255, 255, 255)}, {2, 9, rgb(255, 255, 255)}, {3, 9, rgb(0, 0, 0)}, {4, 9, rgb(0, 0, 0)}, {5, 9, rgb(255, 255, 255)}}},
    {"stripes-rise", 9, 40, rgb(0, 0, 0), rgb(255, 255, 255), {{0, 0, rgb(255, 0, 255)}, {8, 0, rgb(255, 0, 255)}, {0, 39, rgb(255, 255, 255)}, {8, 39, rgb(255, 255, 255)}, {4, 20, rgb(255, 255, 255)}, {0, 1, rgb(255, 0, 255)}, {0, 2, rgb(255, 0, 255)}, {0, 3, rgb(255, 0, 255)}, {0, 4, rgb(255, 0, 255)}, {0, 5, rgb(255, 0, 255)}, {0, 6, rgb(255, 0, 255)}, {0, 7, rgb(255, 0, 255)}, {1, 39, rgb(255, 255, 255)}, {2, 39, rgb(0, 0, 0)}, {3, 39, rgb(0, 0, 0)}, {4, 39, rgb(255, 255, 255)}, {5, 39, rgb(255, 255, 255)}}},
    {"lines-rise", 10, 10, rgb(0, 0, 0), rgb(255, 255, 255), {{0, 0, rgb(0, 0, 0)}, {9, 0, rgb(0, 0, 0)}, {0, 9, rgb(0, 0, 0)}, {9, 9, rgb(255, 0, 255)}, {5, 5, rgb(255, 0, 255)}, {0, 1, rgb(0, 0, 0)}, {0, 2, rgb(255, 0, 255)}, {0, 3, rgb(255, 0, 255)}, {0, 4, rgb(0, 0, 0)}, {0, 5, rgb(0, 0, 0)}, {0, 6, rgb(255, 0, 255)}, {0, 7, rgb(255, 0, 255)}, {1, 9, rgb(255, 0, 255)}, {2, 9, rgb(255, 0, 255)}, {3, 9, rgb(0, 0, 0)}, {4, 9, rgb(0, 0, 0)}, {5, 9, rgb(255, 0, 255)}}},
    {"lines-rise", 9, 40, rgb(0, 0, 0), rgb(255, 255, 255), {{0, 0, rgb(255, 0, 255)}, {8, 0, rgb(255, 0, 255)}, {0, 39, rgb(255, 0, 255)}, {8, 39, rgb(255, 0, 255)}, {4, 20, rgb(255, 0, 255)}, {0, 1, rgb(255, 0, 255)}, {0, 2, rgb(255, 0, 255)}, {0, 3, rgb(255, 0, 255)}, {0, 4, rgb(255, 0, 255)}, {0, 5, rgb(255, 0, 255)}, {0, 6, rgb(255, 0, 255)}, {0, 7, rgb(255, 0, 255)}, {1, 39, rgb(255, 0, 255)}, {2, 39, rgb(0, 0, 0)}, {3, 39, rgb(0, 0, 0)}, {4, 39, rgb(255, 0, 255)}, {5, 39, rgb(255, 0, 255)}}},
    {"stripes-fall", 10, 10, rgb(0, 0, 0), rgb(255, 255, 255), {{0, 0, rgb(255, 255, 255)}, {9, 0, rgb(0, 0, 0)}, {0, 9, rgb(255, 255, 255)}, {9, 9, rgb(255, 255, 255)}, {5, 5, rgb(255, 255, 255)}, {0, 1, rgb(255, 255, 255)}, {0, 2, rgb(0, 0, 0)}, {0, 3, rgb(0, 0, 0)}, {0, 4, rgb(255, 255, 255)}, {0, 5, rgb(255, 255, 255)}, {0, 6, rgb(0, 0, 0)}, {0, 7, rgb(0, 0, 0)}, {1, 9, rgb(255, 255, 255)}, {2, 9, rgb(0, 0, 0)}, {3, 9, rgb(0, 0, 0)}, {4, 9, rgb(255, 255, 255)}, {5, 9, rgb(255, 255, 255)}}},
    {"stripes-fall", 9, 40, rgb(0, 0, 0), rgb(255, 255, 255), {{0, 0, rgb(0, 0, 0)}, {8, 0, rgb(0, 0, 0)}, {0, 39, rgb(255, 0, 255)}, {8, 39, rgb(255, 0, 255)}, {4, 20, rgb(0, 0, 0)}, {0, 1, rgb(255, 255, 255)}, {0, 2, rgb(255, 255, 255)}, {0, 3, rgb(0, 0, 0)}, {0, 4, rgb(0, 0, 0)}, {0, 5, rgb(255, 255, 255)}, {0, 6, rgb(255, 255, 255)}, {0, 7, rgb(0, 0, 0)}, {1, 39, rgb(255, 0, 255)}, {2, 39, rgb(255, 0, 255)}, {3, 39, rgb(255, 0, 255)}, {4, 39, rgb(255, 0, 255)}, {5, 39, rgb(255, 0, 255)}}},
    {"lines-fall", 10, 10, rgb(0, 0, 0), rgb(255, 255, 255), {{0, 0, rgb(255, 0, 255)}, {9, 0, rgb(0, 0, 0)}, {0, 9, rgb(255, 0, 255)}, {9, 9, rgb(255, 0, 255)}, {5, 5, rgb(255, 0, 255)}, {0, 1, rgb(255, 0, 255)}, {0, 2, rgb(0, 0, 0)}, {0, 3, rgb(0, 0, 0)}, {0, 4, rgb(255, 0, 255)}, {0, 5, rgb(255, 0, 255)}, {0, 6, rgb(0, 0, 0)}, {0, 7, rgb(0, 0, 0)}, {1, 9, rgb(255, 0, 255)}, {2, 9, rgb(0, 0, 0)}, {3, 9, rgb(0, 0, 0)}, {4, 9, rgb(255, 0, 255)}, {5, 9, rgb(255, 0, 255)}}},
    {"lines-fall", 9, 40, rgb(0, 0, 0), rgb(255, 255, 255), {{0, 0, rgb(0, 0, 0)}, {8, 0, rgb(0, 0, 0)}, {0, 39, rgb(255, 0, 255)}, {8, 39, rgb(255, 0, 255)}, {4, 20, rgb(0, 0, 0)}, {0, 1, rgb(255, 0, 255)}, {0, 2, rgb(255, 0, 255)}, {0, 3, rgb(0, 0, 0)}, {0, 4, rgb(0, 0, 0)}, {0, 5, rgb(255, 0, 255)}, {0, 6, rgb(255, 0, 255)}, {0, 7, rgb(0, 0, 0)}, {1, 39, rgb(255, 0, 255)}, {2, 39, rgb(255, 0, 255)}, {3, 39, rgb(255, 0, 255)}, {4, 39, rgb(255, 0, 255)}, {5, 39, rgb(255, 0, 255)}}},
    {"stitching", 10, 10, rgb(0, 0, 0), rgb(255, 255, 255), {{0, 0, rgb(0, 0, 0)}, {9, 0, rgb(255, 0, 255)}, {0, 9, rgb(255, 255, 255)}, {9, 9, rgb(255, 0, 255)}, {5, 5, rgb(255, 0, 255)}, {0, 1, rgb(0, 0, 0)}, {0, 2, rgb(0, 0, 0)}, {0, 3, rgb(0, 0, 0)}, {0, 4, rgb(255, 255, 255)}, {0, 5, rgb(255, 255, 255)}, {0, 6, rgb(0, 0, 0)}, {0, 7, rgb(0, 0, 0)}, {1, 9, rgb(255, 255, 255)}, {2, 9, rgb(0, 0, 0)}, {3, 9, rgb(255, 255, 255)}, {4, 9, rgb(255, 255, 255)}, {5, 9, rgb(255, 255, 255)}}},
    {"stitching", 9, 40, rgb(0, 0, 0), rgb(255, 255, 255), {{0, 0, rgb(0, 0, 0)}, {8, 0, rgb(255, 0, 255)}, {0, 39, rgb(0, 0, 0)}, {8, 39, rgb(255, 255, 255)}, {4, 20, rgb(255, 0, 255)}, {0, 1, rgb(0, 0, 0)}, {0, 2, rgb(0, 0, 0)}, {0, 3, rgb(255, 255, 255)}, {0, 4, rgb(255, 255, 255)}, {0, 5, rgb(255, 255, 255)}, {0, 6, rgb(255, 255, 255)}, {0, 7, rgb(255, 255, 255)}, {1, 39, rgb(0, 0, 0)}, {2, 39, rgb(0, 0, 0)}, {3, 39, rgb(255, 255, 255)}, {4, 39, rgb(255, 255, 255)}, {5, 39, rgb(0, 0, 0)}}},
};
// clang-format on

class StripeTest : public testing::CoreTest, public ::testing::WithParamInterface<GeneratorCase> {};

TEST_P(StripeTest, PaintsTheLinesOfTheFormulas) { testing::expectCase(session, GetParam()); }

INSTANTIATE_TEST_SUITE_P(Cases, StripeTest, ::testing::ValuesIn(kStripeCases));

struct IdentityCase {
    Stripes form;
    QSize size;
};

class StraightStripesIdentityTest : public ::testing::TestWithParam<IdentityCase> {};

// The straight and diagonal stripes are painted row by row; they must give
// exactly what drawing every line of every group with the Surface gives.
TEST_P(StraightStripesIdentityTest, MatchesDrawingEveryLine)
{
    const auto [form, size] = GetParam();
    const Colour a = rgb(1, 2, 3), b = rgb(250, 251, 252);
    Surface fast(size.width(), size.height());
    fast.raster().fill(toQRgb(testing::kOldPicture));
    Surface slow = fast;
    paintStripes(fast, a, b, form);

    slow.setScaleMode(ScaleMode::Pixels);
    const double W = slow.ScaleWidth(), H = slow.ScaleHeight();
    const bool two = form == Stripes::AcrossForeground || form == Stripes::DownForeground ||
                     form == Stripes::RisingForeground || form == Stripes::FallingForeground;
    const bool across = form == Stripes::Across || form == Stripes::AcrossForeground;
    const bool down = form == Stripes::Down || form == Stripes::DownForeground;
    const bool rising = form == Stripes::Rising || form == Stripes::RisingForeground;
    const double bound = across ? H / 4 : (down ? W / 4 : W);
    for (double v = 0; v <= bound; v += 1) {
        for (int k = 0; k < (two ? 2 : 4); ++k) {
            const Colour c = k < 2 ? a : b;
            if (across)
                slow.Line(0, 4 * v + k, W, 4 * v + k, c);
            else if (down)
                slow.Line(4 * v + k, 0, 4 * v + k, H, c);
            else if (rising)
                slow.Line(W, H - 4 * v + k, W - 4 * v + k, H, c);
            else
                slow.Line(W - 4 * v - k, 0, W, 4 * v + k, c);
        }
    }
    EXPECT_TRUE(fast.Image() == slow.Image());
}

std::vector<IdentityCase> identityCases()
{
    std::vector<IdentityCase> cases;
    for (Stripes form : {Stripes::Across, Stripes::Down, Stripes::AcrossForeground, Stripes::DownForeground,
                         Stripes::Rising, Stripes::RisingForeground, Stripes::Falling, Stripes::FallingForeground})
        for (QSize size : {QSize(1, 1), QSize(37, 23), QSize(9, 41)})
            cases.push_back({form, size});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(FormsAndSizes, StraightStripesIdentityTest, ::testing::ValuesIn(identityCases()));

class StripeFixture : public testing::CoreTest {};

TEST_F(StripeFixture, DiagonalsLeaveTheFarCornerOfAVeryTallPicture)
{
    // The diagonal groups stop at v = W, which covers the picture only while H <= 3 W.
    testing::preparePicture(session, 5, 40);
    testing::click(session, "stripes-fall", kBlack, kWhite);
    const QImage &image = doc.picture().Image();
    EXPECT_EQ(testing::pixelAt(image, 0, 39), testing::kOldPicture);
    EXPECT_NE(testing::pixelAt(image, 4, 0), testing::kOldPicture);
    EXPECT_EQ(doc.picture().scaleMode(), ScaleMode::Pixels);
}

} // namespace
} // namespace quill
