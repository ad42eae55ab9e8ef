// The filters while the picture wraps at its edges: what reaches across, and
// seamless tiles that stay seamless.
#include "filter_helpers.h"
#include "toolbox/seam_tools.h"

#include <algorithm>
#include <cmath>

namespace quill {
namespace {

using testing::solidImage;
using testing::withPixel;

struct ReachCase {
    const char *alias;
    Lattice lattice;
    QImage input;
    QPoint probe; // reached only across the edge, on that lattice's shifted edge for brick and half-drop
    Colour reached, otherwise;
};

class WrapFilterTest : public testing::FilterTest, public ::testing::WithParamInterface<ReachCase> {};

// Grid rows: reached while wrapping, not without; brick and half-drop rows
// (wrapping): reached on their lattice, not on the grid.
TEST_P(WrapFilterTest, ReachesAcrossTheEdgeOnlyWhereTheLatticeJoinsIt)
{
    const ReachCase &c = GetParam();
    for (const bool reach : {true, false}) {
        load(c.input);
        doc.setWrapEdges(reach || c.lattice != Lattice::Grid);
        doc.setLattice(reach ? c.lattice : Lattice::Grid);
        click(QString::fromLatin1(c.alias));
        EXPECT_EQ(at(c.probe.x(), c.probe.y()), reach ? c.reached : c.otherwise) << reach;
    }
}

const Colour kFifth = rgb(50, 20, 1); // a fifth of (250, 100, 7) or (250, 100, 5), rounded

INSTANTIATE_TEST_SUITE_P(
    Filters, WrapFilterTest,
    ::testing::Values(
        // The left neighbour of (0, 1) is (3, 1). The same from the right, from above and from below.
        ReachCase{"blur",
                  Lattice::Grid,
                  withPixel(solidImage(4, 3, kBlack), {3, 1}, rgb(250, 100, 7)),
                  {0, 1},
                  kFifth,
                  kBlack},
        ReachCase{"blur",
                  Lattice::Grid,
                  withPixel(solidImage(4, 3, kBlack), {0, 1}, rgb(250, 100, 7)),
                  {3, 1},
                  kFifth,
                  kBlack},
        ReachCase{"blur",
                  Lattice::Grid,
                  withPixel(solidImage(4, 3, kBlack), {1, 2}, rgb(250, 100, 7)),
                  {1, 0},
                  kFifth,
                  kBlack},
        ReachCase{"blur",
                  Lattice::Grid,
                  withPixel(solidImage(4, 3, kBlack), {1, 0}, rgb(250, 100, 7)),
                  {1, 2},
                  kFifth,
                  kBlack},
        // Half-drop 4 x 4: the left neighbour of (0, 1) is (3, 3), the end of the row half a height up.
        ReachCase{"blur",
                  Lattice::HalfDrop,
                  withPixel(solidImage(4, 4, kBlack), {3, 3}, rgb(250, 100, 5)),
                  {0, 1},
                  kFifth,
                  kBlack},
        // Brick 4 x 4: the neighbour above (3, 0) is (1, 3), half a width to the left on the last row.
        ReachCase{"blur",
                  Lattice::Brick,
                  withPixel(solidImage(4, 4, kBlack), {1, 3}, rgb(250, 100, 5)),
                  {3, 0},
                  kFifth,
                  kBlack},
        // Mosaic dots are 8 pixels wide. On the wrapped grid the dot at (0, 0) comes after the one at
        // (6, 6) and shows beyond the right and bottom edges.
        ReachCase{"mosaic", Lattice::Grid, withPixel(solidImage(9, 9, kWhite), {0, 0}, kRed), {6, 6}, kRed, kWhite},
        // Half-drop: the dot at (9, 9) seen in the copy to the left sits 5 rows higher, at (-1, 4).
        ReachCase{
            "mosaic", Lattice::HalfDrop, withPixel(solidImage(10, 10, kWhite), {9, 9}, kRed), {0, 0}, kRed, kWhite},
        // Brick: the dot at (0, 0) seen one copy down sits half a width on, at (5, 10).
        ReachCase{
            "mosaic", Lattice::Brick, withPixel(solidImage(10, 10, kWhite), {0, 0}, kRed), {3, 6}, kRed, kWhite}));

// A seamless tile whose three channels run through different periodic waves.
QImage periodicTile(int side)
{
    return testing::imageOf(side, side, [side](int x, int y) {
        const double u = 2 * M_PI * x / side, v = 2 * M_PI * y / side;
        auto channel = [](double wave) { return 128 + static_cast<int>(std::lround(90 * wave)); };
        return qRgb(channel(std::sin(u) * std::sin(v + 0.5)), channel(std::cos(u + v)),
                    channel(std::sin(2 * u + 1) * std::cos(v)));
    });
}

struct SeamCase {
    const char *alias;
    bool breaksWithoutWrap; // the same click with wrap off shows the seam
};

class SeamSafeFilterTest : public testing::FilterTest, public ::testing::WithParamInterface<SeamCase> {
protected:
    double scoreAfter(const QImage &tile, bool wrap)
    {
        load(tile);
        doc.setWrapEdges(wrap);
        click(QString::fromLatin1(GetParam().alias));
        return seamScore(picture(), Lattice::Grid).s;
    }
};

// Every filter that maps a tile to a tile keeps a seamless tile seamless while
// the picture wraps (S within 0.8..1.25), also on a side the mosaic's 3-pixel
// grid does not divide; those that reach across the edges break it without wrap.
TEST_P(SeamSafeFilterTest, KeepsASeamlessTileSeamlessWhileWrapping)
{
    for (const int side : {60, 61}) {
        const QImage tile = periodicTile(side);
        ASSERT_LE(seamScore(tile, Lattice::Grid).s, 1.25);
        // Neither a step nor a flat line along the seam.
        const double wrapped = scoreAfter(tile, true);
        EXPECT_TRUE(wrapped >= 0.8 && wrapped <= 1.25) << side << ": " << wrapped;
        if (GetParam().breaksWithoutWrap) {
            const double plain = scoreAfter(tile, false);
            EXPECT_FALSE(plain >= 0.8 && plain <= 1.25) << side << ": " << plain;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Filters, SeamSafeFilterTest,
    ::testing::Values(SeamCase{"grey", false}, SeamCase{"purple", false}, SeamCase{"yellow", false},
                      SeamCase{"green", false}, SeamCase{"red", false}, SeamCase{"blue", false},
                      SeamCase{"white-up", false}, SeamCase{"white-down", false}, SeamCase{"red-up", false},
                      SeamCase{"red-down", false}, SeamCase{"green-up", false}, SeamCase{"green-down", false},
                      SeamCase{"blue-up", false}, SeamCase{"blue-down", false}, SeamCase{"yellow-up", false},
                      SeamCase{"yellow-down", false}, SeamCase{"mirror-h", false}, SeamCase{"mirror-v", false},
                      SeamCase{"half-turn", false}, SeamCase{"half-turn-twips", false}, SeamCase{"turn-left", true},
                      SeamCase{"turn-right", true}, SeamCase{"blur", true}, SeamCase{"mosaic", true}),
    [](const auto &info) {
        std::string name = info.param.alias;
        std::replace(name.begin(), name.end(), '-', '_');
        return name;
    });

} // namespace
} // namespace quill
