// Blur and mosaic while the picture wraps at its edges.
#include "filter_helpers.h"
#include "support/picture_files.h"
#include "toolbox/seam_tools.h"

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
        // The last dot, at (9, 9), is 8 pixels wide and continues over the corner.
        WrapCase{
            "mosaic", withPixel(solidImage(10, 10, kWhite), {9, 9}, rgb(255, 0, 0)), {0, 0}, rgb(255, 0, 0), kWhite}));

TEST_F(WrapFilterTest, ABlurOfASeamlessTileStaysSeamlessOnlyWhileWrapping)
{
    const QImage tile = testing::sineTile(97, 65);
    load(tile);
    doc.setWrapEdges(true);
    click(QStringLiteral("blur"));
    EXPECT_GE(seamScore(picture(), Lattice::Grid).s, 0.8);
    EXPECT_LE(seamScore(picture(), Lattice::Grid).s, 1.25);
    load(tile);
    doc.setWrapEdges(false);
    click(QStringLiteral("blur"));
    // The black beyond the edges darkens both sides of the seam alike: a dark
    // line along it, with steep steps beside a shallow one across.
    EXPECT_LT(seamScore(picture(), Lattice::Grid).s, 0.5);
}

} // namespace
} // namespace quill
