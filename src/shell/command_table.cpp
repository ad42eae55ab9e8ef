#include "shell/command_table.h"

namespace quill {

namespace {

// Left to right. "Toglle" is the button's own spelling.
constexpr ToolbarButton kToolbar[] = {
    {"a", "New", "Ctrl+N", Menu::File, 1, "New..."},
    {"b", "Open", "Ctrl+O", Menu::File, 2, "Open..."},
    {"c", "Save", "Ctrl+S", Menu::File, 11, "Save"},
    {"l", "Copy image", "Ctrl+C", Menu::Edit, 11, "Copy image"},
    {"m", "Paste image", "Ctrl+V", Menu::Edit, 12, "Paste image"},
    {"f", "Undo", "Ctrl+Z", Menu::Edit, 1, "Undo"},
    {"g", "Redo", "Ctrl+Y; Ctrl+Shift+Z", Menu::Edit, 2, "Redo"},
    {"h", "Toggle text window", nullptr, Menu::View, 31, "Text window"},
    {"i", "Toggle option windows", nullptr, Menu::View, 32, "Options window"},
    {"j", "Toglle zoom window", nullptr, Menu::View, 33, "Zoom window"},
    {"n", "Capturescreen", nullptr, Menu::Edit, 21, "Capture screen..."},
    {"k", "View picture", nullptr, Menu::View, 21, "View picture"},
    {"d", "About...", nullptr, Menu::Help, 11, "About Quillmar"},
    {"e", "Quit", "Ctrl+Q", Menu::File, 91, "Quit"},
    // The seam tools; "o" and "r" are toggles.
    {"o", "Wrap at edges", nullptr, Menu::Seams, 1, "Wrap at edges"},
    {"p", "Offset by half", nullptr, Menu::Seams, 2, "Offset by half"},
    {"q", "Make seamless", nullptr, Menu::Seams, 3, "Make seamless"},
    {"s", "Even out lighting", nullptr, Menu::Seams, 4, "Even out lighting"},
    {"r", "Dim copies", nullptr, Menu::View, 22, "Dim copies"},
};

// One command a line, so commands added side by side merge cleanly.
// clang-format off
constexpr MenuCommand kMenuCommands[] = {
    {"open-recent", Menu::File, 3, "Open Recent"},
    {"save-as", Menu::File, 12, "Save As...", "Ctrl+Shift+S"},
    {"zoom-in", Menu::View, 1, "Zoom in", "Ctrl+=; Ctrl++", "Canvas zoom"},
    {"zoom-out", Menu::View, 2, "Zoom out", "Ctrl+-", "Canvas zoom"},
    {"zoom-actual", Menu::View, 3, "Actual size", "Ctrl+0", "Canvas zoom"},
    {"reset-layout", Menu::View, 41, "Reset layout"},
    {"lattice-grid", Menu::Seams, 11, "Grid", nullptr, "Lattice"},
    {"lattice-brick", Menu::Seams, 12, "Brick", nullptr, "Lattice"},
    {"lattice-half-drop", Menu::Seams, 13, "Half-drop", nullptr, "Lattice"},
    {"find-command", Menu::Help, 1, "Find a command...", "Ctrl+K"},
    {"keyboard-shortcuts", Menu::Help, 2, "Keyboard shortcuts"},
};
// clang-format on

} // namespace

std::span<const ToolbarButton> toolbarButtons() { return kToolbar; }
std::span<const MenuCommand> menuCommands() { return kMenuCommands; }

const ToolbarButton *findToolbarButton(const QString &key)
{
    for (const ToolbarButton &b : kToolbar)
        if (key == QLatin1String(b.key))
            return &b;
    return nullptr;
}

} // namespace quill
