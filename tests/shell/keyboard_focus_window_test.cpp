// Keys and hovering where the user expects them: after a tool is picked in
// the toolbox the canvas takes +, - and Esc without a click that would draw,
// and toolbar tooltips show while another window is active.
#include "support/window_fixture.h"
#include "toolbox/toolbox_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <QToolBar>
#include <QToolTip>
#include <gtest/gtest.h>

namespace quill {
namespace {

using testing::WindowTest;

TEST_F(WindowTest, AfterPickingAToolPlusMinusAndEscReachTheCanvas)
{
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    auto *toolbox = frame->findChild<ToolboxWindow *>();
    ASSERT_NE(toolbox, nullptr);
    QTest::mouseClick(toolbox->button(QStringLiteral("Command7")), Qt::LeftButton); // Rectangle
    ASSERT_EQ(session.state.ToolMode, 7);

    const auto keyToFocus = [](int key) {
        QWidget *focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        QTest::keyClick(focus, static_cast<Qt::Key>(key));
    };
    keyToFocus(Qt::Key_Plus);
    EXPECT_EQ(canvas().zoom(), 2);
    keyToFocus(Qt::Key_Minus);
    EXPECT_EQ(canvas().zoom(), 1);
    EXPECT_EQ(session.undo.UndoCount, 0); // nothing was clicked on the canvas

    press(0, {10, 10}); // the first corner; the band follows the pointer
    move(0, {30, 25});
    ASSERT_TRUE(canvas().controller().overlays.Shape2.Visible);
    keyToFocus(Qt::Key_Escape);
    EXPECT_EQ(session.state.ClickStage, 0);
    EXPECT_FALSE(canvas().controller().overlays.Shape2.Visible);
}

TEST_F(WindowTest, ToolbarTooltipsShowOnHoverBeforeTheFrameIsClickedInto)
{
    QWidget other;
    other.resize(100, 100);
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    ASSERT_FALSE(frame->isActiveWindow());
    auto *toolbar = frame->findChild<QToolBar *>(QStringLiteral("Toolbar1"));
    QWidget *newButton = toolbar->widgetForAction(frame->button(QStringLiteral("a")));
    ASSERT_NE(newButton, nullptr);
    QTest::mouseMove(newButton, QPoint(5, 5)); // through the window system, as a real pointer
    EXPECT_TRUE(QTest::qWaitFor([] { return QToolTip::isVisible(); }, 5000));
    EXPECT_EQ(QToolTip::text(), QStringLiteral("New (Ctrl+N)"));
    QToolTip::hideText();
}

} // namespace
} // namespace quill
