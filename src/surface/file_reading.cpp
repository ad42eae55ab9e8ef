#include "surface/file_reading.h"

#include "surface/file_names.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quill {

ReadableFile::ReadableFile(const QString &path, qint64 maxBytes)
{
    // Non-blocking, so a FIFO without a writer cannot hold the open.
    fd_ = open(pathBytes(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd_ < 0) {
        error_ = errno == ENOENT ? QStringLiteral("no such file") : systemReason(errno);
        return;
    }
    struct stat info {};
    if (fstat(fd_, &info) != 0) {
        error_ = systemReason(errno);
        return;
    }
    if (S_ISDIR(info.st_mode)) {
        error_ = QStringLiteral("is a directory");
        return;
    }
    if (!S_ISREG(info.st_mode)) {
        error_ = QStringLiteral("not a regular file");
        return;
    }
    if (info.st_size > maxBytes) {
        error_ = QStringLiteral("too large");
        return;
    }
    size_ = info.st_size;
    if (size_ == 0)
        return;
    void *mapped = mmap(nullptr, static_cast<std::size_t>(size_), PROT_READ, MAP_PRIVATE, fd_, 0);
    if (mapped == MAP_FAILED) {
        error_ = systemReason(errno);
        size_ = 0;
        return;
    }
    data_ = static_cast<const unsigned char *>(mapped);
}

ReadableFile::~ReadableFile()
{
    if (data_)
        munmap(const_cast<unsigned char *>(data_), static_cast<std::size_t>(size_));
    if (fd_ >= 0)
        close(fd_);
}

} // namespace quill
