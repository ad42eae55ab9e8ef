#include "shell/menu_bar_window.h"

#include "canvas/canvas_window.h"
#include "canvas/canvas_zoom.h"
#include "shell/command_search_window.h"
#include "shell/document_files_window.h"
#include "shell/main_frame_window.h"
#include "toolbox/toolbox_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QMap>
#include <QMenu>
#include <QMenuBar>

namespace quill {

MainMenus::MainMenus(MainFrame &frame, Session &session) : QObject(&frame), frame_(frame), session_(session)
{
    registerViewCommands();
    QMenuBar *bar = frame_.menuBar();
    bar->setObjectName(QStringLiteral("MenuBar"));
    QMap<QString, QMenu *> submenus;
    QMap<QMenu *, int> lastGroup;
    for (const MenuEntry &entry : menuEntries()) {
        const auto which = static_cast<std::size_t>(entry.menu);
        while (menus_.size() <= which) {
            const auto next = static_cast<Menu>(menus_.size());
            QMenu *menu = bar->addMenu(menuTitle(next));
            menu->setObjectName(QStringLiteral("Menu") + menuTitle(next).remove(QLatin1Char('&')));
            connect(menu, &QMenu::aboutToShow, this, &MainMenus::syncStates);
            menus_.push_back(menu);
        }
        QMenu *into = menus_[which];
        if (!entry.submenu.isEmpty()) {
            const QString key = menuTitle(entry.menu) + QLatin1Char('/') + entry.submenu;
            if (!submenus.contains(key)) {
                QMenu *sub = into->addMenu(entry.submenu);
                connect(sub, &QMenu::aboutToShow, this, &MainMenus::syncStates);
                submenus.insert(key, sub);
            }
            into = submenus.value(key);
        }
        if (lastGroup.contains(into) && lastGroup.value(into) != entry.group)
            into->addSeparator();
        lastGroup.insert(into, entry.group);
        if (entry.id == kOpenRecentId) {
            recentMenu_ = into->addMenu(entry.name);
            recentMenu_->setObjectName(QStringLiteral("MenuOpenRecent"));
            if (DocumentFiles *files = frame_.files())
                files->setRecentMenu(recentMenu_);
            continue;
        }
        items_.push_back({&entry, addEntry(entry, into)});
    }
    syncStates();
}

QAction *MainMenus::addEntry(const MenuEntry &entry, QMenu *into)
{
    if (entry.runs == MenuEntry::Runs::ToolbarKey) {
        // The toolbar's own action: one set of keys, one enabled and checked state.
        QAction *shared = frame_.button(entry.id);
        into->addAction(shared);
        return shared;
    }
    QAction *action = into->addAction(entry.name);
    action->setObjectName(QStringLiteral("Menu_") + entry.id);
    const QString id = entry.id;
    if (entry.runs == MenuEntry::Runs::Command) {
        action->setShortcuts(entry.shortcuts);
        action->setCheckable(frame_.commandChecked(id).has_value());
        connect(action, &QAction::triggered, this, [this, id] {
            frame_.runCommand(id);
            syncStates();
        });
        return action;
    }
    const ToolboxButton *button = findToolboxButton(id);
    action->setCheckable(button->kind == ButtonKind::Tool || button->kind == ButtonKind::Check);
    action->setToolTip(button->tooltip);
    // The tools show which one is chosen, the pattern's modes whether they are on.
    connect(action, &QAction::triggered, this, [this, id] { clickToolboxButton(id); });
    return action;
}

QAction *MainMenus::action(const QString &id) const
{
    for (const Item &item : items_)
        if (item.entry->id == id)
            return item.action;
    return nullptr;
}

QMenu *MainMenus::menu(Menu which) const
{
    const auto index = static_cast<std::size_t>(which);
    return index < menus_.size() ? menus_[index] : nullptr;
}

void MainMenus::clickToolboxButton(const QString &name)
{
    // Exactly the button's click: a disabled button does nothing.
    if (auto *toolbox = frame_.findChild<ToolboxWindow *>())
        if (QAbstractButton *button = toolbox->button(name))
            button->click();
    syncStates();
}

void MainMenus::syncStates()
{
    const auto *toolbox = frame_.findChild<ToolboxWindow *>();
    for (const Item &item : items_) {
        const MenuEntry &entry = *item.entry;
        if (entry.runs == MenuEntry::Runs::Command) {
            item.action->setEnabled(frame_.hasCommand(entry.id));
            if (const std::optional<bool> on = frame_.commandChecked(entry.id))
                item.action->setChecked(*on);
            continue;
        }
        if (entry.runs != MenuEntry::Runs::ToolboxButton)
            continue;
        const QAbstractButton *button = toolbox ? toolbox->button(entry.id) : nullptr;
        item.action->setEnabled(button && button->isEnabled());
        const ToolboxButton *row = findToolboxButton(entry.id);
        if (row->kind == ButtonKind::Tool)
            item.action->setChecked(session_.state.ToolMode == row->toolMode);
        else if (row->kind == ButtonKind::Check)
            item.action->setChecked(button && button->isChecked());
    }
}

void MainMenus::registerViewCommands()
{
    const auto zoomTo = [this](int (*step)(int)) {
        if (CanvasWindow *canvas = frame_.canvas())
            canvas->setZoom(step(canvas->zoom()));
    };
    frame_.registerCommand(QStringLiteral("zoom-in"), [zoomTo] { zoomTo(largerCanvasScale); });
    frame_.registerCommand(QStringLiteral("zoom-out"), [zoomTo] { zoomTo(smallerCanvasScale); });
    frame_.registerCommand(QStringLiteral("zoom-actual"), [zoomTo] { zoomTo([](int) { return 1; }); });
    frame_.registerCommand(kFindCommandId, [this] { openSearch(); });
    frame_.registerCommand(kShortcutListId, [this] {
        session_.host.messageBox(shortcutList(), MessageButtons::Ok, QStringLiteral("Keyboard shortcuts"));
    });
}

CommandSearchWindow *MainMenus::searchWindow() const { return search_.data(); }

void MainMenus::openSearch()
{
    syncStates();
    if (!search_)
        search_ = new CommandSearchWindow(items_, &frame_);
    search_->reset();
    search_->show();
    search_->raise();
    search_->activateWindow();
}

QString MainMenus::shortcutList() const
{
    QStringList lines;
    for (const Item &item : items_) {
        const QList<QKeySequence> keys = item.action->shortcuts();
        if (keys.isEmpty())
            continue;
        QStringList names;
        for (const QKeySequence &k : keys)
            names << k.toString(QKeySequence::NativeText);
        lines << names.join(QStringLiteral(", ")) + QStringLiteral("\t") + menuPath(*item.entry);
    }
    lines << QStringLiteral("+ or =, -\tOn the canvas: zoom in, zoom out")
          << QStringLiteral("Esc\tOn the canvas: cancel a shape between its two clicks");
    return lines.join(QLatin1Char('\n'));
}

} // namespace quill
