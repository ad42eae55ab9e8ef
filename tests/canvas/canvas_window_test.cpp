#include "canvas/options_window.h"
#include "canvas/text_tool.h"
#include "canvas/text_window.h"
#include "support/window_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <gtest/gtest.h>

namespace quill {
namespace {

using testing::WindowTest;

TEST_F(WindowTest, TilesSurroundThePictureAndFollowANewLayout)
{
    const QPoint places[kLayerCount] = {{121, 120}, {0, 0},   {121, 0},   {242, 0},  {0, 120},
                                        {242, 120}, {0, 240}, {121, 240}, {242, 240}};
    for (int i = 0; i < kLayerCount; ++i) {
        EXPECT_EQ(tile(i)->geometry(), QRect(places[i], QSize(122, 122))) << i;
    }
    doc.layOutGrid(1000, 500);
    EXPECT_EQ(tile(8)->geometry(), QRect(133, 67, 67, 33));
    EXPECT_EQ(canvas().gridSize(), QSize(200, 100));
}

TEST_F(WindowTest, EventsArriveInTwipsAndTheFlashTimerRunsOnlyWhileABandShows)
{
    move(7, {12, 34});
    EXPECT_DOUBLE_EQ(canvas().controller().LastX, 12 * 15);
    EXPECT_EQ(canvas().controller().LastY, 34 * 15);
    EXPECT_FALSE(canvas().flashTimer().isActive()); // the pointer marker does not flash
    canvas().controller().overlays.Shape2.Visible = true;
    canvas().controller().overlaysChanged();
    EXPECT_TRUE(canvas().flashTimer().isActive());
    session.state.ClickStage = 1;
    key(3, Qt::Key_Escape);
    EXPECT_EQ(session.state.ClickStage, 0);
    EXPECT_FALSE(canvas().flashTimer().isActive());
}

// ---- The text window ----

TEST_F(WindowTest, TextWindowEditsGoStraightIntoTheToolsSettings)
{
    TextWindow &text = *frame->textWindow();
    EXPECT_EQ(text.text1()->text(), QStringLiteral("ABC"));
    text.text1()->setText(QStringLiteral("Tile"));
    text.boldBox()->click();
    text.italicBox()->click();
    text.italicBox()->click(); // and off again
    text.chooseSize(QStringLiteral("24"));
    for (const char *bad : {"0", "5000", "big"})
        text.chooseSize(QString::fromLatin1(bad));
    text.fontBox()->setEditText(QStringLiteral("Gone Font"));
    const TextSettings &t = session.state.Text;
    EXPECT_EQ(t.Text, QStringLiteral("Tile"));
    EXPECT_TRUE(t.FontBold);
    EXPECT_FALSE(t.FontItalic);
    EXPECT_EQ(t.FontSize, 24);
    EXPECT_EQ(t.FontName, QStringLiteral("Gone Font"));
    frame->toolbarClick(QStringLiteral("h"));
    EXPECT_EQ(frame->textWindow(), nullptr);
    EXPECT_EQ(session.state.Text.Text, QStringLiteral("ABC")); // closing restores the defaults
}

TEST_F(WindowTest, TextBoxIsLockedWhileATextIsPlacedThenPrintedOnEveryTile)
{
    TextWindow &text = *frame->textWindow();
    session.state.ToolMode = kTextTool;
    session.state.LeftColour = rgb(0, 0, 200);
    text.text1()->setText(QStringLiteral("Hi"));
    text.fontBox()->setEditText(QStringLiteral("Gone Font")); // falls back to an installed one
    move(2, {5, 5});
    press(2, {5, 5});
    EXPECT_FALSE(text.text1()->isEnabled());
    move(6, {40, 50});
    press(6, {40, 50});
    EXPECT_TRUE(text.text1()->isEnabled());
    EXPECT_GT(testing::countPixels(doc.picture().Image(), rgb(0, 0, 200)), 20);
}

// ---- The options window ----

class OptionsWindowTest : public WindowTest {
protected:
    OptionsWindow &options() { return *frame->optionsWindow(); }
    void chooseTool(int tool)
    {
        session.state.ToolMode = static_cast<std::int16_t>(tool);
        session.stateChanged();
    }
};

TEST_F(OptionsWindowTest, ShowsEachToolsRowsAndValuesWithoutChangingThem)
{
    EXPECT_EQ(options().textBox(0)->text(), QStringLiteral("10"));
    EXPECT_TRUE(options().slider(1)->isHidden());
    session.state.SprayPointWidth = 4;
    session.state.SprayPointCount = 120;
    chooseTool(13);
    EXPECT_FALSE(options().slider(2)->isHidden());
    EXPECT_EQ(options().textBox(1)->text(), QStringLiteral("4"));
    EXPECT_EQ(options().slider(2)->value(), 120);
    // Point starts without a width of its own: showing it must not give it one.
    const auto widths = session.state.ToolDrawWidth;
    chooseTool(2);
    EXPECT_EQ(options().textBox(0)->text(), QStringLiteral("0"));
    chooseTool(1);
    EXPECT_EQ(session.state.ToolDrawWidth, widths);
}

TEST_F(OptionsWindowTest, SlidersAndTypedWidthsReachTheToolsAndThePreview)
{
    options().slider(0)->setValue(20);
    EXPECT_EQ(options().textBox(0)->text(), QStringLiteral("10")); // a slider leaves the text box
    EXPECT_EQ(testing::boundsOfNot(options().preview().Image(), kWhite).width(), 20);
    options().textBox(0)->setText(QStringLiteral("99999"));
    EXPECT_EQ(session.state.ToolDrawWidth[1], 20);
    options().textBox(0)->setText(QStringLiteral("7abc"));
    EXPECT_EQ(options().slider(0)->value(), 7);
    EXPECT_EQ(testing::boundsOfNot(options().preview().Image(), kWhite).width(), 7);
    move(0, {20, 20});
    press(0, {20, 20});
    EXPECT_EQ(doc.picture().DrawWidth(), 7);
}

} // namespace
} // namespace quill
