// Opening a file to read it whole: only a regular file (never a FIFO, device
// or socket, which could block or never end) of at most a given size, mapped
// into memory. Called by the picture loader, the bitmap reader and pattern files.
// Never blocks on open and never reads past the size limit.
#pragma once

#include <QString>

#include <cstddef>

namespace quill {

class ReadableFile {
public:
    ReadableFile(const QString &path, qint64 maxBytes);
    ~ReadableFile();
    ReadableFile(const ReadableFile &) = delete;
    ReadableFile &operator=(const ReadableFile &) = delete;

    bool isOpen() const { return error_.isEmpty(); }
    // Why it could not be read: "no such file", "not a regular file", "too large", or the system's reason.
    const QString &error() const { return error_; }
    const unsigned char *data() const { return data_; }
    qint64 size() const { return size_; }

private:
    int fd_ = -1;
    const unsigned char *data_ = nullptr;
    qint64 size_ = 0;
    QString error_;
};

} // namespace quill
