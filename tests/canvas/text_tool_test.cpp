#include "canvas/text_tool.h"
#include "support/fixtures.h"

#include <gtest/gtest.h>

namespace quill {
namespace {

using testing::countPixels;

class TextToolTest : public testing::CoreTest {
protected:
    TextToolTest()
    {
        doc.layOutGrid(200 * kTwipsPerPixel, 120 * kTwipsPerPixel);
        doc.forEachLayer([](Surface &l) { l.Cls(); });
        session.state.ToolMode = kTextTool;
        session.state.LeftColour = kBlue;
        session.state.RightColour = kRed;
        session.state.Text.FontName = QStringLiteral("DejaVu Sans");
    }
    MouseEvent at(double x, double y, int button = kLeftButton, int index = 0) { return {index, button, 0, x, y}; }
    // Places the preview with one click and prints with a second.
    void place(double x, double y, int secondButton = kLeftButton)
    {
        canvas.mouseDown(at(x, y));
        canvas.mouseMove(at(x, y, 0));
        canvas.mouseDown(at(x, y, secondButton, 4));
    }
    int white() { return countPixels(doc.picture().Image(), kWhite); }

    CanvasController canvas{session};
};

struct FontCase {
    double size;
    bool bold, underline;
};

class TextPrintTest : public TextToolTest, public ::testing::WithParamInterface<FontCase> {};

TEST_P(TextPrintTest, PrintsInsideItsMeasuredBoxOnEveryTileInTwoColours)
{
    const FontCase c = GetParam();
    TextSettings &text = session.state.Text;
    text.Text = QStringLiteral("Ab");
    text.FontSize = c.size;
    text.FontBold = c.bold;
    text.FontUnderline = c.underline;
    place(20 * kTwipsPerPixel, 15 * kTwipsPerPixel);

    Surface probe;
    applyTextFont(probe, text);
    probe.setScaleMode(ScaleMode::Pixels);
    const QRect box(QPoint(20, 15), QSize(static_cast<int>(std::ceil(probe.TextWidth(text.Text))),
                                          static_cast<int>(std::ceil(probe.TextHeight(text.Text)))));
    const QImage &picture = doc.picture().Image();
    const QRect inked = testing::boundsOfNot(picture, kWhite);
    ASSERT_FALSE(inked.isEmpty());
    EXPECT_TRUE(box.contains(inked));
    EXPECT_GT(inked.height(), box.height() / 2); // bigger text really is bigger
    EXPECT_EQ(countPixels(picture, kWhite) + countPixels(picture, kBlue), 200 * 120);
    EXPECT_TRUE(testing::allLayersEqual(doc));
    EXPECT_FALSE(canvas.overlays.Label1.Visible);
}

INSTANTIATE_TEST_SUITE_P(Fonts, TextPrintTest, ::testing::Values(FontCase{8, false, false}, FontCase{72, true, true}));

TEST_F(TextToolTest, ThePreviewShowsTheTextInTheLeftColourAndFollowsThePointer)
{
    session.state.Text.Text = QStringLiteral("Tile");
    session.state.Text.FontSize = 24;
    session.state.Text.FontBold = true;
    canvas.mouseDown(at(300, 450, kRightButton, 7));
    const OverlayLabel &label = canvas.overlays.Label1;
    EXPECT_TRUE(label.Visible);
    EXPECT_EQ(label.ForeColor, kBlue); // even for the right button
    EXPECT_EQ(QPointF(label.Left, label.Top), QPointF(300, 450));
    EXPECT_EQ(label.Font.pixelSize(), 32); // 24 points at 4/3 pixel a point
    EXPECT_EQ(white(), 200 * 120);         // nothing printed yet
    session.state.Text.FontItalic = true;
    canvas.mouseMove(at(600, 900, 0, 3));
    EXPECT_EQ(QPointF(label.Left, label.Top), QPointF(600, 900));
    EXPECT_TRUE(label.Font.italic());
}

TEST_F(TextToolTest, TheSecondClickPrintsInThatButtonsColourAndUndoTakesItBack)
{
    session.state.Text.Text = QStringLiteral("W");
    place(50 * kTwipsPerPixel, 40 * kTwipsPerPixel, kRightButton);
    const QRect inked = testing::boundsOfNot(doc.picture().Image(), kWhite);
    EXPECT_TRUE(inked.left() >= 50 && inked.top() >= 40);
    EXPECT_GT(countPixels(doc.picture().Image(), kRed), 0);
    EXPECT_EQ(countPixels(doc.picture().Image(), kBlue), 0);
    session.undo.Undo(doc);
    EXPECT_EQ(white(), 200 * 120);
    EXPECT_TRUE(testing::allLayersEqual(doc));
}

TEST_F(TextToolTest, OddTextsAndFontsNeverBreakPrinting)
{
    session.state.Text.Text.clear();
    canvas.mouseDown(at(30, 30));
    doc.layer(5).PSet(10, 10, kRed); // a stray tile that differs
    canvas.mouseDown(at(30, 30, kLeftButton));
    EXPECT_EQ(white(), 200 * 120);
    EXPECT_TRUE(testing::allLayersEqual(doc)); // the centre still reaches the tiles

    session.state.Text.FontName = QStringLiteral("No Such Font 7f3a");
    session.state.Text.Text = QStringLiteral("A long line of text");
    session.state.Text.FontSize = 48;
    place(180 * kTwipsPerPixel, 100 * kTwipsPerPixel); // runs off the picture
    EXPECT_EQ(doc.picture().pixelWidth(), 200);
    EXPECT_GT(countPixels(doc.picture().Image(), kBlue), 0);
    EXPECT_TRUE(testing::allLayersEqual(doc));
}

TEST(TextFontSize, OnlySizesAFontCanHaveAreTaken)
{
    for (auto [size, taken] :
         {std::pair{0.0, false}, {5000.0, false}, {std::nan(""), false}, {2160.0, true}, {9.5, true}}) {
        TextSettings text;
        text.FontSize = 12;
        EXPECT_EQ(setTextFontSize(text, size), taken) << size;
        EXPECT_EQ(text.FontSize, taken ? size : 12) << size;
    }
}

} // namespace
} // namespace quill
