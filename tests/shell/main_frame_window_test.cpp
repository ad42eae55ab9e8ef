#include "shell/qt_host.h"
#include "shell/splash_window.h"
#include "support/window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QToolBar>
#include <QWidgetAction>
#include <gtest/gtest.h>

namespace quill {
namespace {

using testing::WindowTest;

class MainFrameTest : public WindowTest {};

TEST_F(MainFrameTest, ToolbarHasItsKeysInOrderWithTheirTooltips)
{
    auto *toolbar = frame->findChild<QToolBar *>(QStringLiteral("Toolbar1"));
    ASSERT_NE(toolbar, nullptr);
    QStringList keys, tips;
    for (QAction *a : toolbar->actions())
        if (!a->isSeparator() && !qobject_cast<QWidgetAction *>(a)) {
            keys << a->data().toString();
            tips << a->toolTip();
        }
    EXPECT_EQ(keys, (QStringList{"a", "b", "c", "l", "m", "f", "g", "h", "i", "j", "n", "k", "d", "e", "o", "p", "q",
                                 "s", "r"}));
    EXPECT_EQ(tips, (QStringList{"New (Ctrl+N)", "Open (Ctrl+O)", "Save (Ctrl+S)", "Copy image (Ctrl+C)",
                                 "Paste image (Ctrl+V)", "Undo (Ctrl+Z)", "Redo (Ctrl+Y, Ctrl+Shift+Z)",
                                 "Toggle text window", "Toggle option windows", "Toglle zoom window", "Capturescreen",
                                 "View picture", "About...", "Quit (Ctrl+Q)", "Wrap at edges", "Offset by half",
                                 "Make seamless", "Even out lighting", "Dim copies"}));
}

TEST_F(MainFrameTest, UndoAndRedoButtonsFollowTheStoreAndADisabledOneCannotBeClicked)
{
    EXPECT_FALSE(frame->button(QStringLiteral("f"))->isEnabled());
    EXPECT_TRUE(frame->button(QStringLiteral("g"))->isEnabled());
    frame->toolbarClick(QStringLiteral("f"));
    EXPECT_EQ(session.state.SkipCanvasMouse, 0);
    press(0, {5, 5});
    press(0, {6, 6});
    frame->toolbarClick(QStringLiteral("f"));
    EXPECT_TRUE(frame->button(QStringLiteral("f"))->isEnabled());
    EXPECT_TRUE(frame->button(QStringLiteral("g"))->isEnabled());
    frame->toolbarClick(QStringLiteral("f"));
    EXPECT_FALSE(frame->button(QStringLiteral("f"))->isEnabled());
    frame->toolbarClick(QStringLiteral("g"));
    frame->toolbarClick(QStringLiteral("g"));
    EXPECT_FALSE(frame->button(QStringLiteral("g"))->isEnabled());
}

class SplashTest : public WindowTest {};

TEST_F(SplashTest, ShowsTopmostWithTheFrameDisabledUntilAClickEndsIt)
{
    SplashWindow splash(frame.get());
    EXPECT_TRUE(splash.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(frame->isEnabled());
    QMouseEvent click(QEvent::MouseButtonPress, QPointF(10, 10), QPointF(10, 10), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&splash, &click);
    EXPECT_TRUE(splash.ended());
    EXPECT_FALSE(splash.timer().isActive());
    EXPECT_TRUE(frame->isEnabled());
}

// The file dialog's labels: a description that already names its pattern is
// shown once; others get the pattern the dialog filters by.
TEST(QtHostFilters, LabelsNameEachPatternOnce)
{
    EXPECT_EQ(
        QtHost::qtFilters(QStringLiteral("Jpeg Files(*.jpg)|*.jpg|BMP Files(*.BMP)|*.bmp|PNG Files(*.png)|*.png")),
        (QStringList{"Jpeg Files(*.jpg)", "BMP Files(*.BMP)", "PNG Files(*.png)"}));
    EXPECT_EQ(QtHost::qtFilters(QStringLiteral("Picture Files(*.bmp,*.gif,*.jpg,*.png)|*.jpg; *.gif; *.bmp; *.png;")),
              (QStringList{"Picture Files(*.bmp,*.gif,*.jpg,*.png) (*.jpg *.gif *.bmp *.png)"}));
}

} // namespace
} // namespace quill
