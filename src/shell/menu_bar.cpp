#include "shell/menu_bar.h"

#include "toolbox/button_table.h"

#include <algorithm>

namespace quill {

namespace {

struct FamilyPlace {
    Menu menu;
    const char *submenu; // nullptr: a group of its own directly in the menu
};

FamilyPlace placeOf(MenuFamily family)
{
    switch (family) {
    case MenuFamily::Tools:
        return {Menu::Tools, nullptr};
    case MenuFamily::Colour:
        return {Menu::Image, "Colour"};
    case MenuFamily::Channels:
        return {Menu::Image, "Channels"};
    case MenuFamily::MirrorTurn:
        return {Menu::Image, "Mirror and turn"};
    case MenuFamily::BlurMosaic:
        return {Menu::Image, "Blur and mosaic"};
    case MenuFamily::Merge:
        return {Menu::Image, "Merge"};
    case MenuFamily::Gradients:
        return {Menu::Backgrounds, "Gradients"};
    case MenuFamily::CentredFigures:
        return {Menu::Backgrounds, "Centred figures"};
    case MenuFamily::StripesLines:
        return {Menu::Backgrounds, "Stripes and lines"};
    case MenuFamily::Checkerboards:
        return {Menu::Backgrounds, "Checkerboards"};
    case MenuFamily::FillsPoints:
        return {Menu::Backgrounds, "Fills and points"};
    case MenuFamily::PatternApply:
    case MenuFamily::PatternEdit:
    case MenuFamily::PatternModes:
    case MenuFamily::PatternFiles:
        return {Menu::Pattern, nullptr};
    case MenuFamily::PatternTint:
        return {Menu::Pattern, "Recolour pattern"};
    case MenuFamily::None:
        break;
    }
    return {Menu::Help, nullptr};
}

// Toolbox entries follow the command rows of their menu, a family a group.
constexpr int kFamilyGroups = 1000;

struct Sorted {
    MenuEntry entry;
    int slot;
    std::size_t order;
};

std::vector<MenuEntry> buildEntries()
{
    std::vector<Sorted> all;
    for (const ToolbarButton &b : toolbarButtons()) {
        MenuEntry e;
        e.menu = b.menu;
        e.group = b.slot / 10;
        e.name = QString::fromLatin1(b.menuName);
        e.runs = MenuEntry::Runs::ToolbarKey;
        e.id = QString::fromLatin1(b.key);
        all.push_back({e, b.slot, all.size()});
    }
    for (const MenuCommand &c : menuCommands()) {
        MenuEntry e;
        e.menu = c.menu;
        e.submenu = c.submenu ? QString::fromLatin1(c.submenu) : QString();
        e.group = c.slot / 10;
        e.name = QString::fromLatin1(c.menuName);
        e.id = QString::fromLatin1(c.id);
        if (c.shortcuts)
            e.shortcuts = QKeySequence::listFromString(QString::fromLatin1(c.shortcuts));
        all.push_back({e, c.slot, all.size()});
    }
    for (const ToolboxButton &b : toolboxButtons()) {
        if (b.family == MenuFamily::None)
            continue;
        const FamilyPlace place = placeOf(b.family);
        const int group = kFamilyGroups + static_cast<int>(b.family);
        MenuEntry e;
        e.menu = place.menu;
        e.submenu = place.submenu ? QString::fromLatin1(place.submenu) : QString();
        e.group = group;
        e.name = b.menuName;
        e.runs = MenuEntry::Runs::ToolboxButton;
        e.id = b.name;
        all.push_back({e, group * 10, all.size()});
    }
    // Menus left to right, then slots; rows of one slot keep their table order.
    std::stable_sort(all.begin(), all.end(), [](const Sorted &a, const Sorted &b) {
        if (a.entry.menu != b.entry.menu)
            return a.entry.menu < b.entry.menu;
        return a.slot < b.slot;
    });
    std::vector<MenuEntry> entries;
    entries.reserve(all.size());
    for (Sorted &s : all)
        entries.push_back(std::move(s.entry));
    return entries;
}

} // namespace

QString menuTitle(Menu menu)
{
    switch (menu) {
    case Menu::File:
        return QStringLiteral("&File");
    case Menu::Edit:
        return QStringLiteral("&Edit");
    case Menu::View:
        return QStringLiteral("&View");
    case Menu::Tools:
        return QStringLiteral("&Tools");
    case Menu::Image:
        return QStringLiteral("&Image");
    case Menu::Backgrounds:
        return QStringLiteral("&Backgrounds");
    case Menu::Pattern:
        return QStringLiteral("&Pattern");
    case Menu::Seams:
        return QStringLiteral("&Seams");
    case Menu::Help:
        return QStringLiteral("&Help");
    }
    return {};
}

const std::vector<MenuEntry> &menuEntries()
{
    static const std::vector<MenuEntry> entries = buildEntries();
    return entries;
}

QString menuPath(const MenuEntry &entry)
{
    QStringList parts{menuTitle(entry.menu).remove(QLatin1Char('&'))};
    if (!entry.submenu.isEmpty())
        parts << entry.submenu;
    parts << entry.name;
    return parts.join(QStringLiteral(" > "));
}

} // namespace quill
