#include "shell/document_files_window.h"

#include "canvas/canvas_window.h"
#include "shell/file_commands.h"
#include "shell/main_frame_window.h"
#include "toolbox/merge_image.h"
#include "toolbox/toolbox_window.h"

#include <QAction>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>

namespace quill {

namespace {

// The first local file a drag carries, or empty.
QString droppedFile(const QMimeData *data)
{
    if (!data || !data->hasUrls())
        return {};
    for (const QUrl &url : data->urls())
        if (url.isLocalFile())
            return url.toLocalFile();
    return {};
}

} // namespace

DocumentFiles::DocumentFiles(MainFrame &frame, Session &session) : QObject(&frame), frame_(frame), session_(session)
{
    // A refused file tells why on the status bar by itself.
    frame_.registerCommand(QStringLiteral("b"), [this] {
        if (OpenPicture(session_))
            opened(session_.fileName);
    });
    frame_.registerCommand(QStringLiteral("c"), [this] { save(); });
    frame_.registerCommand(QStringLiteral("save-as"), [this] { saveAs(); });
    frame_.registerCommand(QStringLiteral("clear-recent"), [this] {
        recent_.clear();
        fillRecentMenu();
    });

    for (QWidget *target : {static_cast<QWidget *>(&frame_), static_cast<QWidget *>(frame_.canvas())}) {
        target->setAcceptDrops(true);
        target->installEventFilter(this);
    }
    if (auto *toolbox = frame_.findChild<ToolboxWindow *>()) {
        mergeBox_ = toolbox->mergeBox();
        mergeBox_->setAcceptDrops(true);
        mergeBox_->installEventFilter(this);
    }
}

bool DocumentFiles::openFile(const QString &path)
{
    const QString problem = openPictureFile(session_, path);
    if (!problem.isEmpty()) {
        // A recent file that has gone away leaves the list.
        if (!QFileInfo::exists(path))
            recent_.remove(path);
        fillRecentMenu();
        tell(problem);
        return false;
    }
    opened(path);
    session_.stateChanged();
    return true;
}

bool DocumentFiles::openMergeFile(const QString &path)
{
    if (!loadMergeImage(session_, path)) {
        tell(QStringLiteral("Cannot open \"%1\" to merge: it is not a BMP, GIF, JPEG or PNG picture, or it is "
                            "damaged.")
                 .arg(QFileInfo(path).fileName()));
        return false;
    }
    tell(QStringLiteral("Merge image: %1").arg(QFileInfo(path).fileName()));
    session_.stateChanged();
    return true;
}

void DocumentFiles::opened(const QString &path)
{
    recent_.add(path);
    fillRecentMenu();
    tell(QStringLiteral("Opened %1").arg(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath())));
}

void DocumentFiles::save()
{
    // A picture that has a file of a type Quillmar writes goes back to it; any other asks for a name.
    if (!SaveToSessionFile(session_)) {
        saveAs();
        return;
    }
    recent_.add(session_.fileName);
    fillRecentMenu();
}

void DocumentFiles::saveAs()
{
    if (!SavePicture(session_))
        return;
    recent_.add(session_.fileName);
    fillRecentMenu();
}

void DocumentFiles::setRecentMenu(QMenu *menu)
{
    recentMenu_ = menu;
    fillRecentMenu();
}

void DocumentFiles::fillRecentMenu()
{
    if (!recentMenu_)
        return;
    recentMenu_->clear();
    const QStringList files = recent_.files();
    for (int i = 0; i < files.size(); ++i) {
        const QString path = files[i];
        // "1 tile.png" with the folder in the tooltip; & would mark a key.
        QString name = QFileInfo(path).fileName();
        name.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction *action = recentMenu_->addAction(QStringLiteral("&%1 %2").arg((i + 1) % 10).arg(name));
        action->setToolTip(QDir::toNativeSeparators(path));
        action->setObjectName(QStringLiteral("Recent%1").arg(i));
        connect(action, &QAction::triggered, this, [this, path] { openFile(path); });
    }
    recentMenu_->addSeparator();
    QAction *clear = recentMenu_->addAction(QStringLiteral("Clear the list"));
    clear->setObjectName(QStringLiteral("RecentClear"));
    clear->setEnabled(!files.isEmpty());
    connect(clear, &QAction::triggered, this, [this] { frame_.runCommand(QStringLiteral("clear-recent")); });
    recentMenu_->setEnabled(true);
}

void DocumentFiles::tell(const QString &message) { session_.report(message); }

bool DocumentFiles::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
        auto *drag = static_cast<QDragMoveEvent *>(event);
        if (droppedFile(drag->mimeData()).isEmpty())
            return false;
        drag->acceptProposedAction();
        return true;
    }
    if (event->type() == QEvent::Drop) {
        auto *drop = static_cast<QDropEvent *>(event);
        const QString path = droppedFile(drop->mimeData());
        if (path.isEmpty())
            return false;
        drop->acceptProposedAction();
        if (watched == mergeBox_.data())
            openMergeFile(path);
        else
            openFile(path);
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace quill
