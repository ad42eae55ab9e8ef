#include "canvas/text_tool.h"
#include "canvas/text_window.h"
#include "support/window_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace quill {
namespace {

using testing::WindowTest;

class TextWindowTest : public WindowTest {
protected:
    TextWindow &text() { return *frame->textWindow(); }
};

TEST_F(TextWindowTest, OpensWithItsDefaultsAndTheFontList)
{
    ASSERT_NE(frame->textWindow(), nullptr);
    EXPECT_EQ(text().objectName(), QStringLiteral("Form9"));
    EXPECT_EQ(text().windowTitle(), QStringLiteral("Text edit"));
    EXPECT_EQ(text().text1()->text(), QStringLiteral("ABC"));
    EXPECT_EQ(text().sizeBox()->currentText(), QStringLiteral("10"));
    EXPECT_EQ(text().sizeBox()->count(), 15);
    EXPECT_EQ(text().fontBox()->currentText(), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(text().fontBox()->count(), session.state.FontNames.size());
    EXPECT_EQ(session.state.Text.Text, QStringLiteral("ABC"));
}

TEST_F(TextWindowTest, EditsGoStraightIntoTheToolsSettings)
{
    text().text1()->setText(QStringLiteral("Tile"));
    text().boldBox()->click();
    text().underlineBox()->click();
    text().italicBox()->click();
    text().italicBox()->click(); // and off again
    text().chooseSize(QStringLiteral("24"));
    const TextSettings &t = session.state.Text;
    EXPECT_EQ(t.Text, QStringLiteral("Tile"));
    EXPECT_TRUE(t.FontBold);
    EXPECT_TRUE(t.FontUnderline);
    EXPECT_FALSE(t.FontItalic);
    EXPECT_EQ(t.FontSize, 24);
    // Text1 shows the font as a sample.
    EXPECT_TRUE(text().text1()->font().bold());
    EXPECT_EQ(text().text1()->font().pointSizeF(), 24);
}

TEST_F(TextWindowTest, SizesNoFontCanHaveAreIgnored)
{
    text().chooseSize(QStringLiteral("14"));
    for (const char *bad : {"0", "5000", "", "big", "-8"})
        text().chooseSize(QString::fromLatin1(bad));
    EXPECT_EQ(session.state.Text.FontSize, 14);
}

TEST_F(TextWindowTest, AMissingOrEmptyFontNameNeverBreaksPrinting)
{
    text().fontBox()->setEditText(QStringLiteral("Gone Font"));
    EXPECT_EQ(session.state.Text.FontName, QStringLiteral("Gone Font"));
    text().fontBox()->setEditText(QString());
    EXPECT_EQ(session.state.Text.FontName, QStringLiteral("Gone Font"));
    session.state.ToolMode = kTextTool;
    move(0, {10, 10});
    press(0, {10, 10});
    press(0, {10, 10});
    EXPECT_LT(testing::countPixels(doc.picture().Image(), kWhite), 122 * 122);
}

TEST_F(TextWindowTest, TheTextBoxIsLockedWhileATextIsBeingPlaced)
{
    session.state.ToolMode = kTextTool;
    move(4, {10, 10});
    press(4, {10, 10});
    EXPECT_FALSE(text().text1()->isEnabled());
    move(4, {30, 40});
    press(4, {30, 40});
    EXPECT_TRUE(text().text1()->isEnabled());
    press(4, {30, 40});
    key(4, Qt::Key_Escape); // Esc ends the placing too
    EXPECT_TRUE(text().text1()->isEnabled());
}

TEST_F(TextWindowTest, TypedTextIsPlacedWithItsPreviewAndPrintedOnEveryTile)
{
    session.state.ToolMode = kTextTool;
    session.state.LeftColour = rgb(0, 0, 200);
    text().text1()->setText(QStringLiteral("Hi"));
    text().chooseSize(QStringLiteral("20"));
    move(2, {5, 5});
    press(2, {5, 5});
    move(6, {40, 50});
    const OverlayLabel &label = canvas().controller().overlays.Label1;
    EXPECT_TRUE(label.Visible);
    EXPECT_EQ(label.Left, 40 * 15);
    EXPECT_EQ(label.Top, 50 * 15);
    press(6, {40, 50});
    const QRect inked = testing::boundsOfNot(doc.picture().Image(), kWhite);
    EXPECT_GE(inked.left(), 40);
    EXPECT_GE(inked.top(), 50);
    EXPECT_GT(testing::countPixels(doc.picture().Image(), rgb(0, 0, 200)), 20);
    EXPECT_TRUE(testing::allLayersEqual(doc));
    EXPECT_FALSE(label.Visible);
}

TEST_F(TextWindowTest, ClosingTheWindowLeavesTheToolWithAFreshWindowsDefaults)
{
    text().text1()->setText(QStringLiteral("Gone"));
    frame->toolbarClick(QStringLiteral("h"));
    EXPECT_EQ(frame->textWindow(), nullptr);
    EXPECT_EQ(session.state.Text.Text, QStringLiteral("ABC"));
}

} // namespace
} // namespace quill
