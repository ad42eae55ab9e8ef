#include "canvas/canvas_controller.h"
#include "canvas/pick_tools.h"
#include "support/fixtures.h"

#include <gtest/gtest.h>

namespace quill {
namespace {

using testing::allLayersEqual;
using testing::pixelAt;

class CanvasControllerTest : public testing::CoreTest {
protected:
    CanvasController canvas{session};
    MouseEvent at(double x, double y, int button = kLeftButton, int index = 0) { return {index, button, 0, x, y}; }
    MouseEvent px(int x, int y, int button = kLeftButton, int index = 0)
    {
        return at(x * double(kTwipsPerPixel), y * double(kTwipsPerPixel), button, index);
    }
};

TEST_F(CanvasControllerTest, SkipSwallowsExactlyOneEventAndEveryEventTellsTheListeners)
{
    int heard = 0;
    session.addStateListener([&] { ++heard; });
    session.state.SkipCanvasMouse = -1;
    canvas.mouseDown(at(15, 15));
    EXPECT_EQ(session.undo.UndoCount, 0);
    EXPECT_EQ(session.state.SkipCanvasMouse, 0);
    canvas.mouseDown(at(15, 15));
    EXPECT_EQ(session.undo.UndoCount, 1);

    session.state.SkipCanvasMouse = -1;
    const double before = canvas.LastX;
    canvas.mouseMove(at(300, 600));
    EXPECT_EQ(canvas.LastX, before); // the swallowed move leaves no trace
    canvas.keyDown(0, kKeyEscape, 0);
    EXPECT_EQ(heard, 4);
}

TEST_F(CanvasControllerTest, MovesPlaceTheMarkerAndFeedTheZoomWindowWhileNoPointIsFixed)
{
    std::vector<std::pair<double, double>> fed;
    canvas.zoomPointMoved.add([&](double x, double y) { fed.emplace_back(x, y); });
    canvas.mouseMove(at(100.4, 200.6, 0));
    EXPECT_EQ(canvas.LastY, 201);
    const OverlayShape &marker = canvas.overlays.Shape3;
    EXPECT_TRUE(marker.Visible);
    EXPECT_EQ(QRectF(marker.Left, marker.Top, marker.Width, marker.Height), QRectF(90.4, 190.6, 20, 20));
    session.state.ZoomPointSet = true;
    canvas.mouseMove(at(60, 45, 0));
    session.state.ZoomPointSet = false;
    session.state.ZoomWindowHidden = true;
    canvas.mouseMove(at(90, 45, 0));
    EXPECT_EQ(fed, (std::vector<std::pair<double, double>>{{100.4, 200.6}}));
}

TEST_F(CanvasControllerTest, EscapeHidesTheOverlaysLeftArrowMovesThePointerOtherKeysDoNothing)
{
    session.state.ClickStage = 1;
    session.state.ZoomPointSet = true;
    CanvasOverlays &o = canvas.overlays;
    o.Shape2.Visible = o.Label1.Visible = true;
    canvas.keyDown(0, 65, 0);
    EXPECT_EQ(session.state.ClickStage, 1);
    canvas.keyDown(0, kKeyEscape, 0);
    EXPECT_EQ(session.state.ClickStage, 0);
    EXPECT_TRUE(session.state.ZoomPointSet); // the fixed point stays
    EXPECT_FALSE(o.Shape2.Visible || o.Label1.Visible);
    canvas.keyDown(0, kKeyLeft, 0);
    EXPECT_EQ(host.cursorMoves, std::vector<QPoint>{QPoint(140, 100)});
}

// ---- Picking a colour and fixing the zoom point ----

struct PickCase {
    const char *name;
    int button;
    bool left, right;
};

class GetColourTest : public CanvasControllerTest, public ::testing::WithParamInterface<PickCase> {};

TEST_P(GetColourTest, APressTakesThePixelIntoTheButtonsSwatchOnly)
{
    const PickCase c = GetParam();
    doc.replaceWith(testing::randomImage(12, 10, 7));
    session.state.LeftColour = kRed;
    session.state.RightColour = kBlue;
    session.state.ToolMode = kGetColourTool;
    canvas.mouseDown(px(11, 9, c.button, 8)); // the corner pixel, on a corner tile
    const Colour picked = pixelAt(doc.picture().Image(), 11, 9);
    EXPECT_EQ(session.state.LeftColour, c.left ? picked : kRed);
    EXPECT_EQ(session.state.RightColour, c.right ? picked : kBlue);
    // Beyond the picture there is no colour to take.
    canvas.mouseMove(px(12, 3, c.button));
    canvas.mouseDown(px(-1, -1, c.button));
    EXPECT_EQ(session.state.LeftColour, c.left ? picked : kRed);
    EXPECT_EQ(session.state.RightColour, c.right ? picked : kBlue);
    EXPECT_EQ(doc.picture().Image(), testing::randomImage(12, 10, 7));
}

INSTANTIATE_TEST_SUITE_P(Buttons, GetColourTest,
                         ::testing::Values(PickCase{"Left", kLeftButton, true, false},
                                           PickCase{"Right", kRightButton, false, true},
                                           PickCase{"Both", kLeftButton | kRightButton, false, false}),
                         [](const auto &info) { return info.param.name; });

TEST_F(CanvasControllerTest, ZoomClicksFixMoveAndReleaseThePoint)
{
    session.state.ToolMode = kZoomTool;
    const AppState &s = session.state;
    const OverlayShape &marker = canvas.overlays.Shape4;
    canvas.mouseDown({2, kLeftButton, 0, 100.0, 40.6});
    EXPECT_TRUE(s.ZoomPointSet);
    EXPECT_EQ(s.ClickStage, 1);
    EXPECT_FLOAT_EQ(s.ZoomPointX, 100.0f);
    EXPECT_EQ(s.ZoomPointY, 41);
    EXPECT_EQ(QRectF(marker.Left, marker.Top, marker.Width, marker.Height), QRectF(90, 30.6, 20, 20));
    canvas.mouseDown(at(30, 60)); // a second left click moves it
    canvas.mouseDown(at(90, 90, kMiddleButton));
    EXPECT_FLOAT_EQ(s.ZoomPointX, 30.0f);
    canvas.keyDown(0, kKeyEscape, 0); // Esc hides the marker, the point stays
    EXPECT_TRUE(s.ZoomPointSet);
    EXPECT_FALSE(marker.Visible);
    canvas.mouseDown(at(90, 90, kRightButton));
    EXPECT_FALSE(s.ZoomPointSet);
    EXPECT_EQ(s.ClickStage, 0);
}

// ---- The two multi-line brushes ----

class BrushTest : public CanvasControllerTest {
protected:
    BrushTest()
    {
        doc.replaceWith(testing::solidImage(100, 100, kWhite));
        session.undo.recording = false;
    }
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
};

TEST_F(BrushTest, MultiPolylineAlternatesTheColoursWhicheverButton)
{
    session.state.ToolMode = 19;
    session.state.PointCount = 3;
    session.state.PointWidth = 2;
    session.state.LeftColour = kRed;
    session.state.RightColour = kBlue;
    stroke(20, 60, 40, kRightButton);
    for (auto [y, c] : {std::pair{42, kRed}, {44, kBlue}, {46, kRed}, {40, kWhite}, {43, kWhite}})
        EXPECT_EQ(pixelAt(doc.picture().Image(), 40, y), c) << y;
    EXPECT_TRUE(allLayersEqual(doc));
}

struct GradientCase {
    Colour left, right, top, bottom;
};

class GradientBrushTest : public BrushTest, public ::testing::WithParamInterface<GradientCase> {};

// The band runs from the channel-wise maximum (top line) to the minimum; the
// red step is rounded to a whole number, green and blue are not.
TEST_P(GradientBrushTest, BandRunsFromTheChannelMaximumToTheMinimum)
{
    const GradientCase c = GetParam();
    session.state.ToolMode = 22;
    session.state.LeftColour = c.left;
    session.state.RightColour = c.right;
    stroke(20, 80, 50, kMiddleButton);
    const std::vector<Colour> colours = column(50);
    ASSERT_GE(colours.size(), 1u);
    EXPECT_EQ(colours.front(), c.top);
    EXPECT_EQ(colours.back(), c.bottom);
    const QRect band = testing::boundsOfNot(doc.picture().Image(), kWhite);
    EXPECT_GE(band.height(), 15); // fifteen lines one pixel apart
    EXPECT_LE(band.height(), 17);
}

INSTANTIATE_TEST_SUITE_P(Colours, GradientBrushTest,
                         ::testing::Values(
                             // 150 / 14 = 10.7 rounds to 11, so red ends at 200 - 154 = 46; green ends exactly.
                             GradientCase{rgb(200, 10, 100), rgb(50, 250, 100), rgb(200, 250, 100), rgb(46, 10, 100)},
                             GradientCase{kBlack, rgb(254, 254, 254), rgb(254, 254, 254), rgb(2, 0, 0)}));

struct WrappedStroke {
    const char *name;
    QPoint from, to;             // picture pixels; `to` lies beyond an edge
    std::vector<QPoint> painted; // all of them, on both sides of the edge
};

class WrappedStrokeTest : public CanvasControllerTest, public ::testing::WithParamInterface<WrappedStroke> {};

// A one-pixel Draw stroke on a 20 x 16 picture while wrapping: the part past
// the edge comes back in from the opposite edge, and nothing else changes.
TEST_P(WrappedStrokeTest, ContinuesAtTheOppositeEdge)
{
    const WrappedStroke &c = GetParam();
    doc.replaceWith(testing::solidImage(20, 16, kWhite));
    doc.setWrapEdges(true);
    session.undo.recording = false;
    session.state.ToolMode = 1;
    session.state.ToolDrawWidth[1] = 1;
    session.state.LeftColour = kRed;
    canvas.mouseMove(px(c.from.x(), c.from.y(), 0));
    canvas.mouseDown(px(c.from.x(), c.from.y()));
    canvas.mouseMove(px(c.to.x(), c.to.y()));
    for (const QPoint p : c.painted)
        EXPECT_EQ(pixelAt(doc.picture().Image(), p.x(), p.y()), kRed) << p.x() << "," << p.y();
    EXPECT_EQ(testing::countPixels(doc.picture().Image(), kRed), static_cast<int>(c.painted.size()));
    EXPECT_TRUE(allLayersEqual(doc));
}

INSTANTIATE_TEST_SUITE_P(
    Edges, WrappedStrokeTest,
    ::testing::Values(WrappedStroke{"top", {5, 2}, {5, -3}, {{5, 2}, {5, 1}, {5, 0}, {5, 15}, {5, 14}, {5, 13}}},
                      WrappedStroke{"bottom", {5, 13}, {5, 18}, {{5, 13}, {5, 14}, {5, 15}, {5, 0}, {5, 1}, {5, 2}}},
                      WrappedStroke{"left", {2, 8}, {-3, 8}, {{2, 8}, {1, 8}, {0, 8}, {19, 8}, {18, 8}, {17, 8}}},
                      WrappedStroke{"right", {17, 8}, {22, 8}, {{17, 8}, {18, 8}, {19, 8}, {0, 8}, {1, 8}, {2, 8}}},
                      WrappedStroke{"top_left_corner", {1, 1}, {-2, -2}, {{1, 1}, {0, 0}, {19, 15}, {18, 14}}}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace quill
