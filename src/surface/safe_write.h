// The one way the program writes a file: into a temporary file beside the
// target, every write checked, flushed, synced and closed, then renamed over
// the target. Called by every picture, pattern and scratch-file writer.
// Never leaves a half file or replaces anything that is not a regular file.
#pragma once

#include <QString>

#include <cstddef>
#include <functional>

namespace quill {

// Where a producer puts the file's bytes. The first failure sticks: later
// writes do nothing and the whole save fails with its reason.
class FileSink {
public:
    // `faulty`: the tests' injected fault applies to this file.
    explicit FileSink(int fd, bool faulty = false) : fd_(fd), faulty_(faulty) {}
    bool write(const void *data, std::size_t size);
    // An encoder's own failure ("PNG encoder: ...") ends the save with this reason.
    void fail(const QString &reason);
    bool failed() const { return !reason_.isEmpty(); }
    const QString &reason() const { return reason_; }
    qint64 written() const { return written_; }

private:
    int fd_;
    bool faulty_;
    qint64 written_ = 0;
    QString reason_;
};

// Empty when the file was written, else the message for the user:
// "Cannot write <path>: <reason>" or "<path> is not a regular file".
struct WriteResult {
    QString error;
    explicit operator bool() const { return error.isEmpty(); }
};

// Writes `path` with the bytes `produce` puts into the sink. `produce` returns
// false when it could not make the file (after sink.fail() with its reason).
// A symlink to a regular file is written through: the link stays, the file it
// names is replaced. Thread-safe.
WriteResult writeFileSafely(const QString &path, const std::function<bool(FileSink &)> &produce);

// For tests: while one lives, every write past `bytesAllowed` bytes of a file
// whose name ends in `nameSuffix` (any file when empty) fails with `error`
// (ENOSPC: a full disk), as the system would report it.
class ScopedWriteFault {
public:
    explicit ScopedWriteFault(int error, qint64 bytesAllowed = 0, const QString &nameSuffix = {});
    ~ScopedWriteFault();
    ScopedWriteFault(const ScopedWriteFault &) = delete;
    ScopedWriteFault &operator=(const ScopedWriteFault &) = delete;
};

} // namespace quill
