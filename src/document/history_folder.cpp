#include "document/history_folder.h"

#include "surface/safe_write.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
#include <atomic>

#include <unistd.h>

namespace quill {

namespace {

const QString kOwnerFile = QStringLiteral("owner");

QByteArray readSmallFile(const QString &path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return {};
    return file.read(4096);
}

// Who runs this process: the boot, the process id and when it started, so a
// process id reused after a crash or a reboot is not taken for the owner.
QByteArray processMark(qint64 pid)
{
    const QByteArray stat = readSmallFile(QStringLiteral("/proc/%1/stat").arg(pid));
    // The start time is the 20th field after the command name, which may hold spaces.
    const qsizetype close = stat.lastIndexOf(')');
    if (close < 0)
        return {};
    const QList<QByteArray> fields = stat.mid(close + 2).split(' ');
    if (fields.size() < 20)
        return {};
    const QByteArray boot = readSmallFile(QStringLiteral("/proc/sys/kernel/random/boot_id")).trimmed();
    return boot + ' ' + QByteArray::number(pid) + ' ' + fields[19];
}

} // namespace

HistoryFolder::~HistoryFolder() = default;

QString HistoryFolder::root()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + QStringLiteral("/quillmar/history");
}

bool HistoryFolder::markOwner()
{
    const QByteArray mark = processMark(getpid());
    return static_cast<bool>(writeFileSafely(QDir(path_).filePath(kOwnerFile), [&mark](FileSink &sink) {
        return sink.write(mark.constData(), static_cast<std::size_t>(mark.size()));
    }));
}

bool HistoryFolder::open()
{
    if (isOpen())
        return true;
    // Each session of a process gets its own folder (tests run several).
    static std::atomic<int> serial{0};
    const QString folder = QDir(root()).filePath(QStringLiteral("%1-%2").arg(getpid()).arg(serial++));
    if (!QDir().mkpath(folder)) {
        problem_ = QStringLiteral("cannot write %1").arg(QDir::toNativeSeparators(folder));
        return false;
    }
    path_ = folder;
    if (!markOwner()) {
        QDir(folder).removeRecursively();
        path_.clear();
        problem_ = QStringLiteral("cannot write %1").arg(QDir::toNativeSeparators(folder));
        return false;
    }
    problem_.clear();
    return true;
}

QString HistoryFolder::file(const QString &name)
{
    open();
    return isOpen() ? QDir(path_).filePath(name) : QString();
}

bool HistoryFolder::adopt(const QString &folder)
{
    if (ownerRunning(folder))
        return false;
    if (isOpen() && path_ != folder)
        remove();
    path_ = folder;
    if (!markOwner()) {
        path_.clear();
        return false;
    }
    problem_.clear();
    return true;
}

void HistoryFolder::remove()
{
    if (!isOpen())
        return;
    QDir(path_).removeRecursively();
    path_.clear();
}

bool HistoryFolder::ownerRunning(const QString &folder)
{
    const QByteArray mark = readSmallFile(QDir(folder).filePath(kOwnerFile));
    const QList<QByteArray> parts = mark.split(' ');
    if (parts.size() != 3)
        return false; // a folder without an owner is one whose start was cut off
    bool ok = false;
    const qint64 pid = parts[1].toLongLong(&ok);
    return ok && processMark(pid) == mark;
}

QStringList HistoryFolder::abandoned()
{
    QDir dir(root());
    QFileInfoList folders = dir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot);
    folders.removeIf([](const QFileInfo &f) {
        return !QFileInfo(f.filePath() + QLatin1Char('/') + kOwnerFile).isFile() || ownerRunning(f.filePath());
    });
    std::sort(folders.begin(), folders.end(),
              [](const QFileInfo &a, const QFileInfo &b) { return a.lastModified() > b.lastModified(); });
    QStringList paths;
    for (const QFileInfo &f : folders)
        paths << f.filePath();
    return paths;
}

} // namespace quill
