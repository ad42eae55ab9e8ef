#include "canvas/options_window.h"
#include "canvas/text_window.h"
#include "shell/zoom_window.h"
#include "support/window_fixture.h"

#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <gtest/gtest.h>

namespace quill {
namespace {

using testing::WindowTest;

class ToolWindowsTest : public WindowTest {};

struct ToggleCase {
    const char *key;
    QWidget *(*window)(MainFrame &);
    bool AppState::*hidden;
};

class ToggleTest : public ToolWindowsTest, public ::testing::WithParamInterface<ToggleCase> {
protected:
    QWidget *window() { return GetParam().window(*frame); }
    void toggle() { frame->toolbarClick(QString::fromLatin1(GetParam().key)); }
};

TEST_P(ToggleTest, TheFirstPressDestroysTheWindowAndTheNextOpensAFreshOne)
{
    QPointer<QWidget> first = window();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isVisible());
    toggle();
    EXPECT_TRUE(first.isNull()); // unloaded, not hidden
    EXPECT_TRUE(session.state.*GetParam().hidden);
    toggle();
    ASSERT_NE(window(), nullptr);
    EXPECT_TRUE(window()->isVisible());
    EXPECT_FALSE(session.state.*GetParam().hidden);
    // The canvas still works with the new window in place.
    move(0, {10, 10});
    press(0, {10, 10});
    EXPECT_EQ(session.undo.UndoCount, 1);
}

TEST_P(ToggleTest, AWindowClosedByItsCloseBoxTakesTwoPressesToReturn)
{
    qobject_cast<QMdiSubWindow *>(window()->parentWidget())->close();
    toggle(); // unloads the closed window
    EXPECT_EQ(window(), nullptr);
    toggle();
    ASSERT_NE(window(), nullptr);
    EXPECT_TRUE(window()->isVisible());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Keys, ToggleTest, ::testing::Values(
    ToggleCase{"h", [](MainFrame &f) -> QWidget * { return f.textWindow(); }, &AppState::TextWindowHidden},
    ToggleCase{"i", [](MainFrame &f) -> QWidget * { return f.optionsWindow(); }, &AppState::OptionsWindowHidden},
    ToggleCase{"j", [](MainFrame &f) -> QWidget * { return f.zoomWindow(); }, &AppState::ZoomWindowHidden}),
    [](const auto &info) { return std::string(info.param.key); });
// clang-format on

TEST_F(ToolWindowsTest, ReopenedWindowsShowTheCurrentState)
{
    frame->toolbarClick(QStringLiteral("i"));
    frame->toolbarClick(QStringLiteral("h"));
    session.state.ToolMode = 13;
    session.state.ClickStage = 1;
    frame->toolbarClick(QStringLiteral("i"));
    frame->toolbarClick(QStringLiteral("h"));
    EXPECT_EQ(frame->optionsWindow()->configuredTool(), 13);
    EXPECT_FALSE(frame->textWindow()->text1()->isEnabled()); // a text is being placed
}

} // namespace
} // namespace quill
