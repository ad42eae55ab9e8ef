// Writes undo steps to disk on a thread of its own, so a press never waits
// for a file. Jobs run in order; each file goes through the safe writer, so
// it is complete before it exists under its name. Called by the undo store.
// Never touches the document: it only reads the images it was handed.
#pragma once

#include <QImage>
#include <QString>

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace quill {

class HistoryWriter {
public:
    struct Result {
        std::int64_t tag = 0;
        qint64 bytes = 0; // size of the written file
        QString error;    // empty when written
    };

    HistoryWriter() = default;
    // Finishes the queued writes, then ends the thread.
    ~HistoryWriter();
    HistoryWriter(const HistoryWriter &) = delete;
    HistoryWriter &operator=(const HistoryWriter &) = delete;

    // Queues a bitmap of `image` to `path`; the result carries `tag`.
    void write(const QString &path, const QImage &image, std::int64_t tag);
    // Waits until every queued file is written.
    void flush();
    // The results since the last call, oldest first.
    std::vector<Result> takeResults();
    // Called on the writer's thread after each job (results are waiting).
    std::function<void()> onResult;

private:
    struct Job {
        QString path;
        QImage image;
        std::int64_t tag;
    };
    void run();

    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable idle_;
    std::deque<Job> jobs_;
    std::vector<Result> results_;
    bool busy_ = false;
    bool stopping_ = false;
    std::thread thread_;
};

} // namespace quill
