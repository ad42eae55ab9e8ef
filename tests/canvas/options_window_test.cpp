#include "canvas/options_window.h"
#include "support/window_fixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <gtest/gtest.h>

namespace quill {
namespace {

using testing::WindowTest;

class OptionsWindowTest : public WindowTest {
protected:
    OptionsWindow &options() { return *frame->optionsWindow(); }
    // The toolbox changes the tool and tells the windows.
    void chooseTool(int tool)
    {
        session.state.ToolMode = static_cast<std::int16_t>(tool);
        session.stateChanged();
    }
    bool rowShown(int row) { return !options().slider(row)->isHidden() && !options().textBox(row)->isHidden(); }
    bool rowHidden(int row) { return options().slider(row)->isHidden() && options().textBox(row)->isHidden(); }
};

TEST_F(OptionsWindowTest, StartsConfiguredForDrawWithItsWidth)
{
    ASSERT_NE(frame->optionsWindow(), nullptr);
    EXPECT_EQ(options().objectName(), QStringLiteral("Form7"));
    EXPECT_EQ(options().windowTitle(), QStringLiteral("Options"));
    EXPECT_EQ(options().configuredTool(), 1);
    EXPECT_EQ(options().slider(0)->value(), 10);
    EXPECT_EQ(options().textBox(0)->text(), QStringLiteral("10"));
    EXPECT_EQ(options().label(0)->text(), QStringLiteral("Drawwidth:"));
    EXPECT_TRUE(rowShown(0));
    EXPECT_TRUE(rowHidden(1));
    EXPECT_TRUE(rowHidden(2));
    EXPECT_EQ(options().slider(0)->maximum(), 1000);
    EXPECT_EQ(options().slider(1)->maximum(), 200);
}

TEST_F(OptionsWindowTest, SwitchingToolsShowsEachToolsValues)
{
    session.state.SprayWidth = 25;
    session.state.SprayPointWidth = 4;
    session.state.SprayPointCount = 120;
    chooseTool(13);
    EXPECT_EQ(options().configuredTool(), 13);
    for (int row = 0; row < 3; ++row)
        EXPECT_TRUE(rowShown(row)) << row;
    EXPECT_EQ(options().slider(0)->value(), 25);
    EXPECT_EQ(options().textBox(1)->text(), QStringLiteral("4"));
    EXPECT_EQ(options().slider(2)->value(), 120);
    EXPECT_EQ(options().label(1)->text(), QStringLiteral("Pointwidth:"));

    chooseTool(19);
    EXPECT_EQ(options().label(1)->text(), QStringLiteral("Height:"));
    EXPECT_EQ(options().label(2)->text(), QStringLiteral("Number:"));
    EXPECT_EQ(options().slider(0)->value(), 1);
    EXPECT_EQ(options().textBox(1)->text(), QStringLiteral("3"));
    EXPECT_EQ(options().textBox(2)->text(), QStringLiteral("2"));

    chooseTool(1); // back to Draw: rows 2 and 3 go
    EXPECT_TRUE(rowHidden(1));
    EXPECT_TRUE(rowHidden(2));
    EXPECT_EQ(options().textBox(0)->text(), QStringLiteral("10"));
    EXPECT_EQ(options().label(1)->text(), QString());

    chooseTool(11); // Text: nothing to set, captions stay
    for (int row = 0; row < 3; ++row)
        EXPECT_TRUE(rowHidden(row)) << row;
    EXPECT_EQ(options().label(0)->text(), QStringLiteral("Drawwidth:"));
}

TEST_F(OptionsWindowTest, ShowingAToolsValuesDoesNotChangeAnySetting)
{
    // Point starts without a width of its own: showing it must not give it one.
    const auto widths = session.state.ToolDrawWidth;
    chooseTool(2);
    chooseTool(18);
    chooseTool(1);
    EXPECT_EQ(session.state.ToolDrawWidth, widths);
    chooseTool(2);
    EXPECT_EQ(options().textBox(0)->text(), QStringLiteral("0"));
}

TEST_F(OptionsWindowTest, MovingASliderSetsTheSettingButNotTheTextBox)
{
    chooseTool(13);
    options().slider(2)->setValue(77);
    EXPECT_EQ(session.state.SprayPointCount, 77);
    EXPECT_EQ(options().textBox(2)->text(), QStringLiteral("100"));
    chooseTool(7);
    options().slider(0)->setValue(1000);
    EXPECT_EQ(session.state.ToolDrawWidth[7], 1000);
}

struct TypedCase {
    const char *text;
    int width; // ToolDrawWidth(1) afterwards
    int slider;
};

class OptionsTypingTest : public OptionsWindowTest, public ::testing::WithParamInterface<TypedCase> {};

TEST_P(OptionsTypingTest, TypedWidthsAreTakenOnlyInRange)
{
    const TypedCase c = GetParam();
    options().textBox(0)->setText(QString::fromLatin1(c.text));
    EXPECT_EQ(session.state.ToolDrawWidth[1], c.width);
    EXPECT_EQ(options().slider(0)->value(), c.slider);
    EXPECT_EQ(options().textBox(0)->text(), QString::fromLatin1(c.text)); // what was typed stays
}

INSTANTIATE_TEST_SUITE_P(Texts, OptionsTypingTest,
                         ::testing::Values(TypedCase{"12abc", 12, 12}, TypedCase{"", 10, 10}, TypedCase{"-3", 10, 10},
                                           TypedCase{"99999", 10, 10}, TypedCase{"1000", 10, 10},
                                           TypedCase{"999", 999, 999}));

TEST_F(OptionsWindowTest, TheToolsFollowTheTypedWidth)
{
    options().textBox(0)->setText(QStringLiteral("7"));
    move(0, {20, 20});
    press(0, {20, 20});
    EXPECT_EQ(doc.picture().DrawWidth(), 7);
}

TEST_F(OptionsWindowTest, ThePreviewDotGrowsWithTheWidth)
{
    options().slider(0)->setValue(20);
    EXPECT_EQ(testing::boundsOfNot(options().preview().Image(), kWhite).width(), 20);
    options().textBox(0)->setText(QStringLiteral("5"));
    EXPECT_EQ(testing::boundsOfNot(options().preview().Image(), kWhite).width(), 5);
}

} // namespace
} // namespace quill
