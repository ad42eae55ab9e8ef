// "Find a command" (Ctrl+K): a field and the list of every menu entry with its
// path; typing narrows the list to entries whose path holds every typed word,
// Enter runs the chosen one through its menu action and closes the window.
// Shown by the menu bar; it runs nothing of its own.
#pragma once

#include "shell/menu_bar_window.h"

#include <QDialog>

class QLineEdit;
class QListWidget;

namespace quill {

class CommandSearchWindow : public QDialog {
    Q_OBJECT
public:
    CommandSearchWindow(const std::vector<MainMenus::Item> &items, QWidget *parent = nullptr);

    QLineEdit *field() const { return field_; }
    QListWidget *list() const { return list_; }
    // Empties the field and shows every entry again.
    void reset();
    // Runs the chosen entry when it is enabled, and closes.
    void runChosen();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void filter(const QString &text);

    const std::vector<MainMenus::Item> &items_;
    QLineEdit *field_ = nullptr;
    QListWidget *list_ = nullptr;
};

} // namespace quill
