#include "support/window_fixture.h"

#include <QFile>
#include <QMdiSubWindow>
#include <gtest/gtest.h>

namespace quill {
namespace {

using testing::WindowTest;

class CanvasWindowTest : public WindowTest {};

struct TilePlace {
    int index;
    QPoint topLeft;
};

class TileLayoutTest : public WindowTest, public ::testing::WithParamInterface<TilePlace> {};

TEST_P(TileLayoutTest, DesignTimeTilesSurroundThePicture)
{
    const auto [index, topLeft] = GetParam();
    EXPECT_EQ(tile(index)->pos(), topLeft);
    EXPECT_EQ(tile(index)->size(), QSize(122, 122));
    EXPECT_EQ(tile(index)->objectName(), QStringLiteral("Picture1(%1)").arg(index));
}

INSTANTIATE_TEST_SUITE_P(Tiles, TileLayoutTest,
                         ::testing::Values(TilePlace{0, {121, 120}}, TilePlace{1, {0, 0}}, TilePlace{2, {121, 0}},
                                           TilePlace{3, {242, 0}}, TilePlace{4, {0, 120}}, TilePlace{5, {242, 120}},
                                           TilePlace{6, {0, 240}}, TilePlace{7, {121, 240}}, TilePlace{8, {242, 240}}));

TEST_F(CanvasWindowTest, StartsWithNineWhiteTilesUnderTheDrawCaption)
{
    EXPECT_EQ(canvas().objectName(), QStringLiteral("Form1"));
    EXPECT_EQ(canvas().windowTitle(), QStringLiteral("Draw"));
    for (int i = 0; i < kLayerCount; ++i)
        EXPECT_EQ(testing::countPixels(doc.layer(i).Image(), kWhite), 122 * 122) << i;
    EXPECT_GE(canvas().width(), 242 + 122);
}

TEST_F(CanvasWindowTest, APressOnAnyTileWritesASnapshotAndEnablesUndo)
{
    EXPECT_FALSE(frame->button(QStringLiteral("f"))->isEnabled());
    move(4, {10, 10}); // the pointer arrives
    press(4, {10, 10});
    EXPECT_TRUE(QFile::exists(path(QStringLiteral("undo0.bmp"))));
    EXPECT_TRUE(frame->button(QStringLiteral("f"))->isEnabled());
    EXPECT_FALSE(frame->button(QStringLiteral("g"))->isEnabled());
}

TEST_F(CanvasWindowTest, UndoRestoresThePictureOnEveryTile)
{
    press(0, {5, 5});
    doc.picture().setPicture(testing::solidImage(122, 122, rgb(0, 128, 0)));
    doc.PropagateCentre();
    frame->toolbarClick(QStringLiteral("f"));
    for (int i = 0; i < kLayerCount; ++i)
        EXPECT_EQ(testing::countPixels(doc.layer(i).Image(), kWhite), 122 * 122) << i;
    EXPECT_FALSE(frame->button(QStringLiteral("f"))->isEnabled());
    EXPECT_TRUE(frame->button(QStringLiteral("g"))->isEnabled());
}

TEST_F(CanvasWindowTest, EventsArriveInTwipsOfTheTileUnderThePointer)
{
    move(7, {12, 34});
    EXPECT_DOUBLE_EQ(canvas().controller().LastX, 12 * 15);
    EXPECT_EQ(canvas().controller().LastY, 34 * 15);
}

TEST_F(CanvasWindowTest, EscapeKeyOnATileCancelsTheTwoClickState)
{
    session.state.ClickStage = 1;
    key(3, Qt::Key_Escape);
    EXPECT_EQ(session.state.ClickStage, 0);
}

TEST_F(CanvasWindowTest, FlashTimerRunsOnlyWhileABandIsVisible)
{
    EXPECT_FALSE(canvas().flashTimer().isActive());
    move(0, {3, 3}); // the pointer marker does not flash
    EXPECT_FALSE(canvas().flashTimer().isActive());
    canvas().controller().overlays.Shape2.Visible = true;
    canvas().controller().overlaysChanged();
    EXPECT_TRUE(canvas().flashTimer().isActive());
    EXPECT_EQ(canvas().flashTimer().interval(), 100);
    key(0, Qt::Key_Escape);
    EXPECT_FALSE(canvas().flashTimer().isActive());
}

TEST_F(CanvasWindowTest, ATileRepaintsOnlyWhatChanged)
{
    QRect heard;
    doc.layer(8).addChangeListener([&](const QRect &r) { heard |= r; });
    doc.picture().setScaleMode(ScaleMode::Pixels);
    doc.picture().setDrawWidth(1);
    doc.picture().PSet(40, 50, rgb(1, 2, 3));
    doc.PropagateCentre();
    EXPECT_EQ(heard, QRect(40, 50, 1, 1));
}

TEST_F(CanvasWindowTest, NewLayoutReplacesTheTilesAndGrowsTheWindow)
{
    doc.layOutGrid(1000, 500);
    EXPECT_EQ(tile(0)->pos(), QPoint(67, 33));
    EXPECT_EQ(tile(8)->pos(), QPoint(133, 67));
    EXPECT_EQ(tile(8)->size(), QSize(67, 33));
    EXPECT_EQ(canvas().gridSize(), QSize(200, 100));
}

} // namespace
} // namespace quill
