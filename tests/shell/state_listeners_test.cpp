// Windows follow the shared state through listeners; windows come and go.
#include "support/fixtures.h"

#include <QObject>

#include <memory>

namespace quill::testing {
namespace {

using StateListeners = CoreTest;

TEST_F(StateListeners, AnOwnedListenerStopsWhenItsOwnerIsDestroyed)
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

TEST_F(StateListeners, ListenersMayOpenAndCloseOtherListenersWhileNotified)
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
} // namespace quill::testing
