#include "shell/command_search_window.h"
#include "shell/menu_bar_window.h"
#include "support/window_fixture.h"
#include "toolbox/toolbox_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTest>
#include <gtest/gtest.h>

namespace quill {
namespace {

class MenuBarWindowTest : public testing::WindowTest {
protected:
    MainMenus &menus() { return *frame->menus(); }
    ToolboxWindow &toolbox() { return *frame->findChild<ToolboxWindow *>(QStringLiteral("Form2")); }
    QAction *entry(const char *id) { return menus().action(QString::fromLatin1(id)); }
    void setPicture(const QImage &picture) { doc.replaceWith(picture); }
    QImage picture() const { return doc.picture().Image(); }
    CommandSearchWindow *openSearch()
    {
        frame->runCommand(kFindCommandId);
        return menus().searchWindow();
    }
    QStringList listed(CommandSearchWindow *search)
    {
        QStringList rows;
        for (int r = 0; r < search->list()->count(); ++r)
            rows << search->list()->item(r)->text();
        return rows;
    }
};

class MenuRunsTheButtonTest : public MenuBarWindowTest, public ::testing::WithParamInterface<const char *> {};

TEST_P(MenuRunsTheButtonTest, MenuEntryGivesThePixelsItsButtonGives)
{
    const QString name = QString::fromLatin1(GetParam());
    const QImage start = testing::randomImage(40, 30, 7);
    setPicture(start);
    toolbox().button(name)->click();
    const QImage byButton = picture();
    ASSERT_NE(byButton, start) << "the button changed nothing";
    setPicture(start);
    entry(GetParam())->trigger();
    EXPECT_EQ(picture(), byButton);
}

INSTANTIATE_TEST_SUITE_P(ImageAndBackgroundEntries, MenuRunsTheButtonTest,
                         ::testing::Values("Command91", "Command45", "Command61", "Command64", "Command54", "Command55",
                                           "Command82", "Command9", "Command31", "Command3"));

// The same actions, so they run, enable and check as the toolbar's do.
TEST_F(MenuBarWindowTest, ToolbarEntriesAreTheToolbarsActions)
{
    for (const char *key : {"a", "b", "f", "j", "n", "o"})
        EXPECT_EQ(entry(key), frame->button(QString::fromLatin1(key))) << key;
}

TEST_F(MenuBarWindowTest, ToolEntriesFollowTheToolButtonsLockAndShowTheChosenTool)
{
    entry("Command22")->trigger();
    EXPECT_EQ(session.state.ToolMode, 13);
    menus().menu(Menu::Tools)->aboutToShow();
    EXPECT_TRUE(entry("Command22")->isChecked());
    EXPECT_FALSE(entry("Command1")->isChecked());

    entry("Command7")->trigger(); // rectangle: the first press keeps the start point
    press(0, {2, 2});
    ASSERT_EQ(session.state.ClickStage, 1);
    menus().menu(Menu::Tools)->aboutToShow();
    EXPECT_FALSE(entry("Command4")->isEnabled());
    entry("Command4")->trigger();
    EXPECT_EQ(session.state.ToolMode, 7);
}

TEST_F(MenuBarWindowTest, PatternModeEntryFlipsTheCheckBoxItStandsFor)
{
    entry("Check1")->trigger();
    EXPECT_TRUE(session.pattern.TransparentMode);
    EXPECT_TRUE(toolbox().button(QStringLiteral("Check1"))->isChecked());
    EXPECT_TRUE(entry("Check1")->isChecked());
    entry("Check1")->trigger();
    EXPECT_FALSE(session.pattern.TransparentMode);
    EXPECT_FALSE(entry("Check1")->isChecked());
}

TEST_F(MenuBarWindowTest, CanvasZoomEntriesStepTheCanvasScale)
{
    entry("zoom-in")->trigger();
    entry("zoom-in")->trigger();
    EXPECT_EQ(canvas().zoom(), 3);
    entry("zoom-out")->trigger();
    EXPECT_EQ(canvas().zoom(), 2);
    entry("zoom-actual")->trigger();
    EXPECT_EQ(canvas().zoom(), 1);
}

TEST_F(MenuBarWindowTest, CommandSearchListsEveryEntryAndNarrowsByEveryTypedWord)
{
    CommandSearchWindow *search = openSearch();
    ASSERT_NE(search, nullptr);
    EXPECT_TRUE(search->isVisible());
    EXPECT_EQ(search->list()->count(), static_cast<int>(menus().items().size()));

    QTest::keyClicks(search->field(), QStringLiteral("colour BANDS"));
    EXPECT_EQ(listed(search), (QStringList{"Backgrounds > Gradients > Horizontal colour bands",
                                           "Backgrounds > Gradients > Vertical colour bands"}));
    search->field()->setText(QStringLiteral("find"));
    EXPECT_EQ(listed(search), (QStringList{"Help > Find a command...    Ctrl+K"}));
}

TEST_F(MenuBarWindowTest, EnterInTheSearchRunsTheChosenEntryAndClosesIt)
{
    const QImage start = testing::randomImage(24, 24, 3);
    setPicture(start);
    CommandSearchWindow *search = openSearch();
    QTest::keyClicks(search->field(), QStringLiteral("mosaic"));
    QTest::keyClick(search->field(), Qt::Key_Return);
    EXPECT_FALSE(search->isVisible());
    const QImage byMenu = picture();
    setPicture(start);
    toolbox().button(QStringLiteral("Command55"))->click();
    EXPECT_EQ(byMenu, picture());

    // Nothing matches: Enter runs nothing.
    search = openSearch();
    QTest::keyClicks(search->field(), QStringLiteral("no such command"));
    const QImage unchanged = picture();
    QTest::keyClick(search->field(), Qt::Key_Return);
    EXPECT_EQ(picture(), unchanged);
}

TEST_F(MenuBarWindowTest, SearchSkipsADisabledEntryAndDownPicksTheNext)
{
    CommandSearchWindow *search = openSearch();
    QTest::keyClicks(search->field(), QStringLiteral("edit do"));
    // Undo is off with nothing to undo, so Enter would run Redo.
    EXPECT_EQ(listed(search).size(), 2);
    EXPECT_EQ(search->list()->currentRow(), 1);
    QTest::keyClick(search->field(), Qt::Key_Up);
    EXPECT_EQ(search->list()->currentRow(), 1);
}

TEST_F(MenuBarWindowTest, ShortcutListNamesEveryKeyWithItsMenuPath)
{
    entry("keyboard-shortcuts")->trigger();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].title, QStringLiteral("Keyboard shortcuts"));
    const QStringList lines = host.messages[0].text.split(QLatin1Char('\n'));
    EXPECT_TRUE(lines.contains(QStringLiteral("Ctrl+N\tFile > New...")));
    EXPECT_TRUE(lines.contains(QStringLiteral("Ctrl+Y, Ctrl+Shift+Z\tEdit > Redo")));
    EXPECT_TRUE(lines.contains(QStringLiteral("Ctrl+K\tHelp > Find a command...")));
}

} // namespace
} // namespace quill
