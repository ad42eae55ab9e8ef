// The canvas window within the main frame: at every picture size and scale it
// fits the free part of the frame, scrolls to the far corner, keeps its title
// bar in reach and leaves the toolbox and the small tool windows in sight.
#include "shell/file_commands.h"
#include "support/window_fixture.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollArea>
#include <QScrollBar>
#include <gtest/gtest.h>

namespace quill {
namespace {

struct ReachCase {
    const char *name;
    QSize frame;
    int picturePixels;
    int scale;
};

class CanvasReachTest : public testing::WindowTest, public ::testing::WithParamInterface<ReachCase> {
protected:
    QMdiSubWindow *subOf(const QString &objectName)
    {
        for (QMdiSubWindow *sub : frame->mdiArea()->subWindowList())
            if (sub->widget() && sub->widget()->objectName() == objectName)
                return sub;
        return nullptr;
    }
};

TEST_P(CanvasReachTest, TheCanvasFitsTheFreeAreaScrollsToItsCornerAndLeavesTheToolboxInSight)
{
    const ReachCase c = GetParam();
    frame->resize(c.frame);
    QApplication::processEvents();
    const QString side = QString::number(c.picturePixels);
    ASSERT_TRUE(applyNewPicture(session, side, side, 2)); // the New dialog's "Pixel" unit
    canvas().setZoom(c.scale);
    QApplication::processEvents();

    QMdiSubWindow *canvasSub = subOf(QStringLiteral("Form1"));
    QMdiSubWindow *toolboxSub = subOf(QStringLiteral("Form2"));
    ASSERT_NE(canvasSub, nullptr);
    ASSERT_NE(toolboxSub, nullptr);
    const QRect area = frame->mdiArea()->viewport()->rect();
    EXPECT_TRUE(area.contains(canvasSub->geometry()))
        << canvasSub->geometry().width() << "x" << canvasSub->geometry().height();
    EXPECT_GE(canvasSub->y(), 0); // the title bar can be grabbed
    EXPECT_FALSE(canvasSub->geometry().intersects(toolboxSub->geometry()));

    // Scrolled to the far corner, the last screen pixel is the corner tile's last one.
    QScrollArea *scroll = canvas().scrollArea();
    scroll->horizontalScrollBar()->setValue(scroll->horizontalScrollBar()->maximum());
    scroll->verticalScrollBar()->setValue(scroll->verticalScrollBar()->maximum());
    const QPoint last = tile(8)->mapFrom(scroll->viewport(), scroll->viewport()->rect().bottomRight());
    EXPECT_EQ(last, QPoint(c.picturePixels, c.picturePixels) * c.scale - QPoint(1, 1));

    // Clicked into, the canvas still stays below the toolbox and the small windows.
    frame->mdiArea()->setActiveSubWindow(canvasSub);
    const QList<QMdiSubWindow *> stack = frame->mdiArea()->subWindowList(QMdiArea::StackingOrder);
    for (const char *name : {"Form2", "Form9", "Form7", "Form4"})
        EXPECT_GT(stack.indexOf(subOf(QString::fromLatin1(name))), stack.indexOf(canvasSub)) << name;
}

INSTANTIATE_TEST_SUITE_P(Screens, CanvasReachTest,
                         ::testing::Values(ReachCase{"Big1x", {1600, 1000}, 3000, 1},
                                           ReachCase{"Big2x", {1600, 1000}, 3000, 2},
                                           ReachCase{"Medium1x", {1280, 800}, 256, 1},
                                           ReachCase{"StartSize8x", {1280, 800}, 122, 8}),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace quill
