#include "shell/command_search_window.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace quill {

namespace {

constexpr int kItemIndexRole = Qt::UserRole;

QString shortcutText(const QAction *action)
{
    const QList<QKeySequence> keys = action->shortcuts();
    return keys.isEmpty() ? QString() : QStringLiteral("    ") + keys.first().toString(QKeySequence::NativeText);
}

} // namespace

CommandSearchWindow::CommandSearchWindow(const std::vector<MainMenus::Item> &items, QWidget *parent)
    : QDialog(parent), items_(items)
{
    setObjectName(QStringLiteral("CommandSearch"));
    setWindowTitle(QStringLiteral("Find a command"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    field_ = new QLineEdit(this);
    field_->setObjectName(QStringLiteral("CommandSearchField"));
    field_->setPlaceholderText(QStringLiteral("Type part of a command's name"));
    field_->setClearButtonEnabled(true);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("CommandSearchList"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(field_);
    layout->addWidget(list_);
    resize(460, 420);

    connect(field_, &QLineEdit::textChanged, this, &CommandSearchWindow::filter);
    connect(field_, &QLineEdit::returnPressed, this, &CommandSearchWindow::runChosen);
    connect(list_, &QListWidget::itemActivated, this, [this] { runChosen(); });
    // Up and down move through the list while the typing stays in the field.
    field_->installEventFilter(this);
    filter({});
}

void CommandSearchWindow::reset()
{
    field_->clear();
    filter({});
    field_->setFocus();
}

void CommandSearchWindow::filter(const QString &text)
{
    const QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    list_->clear();
    for (std::size_t i = 0; i < items_.size(); ++i) {
        const MainMenus::Item &item = items_[i];
        const QString path = menuPath(*item.entry);
        const bool matches = std::all_of(words.begin(), words.end(),
                                         [&](const QString &w) { return path.contains(w, Qt::CaseInsensitive); });
        if (!matches)
            continue;
        auto *row = new QListWidgetItem(path + shortcutText(item.action), list_);
        row->setData(kItemIndexRole, static_cast<int>(i));
        if (!item.action->isEnabled())
            row->setFlags(row->flags() & ~Qt::ItemIsEnabled);
    }
    // The first entry that can run is the one Enter runs.
    for (int r = 0; r < list_->count(); ++r)
        if (list_->item(r)->flags() & Qt::ItemIsEnabled) {
            list_->setCurrentRow(r);
            break;
        }
}

void CommandSearchWindow::runChosen()
{
    const QListWidgetItem *row = list_->currentItem();
    if (!row || !(row->flags() & Qt::ItemIsEnabled))
        return;
    QAction *action = items_[static_cast<std::size_t>(row->data(kItemIndexRole).toInt())].action;
    hide();
    if (action->isEnabled())
        action->trigger();
}

bool CommandSearchWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == field_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Down || key == Qt::Key_Up || key == Qt::Key_PageDown || key == Qt::Key_PageUp) {
            list_->setFocus();
            QCoreApplication::sendEvent(list_, event);
            field_->setFocus();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace quill
