// The whole-picture filters that run on several cores, and the one-pass mosaic
// and shrink, against the plain rules they must match pixel for pixel.
#include "document/pixel_framework.h"
#include "filter_helpers.h"
#include "support/fixtures.h"
#include "surface/image_files.h"
#include "surface/parallel_bands.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace quill {
namespace {

using testing::randomImage;

class BandCountGuard {
public:
    explicit BandCountGuard(int count) { setBandCount(count); }
    ~BandCountGuard() { setBandCount(0); }
};

class ThreadsTest : public testing::TempDirTest, public ::testing::WithParamInterface<const char *> {
protected:
    // The picture the operation leaves, run on a fresh session with the given number of bands.
    QImage runWithBands(const QImage &input, int bands)
    {
        const BandCountGuard guard(bands);
        ScriptedHost host;
        Session session(host);
        session.undo.recording = false;
        EXPECT_TRUE(saveBitmap(randomImage(150, 120, 9), path("merge.bmp")));
        host.openAnswers.push_back({path("merge.bmp"), 1});
        findOperation(QStringLiteral("open-merge"))->run(session);
        session.document.replaceWith(input);
        findOperation(QString::fromLatin1(GetParam()))->run(session);
        return session.document.picture().Image();
    }
};

TEST_P(ThreadsTest, ManyBandsGiveTheOneBandPicture)
{
    // Odd sizes, enough rows for five bands, a width that is no multiple of the vector widths.
    const QImage input = randomImage(203, 331, 3);
    const QImage single = runWithBands(input, 1);
    EXPECT_NE(single, input);
    EXPECT_EQ(runWithBands(input, 5), single);
}

INSTANTIATE_TEST_SUITE_P(Filters, ThreadsTest,
                         ::testing::Values("grey", "red-up", "yellow-up", "white-down", "blur", "mosaic", "shrink",
                                           "turn-left", "turn-right", "half-turn", "mirror-h", "interleave", "blend"),
                         [](const auto &info) {
                             std::string name = info.param;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

class FilterRuleTest : public testing::FilterTest, public ::testing::WithParamInterface<QSize> {};

// Mosaic: 8-pixel dots at every (3i, 3j) inside the picture in the colour there,
// grid rows outer, each dot over the ones before, on the work layer's picture.
TEST_P(FilterRuleTest, MosaicIsEveryDotDrawnInOrder)
{
    const QImage input = randomImage(GetParam().width(), GetParam().height(), 11);
    load(input);
    QImage expected = input;
    for (int y = 0; y < input.height(); y += 3)
        for (int x = 0; x < input.width(); x += 3)
            paintDot(expected, x, y, penDot(8), input.pixel(x, y));
    click(QStringLiteral("mosaic"));
    EXPECT_EQ(picture(), expected);
}

// Shrink: result (a, y - 1) is the rounded mean of the pixels at 3a - 1, 3a + 1
// and 3a of row y (black beyond the picture) for a up to a third of the width;
// every other pixel keeps its colour.
TEST_P(FilterRuleTest, ShrinkFollowsThePixelRule)
{
    const QImage input = randomImage(GetParam().width(), GetParam().height(), 12);
    load(input);
    const int width = input.width(), height = input.height();
    const int columns = std::min((width + 1) / 3, width - 1); // width / 3 rounded: never a half
    auto channel = [&](int x, int y, int shift) {
        return x < 0 || x >= width || y >= height ? 0 : static_cast<int>((input.pixel(x, y) >> shift) & 255);
    };
    QImage expected = input;
    for (int y = 1; y <= height; ++y)
        for (int a = 0; a <= columns; ++a) {
            int c[3];
            for (int k = 0; k < 3; ++k) {
                const int shift = 16 - 8 * k;
                c[k] = (channel(3 * a - 1, y, shift) + channel(3 * a + 1, y, shift) + channel(3 * a, y, shift) + 1) / 3;
            }
            expected.setPixel(a, y - 1, qRgb(c[0], c[1], c[2]));
        }
    click(QStringLiteral("shrink"));
    EXPECT_EQ(picture(), expected);
}

INSTANTIATE_TEST_SUITE_P(Sizes, FilterRuleTest,
                         ::testing::Values(QSize(1, 1), QSize(2, 7), QSize(3, 3), QSize(9, 4), QSize(31, 29),
                                           QSize(64, 130), QSize(100, 7)),
                         [](const auto &info) {
                             return std::to_string(info.param.width()) + "x" + std::to_string(info.param.height());
                         });

} // namespace
} // namespace quill
