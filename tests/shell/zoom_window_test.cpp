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

using testing::WindowTest;

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
    fixWithTool({50, 60});
    EXPECT_TRUE(buttonsEnabled(true));
    expectViewAround(50, 60);
    move(0, {5, 5}); // the pointer is no longer followed
    expectViewAround(50, 60);
    press(0, {50, 60}, Qt::RightButton); // the Zoom tool's right click lets go
    EXPECT_TRUE(buttonsEnabled(false));
}

TEST_F(ZoomWindowTest, ArrowsMoveTheFixedPointAndRedraw)
{
    fixWithTool({50, 60});
    zoom().arrow(1)->click(); // right
    zoom().arrow(2)->click(); // down
    EXPECT_FLOAT_EQ(session.state.ZoomPointX, 51 * 15);
    EXPECT_EQ(session.state.ZoomPointY, 61 * 15);
    expectViewAround(51, 61);
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
    for (QPoint corner : {QPoint(0, 0), QPoint(121, 0), QPoint(0, 121), QPoint(121, 121)}) {
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
