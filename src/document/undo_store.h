// Undo history as numbered whole-picture bitmaps "undo<N>.bmp" in the current
// directory, walked back and forth by Undo and Redo.
// Called by the canvas (every press), every toolbox operation, and the toolbar.
// It never holds pictures in memory and never reports a failed file: a snapshot
// that cannot be written or read simply leaves the picture as it is.
#pragma once

#include "surface/listeners.h"

#include <QString>

#include <cstdint>
#include <functional>

namespace quill {

class Document;

class UndoStore {
public:
    static QString fileName(std::int64_t number);

    // Saves the picture as the next snapshot and cuts off the redo tail.
    void TakeUndoSnapshot(const Document &document);
    void Undo(Document &document);
    void Redo(Document &document);

    // Deletes undo0.bmp .. undo1000.bmp left by an earlier run.
    static void deleteStaleFiles();

    std::int32_t UndoCount = 0;
    std::int32_t UndoTop = 0;

    // Enabled state of the toolbar's "Undo" (f) and "Redo" (g) buttons.
    bool undoEnabled() const { return undoEnabled_; }
    bool redoEnabled() const { return redoEnabled_; }
    Listeners<> buttonsChanged;

    // Batch runs keep no history: snapshots become no-ops.
    bool recording = true;

private:
    void setButtons(bool undo, bool redo);
    static void loadInto(Document &document, std::int64_t number);

    bool undoEnabled_ = false;
    bool redoEnabled_ = true;
};

} // namespace quill
