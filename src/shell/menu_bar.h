// The menu bar as data: every entry with its menu, submenu, group, plain name
// and what it runs (a toolbar key, a toolbox button or a menu command), made
// from the toolbar table, the toolbox's button table and the menu commands.
// Read by the menu bar window and the tests; builds no widget, runs nothing.
#pragma once

#include "shell/command_table.h"

#include <QKeySequence>
#include <QList>
#include <QString>

#include <vector>

namespace quill {

struct MenuEntry {
    enum class Runs { ToolbarKey, ToolboxButton, Command };

    Menu menu = Menu::File;
    QString submenu; // empty: directly in the menu
    // Entries of different groups are set apart by a separator.
    int group = 0;
    QString name;
    Runs runs = Runs::Command;
    QString id; // toolbar key, designer name or command id
    // Menu commands' own keys; toolbar entries share the toolbar's action and its keys.
    QList<QKeySequence> shortcuts;
};

// "&File", "&Image", ...
QString menuTitle(Menu menu);
// Every entry, menu by menu left to right, each menu in the order it shows.
const std::vector<MenuEntry> &menuEntries();
// "Image > Colour > Grey".
QString menuPath(const MenuEntry &entry);

} // namespace quill
