// The main frame's menu bar, built from the menu model (menu_bar.h): toolbar
// entries share the toolbar's own actions, toolbox entries click the toolbox's
// button, menu commands run through the main frame. States follow the buttons
// each time a menu opens. Owned by the main frame; keeps no command of its own
// beyond the canvas zoom, the command search and the shortcut list.
#pragma once

#include "document/session.h"
#include "shell/menu_bar.h"

#include <QObject>
#include <QPointer>

#include <vector>

class QAction;
class QMenu;
class QMenuBar;

namespace quill {

class CommandSearchWindow;
class MainFrame;

class MainMenus : public QObject {
    Q_OBJECT
public:
    MainMenus(MainFrame &frame, Session &session);

    struct Item {
        const MenuEntry *entry;
        QAction *action;
    };
    // Every entry's action, in menu order.
    const std::vector<Item> &items() const { return items_; }
    // By toolbar key, designer name or command id; nullptr when there is none.
    QAction *action(const QString &id) const;
    QMenu *menu(Menu which) const;
    QMenu *recentMenu() const { return recentMenu_; }
    // Enabled and checked states from the buttons the entries stand for.
    void syncStates();

    CommandSearchWindow *searchWindow() const;
    // "Ctrl+N    File > New..." a line, as Help > Keyboard shortcuts shows it.
    QString shortcutList() const;

private:
    QAction *addEntry(const MenuEntry &entry, QMenu *into);
    void clickToolboxButton(const QString &name);
    void registerViewCommands();
    void openSearch();

    MainFrame &frame_;
    Session &session_;
    std::vector<QMenu *> menus_;
    QMenu *recentMenu_ = nullptr;
    std::vector<Item> items_;
    QPointer<CommandSearchWindow> search_;
};

} // namespace quill
