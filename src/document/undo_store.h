// Undo history: numbered whole-picture steps walked back and forth by Undo and
// Redo. The newest steps stay in memory and a worker thread writes every step
// as "undo<N>.bmp" into the program's private history folder, so a press never
// waits for the disk and a crash leaves a history to recover. The files on
// disk are capped (oldest steps dropped). Called by the canvas (every press),
// every toolbox operation, the toolbar and the start-up's recovery.
// Never writes outside its folder; a history it cannot write turns Undo off.
#pragma once

#include "document/history_folder.h"
#include "document/history_writer.h"
#include "surface/listeners.h"

#include <QImage>
#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace quill {

class Document;

class UndoStore {
public:
    UndoStore();
    ~UndoStore();
    UndoStore(const UndoStore &) = delete;
    UndoStore &operator=(const UndoStore &) = delete;

    static QString fileName(std::int64_t number);
    // The newest picture, kept apart from the steps so a crash mid-stroke loses little.
    static QString latestFileName() { return QStringLiteral("latest.bmp"); }

    // Saves the picture as the next step and cuts off the redo tail.
    void TakeUndoSnapshot(Document &document);
    // Both return what went wrong for the user ("Not enough memory for undo at
    // W x H"), or an empty string.
    QString Undo(Document &document);
    QString Redo(Document &document);

    std::int32_t UndoCount = 0;
    std::int32_t UndoTop = 0;

    // Enabled state of the toolbar's "Undo" (f) and "Redo" (g) buttons.
    bool undoEnabled() const { return undoEnabled_; }
    bool redoEnabled() const { return redoEnabled_; }
    // Also notified when Undo turns off.
    Listeners<> buttonsChanged;

    // Batch runs and button previews keep no history: snapshots become no-ops.
    bool recording = true;

    // The private folder; opened at start-up or by the first step.
    HistoryFolder &folder() { return folder_; }
    // Opens the folder; when it cannot be written Undo turns off.
    bool open();
    // "Undo is off: cannot write <folder>" once the history cannot be written, else empty.
    const QString &offMessage() const { return off_; }

    // Bytes of step files kept on disk before the oldest are dropped.
    qint64 capBytes = qint64(2) << 30;
    // Bytes of step pictures kept in memory besides the files (the newest is always kept).
    qint64 memoryBytes = qint64(256) << 20;
    // The oldest step Undo can still reach.
    std::int64_t oldestStep() const { return oldest_; }

    // Hands the current picture to the writer as the newest state for recovery.
    void keepLatest(const Document &document);
    // Waits until every step and the latest picture are on disk.
    void flush();

    // Takes over the folder of a program that ended unexpectedly: its newest
    // picture goes into the document and its steps become this history.
    // False (and nothing changes) when it holds no readable picture.
    bool recover(const QString &folder, Document &document);

private:
    struct Step {
        QImage image;     // null once only the file holds it
        qint64 bytes = 0; // size on disk; 0 while the file is not written yet
        bool written = false;
        std::int64_t job = 0; // the writer's job that writes it
    };
    void setButtons(bool undo, bool redo);
    void turnOff(const QString &reason);
    // Keeps the picture as step `number` (in memory now, on disk soon).
    // A step of a copy of the picture; keep takes an image nobody will draw on.
    void store(std::int64_t number, const QImage &picture);
    void keep(std::int64_t number, const QImage &copy);
    QImage copyOf(const QImage &picture);
    // Takes in the writer's results: sizes, failures, memory to drop, the cap.
    void collect();
    void dropStep(std::int64_t number);
    QString loadInto(Document &document, std::int64_t number);

    HistoryFolder folder_;
    std::map<std::int64_t, Step> steps_;
    std::int64_t oldest_ = 0;
    std::int64_t jobs_ = 0;
    std::map<std::int64_t, std::int64_t> pending_; // writer job -> step number (kLatest for latest.bmp)
    QImage spare_;                                 // a dropped step's buffer, reused by the next copy
    QImage latest_;
    QString off_;
    bool undoEnabled_ = false;
    bool redoEnabled_ = true;
    // Receives the writer's reports on the thread the store lives on.
    std::unique_ptr<QObject> receiver_;
    HistoryWriter writer_;
};

} // namespace quill
