#include "shell/recent_files.h"

#include <QFileInfo>
#include <QSettings>

namespace quill {

namespace {

const QString kKey = QStringLiteral("recentFiles");

} // namespace

QStringList RecentFiles::files() const
{
    QStringList files = QSettings().value(kKey).toStringList();
    // A hand-edited settings file must not make the menu endless.
    while (files.size() > kRecentFileCount)
        files.removeLast();
    return files;
}

void RecentFiles::add(const QString &path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList list = files();
    list.removeAll(absolute);
    list.prepend(absolute);
    while (list.size() > kRecentFileCount)
        list.removeLast();
    store(list);
}

void RecentFiles::remove(const QString &path)
{
    QStringList list = files();
    list.removeAll(QFileInfo(path).absoluteFilePath());
    store(list);
}

void RecentFiles::clear() { store({}); }

void RecentFiles::store(const QStringList &files)
{
    QSettings settings;
    settings.setValue(kKey, files);
}

} // namespace quill
