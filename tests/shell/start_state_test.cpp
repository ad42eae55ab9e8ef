#include "support/fixtures.h"

#include <QFile>
#include <gtest/gtest.h>

namespace quill {
namespace {

using testing::CoreTest;

TEST(StartValues, GlobalsStartAsTheProgramExpects)
{
    const AppState s;
    EXPECT_EQ(s.ToolMode, 1);
    EXPECT_EQ(s.ToolDrawWidth[1], 10);
    EXPECT_EQ(s.ToolDrawWidth[2], 0);
    EXPECT_EQ(s.SprayPointCount, 100);
    EXPECT_EQ(s.LeftColour, kBlack);
    EXPECT_EQ(s.RightColour, kWhite);
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
    EXPECT_EQ(doc.picture().DrawWidth(), 3000); // left as the clear set it
    EXPECT_EQ(doc.pixelWidth(), 122);
}

TEST_F(StartStateTest, FontListKeepsTheFirstThousandNames)
{
    host.fonts.clear();
    for (int i = 1; i <= 1200; ++i)
        host.fonts << QStringLiteral("Font %1").arg(i);
    loadStartState(session);
    ASSERT_EQ(session.state.FontNames.size(), 1000);
    EXPECT_EQ(session.state.FontNames.front(), QStringLiteral("Font 1"));
    EXPECT_EQ(session.state.FontNames.back(), QStringLiteral("Font 1000"));
}

} // namespace
} // namespace quill
