#include "canvas/canvas_controller.h"
#include "support/fixtures.h"

#include <QFile>
#include <gtest/gtest.h>

namespace quill {
namespace {

using testing::CoreTest;

constexpr Colour kRed = rgb(255, 0, 0);

class CanvasControllerTest : public CoreTest {
protected:
    CanvasController canvas{session};
    MouseEvent at(double x, double y, int button = kLeftButton, int index = 0) { return {index, button, 0, x, y}; }
};

TEST_F(CanvasControllerTest, EveryPressTakesOneSnapshotWhateverTheButton)
{
    for (int button : {kLeftButton, kRightButton, kMiddleButton, 0})
        canvas.mouseDown(at(30, 30, button));
    EXPECT_EQ(session.undo.UndoCount, 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(QFile::exists(path(UndoStore::fileName(i)))) << i;
    canvas.mouseMove(at(45, 45));
    EXPECT_EQ(session.undo.UndoCount, 4); // moves never take one
}

TEST_F(CanvasControllerTest, PressSetsWidthUnitsAndFillColourOnAllLayers)
{
    session.state.LeftColour = kRed;
    session.state.RightColour = rgb(0, 0, 255);
    doc.forEachLayer([](Surface &l) { l.setScaleMode(ScaleMode::Pixels); });
    canvas.mouseDown(at(15, 15, kLeftButton));
    for (int i = 0; i < kLayerCount; ++i) {
        EXPECT_EQ(doc.layer(i).DrawWidth(), 10) << i; // ToolDrawWidth(1)
        EXPECT_EQ(doc.layer(i).scaleMode(), ScaleMode::Twips) << i;
        EXPECT_EQ(doc.layer(i).FillColor, kRed) << i;
    }
    canvas.mouseDown(at(15, 15, kRightButton));
    EXPECT_EQ(doc.layer(8).FillColor, rgb(0, 0, 255));
    canvas.mouseDown(at(15, 15, kMiddleButton)); // other buttons leave it
    EXPECT_EQ(doc.layer(8).FillColor, rgb(0, 0, 255));
}

TEST_F(CanvasControllerTest, AToolWithWidthZeroKeepsThePreviousWidth)
{
    canvas.mouseDown(at(15, 15)); // Draw: 10
    session.state.ToolMode = 2;   // Point: 0
    canvas.mouseDown(at(15, 15));
    canvas.mouseMove(at(30, 15));
    for (int i = 0; i < kLayerCount; ++i)
        EXPECT_EQ(doc.layer(i).DrawWidth(), 10);
}

TEST_F(CanvasControllerTest, SkipSwallowsExactlyOneEventPressOrMove)
{
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
    EXPECT_FALSE(canvas.overlays.Shape3.Visible);
    canvas.mouseMove(at(300, 600));
    EXPECT_EQ(canvas.LastX, 300);
}

TEST_F(CanvasControllerTest, MovesRememberThePointerAndPlaceTheMarker)
{
    canvas.mouseMove(at(100.4, 200.6, 0));
    EXPECT_DOUBLE_EQ(canvas.LastX, 100.4);
    EXPECT_EQ(canvas.LastY, 201);
    const OverlayShape &marker = canvas.overlays.Shape3;
    EXPECT_TRUE(marker.Visible);
    EXPECT_DOUBLE_EQ(marker.Left, 90.4);
    EXPECT_DOUBLE_EQ(marker.Top, 190.6);
    EXPECT_EQ(marker.Width, 20);
    EXPECT_EQ(marker.Height, 20);
}

TEST_F(CanvasControllerTest, PressWithAButtonPropagatesThePicture)
{
    doc.picture().raster().fill(toQRgb(kRed)); // drawn on layer 0 without a sync
    EXPECT_FALSE(testing::allLayersEqual(doc));
    canvas.mouseDown(at(15, 15, kMiddleButton));
    EXPECT_TRUE(testing::allLayersEqual(doc));
    EXPECT_EQ(testing::pixelAt(doc.layer(5).Image(), 3, 3), kRed);
}

TEST_F(CanvasControllerTest, PressWithoutAButtonDoesNotPropagate)
{
    doc.picture().raster().fill(toQRgb(kRed));
    canvas.mouseDown(at(15, 15, 0));
    EXPECT_FALSE(testing::allLayersEqual(doc));
}

TEST_F(CanvasControllerTest, EscapeCancelsTheShapeAndHidesTheOverlays)
{
    session.state.ClickStage = 1;
    session.state.ZoomPointSet = true;
    CanvasOverlays &o = canvas.overlays;
    o.Line1.Visible = o.Line2.Visible = o.Shape1.Visible = o.Shape2.Visible = true;
    o.Shape3.Visible = o.Shape4.Visible = o.Label1.Visible = true;
    int repaints = 0;
    canvas.onOverlaysChanged = [&] { ++repaints; };
    canvas.keyDown(0, kKeyEscape, 0);
    EXPECT_EQ(session.state.ClickStage, 0);
    EXPECT_TRUE(session.state.ZoomPointSet);
    for (bool visible : {o.Line1.Visible, o.Line2.Visible, o.Shape1.Visible, o.Shape2.Visible, o.Shape3.Visible,
                         o.Shape4.Visible, o.Label1.Visible})
        EXPECT_FALSE(visible);
    EXPECT_EQ(repaints, 1);
}

TEST_F(CanvasControllerTest, LeftArrowMovesThePointerAndOtherKeysDoNothing)
{
    canvas.keyDown(0, kKeyLeft, 0);
    ASSERT_EQ(host.cursorMoves.size(), 1u);
    EXPECT_EQ(host.cursorMoves[0], QPoint(140, 100));
    session.state.ClickStage = 1;
    canvas.keyDown(0, 65, 0);
    EXPECT_EQ(session.state.ClickStage, 1);
    EXPECT_EQ(host.cursorMoves.size(), 1u);
}

TEST_F(CanvasControllerTest, FlashRecoloursOnlyVisibleBands)
{
    session.random.seed(3);
    canvas.overlays.Shape2.Visible = true;
    canvas.overlays.Line1.BorderColor = 123;
    bool changed = false;
    for (int i = 0; i < 20 && !changed; ++i) {
        canvas.RandomFlash();
        changed = canvas.overlays.Shape2.BorderColor != kBlack;
    }
    EXPECT_TRUE(changed);
    EXPECT_EQ(canvas.overlays.Line1.BorderColor, 123);
}

TEST_F(CanvasControllerTest, ZoomWindowIsFedOnlyWhileNoPointIsFixedAndItIsShown)
{
    std::vector<std::pair<double, double>> fed;
    canvas.feedZoomWindow = [&](double x, double y) { fed.emplace_back(x, y); };
    canvas.mouseMove(at(30, 45, 0));
    session.state.ZoomPointSet = true;
    canvas.mouseMove(at(60, 45, 0));
    session.state.ZoomPointSet = false;
    session.state.ZoomWindowHidden = true;
    canvas.mouseMove(at(90, 45, 0));
    ASSERT_EQ(fed.size(), 1u);
    EXPECT_EQ(fed[0], std::make_pair(30.0, 45.0));
}

} // namespace
} // namespace quill

namespace quill {
namespace {

TEST_F(CanvasControllerTest, EveryEventTellsTheStateListeners)
{
    int heard = 0;
    session.addStateListener([&] { ++heard; });
    canvas.mouseDown(at(15, 15));
    canvas.mouseMove(at(15, 15));
    canvas.keyDown(0, kKeyEscape, 0);
    session.state.SkipCanvasMouse = -1;
    canvas.mouseMove(at(15, 15)); // a swallowed event may still have cleared the flag
    EXPECT_EQ(heard, 4);
}

} // namespace
} // namespace quill
