#include "document/undo_store.h"

#include "document/document.h"
#include "surface/image_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cstring>
#include <utility>

namespace quill {

namespace {

constexpr std::int64_t kLatest = -1; // the step number of latest.bmp in the writer's reports
constexpr std::size_t kMostPendingWrites = 4;

bool sameShape(const QImage &a, const QImage &b)
{
    return a.size() == b.size() && a.format() == b.format() && a.bytesPerLine() == b.bytesPerLine();
}

// The picture copied into `buffer` when nobody else holds that buffer and it has
// the picture's shape, else into fresh memory. Memory already in use costs no
// fresh pages, which is most of a copy's time at 4096 x 4096.
QImage copiedInto(QImage buffer, const QImage &picture)
{
    if (!buffer.isDetached() || !sameShape(buffer, picture))
        return picture.copy();
    std::memcpy(buffer.bits(), picture.constBits(), static_cast<std::size_t>(picture.sizeInBytes()));
    return buffer;
}

} // namespace

QString UndoStore::fileName(std::int64_t number) { return QStringLiteral("undo%1.bmp").arg(number); }

UndoStore::UndoStore() : receiver_(std::make_unique<QObject>())
{
    writer_.onResult = [this] {
        QMetaObject::invokeMethod(
            receiver_.get(), [this] { collect(); }, Qt::QueuedConnection);
    };
}

UndoStore::~UndoStore()
{
    // A program that ends normally leaves nothing to recover.
    writer_.flush();
    folder_.remove();
}

void UndoStore::setButtons(bool undo, bool redo)
{
    if (undo == undoEnabled_ && redo == redoEnabled_)
        return;
    undoEnabled_ = undo;
    redoEnabled_ = redo;
    buttonsChanged.notify();
}

void UndoStore::turnOff(const QString &reason)
{
    if (!off_.isEmpty())
        return;
    off_ = QStringLiteral("Undo is off: ") + reason;
    undoEnabled_ = redoEnabled_ = false;
    buttonsChanged.notify();
}

bool UndoStore::open()
{
    if (!off_.isEmpty())
        return false;
    if (folder_.open())
        return true;
    turnOff(folder_.problem());
    return false;
}

QImage UndoStore::copyOf(const QImage &picture) { return copiedInto(std::exchange(spare_, QImage()), picture); }

void UndoStore::store(std::int64_t number, const QImage &picture) { keep(number, copyOf(picture)); }

void UndoStore::keep(std::int64_t number, const QImage &copy)
{
    if (copy.isNull())
        return; // no memory for the step: the history skips it rather than stop the press
    const std::int64_t job = ++jobs_;
    steps_[number] = Step{copy, 0, false, job};
    pending_[job] = number;
    writer_.write(folder_.file(fileName(number)), copy, job);
}

void UndoStore::dropStep(std::int64_t number)
{
    const auto it = steps_.find(number);
    if (it == steps_.end())
        return;
    if (spare_.isNull())
        spare_ = std::move(it->second.image);
    steps_.erase(it);
    QFile::remove(folder_.file(fileName(number)));
}

void UndoStore::collect()
{
    for (const HistoryWriter::Result &r : writer_.takeResults()) {
        const auto job = pending_.find(r.tag);
        if (job == pending_.end())
            continue;
        const std::int64_t number = job->second;
        pending_.erase(job);
        if (!r.error.isEmpty()) {
            turnOff(QStringLiteral("cannot write ") + QDir::toNativeSeparators(folder_.path()));
            continue;
        }
        if (number == kLatest)
            continue;
        const auto step = steps_.find(number);
        if (step == steps_.end() || step->second.job != r.tag) {
            // Dropped or replaced while it was being written: the file is not a step.
            if (step == steps_.end())
                QFile::remove(folder_.file(fileName(number)));
            continue;
        }
        step->second.written = true;
        step->second.bytes = r.bytes;
    }
    if (!off_.isEmpty())
        return;

    // The cap: the oldest steps go first, never the one on the canvas or later,
    // and not while the user walks back through the history: the step Undo keeps
    // of the newest picture would otherwise push out the oldest one under them,
    // sooner or later depending on how fast the disk is.
    qint64 onDisk = 0;
    for (const auto &[number, step] : steps_)
        onDisk += step.bytes;
    while (onDisk > capBytes && UndoCount == UndoTop && steps_.size() > 1 && steps_.begin()->first < UndoCount &&
           steps_.begin()->second.written) {
        onDisk -= steps_.begin()->second.bytes;
        dropStep(steps_.begin()->first);
    }
    if (!steps_.empty())
        oldest_ = std::max(oldest_, steps_.begin()->first);

    // Memory: the newest steps stay; older ones live on in their files.
    qint64 inMemory = 0;
    for (auto it = steps_.rbegin(); it != steps_.rend(); ++it) {
        Step &step = it->second;
        if (step.image.isNull())
            continue;
        inMemory += step.image.sizeInBytes();
        if (it != steps_.rbegin() && inMemory > memoryBytes && step.written) {
            if (spare_.isNull())
                spare_ = std::move(step.image);
            step.image = QImage();
        }
    }
    if (UndoCount <= oldest_ && undoEnabled_)
        setButtons(false, redoEnabled_);
}

void UndoStore::TakeUndoSnapshot(Document &document)
{
    if (!recording)
        return;
    // A writer far behind (a slow disk) must not pile pictures up in memory.
    if (pending_.size() > kMostPendingWrites)
        writer_.flush();
    collect();
    if (!open())
        return;
    setButtons(undoEnabled_, false);
    // The redo tail is cut off: its files would only mislead a recovery.
    while (!steps_.empty() && steps_.rbegin()->first > UndoCount)
        dropStep(steps_.rbegin()->first);
    // The tiles share the picture's raster, so the stroke after a press would
    // copy it into fresh pages on its first dot. Instead the step keeps that
    // raster and the picture goes on in a copy (a spare buffer when there is
    // one): one copy a press, into memory that is already there.
    Surface &picture = document.picture();
    const QImage shown = picture.Image();
    if (shown.isDetached()) {
        store(UndoCount, shown);
    } else if (QImage own = copyOf(shown); !own.isNull()) {
        picture.adoptCopy(std::move(own));
        keep(UndoCount, shown);
    }
    setButtons(true, redoEnabled_);
    ++UndoCount;
    UndoTop = UndoCount;
}

QString UndoStore::loadInto(Document &document, std::int64_t number)
{
    QImage picture;
    if (const auto it = steps_.find(number); it != steps_.end()) {
        picture = it->second.image;
        if (picture.isNull()) {
            QString error;
            if (const auto loaded = loadPicture(folder_.file(fileName(number)), &error))
                picture = *loaded;
            else if (error.startsWith(QLatin1String("Not enough memory")))
                return notEnoughMemory(QStringLiteral("undo"), document.picture().Image().size());
        }
    }
    // A step that cannot be read leaves the picture; the tiles refresh from it anyway.
    if (!picture.isNull()) {
        Surface &surface = document.picture();
        QImage &raster = surface.raster();
        if (sameShape(raster, picture)) {
            // Into the picture's own raster, so the next stroke need not copy it first.
            std::memcpy(raster.bits(), picture.constBits(), static_cast<std::size_t>(picture.sizeInBytes()));
            surface.changed(raster.rect());
        } else {
            surface.setPicture(picture);
        }
    }
    document.PropagateCentre();
    return {};
}

QString UndoStore::Undo(Document &document)
{
    collect();
    if (!off_.isEmpty() || UndoCount <= oldest_)
        return {};
    if (UndoCount == UndoTop) {
        store(UndoCount, document.picture().Image());
        setButtons(undoEnabled_, true);
    }
    --UndoCount;
    if (const QString problem = loadInto(document, UndoCount); !problem.isEmpty()) {
        ++UndoCount;
        return problem;
    }
    if (UndoCount <= oldest_)
        setButtons(false, redoEnabled_);
    return {};
}

QString UndoStore::Redo(Document &document)
{
    collect();
    if (!off_.isEmpty())
        return {};
    ++UndoCount;
    if (const QString problem = loadInto(document, UndoCount); !problem.isEmpty()) {
        --UndoCount;
        return problem;
    }
    setButtons(true, redoEnabled_);
    if (UndoCount == UndoTop)
        setButtons(undoEnabled_, false);
    return {};
}

void UndoStore::keepLatest(const Document &document)
{
    // Before the first step nothing was painted: a crash then has nothing to recover.
    if (!recording || steps_.empty() || !open())
        return;
    latest_ = copiedInto(std::move(latest_), document.picture().Image());
    if (latest_.isNull())
        return;
    const std::int64_t job = ++jobs_;
    pending_[job] = kLatest;
    writer_.write(folder_.file(latestFileName()), latest_, job);
}

void UndoStore::flush()
{
    writer_.flush();
    collect();
}

bool UndoStore::recover(const QString &folder, Document &document)
{
    static const QRegularExpression stepName(QStringLiteral("^undo(\\d{1,18})\\.bmp$"));
    QDir dir(folder);
    std::map<std::int64_t, qint64> found;
    for (const QFileInfo &f : dir.entryInfoList(QDir::Files))
        if (const auto m = stepName.match(f.fileName()); m.hasMatch())
            found[m.captured(1).toLongLong()] = f.size();
    const QFileInfo latest(dir.filePath(latestFileName()));
    // The newer of latest.bmp and the newest step is the picture as it was last seen.
    const bool fromLatest =
        latest.isFile() &&
        (found.empty() ||
         latest.lastModified() >= QFileInfo(dir.filePath(fileName(found.rbegin()->first))).lastModified());
    if (!fromLatest && found.empty())
        return false;
    const auto picture = loadPicture(fromLatest ? latest.filePath() : dir.filePath(fileName(found.rbegin()->first)));
    if (!picture)
        return false;
    flush();
    if (!off_.isEmpty() || !folder_.adopt(folder))
        return false;
    steps_.clear();
    pending_.clear();
    for (const auto &[number, bytes] : found)
        steps_[number] = Step{QImage(), bytes, true, 0};
    oldest_ = found.empty() ? 0 : found.begin()->first;
    const std::int64_t newest = found.empty() ? -1 : found.rbegin()->first;
    UndoCount = UndoTop = static_cast<std::int32_t>(fromLatest ? newest + 1 : newest);
    document.replaceWith(*picture);
    setButtons(UndoCount > oldest_, false);
    return true;
}

} // namespace quill
