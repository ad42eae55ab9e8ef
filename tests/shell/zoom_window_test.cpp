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

// The colour drawn for row i, column j of a zoom view: the centre of its dot.
Colour viewAt(const Surface &view, int i, int j)
{
    return testing::pixelAt(view.Image(), static_cast<int>(roundHalfEven(zoomDotTwips(j) / kTwipsPerPixel)),
                            static_cast<int>(roundHalfEven(zoomDotTwips(i) / kTwipsPerPixel)));
}

// Row i, column j shows the picture pixel (x, y) + (j - 10, i - 10), wrapping.
void expectViewAround(const Surface &view, const QImage &picture, int x, int y)
{
    const int w = picture.width(), h = picture.height();
    for (int i = 1; i <= kZoomSamples; ++i)
        for (int j = 1; j <= kZoomSamples; ++j)
            ASSERT_EQ(viewAt(view, i, j),
                      testing::pixelAt(picture, ((x + j - 10) % w + w) % w, ((y + i - 10) % h + h) % h))
                << i << "," << j;
}

class ZoomViewTest : public testing::CoreTest {
protected:
    ZoomViewTest() { doc.replaceWith(testing::randomImage(30, 24, 11)); }
    void fix(int px, int py)
    {
        session.state.ZoomPointSet = true;
        session.state.ZoomPointX = static_cast<float>(px * kTwipsPerPixel);
        session.state.ZoomPointY = static_cast<std::int16_t>(py * kTwipsPerPixel);
    }
    Surface view{kZoomViewTwips / kTwipsPerPixel, kZoomViewTwips / kTwipsPerPixel};
};

class ZoomWrapTest : public ZoomViewTest, public ::testing::WithParamInterface<QPoint> {};

TEST_P(ZoomWrapTest, PointsAtEdgesAndCornersShowTheOppositeEdges)
{
    const QPoint p = GetParam();
    drawZoomView(view, doc.picture(), p.x() * kTwipsPerPixel, p.y() * kTwipsPerPixel);
    expectViewAround(view, doc.picture().Image(), p.x(), p.y());
    EXPECT_EQ(doc.picture().scaleMode(), ScaleMode::Twips); // the picture's units are given back
}

INSTANTIATE_TEST_SUITE_P(Edges, ZoomWrapTest, ::testing::Values(QPoint(15, 12), QPoint(0, 0), QPoint(29, 23)));

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
                         ::testing::Values(MoveCase{4, {150, 150}, {165, 135}}, MoveCase{7, {0, 0}, {450, 360}},
                                           MoveCase{1, {440, 30}, {0, 30}}));

TEST_F(ZoomViewTest, PaintingColoursThePixelUpAndLeftOfThePointInTheZoomToolsWidth)
{
    fix(10, 8);
    session.state.LeftColour = rgb(250, 0, 250);
    QImage expected = doc.picture().Image().copy();
    expected.setPixel(9, 7, toQRgb(rgb(250, 0, 250)));
    ASSERT_TRUE(paintZoomPoint(session)); // the Zoom tool starts one pixel wide
    EXPECT_EQ(doc.picture().Image(), expected);
    EXPECT_TRUE(testing::allLayersEqual(doc));
    EXPECT_EQ(session.undo.UndoCount, 0); // no snapshot

    session.state.ToolDrawWidth[18] = 3;
    fix(20, 15);
    paintZoomPoint(session);
    EXPECT_EQ(testing::countPixels(doc.picture().Image(), rgb(250, 0, 250)), 1 + 9);
    fix(0, 0);
    ASSERT_TRUE(paintZoomPoint(session)); // lands beyond the corner: the picture stays whole
    EXPECT_EQ(doc.picture().pixelWidth(), 30);
    EXPECT_TRUE(testing::allLayersEqual(doc));
}

class ZoomWindowTest : public testing::WindowTest {
protected:
    ZoomWindowTest()
    {
        doc.picture().setPicture(testing::randomImage(122, 122, 21));
        doc.PropagateCentre();
    }
    ZoomWindow &zoom() { return *frame->zoomWindow(); }
    const QImage &picture() { return doc.picture().Image(); }
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
};

TEST_F(ZoomWindowTest, FollowsThePointerUntilAPointIsFixedWhichEnablesTheButtonsUntilReleased)
{
    move(5, {40, 30});
    expectViewAround(zoom().view(), picture(), 40, 30);
    EXPECT_EQ(zoom().positionLabel()->text(), QStringLiteral("40 , 30"));
    EXPECT_TRUE(buttonsEnabled(false));
    const QImage before = picture().copy();
    zoom().paintButton()->click(); // disabled: nothing happens
    EXPECT_EQ(picture(), before);
    fixWithTool({50, 60});
    EXPECT_TRUE(buttonsEnabled(true));
    move(0, {5, 5}); // the pointer is no longer followed
    expectViewAround(zoom().view(), picture(), 50, 60);
    press(0, {50, 60}, Qt::RightButton); // the Zoom tool's right click lets go
    EXPECT_TRUE(buttonsEnabled(false));
}

TEST_F(ZoomWindowTest, PaintChangesEveryTileAndTheViewFollowsChangesToThePicture)
{
    fixWithTool({50, 60});
    session.state.LeftColour = rgb(255, 0, 255);
    zoom().paintButton()->click();
    EXPECT_EQ(testing::pixelAt(picture(), 49, 59), rgb(255, 0, 255));
    EXPECT_TRUE(testing::allLayersEqual(doc));
    EXPECT_EQ(viewAt(zoom().view(), 9, 9), rgb(255, 0, 255));
    session.undo.Undo(doc); // back to the picture before the zoom click
    expectViewAround(zoom().view(), picture(), 50, 60);
}

} // namespace
} // namespace quill
