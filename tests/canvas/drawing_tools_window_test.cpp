#include "support/window_fixture.h"
#include "toolbox/toolbox_window.h"

#include <QAbstractButton>
#include <gtest/gtest.h>

namespace quill {
namespace {

using testing::allLayersEqual;
using testing::boundsOfNot;
using testing::countPixels;
using testing::pixelAt;

// The tools as a user drives them: toolbox buttons, presses and drags on the tiles.
class DrawingTest : public testing::WindowTest {
protected:
    DrawingTest()
    {
        session.state.LeftColour = kRed;
        session.state.RightColour = kBlue;
    }
    ToolboxWindow &toolbox() { return *frame->findChild<ToolboxWindow *>(QStringLiteral("Form2")); }
    const QImage &picture() { return doc.picture().Image(); }
    const CanvasOverlays &overlays() { return canvas().controller().overlays; }
    void drag(int tileIndex, QPoint from, QPoint to, Qt::MouseButton button = Qt::LeftButton)
    {
        move(tileIndex, from);
        press(tileIndex, from, button);
        move(tileIndex, (from + to) / 2, button);
        move(tileIndex, to, button);
        release(tileIndex, to, button);
    }
};

struct StrokeCase {
    const char *name;
    const char *button; // the tool's toolbox button
    int tile;
    Qt::MouseButton mouse;
};

class StrokeToolTest : public DrawingTest, public ::testing::WithParamInterface<StrokeCase> {};

// On a corner tile or the centre, with any button: the mark lands on all nine
// tiles and one undo takes the whole drag back.
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
                                           StrokeCase{"Spray", "Command22", 6, Qt::LeftButton},
                                           StrokeCase{"GradientBrush", "Command81", 5, Qt::MiddleButton}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(DrawingTest, DrawPaintsItsWidthInTheButtonsColourAndTheMiddleButtonNothing)
{
    drag(7, {30, 50}, {70, 50});
    EXPECT_EQ(boundsOfNot(picture(), kWhite).height(), 10); // Draw is 10 pixels wide
    EXPECT_EQ(pixelAt(picture(), 50, 46), kRed);
    EXPECT_EQ(pixelAt(picture(), 50, 43), kWhite);
    drag(2, {20, 20}, {20, 40}, Qt::RightButton);
    EXPECT_EQ(pixelAt(picture(), 20, 30), kBlue);
    const QImage before = picture().copy();
    drag(0, {90, 90}, {100, 100}, Qt::MiddleButton);
    EXPECT_EQ(picture(), before);
    EXPECT_EQ(session.undo.UndoCount, 3);
    toolbox().click(QStringLiteral("Command2"));
    session.state.ZoomPointSet = true; // Point draws nothing while a zoom point is fixed
    drag(0, {90, 90}, {100, 100});
    EXPECT_EQ(picture(), before);
}

TEST_F(DrawingTest, ADragLeavingTheCanvasIsClippedAndAHugeWidthFillsTheTile)
{
    move(4, {10, 10});
    press(4, {10, 10});
    move(4, {-40, -25}, Qt::LeftButton); // the tile keeps the grab outside itself
    move(4, {300, 400}, Qt::LeftButton);
    release(4, {300, 400});
    EXPECT_EQ(pixelAt(picture(), 0, 3), kRed);
    EXPECT_TRUE(allLayersEqual(doc));
    session.state.ToolDrawWidth[1] = 32767;
    drag(0, {40, 40}, {41, 40});
    EXPECT_EQ(countPixels(picture(), kRed), 122 * 122);
}

TEST_F(DrawingTest, SprayWithAFixedSeedRepeatsItsDotsInsideItsReach)
{
    toolbox().click(QStringLiteral("Command22"));
    session.state.SprayWidth = 150; // 10 pixels
    session.state.SprayPointWidth = 1;
    session.state.SprayPointCount = 100;
    session.random.seed(42);
    move(0, {60, 60});
    press(0, {60, 60});
    const QImage first = picture().copy();
    EXPECT_GT(countPixels(first, kRed), 50); // a few land on the same pixel
    EXPECT_TRUE(QRect(QPoint(40, 40), QPoint(70, 70)).contains(boundsOfNot(first, kWhite))); // (X - 2R, X + R)
    frame->toolbarClick(QStringLiteral("f"));
    session.random.seed(42);
    move(0, {60, 60});
    press(0, {60, 60});
    EXPECT_EQ(picture(), first);
}

// ---- Two-click shapes ----

struct ShapeCase {
    const char *name;
    std::vector<const char *> buttons; // toolbox clicks, in order
    QPoint first, second;
    Qt::MouseButton mouse;
    QRect bounds;
    std::vector<std::pair<QPoint, Colour>> pixels;
};

class ShapeTest : public DrawingTest, public ::testing::WithParamInterface<ShapeCase> {};

TEST_P(ShapeTest, TheSecondClickDrawsTheShapeOnEveryTile)
{
    const ShapeCase &c = GetParam();
    move(0, {1, 1});
    for (const char *b : c.buttons)
        toolbox().click(QString::fromLatin1(b));
    press(4, c.first, c.mouse);
    EXPECT_EQ(session.state.ClickStage, 1);
    EXPECT_EQ(countPixels(picture(), kWhite), 122 * 122); // the first click draws nothing
    move(4, c.second);
    press(4, c.second, c.mouse);
    EXPECT_EQ(session.state.ClickStage, 0);
    EXPECT_FALSE(overlays().Shape2.Visible || overlays().Line1.Visible);
    EXPECT_EQ(boundsOfNot(picture(), kWhite), c.bounds);
    for (const auto &[p, colour] : c.pixels)
        EXPECT_EQ(pixelAt(picture(), p.x(), p.y()), colour) << p.x() << "," << p.y();
    EXPECT_TRUE(allLayersEqual(doc));
    EXPECT_EQ(session.undo.UndoCount, 2); // one snapshot per press
}

const QRect kDisc(50, 50, 21, 21);

// clang-format off
INSTANTIATE_TEST_SUITE_P(Shapes, ShapeTest, ::testing::Values(
    ShapeCase{"Rectangle", {"Command7"}, {20, 20}, {50, 40}, Qt::RightButton, QRect(20, 20, 31, 21),
              {{{20, 30}, kBlue}, {{35, 40}, kBlue}, {{35, 30}, kWhite}}},
    ShapeCase{"FilledRectangleBackwards", {"Command8"}, {50, 40}, {20, 20}, Qt::LeftButton, QRect(20, 20, 31, 21), {{{35, 30}, kRed}}},
    ShapeCase{"Line", {"Command4"}, {10, 10}, {40, 70}, Qt::LeftButton, QRect(10, 10, 31, 61), {{{25, 40}, kRed}}},
    // Only the horizontal distance counts for the radius.
    ShapeCase{"Circle", {"Command5"}, {60, 60}, {70, 65}, Qt::LeftButton, kDisc, {{{60, 60}, kWhite}, {{70, 60}, kRed}}},
    ShapeCase{"FilledCircle", {"Command6"}, {60, 60}, {70, 65}, Qt::LeftButton, kDisc, {{{60, 60}, kRed}}},
    // Code 20 draws circles with the fill the last fill button left.
    ShapeCase{"CircleAfterRectangle", {"Command6", "Command7", "Command70"}, {60, 60}, {70, 65}, Qt::LeftButton, kDisc,
              {{{60, 60}, kWhite}}}),
    [](const auto &info) { return std::string(info.param.name); });
// clang-format on

TEST_F(DrawingTest, ToolButtonsAreLockedBetweenTheTwoClicksAndEscapeCancels)
{
    const QStringList locked = {"Command1", "Command2", "Command22", "Command4",  "Command5",  "Command6",
                                "Command7", "Command8", "Command13", "Command53", "Command16", "Command56"};
    toolbox().click(QStringLiteral("Command4"));
    press(0, {10, 10});
    for (const QString &name : locked)
        EXPECT_FALSE(toolbox().button(name)->isEnabled()) << name.toStdString();
    toolbox().click(QStringLiteral("Command1")); // a disabled button cannot change the tool
    EXPECT_EQ(session.state.ToolMode, 3);
    press(0, {30, 30}, Qt::MiddleButton); // a middle click leaves the shape pending
    EXPECT_EQ(session.state.ClickStage, 1);
    move(0, {40, 40});
    EXPECT_TRUE(overlays().Line1.Visible);
    key(0, Qt::Key_Escape);
    EXPECT_FALSE(overlays().Line1.Visible);
    for (const QString &name : locked)
        EXPECT_TRUE(toolbox().button(name)->isEnabled()) << name.toStdString();
    EXPECT_EQ(countPixels(picture(), kWhite), 122 * 122);
}

} // namespace
} // namespace quill
