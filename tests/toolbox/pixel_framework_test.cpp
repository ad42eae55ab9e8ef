#include "support/fixtures.h"
#include "toolbox/pixel_framework.h"

#include <gtest/gtest.h>

namespace quill {
namespace {

struct MixCase {
    Colour a, b, expected;
};

class MixColoursTest : public ::testing::TestWithParam<MixCase> {};

TEST_P(MixColoursTest, PerChannelMeanRoundedDown)
{
    EXPECT_EQ(MixColours(GetParam().a, GetParam().b), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Pairs, MixColoursTest,
                         ::testing::Values(MixCase{kBlack, kWhite, rgb(127, 127, 127)},
                                           MixCase{rgb(254, 254, 254), kWhite, rgb(254, 254, 254)},
                                           MixCase{rgb(20, 21, 234), rgb(20, 21, 234), rgb(20, 21, 234)},
                                           MixCase{rgb(1, 0, 255), rgb(0, 1, 0), rgb(0, 0, 127)},
                                           MixCase{rgb(235, 21, 0), rgb(20, 254, 255), rgb(127, 137, 127)}));

struct GreyCase {
    int r, g, b, expected;
};

class GreyLevelTest : public ::testing::TestWithParam<GreyCase> {};

TEST_P(GreyLevelTest, RoundsTheMeanToNearest)
{
    EXPECT_EQ(GreyLevel(GetParam().r, GetParam().g, GetParam().b), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Components, GreyLevelTest,
                         ::testing::Values(GreyCase{1, 1, 2, 1}, GreyCase{1, 2, 2, 2}, GreyCase{255, 255, 255, 255},
                                           GreyCase{0, 0, 1, 0}, GreyCase{0, 1, 1, 1}, GreyCase{0, 0, 0, 0},
                                           GreyCase{20, 21, 234, 92}, GreyCase{254, 255, 255, 255}));

class PixelFrameworkTest : public testing::CoreTest {};

TEST_F(PixelFrameworkTest, BeginTakesTheSnapshotFirstAndSetsPixelUnits)
{
    doc.forEachLayer([](Surface &l) {
        l.setScaleMode(ScaleMode::Twips);
        l.setDrawWidth(9);
    });
    beginOperation(session, true, OperationLayers::TwoLayer);
    EXPECT_EQ(session.undo.UndoCount, 1);
    for (int i : {0, 1}) {
        EXPECT_EQ(doc.layer(i).scaleMode(), ScaleMode::Pixels);
        EXPECT_EQ(doc.layer(i).DrawWidth(), 1);
    }
    EXPECT_EQ(doc.layer(2).DrawWidth(), 9);
    beginOperation(session, false, OperationLayers::InPlace);
    EXPECT_EQ(session.undo.UndoCount, 1);
}

TEST_F(PixelFrameworkTest, EndBringsAllLayersToTheResult)
{
    doc.layer(1).raster().fill(toQRgb(rgb(5, 5, 5)));
    endOperation(session, OperationLayers::TwoLayer);
    EXPECT_TRUE(testing::allLayersEqual(doc));
    EXPECT_EQ(testing::pixelAt(doc.picture().Image(), 0, 0), rgb(5, 5, 5));
    doc.layer(0).raster().fill(toQRgb(rgb(6, 6, 6)));
    endOperation(session, OperationLayers::InPlace);
    EXPECT_TRUE(testing::allLayersEqual(doc));
    EXPECT_EQ(testing::pixelAt(doc.layer(8).Image(), 0, 0), rgb(6, 6, 6));
}

} // namespace
} // namespace quill
