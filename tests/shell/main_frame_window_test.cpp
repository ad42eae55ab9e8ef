#include "document/recovery.h"
#include "shell/qt_host.h"
#include "shell/splash_window.h"
#include "support/picture_files.h"
#include "support/window_fixture.h"
#include "surface/image_files.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMouseEvent>
#include <gtest/gtest.h>

#include <cerrno>

namespace quill {
namespace {

using testing::WindowTest;

class MainFrameTest : public WindowTest {};

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

TEST_F(MainFrameTest, AHistoryThatCannotBeWrittenSaysSoInTheStatusBarAndDisablesBothButtons)
{
    EXPECT_TRUE(frame->undoStatusLabel()->isHidden());
    {
        const ScopedWriteFault fullDisk(ENOSPC);
        press(0, {5, 5});
        session.undo.flush();
    }
    EXPECT_EQ(frame->undoStatusLabel()->text(),
              QStringLiteral("Undo is off: cannot write ") + QDir::toNativeSeparators(session.undo.folder().path()));
    EXPECT_FALSE(frame->undoStatusLabel()->isHidden());
    EXPECT_FALSE(frame->button(QStringLiteral("f"))->isEnabled());
    EXPECT_FALSE(frame->button(QStringLiteral("g"))->isEnabled());
}

TEST_F(MainFrameTest, TheRecoveryQuestionBringsBackTheCanvasAndItsUndo)
{
    // What a program killed after one stroke leaves: the step before the
    // stroke, the picture after it, and an owner that no longer runs.
    const QString folder = HistoryFolder::root() + QStringLiteral("/crashed");
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_TRUE(testing::writeFile(folder + QStringLiteral("/owner"), "gone 2147483646 1"));
    ASSERT_TRUE(saveBitmap(testing::solidImage(20, 10, kWhite), folder + QStringLiteral("/undo0.bmp")));
    ASSERT_TRUE(saveBitmap(testing::solidImage(20, 10, kRed), folder + QStringLiteral("/latest.bmp")));
    host.messageAnswers = {kAnswerYes};
    ASSERT_TRUE(frame->offerRecovery());
    EXPECT_EQ(host.messages.back().text, kRecoverQuestion);
    EXPECT_EQ(testing::pixelAt(tile(4)->surface().Image(), 3, 3), kRed); // a copy tile shows it too
    EXPECT_EQ(doc.picture().Image().size(), QSize(20, 10));
    ASSERT_TRUE(frame->button(QStringLiteral("f"))->isEnabled());
    frame->toolbarClick(QStringLiteral("f"));
    EXPECT_EQ(testing::pixelAt(doc.picture().Image(), 3, 3), kWhite);
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
