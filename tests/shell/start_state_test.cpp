#include "support/fixtures.h"

#include <QFile>
#include <gtest/gtest.h>

namespace quill {
namespace {

using testing::CoreTest;

TEST(SplitColor, TakesTheChannelsApartAndNegativeColoursAreBlack)
{
    AppState split;
    SplitColor(split, 16711680 + 255);
    EXPECT_EQ(std::tuple(split.SplitRed, split.SplitGreen, split.SplitBlue), std::tuple(255, 0, 255));
    SplitColor(split, -1);
    EXPECT_EQ(std::tuple(split.SplitRed, split.SplitGreen, split.SplitBlue), std::tuple(0, 0, 0));
}

class StartStateTest : public CoreTest {};

TEST_F(StartStateTest, LoadClearsThePictureToWhiteOnAllNineLayers)
{
    doc.forEachLayer([](Surface &l) { l.raster().fill(0); });
    loadStartState(session);
    EXPECT_EQ(testing::countPixels(doc.picture().Image(), kWhite), doc.pixelWidth() * doc.pixelHeight());
    EXPECT_TRUE(testing::allLayersEqual(doc));
    EXPECT_EQ(doc.pixelWidth(), 122);
}

} // namespace
} // namespace quill
