#include "document/history_writer.h"

#include "surface/image_files.h"

#include <QFileInfo>

namespace quill {

HistoryWriter::~HistoryWriter()
{
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    if (thread_.joinable())
        thread_.join();
}

void HistoryWriter::write(const QString &path, const QImage &image, std::int64_t tag)
{
    {
        std::lock_guard lock(mutex_);
        jobs_.push_back({path, image, tag});
        if (!thread_.joinable())
            thread_ = std::thread([this] { run(); });
    }
    wake_.notify_one();
}

void HistoryWriter::flush()
{
    std::unique_lock lock(mutex_);
    idle_.wait(lock, [this] { return jobs_.empty() && !busy_; });
}

std::vector<HistoryWriter::Result> HistoryWriter::takeResults()
{
    std::lock_guard lock(mutex_);
    return std::exchange(results_, {});
}

void HistoryWriter::run()
{
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stopping_ || !jobs_.empty(); });
        if (jobs_.empty())
            return; // stopping, and everything queued is written
        Job job = std::move(jobs_.front());
        jobs_.pop_front();
        busy_ = true;
        lock.unlock();
        const WriteResult written = saveBitmap(job.image, job.path);
        const Result result{job.tag, written ? QFileInfo(job.path).size() : 0, written.error};
        job.image = QImage(); // the store may reuse the buffer once the result is in
        lock.lock();
        results_.push_back(result);
        busy_ = false;
        if (jobs_.empty())
            idle_.notify_all();
        if (onResult) {
            lock.unlock();
            onResult();
            lock.lock();
        }
    }
}

} // namespace quill
