#include "canvas/options_window.h"
#include "canvas/text_tool.h"
#include "canvas/text_window.h"
#include "support/window_fixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <gtest/gtest.h>

namespace quill {
namespace {

using testing::WindowTest;

struct AbutCase {
    const char *name;
    QSize picture; // empty: the start-up picture in its start-up layout
    int scale;
};

class TileAbutTest : public WindowTest, public ::testing::WithParamInterface<AbutCase> {};

// A grab of the whole grid is the picture repeated three times each way: a
// copy a pixel late would show the window's grey or hide a row of the picture.
TEST_P(TileAbutTest, TheNineCopiesAbutWithNoGapAndNoOverlap)
{
    const AbutCase c = GetParam();
    if (c.picture.isEmpty()) {
        ASSERT_EQ(doc.picture().Image().size(), QSize(122, 122));
        doc.picture().setPicture(testing::randomImage(122, 122, 5));
        doc.SyncLayers(0);
    } else {
        doc.replaceWith(testing::randomImage(c.picture.width(), c.picture.height(), 5));
    }
    canvas().setZoom(c.scale);
    const QImage picture = doc.picture().Image();
    const int w = picture.width(), h = picture.height();
    auto *grid = canvas().findChild<QWidget *>(QStringLiteral("CanvasGrid"));
    ASSERT_NE(grid, nullptr);
    const QImage shown = grid->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shown.size(), picture.size() * 3 * c.scale);
    int wrong = 0;
    for (int y = 0; y < shown.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(shown.constScanLine(y));
        const auto *source = reinterpret_cast<const QRgb *>(picture.constScanLine(y / c.scale % h));
        for (int x = 0; x < shown.width(); ++x)
            wrong += row[x] != source[x / c.scale % w];
    }
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(tile(8)->geometry(), QRect(QPoint(2 * w, 2 * h) * c.scale, picture.size() * c.scale));
}

INSTANTIATE_TEST_SUITE_P(SizesAndScales, TileAbutTest,
                         ::testing::Values(AbutCase{"StartUp", {}, 1}, AbutCase{"StartUpAt3x", {}, 3},
                                           AbutCase{"Odd", {37, 53}, 2}, AbutCase{"Wide", {67, 33}, 1},
                                           AbutCase{"SmallAt8x", {50, 31}, 8}),
                         [](const auto &info) { return std::string(info.param.name); });

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

class TextFieldSizeTest : public WindowTest, public ::testing::WithParamInterface<int> {};

// The field shows the sample whole: its dark pixels span the letters' full height.
TEST_P(TextFieldSizeTest, TheFieldGrowsWithTheFontSoTheSampleIsNotCutOff)
{
    TextWindow &text = *frame->textWindow();
    text.text1()->setText(QStringLiteral("Ag"));
    text.chooseSize(QString::number(GetParam()));
    QApplication::processEvents();
    const QImage shown = text.text1()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QRect dark;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            if (qGray(shown.pixel(x, y)) < 60)
                dark |= QRect(x, y, 1, 1);
    const QRect letters = QFontMetrics(text.text1()->font()).tightBoundingRect(QStringLiteral("Ag"));
    EXPECT_GE(dark.height(), letters.height() - 2) << "field " << shown.height() << " px high";
    // The window holds the whole field.
    EXPECT_TRUE(text.rect().contains(text.text1()->geometry()));
    EXPECT_TRUE(text.parentWidget()->rect().contains(text.geometry()));
}

INSTANTIATE_TEST_SUITE_P(Points, TextFieldSizeTest, ::testing::Values(24, 48));

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
    // Showing a tool's width does not change it.
    const auto widths = session.state.ToolDrawWidth;
    chooseTool(2);
    EXPECT_EQ(options().textBox(0)->text(), QStringLiteral("1"));
    EXPECT_EQ(options().slider(0)->value(), 1);
    chooseTool(1);
    EXPECT_EQ(session.state.ToolDrawWidth, widths);
}

struct WidthCase {
    const char *name;
    int tool;
    QPoint first;
    std::optional<QPoint> second; // two-click tools
    int column;                   // crossed by the outline
    int crossings;                // how often the outline crosses it
};

class OptionsWidthTest : public OptionsWindowTest, public ::testing::WithParamInterface<WidthCase> {
protected:
    // Draws the case's shape on a white picture in red; the red pixels of the column.
    int drawnAcross(const WidthCase &c)
    {
        doc.picture().setPicture(testing::solidImage(122, 122, kWhite));
        doc.PropagateCentre();
        move(0, c.first);
        press(0, c.first);
        if (c.second) {
            move(0, *c.second);
            press(0, *c.second);
        }
        const QImage column = doc.picture().Image().copy(c.column, 0, 1, 122);
        return testing::countPixels(column, kRed);
    }
};

// The first shape after start is as wide as the Options window says, and so is
// one after a width was typed, whatever width a tool used before left behind.
TEST_P(OptionsWidthTest, ShapesAreDrawnInTheWidthTheOptionsWindowShows)
{
    const WidthCase &c = GetParam();
    session.state.LeftColour = kRed;
    chooseTool(c.tool);
    ASSERT_EQ(options().textBox(0)->text(), QStringLiteral("1"));
    EXPECT_EQ(drawnAcross(c), c.crossings);
    options().textBox(0)->setText(QStringLiteral("5"));
    chooseTool(1);
    move(0, {100, 100}); // the freehand tool's width 10 on the layers
    chooseTool(c.tool);
    EXPECT_EQ(options().slider(0)->value(), 5);
    EXPECT_EQ(drawnAcross(c), 5 * c.crossings);
}

INSTANTIATE_TEST_SUITE_P(Tools, OptionsWidthTest,
                         ::testing::Values(WidthCase{"Point", 2, {30, 30}, std::nullopt, 30, 1},
                                           WidthCase{"Line", 3, {10, 30}, QPoint(60, 30), 35, 1},
                                           WidthCase{"Circle", 5, {60, 60}, QPoint(80, 60), 60, 2},
                                           WidthCase{"Rectangle", 7, {20, 20}, QPoint(60, 50), 40, 2}),
                         [](const auto &info) { return std::string(info.param.name); });

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
