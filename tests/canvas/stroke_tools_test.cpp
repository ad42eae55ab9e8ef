#include "support/window_fixture.h"
#include "toolbox/toolbox_window.h"

#include <gtest/gtest.h>

namespace quill {
namespace {

using testing::allLayersEqual;
using testing::boundsOfNot;
using testing::countPixels;
using testing::pixelAt;

constexpr Colour kRed = rgb(255, 0, 0);
constexpr Colour kBlue = rgb(0, 0, 255);

class StrokeTest : public testing::WindowTest {
protected:
    StrokeTest()
    {
        session.state.LeftColour = kRed;
        session.state.RightColour = kBlue;
    }
    ToolboxWindow &toolbox() { return *frame->findChild<ToolboxWindow *>(QStringLiteral("Form2")); }
    const QImage &picture() { return doc.picture().Image(); }
    // Pixels of the left colour in one column of the picture.
    int columnCount(int x)
    {
        int n = 0;
        for (int y = 0; y < picture().height(); ++y)
            n += pixelAt(picture(), x, y) == kRed;
        return n;
    }
    // A horizontal drag on one tile: arrive, press, two moves with the button held.
    void drag(int tileIndex, QPoint from, QPoint to, Qt::MouseButton button = Qt::LeftButton)
    {
        move(tileIndex, from);
        press(tileIndex, from, button);
        move(tileIndex, (from + to) / 2, button);
        move(tileIndex, to, button);
        release(tileIndex, to, button);
    }
};

// Every stroke tool, on a corner tile and on the centre, with either button:
// the mark lands on all nine tiles and one undo takes the whole drag back.
struct StrokeCase {
    const char *name;
    const char *button; // toolbox button of the tool
    int tile;
    Qt::MouseButton mouse;
};

class StrokeToolTest : public StrokeTest, public ::testing::WithParamInterface<StrokeCase> {};

TEST_P(StrokeToolTest, MarkAppearsOnAllNineTilesAndUndoesInOneStep)
{
    const StrokeCase c = GetParam();
    session.state.SprayWidth = 150;
    toolbox().click(QString::fromLatin1(c.button));
    drag(c.tile, {30, 50}, {70, 50}, c.mouse);

    EXPECT_EQ(session.undo.UndoCount, 1);
    EXPECT_LT(countPixels(picture(), kWhite), 122 * 122);
    EXPECT_TRUE(allLayersEqual(doc));
    frame->toolbarClick(QStringLiteral("f"));
    for (int i = 0; i < kLayerCount; ++i)
        EXPECT_EQ(countPixels(doc.layer(i).Image(), kWhite), 122 * 122) << i;
}

INSTANTIATE_TEST_SUITE_P(Tools, StrokeToolTest,
                         ::testing::Values(StrokeCase{"DrawCentre", "Command1", 0, Qt::LeftButton},
                                           StrokeCase{"DrawCorner", "Command1", 8, Qt::RightButton},
                                           StrokeCase{"PointCorner", "Command2", 3, Qt::RightButton},
                                           StrokeCase{"PointSide", "Command2", 4, Qt::LeftButton},
                                           StrokeCase{"Spray", "Command22", 6, Qt::LeftButton},
                                           StrokeCase{"MultiPolyline", "Command56", 1, Qt::RightButton},
                                           StrokeCase{"GradientBrush", "Command81", 5, Qt::MiddleButton}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(StrokeTest, DrawPaintsItsWidthInTheButtonsColourAndTheMiddleButtonNothing)
{
    drag(7, {30, 50}, {70, 50});
    for (int x : {30, 50, 70})
        EXPECT_EQ(pixelAt(picture(), x, 50), kRed) << x;
    EXPECT_EQ(columnCount(50), 10); // Draw is 10 pixels wide
    EXPECT_EQ(pixelAt(picture(), 50, 46), kRed);
    EXPECT_EQ(pixelAt(picture(), 50, 43), kWhite);
    const QRect bounds = boundsOfNot(picture(), kWhite);
    EXPECT_GE(bounds.left(), 24);
    EXPECT_LE(bounds.right(), 76);
    drag(2, {20, 20}, {20, 40}, Qt::RightButton);
    EXPECT_EQ(pixelAt(picture(), 20, 30), kBlue);
    const QImage before = picture().copy();
    drag(0, {90, 90}, {100, 100}, Qt::MiddleButton);
    EXPECT_EQ(picture(), before);
    EXPECT_EQ(session.undo.UndoCount, 3);
    // A press without a move joins the last pointer position.
    move(0, {10, 100});
    press(0, {60, 100});
    EXPECT_EQ(pixelAt(picture(), 35, 100), kRed);
}

TEST_F(StrokeTest, ADragLeavingTheCanvasIsClippedAtTheEdge)
{
    move(4, {10, 10});
    press(4, {10, 10});
    move(4, {-40, -25}, Qt::LeftButton); // the tile keeps the grab outside itself
    move(4, {300, 400}, Qt::LeftButton);
    release(4, {300, 400});
    EXPECT_EQ(doc.picture().Image().size(), QSize(122, 122));
    EXPECT_EQ(pixelAt(picture(), 0, 3), kRed);
    EXPECT_TRUE(allLayersEqual(doc));
}

TEST_F(StrokeTest, AZeroWidthKeepsTheLastWidthAndAHugeOneFillsTheTile)
{
    move(0, {40, 40}); // Draw's width 10 reaches every layer
    session.state.ToolDrawWidth[1] = 0;
    drag(0, {40, 40}, {60, 40});
    EXPECT_EQ(columnCount(50), 10);
    session.state.ToolDrawWidth[1] = 32767;
    drag(0, {40, 40}, {41, 40});
    EXPECT_EQ(countPixels(picture(), kRed), 122 * 122);
}

TEST_F(StrokeTest, PointDrawsOneDotOfItsWidthAndNothingWhileAZoomPointIsSet)
{
    toolbox().click(QStringLiteral("Command2"));
    session.state.ToolDrawWidth[2] = 3;
    press(8, {20, 30}, Qt::RightButton);
    EXPECT_EQ(boundsOfNot(picture(), kWhite), QRect(19, 29, 3, 3));
    EXPECT_EQ(pixelAt(picture(), 20, 30), kBlue);
    session.state.ZoomPointSet = true;
    press(0, {80, 80});
    EXPECT_EQ(session.undo.UndoCount, 2); // the press still takes its snapshot
    EXPECT_EQ(countPixels(picture(), kRed), 0);
}

TEST_F(StrokeTest, SprayWithAFixedSeedRepeatsItsDotsInsideItsReach)
{
    toolbox().click(QStringLiteral("Command22"));
    session.state.SprayWidth = 150; // 10 pixels
    session.state.SprayPointWidth = 1;
    session.state.SprayPointCount = 100;
    session.random.seed(42);
    move(0, {60, 60});
    press(0, {60, 60});
    const QImage first = picture().copy();
    const int dots = countPixels(first, kRed);
    EXPECT_GT(dots, 50); // a few land on the same pixel
    EXPECT_LE(dots, 100);
    EXPECT_TRUE(QRect(QPoint(40, 40), QPoint(70, 70)).contains(boundsOfNot(first, kWhite))); // (X - 2R, X + R)
    frame->toolbarClick(QStringLiteral("f"));
    session.random.seed(42);
    move(0, {60, 60});
    press(0, {60, 60});
    EXPECT_EQ(picture(), first);

    frame->toolbarClick(QStringLiteral("f"));
    session.state.SprayWidth = 0; // no reach: every dot on the pointer
    move(0, {60, 60});
    press(0, {60, 60});
    EXPECT_EQ(boundsOfNot(picture(), kWhite), QRect(60, 60, 1, 1));
}

} // namespace
} // namespace quill
