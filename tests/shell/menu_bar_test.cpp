#include "shell/menu_bar.h"
#include "toolbox/button_table.h"

#include <QMap>
#include <QSet>
#include <gtest/gtest.h>

namespace quill {
namespace {

TEST(MenuBarTest, EveryToolbarCommandAndEveryWorkingToolboxButtonIsInTheMenusOnce)
{
    QMap<QString, int> seen;
    for (const MenuEntry &e : menuEntries())
        ++seen[e.id];
    for (const ToolbarButton &b : toolbarButtons())
        EXPECT_EQ(seen.value(QString::fromLatin1(b.key)), 1) << b.key;
    for (const ToolboxButton &b : toolboxButtons())
        EXPECT_EQ(seen.value(b.name), b.kind == ButtonKind::Inert ? 0 : 1) << b.name.toStdString();
    for (const MenuCommand &c : menuCommands())
        EXPECT_EQ(seen.value(QString::fromLatin1(c.id)), 1) << c.id;
}

TEST(MenuBarTest, NamesAreSetAndNoTwoEntriesOfOneMenuShareAPath)
{
    QSet<QString> paths;
    for (const MenuEntry &e : menuEntries()) {
        EXPECT_FALSE(e.name.trimmed().isEmpty()) << e.id.toStdString();
        EXPECT_FALSE(paths.contains(menuPath(e))) << menuPath(e).toStdString();
        paths.insert(menuPath(e));
    }
}

} // namespace
} // namespace quill
