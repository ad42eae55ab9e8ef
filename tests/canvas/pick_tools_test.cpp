#include "canvas/pick_tools.h"
#include "support/fixtures.h"

#include <gtest/gtest.h>

namespace quill {
namespace {

using testing::CoreTest;

constexpr Colour kGreen = rgb(0, 200, 0);
constexpr Colour kStartLeft = rgb(1, 2, 3);
constexpr Colour kStartRight = rgb(4, 5, 6);

class PickToolsTest : public CoreTest {
protected:
    PickToolsTest()
    {
        doc.replaceWith(testing::randomImage(12, 10, 7));
        session.state.LeftColour = kStartLeft;
        session.state.RightColour = kStartRight;
    }
    MouseEvent at(QPoint pixel, int button, int index = 0)
    {
        return {index, button, 0, static_cast<double>(pixel.x() * kTwipsPerPixel),
                static_cast<double>(pixel.y() * kTwipsPerPixel)};
    }
    Colour pictureAt(QPoint p) const { return testing::pixelAt(doc.picture().Image(), p.x(), p.y()); }

    CanvasController canvas{session};
};

struct PickCase {
    const char *name;
    int button;
    bool left;
    bool right;
};

class GetColourPressTest : public PickToolsTest, public ::testing::WithParamInterface<PickCase> {};

TEST_P(GetColourPressTest, APressTakesThePixelIntoTheButtonsSwatchOnly)
{
    const PickCase c = GetParam();
    session.state.ToolMode = kGetColourTool;
    const QPoint p(11, 9); // the bottom-right corner pixel, on a corner tile
    canvas.mouseDown(at(p, c.button, 8));
    EXPECT_EQ(session.state.LeftColour, c.left ? pictureAt(p) : kStartLeft);
    EXPECT_EQ(session.state.RightColour, c.right ? pictureAt(p) : kStartRight);
    EXPECT_EQ(session.undo.UndoCount, 1); // a press is a press: one snapshot
}

INSTANTIATE_TEST_SUITE_P(Buttons, GetColourPressTest,
                         ::testing::Values(PickCase{"Left", kLeftButton, true, false},
                                           PickCase{"Right", kRightButton, false, true},
                                           PickCase{"Middle", kMiddleButton, false, false},
                                           PickCase{"Both", kLeftButton | kRightButton, false, false}),
                         [](const auto &info) { return info.param.name; });

TEST_F(PickToolsTest, MovingShowsTheSampleAndDraggingKeepsPicking)
{
    session.state.ToolMode = kGetColourTool;
    canvas.mouseMove(at({3, 4}, 0));
    EXPECT_EQ(session.state.HoverColour, pictureAt({3, 4}));
    EXPECT_EQ(session.state.LeftColour, kStartLeft);
    canvas.mouseMove(at({5, 6}, kLeftButton));
    EXPECT_EQ(session.state.LeftColour, pictureAt({5, 6}));
    canvas.mouseMove(at({7, 1}, kRightButton));
    EXPECT_EQ(session.state.RightColour, pictureAt({7, 1}));
    EXPECT_EQ(session.state.LeftColour, pictureAt({5, 6}));
    EXPECT_EQ(session.state.HoverColour, pictureAt({7, 1}));
}

TEST_F(PickToolsTest, PickingBeyondThePictureKeepsTheSwatches)
{
    session.state.ToolMode = kGetColourTool;
    canvas.mouseMove(at({2, 2}, 0));
    const Colour hover = session.state.HoverColour;
    // A drag carried past the tile's edge reads "no colour" there.
    for (QPoint outside : {QPoint(-1, 3), QPoint(12, 3), QPoint(3, 10), QPoint(-5, -5)}) {
        canvas.mouseMove(at(outside, kLeftButton));
        canvas.mouseDown(at(outside, kRightButton));
    }
    EXPECT_EQ(session.state.LeftColour, kStartLeft);
    EXPECT_EQ(session.state.RightColour, kStartRight);
    EXPECT_EQ(session.state.HoverColour, hover);
}

TEST_F(PickToolsTest, PickingDoesNotChangeThePicture)
{
    const QImage before = doc.picture().Image();
    session.state.ToolMode = kGetColourTool;
    canvas.mouseDown(at({4, 4}, kLeftButton));
    canvas.mouseMove(at({5, 4}, kLeftButton));
    EXPECT_EQ(doc.picture().Image(), before);
    EXPECT_TRUE(testing::allLayersEqual(doc));
}

TEST_F(PickToolsTest, ALeftZoomClickFixesThePointAndMarksIt)
{
    session.state.ToolMode = kZoomTool;
    canvas.mouseDown({2, kLeftButton, 0, 100.0, 40.6});
    const AppState &s = session.state;
    EXPECT_TRUE(s.ZoomPointSet);
    EXPECT_EQ(s.ClickStage, 1);
    EXPECT_FLOAT_EQ(s.ZoomPointX, 100.0f);
    EXPECT_EQ(s.ZoomPointY, 41);
    const OverlayShape &marker = canvas.overlays.Shape4;
    EXPECT_TRUE(marker.Visible);
    EXPECT_DOUBLE_EQ(marker.Left, 90);
    EXPECT_DOUBLE_EQ(marker.Top, 30.6);
    EXPECT_EQ(marker.Width, 20);
    EXPECT_EQ(marker.Height, 20);

    canvas.mouseDown({0, kLeftButton, 0, 30, 60}); // a second left click moves it
    EXPECT_FLOAT_EQ(s.ZoomPointX, 30.0f);
    EXPECT_EQ(s.ZoomPointY, 60);
    EXPECT_DOUBLE_EQ(marker.Left, 20);
}

TEST_F(PickToolsTest, ARightZoomClickReleasesThePointAndOtherButtonsDoNothing)
{
    session.state.ToolMode = kZoomTool;
    canvas.mouseDown({0, kLeftButton, 0, 45, 45});
    canvas.mouseDown({0, kMiddleButton, 0, 90, 90});
    EXPECT_TRUE(session.state.ZoomPointSet);
    EXPECT_FLOAT_EQ(session.state.ZoomPointX, 45.0f);
    canvas.mouseDown({0, kRightButton, 0, 90, 90});
    EXPECT_FALSE(session.state.ZoomPointSet);
    EXPECT_EQ(session.state.ClickStage, 0);
    EXPECT_FALSE(canvas.overlays.Shape4.Visible);
}

TEST_F(PickToolsTest, EscapeHidesTheMarkerButKeepsThePointFixed)
{
    session.state.ToolMode = kZoomTool;
    canvas.mouseDown({0, kLeftButton, 0, 45, 45});
    canvas.keyDown(0, kKeyEscape, 0);
    EXPECT_TRUE(session.state.ZoomPointSet);
    EXPECT_EQ(session.state.ClickStage, 0);
    EXPECT_FALSE(canvas.overlays.Shape4.Visible);
}

TEST_F(PickToolsTest, AFixedPointStopsFeedingThePointerToTheZoomWindow)
{
    int fed = 0;
    canvas.feedZoomWindow = [&](double, double) { ++fed; };
    canvas.mouseMove(at({1, 1}, 0));
    EXPECT_EQ(fed, 1);
    session.state.ToolMode = kZoomTool;
    canvas.mouseDown(at({1, 1}, kLeftButton));
    canvas.mouseMove(at({2, 2}, 0));
    EXPECT_EQ(fed, 1);
}

} // namespace
} // namespace quill
