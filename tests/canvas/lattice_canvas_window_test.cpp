// The canvas on brick and half-drop lattices: where the eight copies show the
// picture, where a press on a copy lands, and a stroke that wraps over the
// shifted edge, as the user sees and does them.
#include "support/window_fixture.h"

#include <QAction>
#include <gtest/gtest.h>

namespace quill {
namespace {

using testing::LatticeCase;

class LatticeCanvasTest : public testing::WindowTest, public ::testing::WithParamInterface<LatticeCase> {
protected:
    void SetUp() override
    {
        const QSize size = GetParam().size;
        doc.replaceWith(testing::randomImage(size.width(), size.height(), 9));
        frame->setLattice(GetParam().lattice);
    }
    // The picture pixel a copy at grid cell (column, row) around the picture
    // shows at (x, y): half-drop columns start half a height further down per
    // column to the right, brick rows half a width further right per row down.
    QPoint shownAt(QPoint cell, int x, int y) const
    {
        const int w = GetParam().size.width(), h = GetParam().size.height();
        const int drop = GetParam().lattice == Lattice::HalfDrop ? h / 2 : 0;
        const int slide = GetParam().lattice == Lattice::Brick ? w / 2 : 0;
        return {((x + cell.y() * slide) % w + w) % w, ((y + cell.x() * drop) % h + h) % h};
    }
};

TEST_P(LatticeCanvasTest, EachCopyShowsThePictureWhereTheLatticePutsIt)
{
    const QImage picture = doc.picture().Image().copy();
    const int w = picture.width(), h = picture.height();
    for (int i = 0; i < kLayerCount; ++i) {
        const QImage shown = tile(i)->grab().toImage().convertToFormat(QImage::Format_RGB32);
        ASSERT_GE(shown.width(), w);
        int wrong = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                wrong += shown.pixel(x, y) != picture.pixel(shownAt(gridCell(i) - QPoint(1, 1), x, y));
        EXPECT_EQ(wrong, 0) << "tile " << i;
    }
}

TEST_P(LatticeCanvasTest, APressOnAnyCopyDrawsOnThePicturePointItShows)
{
    const int w = GetParam().size.width(), h = GetParam().size.height();
    doc.picture().Cls();
    doc.PropagateCentre();
    for (int i = 1; i < kLayerCount; ++i) {
        // Near the copy's lower right, where the roll has carried the picture's top rows or left columns.
        const QPoint local(w - 6 - i, h - 6 - i);
        move(i, local);
        press(i, local);
        release(i, local);
        const QPoint p = shownAt(gridCell(i) - QPoint(1, 1), local.x(), local.y());
        EXPECT_EQ(testing::pixelAt(doc.picture().Image(), p.x(), p.y()), kBlack) << "tile " << i;
        const QImage shown = tile(i)->grab().toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(fromQRgb(shown.pixel(local)), kBlack) << "tile " << i;
    }
}

TEST_P(LatticeCanvasTest, AStrokeOverTheEdgesWithWrapOnComesBackWhereTheLatticeSays)
{
    const int w = GetParam().size.width(), h = GetParam().size.height();
    doc.picture().Cls();
    doc.PropagateCentre();
    frame->toolbarClick(QStringLiteral("o"));
    move(0, {1, 1}); // the move a toolbar click makes the canvas swallow
    // Draw (pen 10) from the middle of row 20 out over the right edge, then
    // from the middle of column 20 out over the bottom edge.
    const auto stroke = [this](QPoint from, QPoint to) {
        move(0, from);
        press(0, from);
        move(0, to, Qt::LeftButton);
        release(0, to);
    };
    stroke({w / 2, 20}, {w + 8, 20});
    stroke({20, h / 2}, {20, h + 8});
    const QImage &picture = doc.picture().Image();
    const QPoint right = wrapPoint(GetParam().lattice, GetParam().size, {w + 4, 20});
    const QPoint below = wrapPoint(GetParam().lattice, GetParam().size, {20, h + 4});
    EXPECT_EQ(right, shownAt({1, 0}, 4, 20));
    EXPECT_EQ(below, shownAt({0, 1}, 20, 4));
    EXPECT_EQ(testing::pixelAt(picture, right.x(), right.y()), kBlack);
    EXPECT_EQ(testing::pixelAt(picture, below.x(), below.y()), kBlack);
    // Where a plain wrap would have brought them back stays white on the shifted lattice.
    if (GetParam().lattice == Lattice::HalfDrop)
        EXPECT_EQ(testing::pixelAt(picture, 4, 20), kWhite);
    if (GetParam().lattice == Lattice::Brick)
        EXPECT_EQ(testing::pixelAt(picture, 20, 4), kWhite);
    EXPECT_TRUE(testing::allLayersEqual(doc));
}

INSTANTIATE_TEST_SUITE_P(Lattices, LatticeCanvasTest,
                         ::testing::Values(LatticeCase{Lattice::Grid, {97, 83}}, LatticeCase{Lattice::Brick, {97, 83}},
                                           LatticeCase{Lattice::HalfDrop, {97, 83}},
                                           LatticeCase{Lattice::Brick, {120, 64}},
                                           LatticeCase{Lattice::HalfDrop, {120, 64}}),
                         testing::latticeCaseName);

} // namespace
} // namespace quill
