#include "canvas/canvas_controller.h"
#include "support/fixtures.h"

#include <gtest/gtest.h>

namespace quill {
namespace {

using testing::pixelAt;

// The colour geometry of the two multi-line brushes, on the core controller.
class StrokeGeometryTest : public testing::CoreTest {
protected:
    StrokeGeometryTest()
    {
        doc.replaceWith(testing::solidImage(100, 100, kWhite));
        session.undo.recording = false;
    }
    MouseEvent px(int x, int y, int button) { return {0, button, 0, x * 15.0, y * 15.0}; }
    // A horizontal stroke at row y from x0 to x1.
    void stroke(int x0, int x1, int y, int button = kLeftButton)
    {
        canvas.mouseMove(px(x0, y, 0));
        canvas.mouseDown(px(x0, y, button));
        canvas.mouseMove(px(x1, y, button));
    }
    // The non-white colours down one column, top to bottom, without repeats.
    std::vector<Colour> column(int x)
    {
        std::vector<Colour> seen;
        for (int y = 0; y < doc.pixelHeight(); ++y) {
            const Colour c = pixelAt(doc.picture().Image(), x, y);
            if (c != kWhite && (seen.empty() || seen.back() != c))
                seen.push_back(c);
        }
        return seen;
    }
    CanvasController canvas{session};
};

TEST_F(StrokeGeometryTest, MultiPolylineAlternatesTheColoursBelowAndRightOfThePath)
{
    session.state.ToolMode = 19;
    session.state.PointCount = 3;
    session.state.PointWidth = 2;
    session.state.LeftColour = rgb(255, 0, 0);
    session.state.RightColour = rgb(0, 0, 255);
    stroke(20, 60, 40, kRightButton); // the button does not pick the colours
    EXPECT_EQ(pixelAt(doc.picture().Image(), 40, 42), rgb(255, 0, 0));
    EXPECT_EQ(pixelAt(doc.picture().Image(), 40, 44), rgb(0, 0, 255));
    EXPECT_EQ(pixelAt(doc.picture().Image(), 40, 46), rgb(255, 0, 0));
    EXPECT_EQ(pixelAt(doc.picture().Image(), 40, 40), kWhite);
    EXPECT_EQ(pixelAt(doc.picture().Image(), 40, 43), kWhite);
    EXPECT_TRUE(testing::allLayersEqual(doc));
}

TEST_F(StrokeGeometryTest, MultiPolylineOfOneLineUsesTheLeftColour)
{
    session.state.ToolMode = 19;
    session.state.PointCount = 1;
    session.state.RightColour = rgb(0, 0, 255);
    stroke(20, 60, 40);
    EXPECT_EQ(column(40), std::vector<Colour>{kBlack});
}

struct BrushCase {
    Colour left, right, top, bottom;
};

class GradientBrushTest : public StrokeGeometryTest, public ::testing::WithParamInterface<BrushCase> {};

// The band runs from the channel-wise maximum (top-left line) to the minimum;
// the red step is rounded to a whole number, green and blue are not.
TEST_P(GradientBrushTest, BandRunsFromTheChannelMaximumToTheMinimum)
{
    const BrushCase c = GetParam();
    session.state.ToolMode = 22;
    session.state.LeftColour = c.left;
    session.state.RightColour = c.right;
    stroke(20, 80, 50);
    const std::vector<Colour> colours = column(50);
    ASSERT_GE(colours.size(), 1u);
    EXPECT_EQ(colours.front(), c.top);
    EXPECT_EQ(colours.back(), c.bottom);
    EXPECT_TRUE(testing::allLayersEqual(doc));
    // Fifteen lines one pixel apart, each two pixels wide.
    const QRect band = testing::boundsOfNot(doc.picture().Image(), kWhite);
    EXPECT_GE(band.height(), 15);
    EXPECT_LE(band.height(), 17);
}

INSTANTIATE_TEST_SUITE_P(Colours, GradientBrushTest,
                         ::testing::Values(
                             // 150 / 14 = 10.7 rounds to 11, so red ends at 200 - 154 = 46; green ends exactly.
                             BrushCase{rgb(200, 10, 100), rgb(50, 250, 100), rgb(200, 250, 100), rgb(46, 10, 100)},
                             // The order of the two colours does not matter.
                             BrushCase{rgb(50, 250, 100), rgb(200, 10, 100), rgb(200, 250, 100), rgb(46, 10, 100)},
                             BrushCase{rgb(30, 60, 90), rgb(30, 60, 90), rgb(30, 60, 90), rgb(30, 60, 90)},
                             BrushCase{kBlack, rgb(254, 254, 254), rgb(254, 254, 254), rgb(2, 0, 0)}));

TEST_F(StrokeGeometryTest, GradientBrushDrawsWithAnyButton)
{
    session.state.ToolMode = 22;
    session.state.LeftColour = rgb(0, 128, 0);
    session.state.RightColour = rgb(0, 128, 0);
    stroke(20, 80, 50, kMiddleButton);
    EXPECT_FALSE(column(50).empty());
}

} // namespace
} // namespace quill
