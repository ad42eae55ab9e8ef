// The lattice a tile repeats on: where a point beyond an edge comes back, the
// repeat cut from the endless plane, rolling over the lattice, and strokes
// and reads of a wrapping surface on each lattice, at even and odd sizes.
#include "support/fixtures.h"
#include "surface/lattice.h"

#include <gtest/gtest.h>

namespace quill {
namespace {

using testing::randomImage;

using testing::LatticeCase;

const auto kCases = ::testing::Values(LatticeCase{Lattice::Grid, {8, 6}}, LatticeCase{Lattice::Brick, {8, 6}},
                                      LatticeCase{Lattice::HalfDrop, {8, 6}}, LatticeCase{Lattice::Grid, {97, 83}},
                                      LatticeCase{Lattice::Brick, {97, 83}}, LatticeCase{Lattice::HalfDrop, {97, 83}});

// The rule in words: leaving the right edge at row y comes back at the left
// edge at row y + half the height on half-drop; leaving the bottom at column x
// comes back at the top at column x + half the width on brick; half of an odd
// extent rounds down.
QPoint cameBackRight(Lattice l, QSize s, int y)
{
    return {0, l == Lattice::HalfDrop ? (y + s.height() / 2) % s.height() : y};
}
QPoint cameBackBelow(Lattice l, QSize s, int x)
{
    return {l == Lattice::Brick ? (x + s.width() / 2) % s.width() : x, 0};
}

class LatticeTest : public ::testing::TestWithParam<LatticeCase> {};

TEST_P(LatticeTest, PointsAcrossEachEdgeComeBackWhereTheLatticePutsThem)
{
    const auto [lattice, size] = GetParam();
    const int w = size.width(), h = size.height();
    for (int y = 0; y < h; ++y) {
        ASSERT_EQ(wrapPoint(lattice, size, {w, y}), cameBackRight(lattice, size, y)) << y;
        // And back again: the pixel left of the left edge is the end of the row it came from.
        const QPoint left = wrapPoint(lattice, size, {-1, cameBackRight(lattice, size, y).y()});
        ASSERT_EQ(left, QPoint(w - 1, y)) << y;
    }
    for (int x = 0; x < w; ++x) {
        ASSERT_EQ(wrapPoint(lattice, size, {x, h}), cameBackBelow(lattice, size, x)) << x;
        ASSERT_EQ(wrapPoint(lattice, size, {cameBackBelow(lattice, size, x).x(), -1}), QPoint(x, h - 1)) << x;
    }
    // Points inside stay, and a step to the next copy shows the same pixel.
    for (const QPoint p : {QPoint(0, 0), QPoint(w - 1, h - 1), QPoint(w / 3, h / 2)}) {
        EXPECT_EQ(wrapPoint(lattice, size, p), p);
        for (bool right : {true, false})
            for (int n : {-2, -1, 1, 2})
                EXPECT_EQ(wrapPoint(lattice, size, p + n * copyStep(lattice, size, right)), p) << right << n;
    }
}

TEST_P(LatticeTest, ARepeatOfTwoByTwoShowsTheShiftedCopies)
{
    const auto [lattice, size] = GetParam();
    const int w = size.width(), h = size.height();
    const QImage tile = randomImage(w, h, 7);
    const QImage repeat = repeatOnLattice(tile, 2, 2, lattice);
    ASSERT_EQ(repeat.size(), size * 2);
    const int drop = lattice == Lattice::HalfDrop ? h / 2 : 0, slide = lattice == Lattice::Brick ? w / 2 : 0;
    int wrong = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            wrong += repeat.pixel(x, y) != tile.pixel(x, y);
            // The right column starts drop rows further down the picture, the lower row slide columns further right.
            wrong += repeat.pixel(w + x, y) != tile.pixel(x, (y + drop) % h);
            wrong += repeat.pixel(x, h + y) != tile.pixel((x + slide) % w, y);
        }
    EXPECT_EQ(wrong, 0);
}

TEST_P(LatticeTest, RollingByHalfAndBackRestoresThePicture)
{
    const auto [lattice, size] = GetParam();
    const QImage picture = randomImage(size.width(), size.height(), 3);
    QImage shifted, back;
    rollOnLattice(picture, size.width() / 2, size.height() / 2, shifted, lattice);
    rollOnLattice(shifted, -(size.width() / 2), -(size.height() / 2), back, lattice);
    EXPECT_EQ(back, picture);
    EXPECT_EQ(shifted.pixel(size.width() / 2, size.height() / 2), picture.pixel(0, 0));
    EXPECT_NE(shifted, picture);
}

TEST_P(LatticeTest, AWrappedStrokeOverAnEdgeComesBackWhereTheLatticeSays)
{
    const auto [lattice, size] = GetParam();
    const int w = size.width(), h = size.height();
    Surface s = testing::pixelSurface(w, h);
    s.setWrapEdges(true);
    s.setLattice(lattice);
    // A one-pixel stroke leaving the right edge at row 2, another leaving the bottom at column 2.
    s.Line(w - 2, 2, w + 1, 2, kRed);
    s.Line(2, h - 2, 2, h + 1, kBlue);
    const QPoint right = cameBackRight(lattice, size, 2), below = cameBackBelow(lattice, size, 2);
    EXPECT_EQ(s.Point(right.x() + 1, right.y()), kRed);
    EXPECT_EQ(s.Point(below.x(), below.y() + 1), kBlue);
    EXPECT_EQ(testing::countPixels(s.Image(), kRed), 4);
    EXPECT_EQ(testing::countPixels(s.Image(), kBlue), 4);
    // Reads beyond the edges come from the same places.
    EXPECT_EQ(s.Point(w, 2), s.Point(right.x(), right.y()));
    EXPECT_EQ(s.Point(2, h + 1), kBlue);

    // A wide pen over the corner is one disc, split where the lattice puts its parts.
    Surface corner = testing::pixelSurface(w, h);
    corner.setWrapEdges(true);
    corner.setLattice(lattice);
    corner.setDrawWidth(4);
    corner.PSet(0, 0, kRed);
    EXPECT_EQ(testing::countPixels(corner.Image(), kRed), 12);
    EXPECT_EQ(corner.Point(-1, -1), kRed);
}

INSTANTIATE_TEST_SUITE_P(Lattices, LatticeTest, kCases, testing::latticeCaseName);

TEST(LatticeNames, KeysAndLabelsRoundTripAndUnknownKeysAreRefused)
{
    for (Lattice l : kLattices)
        EXPECT_EQ(latticeFromKey(latticeKey(l)), l);
    EXPECT_EQ(latticeKey(Lattice::HalfDrop), QStringLiteral("half-drop"));
    EXPECT_EQ(latticeLabel(Lattice::HalfDrop), QStringLiteral("Half-drop"));
    EXPECT_FALSE(latticeFromKey(QStringLiteral("Half-drop")).has_value());
    EXPECT_FALSE(latticeFromKey(QString()).has_value());
}

} // namespace
} // namespace quill
