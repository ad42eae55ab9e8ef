#include "canvas/pick_tools.h"
#include "shell/zoom_view.h"
#include "shell/zoom_window.h"
#include "support/window_fixture.h"
#include "surface/numeric_rules.h"

#include <QAbstractButton>
#include <QLabel>
#include <gtest/gtest.h>

namespace quill {
namespace {

using testing::CoreTest;
using testing::WindowTest;

class ZoomViewTest : public CoreTest {
protected:
    ZoomViewTest() { doc.replaceWith(testing::randomImage(W, H, 11)); }
    Colour pictureAt(int x, int y) const { return testing::pixelAt(doc.picture().Image(), x, y); }
    // The colour drawn for row i, column j of the view: the centre of its dot.
    Colour viewAt(int i, int j) const
    {
        return testing::pixelAt(view.Image(), static_cast<int>(roundHalfEven(zoomDotTwips(j) / kTwipsPerPixel)),
                                static_cast<int>(roundHalfEven(zoomDotTwips(i) / kTwipsPerPixel)));
    }
    void fix(int px, int py)
    {
        session.state.ZoomPointSet = true;
        session.state.ZoomPointX = static_cast<float>(px * kTwipsPerPixel);
        session.state.ZoomPointY = static_cast<std::int16_t>(py * kTwipsPerPixel);
    }

