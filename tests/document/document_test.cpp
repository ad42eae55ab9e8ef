#include "support/fixtures.h"

#include <QObject>
#include <gtest/gtest.h>

#include <memory>

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

using SessionTest = testing::CoreTest;

TEST_F(SessionTest, LoadClearsThePictureToWhiteOnAllNineLayers)
{
    doc.forEachLayer([](Surface &l) { l.raster().fill(0); });
    loadStartState(session);
    EXPECT_EQ(testing::countPixels(doc.picture().Image(), kWhite), doc.pixelWidth() * doc.pixelHeight());
    EXPECT_TRUE(allLayersEqual(doc));
    EXPECT_EQ(doc.pixelWidth(), 122);
}

// Windows follow the shared state through listeners; windows come and go.
TEST_F(SessionTest, AnOwnedListenerStopsWhenItsOwnerIsDestroyed)
{
    int windowCalls = 0, plainCalls = 0;
    auto window = std::make_unique<QObject>();
    session.addStateListener([&] { ++windowCalls; }, window.get());
    session.addStateListener([&] { ++plainCalls; });
    session.stateChanged();
    window.reset();
    session.stateChanged();
    EXPECT_EQ(windowCalls, 1);
    EXPECT_EQ(plainCalls, 2);
}

TEST_F(SessionTest, ListenersMayOpenAndCloseOtherListenersWhileNotified)
{
    auto closing = std::make_unique<QObject>();
    int opened = 0, closedCalls = 0;
    // The first listener opens a window (a new listener) and closes another.
    session.addStateListener([&] {
        if (opened++ == 0)
            session.addStateListener([&] { ++opened; });
        closing.reset();
    });
    for (int i = 0; i < 50; ++i) // enough to make the listener list grow its storage
        session.addStateListener([] {}, closing.get());
    session.addStateListener([&] { ++closedCalls; }, closing.get());
    session.stateChanged();
    EXPECT_EQ(closedCalls, 0);
    EXPECT_EQ(opened, 2); // the new listener ran in the same notification
}

} // namespace
} // namespace quill
