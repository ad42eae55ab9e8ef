// The repetition score, the patch mask and Even out lighting on noise tiles
// with and without a soft bright blob, and the low-pass they share.
#include "support/fixtures.h"
#include "support/photo_tiles.h"
#include "toolbox/broad_light.h"
#include "toolbox/seam_tools.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quill {
namespace {

double meanLuma(const QImage &image)
{
    double sum = 0;
    for (float v : lumaOf(image))
        sum += v;
    return sum / (image.width() * image.height());
}

class BroadLightTest : public ::testing::TestWithParam<QSize> {};

TEST_P(BroadLightTest, IsAGaussianOfAnEighthOfTheLongerSideThatWrapsAround)
{
    const QSize size = GetParam();
    const int w = size.width(), h = size.height();
    std::vector<float> impulse(static_cast<std::size_t>(w * h), 0.0f);
    impulse[0] = 1e6f;
    const std::vector<float> light = broadLight(impulse, size, Lattice::Grid);
    double total = 0, varianceX = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const double v = light[static_cast<std::size_t>(y * w + x)];
            const int dx = x < w / 2 ? x : x - w;
            total += v;
            varianceX += v * dx * dx;
        }
    EXPECT_NEAR(total, 1e6, 1e4);
    EXPECT_NEAR(std::sqrt(varianceX / total), w / 8.0, w / 8.0 * 0.03);
    // What spreads left of column 0 lands at the right edge, as far as to the right.
    const auto at = [&](int x, int y) { return light[static_cast<std::size_t>(y * w + x)]; };
    EXPECT_NEAR(at(w - 9, 0), at(8, 0), at(8, 0) * 0.05);
    EXPECT_NEAR(at(0, h - 9), at(0, 8), at(0, 8) * 0.05);
}

// Exact boxes, and block means with the field read back (four-pixel blocks).
INSTANTIATE_TEST_SUITE_P(Sizes, BroadLightTest, ::testing::Values(QSize(256, 96), QSize(1100, 700)));

class EvenLightingTest : public ::testing::TestWithParam<QSize> {};

TEST_P(EvenLightingTest, ABlobTileGoesFromPatchyToEvenStaysSeamlessAndKeepsItsBrightness)
{
    const QSize size = GetParam();
    const QImage even = testing::blobTile(size, {0, 0}, 0);
    EXPECT_LT(repetitionScore(even, Lattice::Grid), 0.05);
    EXPECT_TRUE(patchMask(even, Lattice::Grid).empty());

    const QPoint centre(size.width() / 3, size.height() / 2);
    const QImage blob = testing::blobTile(size, centre, 90);
    const double before = repetitionScore(blob, Lattice::Grid);
    EXPECT_GT(before, 0.3);
    const std::vector<bool> mask = patchMask(blob, Lattice::Grid);
    ASSERT_EQ(mask.size(), static_cast<std::size_t>(size.width() * size.height()));
    EXPECT_TRUE(mask[static_cast<std::size_t>(centre.y() * size.width() + centre.x())]);
    const QPoint opposite =
        wrapPoint(Lattice::Grid, size, QPoint(centre.x() + size.width() / 2, centre.y() + size.height() / 2));
    EXPECT_FALSE(mask[static_cast<std::size_t>(opposite.y() * size.width() + opposite.x())]);

    QImage evened = blob;
    evenOutLighting(evened, Lattice::Grid);
    const double after = repetitionScore(evened, Lattice::Grid);
    RecordProperty("R_before", std::to_string(before));
    RecordProperty("R_after", std::to_string(after));
    EXPECT_LT(after, 0.05);
    EXPECT_LE(seamScore(evened, Lattice::Grid).s, 1.25);
    EXPECT_NEAR(meanLuma(evened), meanLuma(blob), 2.0);
    // The fine texture stays: the noise is still there, pixel to pixel.
    EXPECT_GT(std::abs(qRed(evened.pixel(10, 10)) - qRed(evened.pixel(11, 10))) +
                  std::abs(qRed(evened.pixel(20, 10)) - qRed(evened.pixel(21, 10))),
              0);
}

// The last one goes through block means.
INSTANTIATE_TEST_SUITE_P(Sizes, EvenLightingTest, ::testing::Values(QSize(256, 256), QSize(203, 171), QSize(700, 560)));

TEST(RepeatLabel, NamesTheBandsAtTheirEdges)
{
    EXPECT_EQ(repeatLabel(0.03), QStringLiteral("Repeat 0.03 even"));
    EXPECT_EQ(repeatLabel(0.149), QStringLiteral("Repeat 0.15 even"));
    EXPECT_EQ(repeatLabel(0.15), QStringLiteral("Repeat 0.15 uneven"));
    EXPECT_EQ(repeatLabel(0.3), QStringLiteral("Repeat 0.30 patchy"));
}

TEST(EvenLighting, EmptyAndOnePixelPicturesSurvive)
{
    QImage empty;
    evenOutLighting(empty, Lattice::Grid);
    EXPECT_TRUE(empty.isNull());
    EXPECT_EQ(repetitionScore(empty, Lattice::Grid), 0.0);
    QImage one = testing::solidImage(1, 1, rgb(10, 20, 30));
    evenOutLighting(one, Lattice::Grid);
    EXPECT_EQ(one.pixel(0, 0), qRgb(10, 20, 30));
}

} // namespace
} // namespace quill
