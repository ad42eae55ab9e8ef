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

class ToolWindowsTest : public WindowTest {
protected:
    QWidget *window(const char *key)
    {
        const std::string k(key);
        if (k == "h")
            return frame->textWindow();
        if (k == "i")
            return frame->optionsWindow();
        return frame->zoomWindow();
    }
    bool &flag(const char *key)
    {
        const std::string k(key);
        if (k == "h")
            return session.state.TextWindowHidden;
        if (k == "i")
            return session.state.OptionsWindowHidden;
        return session.state.ZoomWindowHidden;
    }
};

class ToggleTest : public ToolWindowsTest, public ::testing::WithParamInterface<const char *> {};

TEST_P(ToggleTest, TheFirstPressDestroysTheWindowAndTheNextOpensAFreshOne)
{
    const QString key = QString::fromLatin1(GetParam());
    QPointer<QWidget> first = window(GetParam());
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isVisible());
    frame->toolbarClick(key);
    EXPECT_TRUE(first.isNull()); // unloaded, not hidden
    EXPECT_TRUE(flag(GetParam()));
    frame->toolbarClick(key);
    ASSERT_NE(window(GetParam()), nullptr);
    EXPECT_TRUE(window(GetParam())->isVisible());
    EXPECT_FALSE(flag(GetParam()));
    // The canvas still works with the new window in place.
    move(0, {10, 10});
    press(0, {10, 10});
    EXPECT_EQ(session.undo.UndoCount, 1);
}

TEST_P(ToggleTest, AWindowClosedByItsCloseBoxTakesTwoPressesToReturn)
{
    const QString key = QString::fromLatin1(GetParam());
    qobject_cast<QMdiSubWindow *>(window(GetParam())->parentWidget())->close();
    frame->toolbarClick(key); // unloads the closed window
    EXPECT_EQ(window(GetParam()), nullptr);
    frame->toolbarClick(key);
    ASSERT_NE(window(GetParam()), nullptr);
    EXPECT_TRUE(window(GetParam())->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Keys, ToggleTest, ::testing::Values("h", "i", "j"));

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
