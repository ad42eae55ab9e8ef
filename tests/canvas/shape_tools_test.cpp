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

constexpr Colour kRed = rgb(255, 0, 0);
constexpr Colour kBlue = rgb(0, 0, 255);

class ShapeTest : public testing::WindowTest {
protected:
    ShapeTest()
    {
        session.state.LeftColour = kRed;
        session.state.RightColour = kBlue;
        // Shapes keep the width of the tool used before; give them a thin one.
        session.state.ToolDrawWidth[1] = 1;
        move(0, {1, 1});
    }
    ToolboxWindow &toolbox() { return *frame->findChild<ToolboxWindow *>(QStringLiteral("Form2")); }
    const QImage &picture() { return doc.picture().Image(); }
    const CanvasOverlays &overlays() { return canvas().controller().overlays; }
    // First click, a move with no button, second click.
    void twoClicks(int tileIndex, QPoint first, QPoint second, Qt::MouseButton button = Qt::LeftButton)
    {
        press(tileIndex, first, button);
        release(tileIndex, first, button);
        move(tileIndex, second);
        press(tileIndex, second, button);
        release(tileIndex, second, button);
    }
};

TEST_F(ShapeTest, RectangleSecondClickDrawsTheOutlineInThatButtonsColourAndResetsClickStage)
{
    toolbox().click(QStringLiteral("Command7"));
    press(4, {20, 20});
    EXPECT_EQ(session.state.ClickStage, 1);
    EXPECT_EQ(countPixels(picture(), kWhite), 122 * 122); // the first click draws nothing
    move(4, {50, 40});
    ASSERT_TRUE(overlays().Shape2.Visible);
    EXPECT_DOUBLE_EQ(overlays().Shape2.Left, 20 * 15 + 15);
    EXPECT_DOUBLE_EQ(overlays().Shape2.Width, 30 * 15);
    EXPECT_DOUBLE_EQ(overlays().Shape2.Height, 20 * 15);
    press(4, {50, 40}, Qt::RightButton);

    EXPECT_EQ(session.state.ClickStage, 0);
    EXPECT_FALSE(overlays().Shape2.Visible);
    EXPECT_EQ(boundsOfNot(picture(), kWhite), QRect(QPoint(20, 20), QPoint(50, 40)));
    EXPECT_EQ(pixelAt(picture(), 20, 30), kBlue);
    EXPECT_EQ(pixelAt(picture(), 35, 40), kBlue);
    EXPECT_EQ(pixelAt(picture(), 35, 30), kWhite); // outline only
    EXPECT_TRUE(allLayersEqual(doc));
    EXPECT_EQ(session.undo.UndoCount, 2); // one snapshot per press
}

TEST_F(ShapeTest, AFilledRectangleDrawnBackwardsGivesTheSameBox)
{
    toolbox().click(QStringLiteral("Command8"));
    press(0, {50, 40});
    move(0, {20, 20});
    press(0, {20, 20});
    EXPECT_EQ(countPixels(picture(), kRed), 31 * 21);
}

TEST_F(ShapeTest, EscapeCancelsAPendingShapeAndTheNextClickStartsAnew)
{
    toolbox().click(QStringLiteral("Command4"));
    press(0, {10, 10});
    move(0, {40, 40});
    EXPECT_TRUE(overlays().Line1.Visible);
    key(0, Qt::Key_Escape);
    EXPECT_FALSE(overlays().Line1.Visible);
    EXPECT_TRUE(toolbox().button(QStringLiteral("Command4"))->isEnabled());
    press(0, {40, 40});
    EXPECT_EQ(session.state.ClickStage, 1); // a first click again
    EXPECT_EQ(countPixels(picture(), kWhite), 122 * 122);
    EXPECT_EQ(session.undo.UndoCount, 2);
}

TEST_F(ShapeTest, LineFollowsItsBandAndLandsOnEveryTile)
{
    toolbox().click(QStringLiteral("Command4"));
    press(6, {10, 10});
    move(6, {40, 70});
    EXPECT_DOUBLE_EQ(overlays().Line1.Y2, 70 * 15);
    press(6, {40, 70});
    EXPECT_EQ(boundsOfNot(picture(), kWhite), QRect(QPoint(10, 10), QPoint(40, 70)));
    EXPECT_EQ(pixelAt(picture(), 25, 40), kRed);
    EXPECT_TRUE(allLayersEqual(doc));
}

struct CircleCase {
    const char *name;
    std::vector<const char *> buttons; // toolbox clicks, in order
    bool filled;
};

class CircleTest : public ShapeTest, public ::testing::WithParamInterface<CircleCase> {};

TEST_P(CircleTest, FillFollowsTheLastFillButton)
{
    for (const char *b : GetParam().buttons)
        toolbox().click(QString::fromLatin1(b));
    press(0, {60, 60});
    move(0, {70, 65});
    EXPECT_TRUE(overlays().Line1.Visible);
    EXPECT_TRUE(overlays().Line2.Visible);
    EXPECT_DOUBLE_EQ(overlays().Line2.Y1, 60 * 15 - 150);
    press(0, {70, 65}); // only the horizontal distance counts: radius 10
    EXPECT_FALSE(overlays().Line1.Visible);
    EXPECT_EQ(canvas().controller().CircleRadius, 150);
    EXPECT_EQ(boundsOfNot(picture(), kWhite), QRect(50, 50, 21, 21));
    EXPECT_EQ(pixelAt(picture(), 60, 60), GetParam().filled ? kRed : kWhite);
    EXPECT_EQ(pixelAt(picture(), 65, 60), GetParam().filled ? kRed : kWhite);
    EXPECT_EQ(pixelAt(picture(), 70, 60), kRed);
    EXPECT_TRUE(allLayersEqual(doc));
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, CircleTest,
    ::testing::Values(CircleCase{"Circle", {"Command5"}, false}, CircleCase{"FilledCircle", {"Command6"}, true},
                      CircleCase{"KeepsFillAfterRectangle", {"Command6", "Command7", "Command70"}, false},
                      CircleCase{"KeepsFillAfterCircle", {"Command5", "Command70"}, false}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(ShapeTest, AVerticalCircleDragKeepsThePreviousRadiusAndAMiddleClickWaits)
{
    toolbox().click(QStringLiteral("Command5"));
    twoClicks(0, {30, 30}, {36, 30});
    twoClicks(0, {80, 80}, {80, 100});
    EXPECT_EQ(canvas().controller().CircleRadius, 90);
    EXPECT_EQ(pixelAt(picture(), 86, 80), kRed);
    press(0, {10, 10});
    press(0, {30, 30}, Qt::MiddleButton);
    EXPECT_EQ(session.state.ClickStage, 1);
}

} // namespace
} // namespace quill
