#include "support/fixtures.h"

#include <gtest/gtest.h>

namespace quill {
namespace {

using testing::allLayersEqual;
using testing::pixelAt;

TEST(DocumentLayers, StartAsNineWhiteSquaresAroundThePicture)
{
    Document doc;
    for (int i = 0; i < kLayerCount; ++i) {
        EXPECT_EQ(doc.layer(i).pixelWidth(), 122);
        EXPECT_EQ(doc.layer(i).Width(), 1837);
    }
    EXPECT_EQ(doc.layer(0).Left(), 1810);
    EXPECT_EQ(doc.layer(3).Left(), 3625);
    EXPECT_EQ(doc.layer(7).Top(), 3600);
}

class SyncLayersTest : public ::testing::TestWithParam<int> {};

TEST_P(SyncLayersTest, EveryLayerTakesTheSourcesPicture)
{
    Document doc;
    const int source = GetParam();
    doc.layer(source).raster().fill(toQRgb(rgb(9, 8, 7)));
    doc.SyncLayers(source);
    EXPECT_TRUE(allLayersEqual(doc));
    EXPECT_EQ(pixelAt(doc.layer(0).Image(), 60, 60), rgb(9, 8, 7));
    // Shared, not copied.
    for (int i = 0; i < kLayerCount; ++i)
        EXPECT_EQ(doc.layer(i).Image().constBits(), doc.layer(source).Image().constBits());
}

INSTANTIATE_TEST_SUITE_P(Sources, SyncLayersTest, ::testing::Range(0, kLayerCount));

TEST(DocumentLayers, OutOfRangeSyncDoesNothing)
{
    Document doc;
    doc.layer(0).raster().fill(0);
    doc.SyncLayers(9);
    doc.SyncLayers(-1);
    EXPECT_EQ(pixelAt(doc.layer(4).Image(), 0, 0), kWhite);
}

TEST(DocumentLayers, GridLayoutFollowsTheSize)
{
    Document doc;
    int layouts = 0;
    doc.onLayout = [&] { ++layouts; };
    doc.layOutGrid(1000, 500);
    EXPECT_EQ(layouts, 1);
    const int expected[kLayerCount][2] = {{1000, 500}, {0, 0},    {1000, 0},    {2000, 0},   {0, 500},
                                          {2000, 500}, {0, 1000}, {1000, 1000}, {2000, 1000}};
    for (int i = 0; i < kLayerCount; ++i) {
        EXPECT_EQ(doc.layer(i).Left(), expected[i][0]) << i;
        EXPECT_EQ(doc.layer(i).Top(), expected[i][1]) << i;
        EXPECT_EQ(doc.layer(i).Width(), 1000);
        EXPECT_EQ(doc.layer(i).Height(), 500);
        EXPECT_EQ(doc.layer(i).pixelWidth(), 67);
        EXPECT_EQ(doc.layer(i).pixelHeight(), 33);
    }
}

TEST(DocumentLayers, ReplacingThePictureTakesItsSize)
{
    Document doc;
    doc.replaceWith(testing::randomImage(7, 5, 1));
    EXPECT_EQ(doc.pixelWidth(), 7);
    EXPECT_EQ(doc.pixelHeight(), 5);
    EXPECT_TRUE(allLayersEqual(doc));
    EXPECT_EQ(doc.picture().Image(), testing::randomImage(7, 5, 1));
}

TEST(DocumentScratch, ReusesTheRasterTheLayersLetGo)
{
    Document doc;
    QImage first = doc.takeScratchRaster();
    ASSERT_EQ(first.size(), QSize(122, 122));
    first.fill(toQRgb(rgb(1, 2, 3)));
    const uchar *firstBits = first.constBits();
    const uchar *oldBits = doc.layer(0).Image().constBits();
    doc.layer(1).setPicture(first);
    first = QImage();
    doc.SyncLayers(1);
    EXPECT_EQ(pixelAt(doc.layer(5).Image(), 3, 3), rgb(1, 2, 3));
    EXPECT_EQ(doc.layer(0).Image().constBits(), firstBits);
    // The old raster comes back for the next operation instead of fresh memory.
    QImage second = doc.takeScratchRaster();
    EXPECT_EQ(second.constBits(), oldBits);
    EXPECT_TRUE(second.isDetached());
    // Never one that a layer still shows.
    QImage third = doc.takeScratchRaster();
    EXPECT_NE(third.constBits(), doc.layer(0).Image().constBits());
}

} // namespace
} // namespace quill
