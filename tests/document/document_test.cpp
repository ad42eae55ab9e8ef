#include "support/fixtures.h"

#include <gtest/gtest.h>

namespace quill {
namespace {

using testing::allLayersEqual;
using testing::pixelAt;

class SyncLayersTest : public ::testing::TestWithParam<int> {};

TEST_P(SyncLayersTest, EveryLayerSharesTheSourcesPicture)
{
    Document doc;
    const int source = GetParam();
    doc.layer(source).raster().fill(toQRgb(rgb(9, 8, 7)));
    doc.SyncLayers(source);
    EXPECT_EQ(pixelAt(doc.layer(0).Image(), 60, 60), rgb(9, 8, 7));
    for (int i = 0; i < kLayerCount; ++i)
        EXPECT_EQ(doc.layer(i).Image().constBits(), doc.layer(source).Image().constBits());
    doc.layer(2).raster().fill(0);
    doc.SyncLayers(9); // out of range: nothing happens
    doc.SyncLayers(-1);
    EXPECT_EQ(pixelAt(doc.layer(4).Image(), 0, 0), rgb(9, 8, 7));
}

INSTANTIATE_TEST_SUITE_P(Sources, SyncLayersTest, ::testing::Range(0, kLayerCount));

TEST(DocumentScratch, ReusesTheRasterTheLayersLetGo)
{
    Document doc;
    QImage first = doc.takeScratchRaster();
    ASSERT_EQ(first.size(), QSize(122, 122));
    first.fill(toQRgb(rgb(1, 2, 3)));
    const uchar *oldBits = doc.layer(0).Image().constBits();
    doc.layer(1).setPicture(first);
    first = QImage();
    doc.SyncLayers(1);
    EXPECT_EQ(pixelAt(doc.layer(5).Image(), 3, 3), rgb(1, 2, 3));
    // The old raster comes back for the next operation instead of fresh memory,
    // but never one that a layer still shows.
    QImage second = doc.takeScratchRaster();
    EXPECT_EQ(second.constBits(), oldBits);
    EXPECT_TRUE(second.isDetached());
    QImage third = doc.takeScratchRaster();
    EXPECT_NE(third.constBits(), doc.layer(0).Image().constBits());
}

} // namespace
} // namespace quill
