// The seam tools and the wrapping filters on brick and half-drop lattices:
// the score and the repair measure across the lattice's own edges, Offset by
// half moves over it, and a blurred lattice tile stays seamless on it.
#include "filter_helpers.h"
#include "support/picture_files.h"
#include "toolbox/seam_commands.h"
#include "toolbox/seam_tools.h"

#include <random>

namespace quill {
namespace {

using testing::latticeSineTile;

class LatticeScoreTest : public ::testing::TestWithParam<std::tuple<Lattice, QSize>> {};

TEST_P(LatticeScoreTest, ATileBuiltForALatticeIsSeamlessThereAndBrokenOnTheGrid)
{
    const auto [lattice, size] = GetParam();
    const QImage tile = latticeSineTile(lattice, size.width(), size.height());
    const SeamScore own = seamScore(tile, lattice);
    EXPECT_LE(own.s, 1.25);
    EXPECT_GE(std::min(own.x, own.y), 0.8);
    EXPECT_GE(seamScore(tile, Lattice::Grid).s, 3.0);
    // The other shifted lattice breaks it too.
    EXPECT_GE(seamScore(tile, lattice == Lattice::Brick ? Lattice::HalfDrop : Lattice::Brick).s, 3.0);
}

INSTANTIATE_TEST_SUITE_P(Lattices, LatticeScoreTest,
                         ::testing::Combine(::testing::Values(Lattice::Brick, Lattice::HalfDrop),
                                            ::testing::Values(QSize(256, 256), QSize(97, 83), QSize(64, 90))));

// Noise over ramps in both directions: a hard seam on every lattice.
QImage rampedNoise(QSize size, unsigned seed)
{
    std::mt19937 rng(seed);
    return testing::imageOf(size.width(), size.height(), [&](int x, int y) {
        const int n = static_cast<int>(rng() % 24);
        return qRgb(30 + 150 * x / size.width() + n, 40 + 160 * y / size.height() + n,
                    90 + 60 * (x + y) / (size.width() + size.height()) + n);
    });
}

class LatticeRepairTest : public ::testing::TestWithParam<std::tuple<Lattice, QSize>> {};

TEST_P(LatticeRepairTest, MakeSeamlessRepairsTheLatticesSeamsInTheBandsOnly)
{
    const auto [lattice, size] = GetParam();
    const QImage original = rampedNoise(size, 5);
    ASSERT_GE(seamScore(original, lattice).s, 3.0);
    QImage repaired = original;
    makeSeamless(repaired, lattice);
    const SeamScore after = seamScore(repaired, lattice);
    EXPECT_LE(after.s, 1.25);
    EXPECT_GE(std::min(after.x, after.y), 0.5);
    const int kx = seamBand(size.width()), ky = seamBand(size.height());
    int changed = 0;
    for (int y = ky; y < size.height() - ky; ++y)
        for (int x = kx; x < size.width() - kx; ++x)
            changed += repaired.pixel(x, y) != original.pixel(x, y);
    EXPECT_EQ(changed, 0);
    // No row of the bands steps sharply against the one above over a stretch
    // (a correction taken from the wrong partner row leaves a step across the band).
    int worstRow = 0;
    for (int y = 1; y < size.height(); ++y) {
        int steep = 0;
        for (int x = 0; x < size.width(); ++x)
            steep += std::abs(qGreen(repaired.pixel(x, y)) - qGreen(repaired.pixel(x, y - 1))) > 40;
        worstRow = std::max(worstRow, steep);
    }
    EXPECT_LE(worstRow, 2);
}

INSTANTIATE_TEST_SUITE_P(Lattices, LatticeRepairTest,
                         ::testing::Combine(::testing::Values(Lattice::Grid, Lattice::Brick, Lattice::HalfDrop),
                                            ::testing::Values(QSize(97, 83), QSize(128, 96))));

class LatticeCommandTest : public testing::FilterTest, public ::testing::WithParamInterface<Lattice> {};

TEST_P(LatticeCommandTest, OffsetByHalfKeepsALatticeTileSeamlessAndWithoutABreakInside)
{
    const Lattice lattice = GetParam();
    load(latticeSineTile(lattice, 97, 83));
    doc.setLattice(lattice);
    SeamState seam;
    offsetByHalf(session, seam);
    EXPECT_LE(seamScore(picture(), lattice).s, 1.25);
    // Moved over its own lattice the wave stays whole inside: no step above a
    // few levels anywhere (a plain wrap would tear it along the old edges).
    int torn = 0;
    for (int y = 0; y < 83; ++y)
        for (int x = 1; x < 97; ++x)
            torn += std::abs(qRed(picture().pixel(x, y)) - qRed(picture().pixel(x - 1, y))) > 12;
    EXPECT_EQ(torn, 0);
    offsetByHalf(session, seam);
    EXPECT_EQ(picture(), latticeSineTile(lattice, 97, 83));
}

INSTANTIATE_TEST_SUITE_P(Lattices, LatticeCommandTest, ::testing::Values(Lattice::Brick, Lattice::HalfDrop));

TEST_F(LatticeCommandTest, ABlurOfALatticeTileStaysSeamlessOnItsLattice)
{
    for (const Lattice lattice : {Lattice::Brick, Lattice::HalfDrop}) {
        load(latticeSineTile(lattice, 97, 83));
        doc.setWrapEdges(true);
        doc.setLattice(lattice);
        click(QStringLiteral("blur"));
        EXPECT_LE(seamScore(picture(), lattice).s, 1.25) << latticeKey(lattice).toStdString();
        EXPECT_GE(seamScore(picture(), lattice).s, 0.8) << latticeKey(lattice).toStdString();
    }
}

} // namespace
} // namespace quill
