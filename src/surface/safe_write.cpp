#include "surface/safe_write.h"

#include "surface/file_names.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quill {

namespace {

std::atomic<int> faultError{0};
std::atomic<qint64> faultAllowed{0};
std::mutex faultMutex;
QString faultSuffix; // guarded by faultMutex

bool faultApplies(const QString &path)
{
    if (faultError.load() == 0)
        return false;
    std::lock_guard lock(faultMutex);
    return path.endsWith(faultSuffix);
}

// The mode a file created now would get: 0666 less the umask. Read from
// /proc because umask() itself can only be read by changing it.
mode_t newFileMode()
{
    mode_t mask = 022;
    if (FILE *status = std::fopen("/proc/self/status", "r")) {
        char line[128];
        while (std::fgets(line, sizeof line, status))
            if (std::strncmp(line, "Umask:", 6) == 0) {
                mask = static_cast<mode_t>(std::strtoul(line + 6, nullptr, 8));
                break;
            }
        std::fclose(status);
    }
    return 0666 & ~mask;
}

QByteArray directoryOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return QByteArrayLiteral(".");
    return slash == 0 ? QByteArrayLiteral("/") : path.left(slash);
}

// Follows symlinks to the name that is finally written; relative link
// targets count from the link's own folder. Empty after too many hops.
QByteArray followLinks(QByteArray path)
{
    for (int hop = 0; hop < 40; ++hop) {
        struct stat info {};
        if (lstat(path.constData(), &info) != 0 || !S_ISLNK(info.st_mode))
            return path;
        QByteArray target(PATH_MAX, '\0');
        const ssize_t length = readlink(path.constData(), target.data(), static_cast<std::size_t>(target.size()));
        if (length <= 0)
            return path;
        target.truncate(length);
        path = target.startsWith('/') ? target : directoryOf(path) + '/' + target;
    }
    errno = ELOOP;
    return {};
}

QString cannotWrite(const QString &path, const QString &reason)
{
    return QStringLiteral("Cannot write %1: %2").arg(path, reason);
}

} // namespace

bool FileSink::write(const void *data, std::size_t size)
{
    if (failed())
        return false;
    const auto *bytes = static_cast<const char *>(data);
    while (size > 0) {
        const int fault = faulty_ ? faultError.load() : 0;
        ssize_t done = 0;
        if (fault != 0 && written_ + static_cast<qint64>(size) > faultAllowed.load()) {
            done = -1;
            errno = fault;
        } else {
            done = ::write(fd_, bytes, size);
        }
        if (done < 0) {
            if (errno == EINTR)
                continue;
            fail(systemReason(errno));
            return false;
        }
        bytes += done;
        size -= static_cast<std::size_t>(done);
        written_ += done;
    }
    return true;
}

void FileSink::fail(const QString &reason)
{
    if (reason_.isEmpty())
        reason_ = reason.isEmpty() ? QStringLiteral("the file could not be made") : reason;
}

WriteResult writeFileSafely(const QString &path, const std::function<bool(FileSink &)> &produce)
{
    if (path.isEmpty())
        return {QStringLiteral("Cannot write a file without a name")};
    const QByteArray target = followLinks(pathBytes(path));
    if (target.isEmpty())
        return {cannotWrite(path, systemReason(errno))};
    struct stat existing {};
    const bool exists = stat(target.constData(), &existing) == 0;
    if (exists && !S_ISREG(existing.st_mode))
        return {QStringLiteral("%1 is not a regular file").arg(path)};

    const qsizetype slash = target.lastIndexOf('/');
    QByteArray temporary = target.left(slash + 1) + '.' + target.mid(slash + 1) + ".XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0)
        return {cannotWrite(path, systemReason(errno))};
    // The new file keeps the old one's permissions, or gets a new file's.
    fchmod(fd, exists ? (existing.st_mode & 07777) : newFileMode());

    FileSink sink(fd, faultApplies(path));
    QString reason;
    if (!produce(sink) || sink.failed())
        reason = sink.reason().isEmpty() ? QStringLiteral("the file could not be made") : sink.reason();
    else if (fsync(fd) != 0)
        reason = systemReason(errno);
    if (close(fd) != 0 && reason.isEmpty())
        reason = systemReason(errno);
    if (reason.isEmpty() && rename(temporary.constData(), target.constData()) != 0)
        reason = systemReason(errno);
    if (!reason.isEmpty()) {
        unlink(temporary.constData());
        return {cannotWrite(path, reason)};
    }
    // The rename itself reaches the disk with the folder.
    const int folder = open(directoryOf(target).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        fsync(folder);
        close(folder);
    }
    return {};
}

ScopedWriteFault::ScopedWriteFault(int error, qint64 bytesAllowed, const QString &nameSuffix)
{
    {
        std::lock_guard lock(faultMutex);
        faultSuffix = nameSuffix;
    }
    faultAllowed.store(bytesAllowed);
    faultError.store(error);
}

ScopedWriteFault::~ScopedWriteFault() { faultError.store(0); }

} // namespace quill
