// The main frame's commands as data: the toolbar's buttons left to right and
// the commands only the menus carry, each with its menu, place and plain name.
// Read by the main frame (toolbar), the menu model and the tests. Pure data:
// no widget, and no command runs from here.
#pragma once

#include <QString>

#include <span>

namespace quill {

// The menus of the menu bar, left to right.
enum class Menu { File, Edit, View, Tools, Image, Backgrounds, Pattern, Seams, Help };

struct ToolbarButton {
    const char *key;
    const char *tooltip;
    // The everyday commands' keys, as every desktop program has them ("; " between two).
    const char *shortcuts;
    Menu menu;
    // Entries sort by slot within their menu; a new tens digit starts a group
    // set apart by a separator.
    int slot;
    const char *menuName;
};

// A command without a toolbar button. Its id is what the main frame registers
// it under; one that nobody registered shows disabled.
struct MenuCommand {
    const char *id;
    Menu menu;
    int slot;
    const char *menuName;
    const char *shortcuts = nullptr;
    // Entries that share a submenu title sit together in that submenu.
    const char *submenu = nullptr;
};

std::span<const ToolbarButton> toolbarButtons();
std::span<const MenuCommand> menuCommands();
const ToolbarButton *findToolbarButton(const QString &key);

// Ids of menu commands that other parts of the program register.
// A submenu of the recent files rather than a command.
inline const QString kOpenRecentId = QStringLiteral("open-recent");
inline const QString kFindCommandId = QStringLiteral("find-command");
inline const QString kShortcutListId = QStringLiteral("keyboard-shortcuts");

} // namespace quill
