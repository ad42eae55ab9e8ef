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

struct WrapCase {
    const char *alias;
    QImage input;
    QPoint probe; // a pixel beside the opposite edge from the bright one
    Colour wrapping, plain;
};

class WrapFilterTest : public testing::FilterTest, public ::testing::WithParamInterface<WrapCase> {};

TEST_P(WrapFilterTest, ReachesAcrossTheEdgeOnlyWhileWrapping)
{
    const WrapCase &c = GetParam();
    for (const bool wrap : {true, false}) {
        load(c.input);
        doc.setWrapEdges(wrap);
        click(QString::fromLatin1(c.alias));
        EXPECT_EQ(at(c.probe.x(), c.probe.y()), wrap ? c.wrapping : c.plain) << (wrap ? "wrapping" : "plain");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Filters, WrapFilterTest,
    ::testing::Values(
        // The left neighbour of (0, 1) is (3, 1): a fifth of it, rounded. The
        // same from the right, from above and from below.
        WrapCase{"blur", withPixel(solidImage(4, 3, kBlack), {3, 1}, rgb(250, 100, 7)), {0, 1}, rgb(50, 20, 1), kBlack},
        WrapCase{"blur", withPixel(solidImage(4, 3, kBlack), {0, 1}, rgb(250, 100, 7)), {3, 1}, rgb(50, 20, 1), kBlack},
        WrapCase{"blur", withPixel(solidImage(4, 3, kBlack), {1, 2}, rgb(250, 100, 7)), {1, 0}, rgb(50, 20, 1), kBlack},
        WrapCase{"blur", withPixel(solidImage(4, 3, kBlack), {1, 0}, rgb(250, 100, 7)), {1, 2}, rgb(50, 20, 1), kBlack},
        // On the wrapped grid the dot at (0, 0) comes after the one at (6, 6) and
        // shows beyond the right and bottom edges.
        WrapCase{
            "mosaic", withPixel(solidImage(9, 9, kWhite), {0, 0}, rgb(255, 0, 0)), {6, 6}, rgb(255, 0, 0), kWhite}));

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