    static constexpr int W = 30;
    static constexpr int H = 24;
    Surface view{kZoomViewTwips / kTwipsPerPixel, kZoomViewTwips / kTwipsPerPixel};
};

class ZoomWrapTest : public ZoomViewTest, public ::testing::WithParamInterface<QPoint> {};

TEST_P(ZoomWrapTest, PointsAtEdgesAndCornersShowTheOppositeEdges)
{
    const QPoint p = GetParam();
    drawZoomView(view, doc.picture(), p.x() * kTwipsPerPixel, p.y() * kTwipsPerPixel);
    for (int i = 1; i <= kZoomSamples; ++i)
        for (int j = 1; j <= kZoomSamples; ++j) {
            const int x = ((p.x() + j - 10) % W + W) % W;
            const int y = ((p.y() + i - 10) % H + H) % H;
            ASSERT_EQ(viewAt(i, j), pictureAt(x, y)) << i << "," << j;
        }
    EXPECT_EQ(doc.picture().scaleMode(), ScaleMode::Twips); // the picture's units are given back
}

INSTANTIATE_TEST_SUITE_P(Edges, ZoomWrapTest,
                         ::testing::Values(QPoint(15, 12), QPoint(0, 0), QPoint(29, 23), QPoint(15, 0),
                                           QPoint(29, 12)));

struct MoveCase {
    int index;
    QPoint from; // twips
    QPoint to;
};

class ZoomMoveTest : public ZoomViewTest, public ::testing::WithParamInterface<MoveCase> {};

TEST_P(ZoomMoveTest, ArrowsMoveOnePixelAndWrapAroundThePicture)
{
    const MoveCase c = GetParam();
    session.state.ZoomPointSet = true;
    session.state.ZoomPointX = static_cast<float>(c.from.x());
    session.state.ZoomPointY = static_cast<std::int16_t>(c.from.y());
    ASSERT_TRUE(moveZoomPoint(session.state, doc.picture(), c.index));
    EXPECT_FLOAT_EQ(session.state.ZoomPointX, static_cast<float>(c.to.x()));
    EXPECT_EQ(session.state.ZoomPointY, c.to.y());
}

// The picture is 450 x 360 twips.
INSTANTIATE_TEST_SUITE_P(Directions, ZoomMoveTest,
                         ::testing::Values(MoveCase{0, {150, 150}, {150, 135}}, MoveCase{4, {150, 150}, {165, 135}},
                                           MoveCase{6, {150, 150}, {135, 165}}, MoveCase{7, {0, 0}, {450, 360}},
                                           MoveCase{1, {440, 30}, {0, 30}}));

TEST_F(ZoomViewTest, PaintingColoursThePixelUpAndLeftOfThePointOnEveryTile)
{
    fix(10, 8);
    session.state.LeftColour = rgb(250, 0, 250);
    const QImage before = doc.picture().Image();
    ASSERT_TRUE(paintZoomPoint(session));
    EXPECT_EQ(session.state.ToolDrawWidth[18], 1); // an unset width becomes one pixel
    EXPECT_EQ(zoomPaintPixel(session.state), QPoint(9, 7));
    EXPECT_EQ(pictureAt(9, 7), rgb(250, 0, 250));
    QImage expected = before.copy();
    expected.setPixel(9, 7, toQRgb(rgb(250, 0, 250)));
    EXPECT_EQ(doc.picture().Image(), expected);
    EXPECT_TRUE(testing::allLayersEqual(doc));
    EXPECT_EQ(session.undo.UndoCount, 0); // no snapshot
}

TEST_F(ZoomViewTest, PaintingUsesTheZoomToolsWidthAndIsSafeAtTheCorner)
{
    fix(10, 8);
    session.state.ToolDrawWidth[18] = 3;
    session.state.LeftColour = rgb(250, 0, 250);
    paintZoomPoint(session);
    EXPECT_EQ(testing::countPixels(doc.picture().Image(), rgb(250, 0, 250)), 9);
    fix(0, 0);
    ASSERT_TRUE(paintZoomPoint(session));
    // The paint lands beyond the corner; the picture stays whole and the tiles equal.
    EXPECT_EQ(doc.picture().pixelWidth(), W);
    EXPECT_TRUE(testing::allLayersEqual(doc));
}

class ZoomWindowTest : public WindowTest {
protected:
    ZoomWindowTest()
    {
        doc.picture().setPicture(testing::randomImage(122, 122, 21));
        doc.PropagateCentre();
    }
    ZoomWindow &zoom() { return *frame->zoomWindow(); }
    Colour viewAt(int i, int j)
    {
        return testing::pixelAt(zoom().view().Image(),
                                static_cast<int>(roundHalfEven(zoomDotTwips(j) / kTwipsPerPixel)),
                                static_cast<int>(roundHalfEven(zoomDotTwips(i) / kTwipsPerPixel)));
    }
    Colour pictureAt(int x, int y) { return testing::pixelAt(doc.picture().Image(), x, y); }
    bool buttonsEnabled(bool expected)
    {
        bool all = zoom().paintButton()->isEnabled() == expected;
        for (int i = 0; i < 8; ++i)
            all = all && zoom().arrow(i)->isEnabled() == expected;
        return all;
    }
    // Fixes a point with the Zoom tool, as the user does.
    void fixWithTool(QPoint pixel)
    {
        session.state.ToolMode = kZoomTool;
        move(0, pixel);
        press(0, pixel);
    }
    // Row i, column j shows the picture pixel (x, y) + (j - 10, i - 10).
    void expectViewAround(int x, int y)
    {
        for (int i = 1; i <= kZoomSamples; ++i)
            for (int j = 1; j <= kZoomSamples; ++j)
                ASSERT_EQ(viewAt(i, j), pictureAt((x + j - 10 + 122) % 122, (y + i - 10 + 122) % 122)) << i << "," << j;
    }
};

TEST_F(ZoomWindowTest, ThePointerIsMagnifiedWhileNoPointIsFixed)
{
    EXPECT_EQ(zoom().positionLabel()->text(), QStringLiteral("0 , 0"));
    move(5, {40, 30});
    expectViewAround(40, 30);
    EXPECT_EQ(zoom().positionLabel()->text(), QStringLiteral("40 , 30"));
}

TEST_F(ZoomWindowTest, AFixedPointIsShownAndEnablesTheButtonsUntilReleased)
{
    EXPECT_TRUE(buttonsEnabled(false));
    const QImage before = doc.picture().Image();
    zoom().paintButton()->click(); // disabled: nothing happens
    EXPECT_EQ(doc.picture().Image(), before);
    fixWithTool({50, 60});
    EXPECT_TRUE(buttonsEnabled(true));
    expectViewAround(50, 60);
    move(0, {5, 5}); // the pointer is no longer followed
    expectViewAround(50, 60);
    press(0, {50, 60}, Qt::RightButton); // the Zoom tool's right click lets go
    EXPECT_TRUE(buttonsEnabled(false));
}

TEST_F(ZoomWindowTest, PaintChangesThePictureAndEveryTileAndTheView)
{
    fixWithTool({50, 60});
    session.state.LeftColour = rgb(255, 0, 255);
    zoom().paintButton()->click();
    EXPECT_EQ(pictureAt(49, 59), rgb(255, 0, 255));
    EXPECT_TRUE(testing::allLayersEqual(doc));
    EXPECT_EQ(viewAt(9, 9), rgb(255, 0, 255));
}

TEST_F(ZoomWindowTest, TheViewFollowsChangesToThePictureUnderAFixedPoint)
{
    fixWithTool({50, 60});
    // Something else changes the picture (an operation, undo, another tool).
    doc.picture().setScaleMode(ScaleMode::Pixels);
    doc.picture().setDrawWidth(1);
    doc.picture().PSet(52, 61, rgb(1, 2, 3));
    EXPECT_EQ(viewAt(11, 12), rgb(1, 2, 3));
    session.undo.Undo(doc); // back to the picture before the zoom click
    expectViewAround(50, 60);
}

TEST_F(ZoomWindowTest, ThePointCanBeFixedAtEveryCorner)
{
    for (QPoint corner : {QPoint(0, 0), QPoint(121, 121)}) {
        fixWithTool(corner);
        expectViewAround(corner.x(), corner.y());
        for (int i = 0; i < 8; ++i)
            zoom().arrow(i)->click();
        zoom().paintButton()->click();
    }
    EXPECT_TRUE(testing::allLayersEqual(doc));
}

} // namespace
} // namespace quill
