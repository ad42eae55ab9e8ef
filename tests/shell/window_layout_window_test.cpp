#include "shell/menu_bar_window.h"
#include "shell/window_layout_window.h"
#include "support/window_fixture.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <gtest/gtest.h>

namespace quill {
namespace {

class WindowLayoutTest : public testing::WindowTest {
protected:
    // The frame around the window holding this designer name.
    QMdiSubWindow *frameOf(const char *name)
    {
        for (QMdiSubWindow *sub : frame->mdiArea()->subWindowList())
            if (sub->widget() && sub->widget()->objectName() == QLatin1String(name))
                return sub;
        return nullptr;
    }
    void restart()
    {
        frame.reset();
        frame = std::make_unique<MainFrame>(session);
        frame->show();
    }
};

TEST_F(WindowLayoutTest, PlacesAndSizesSavedAtTheEndComeBackAtTheNextStartAndResetRestoresTheDefaults)
{
    const QRect toolboxDefault = frameOf("Form2")->geometry();
    const QRect textDefault = frameOf("Form9")->geometry();
    const QPoint canvasDefault = frameOf("Form1")->pos();
    frame->resize(900, 640);
    frameOf("Form2")->move(37, 41);
    frameOf("Form9")->setGeometry(300, 260, textDefault.width() + 40, textDefault.height() + 10);
    frameOf("Form1")->move(12, 30);
    frame->windowLayout()->save();

    restart();
    EXPECT_EQ(frame->size(), QSize(900, 640));
    EXPECT_EQ(frameOf("Form2")->pos(), QPoint(37, 41));
    EXPECT_EQ(frameOf("Form9")->geometry(), QRect(300, 260, textDefault.width() + 40, textDefault.height() + 10));
    EXPECT_EQ(frameOf("Form1")->pos(), QPoint(12, 30));

    frame->menus()->action(QStringLiteral("reset-layout"))->trigger();
    EXPECT_EQ(frameOf("Form2")->geometry(), toolboxDefault);
    EXPECT_EQ(frameOf("Form9")->geometry(), textDefault);
    EXPECT_EQ(frameOf("Form1")->pos(), canvasDefault);
    // The reset is what the next start sees too.
    restart();
    EXPECT_EQ(frameOf("Form2")->geometry(), toolboxDefault);
}

TEST_F(WindowLayoutTest, AWindowClosedWhenSavingKeepsItsEarlierPlace)
{
    frameOf("Form4")->move(150, 160);
    frame->windowLayout()->save();
    frame->toolbarClick(QStringLiteral("j")); // the zoom window goes
    ASSERT_EQ(frameOf("Form4"), nullptr);
    frame->windowLayout()->save();
    restart();
    EXPECT_EQ(frameOf("Form4")->pos(), QPoint(150, 160));
}

} // namespace
} // namespace quill
