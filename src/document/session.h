// One running program's core: the shared state, the document, the undo store,
// the random source and the host that answers dialogs. Windows and the batch
// front end hold a Session and pass it to the operations.
// Knows nothing of widgets.
#pragma once

#include "document/app_state.h"
#include "document/document.h"
#include "document/merge_box.h"
#include "document/pattern.h"
#include "document/random_source.h"
#include "document/undo_store.h"
#include "surface/host.h"

#include <QPointer>

#include <functional>
#include <vector>

namespace quill {

struct Session {
    explicit Session(Host &host) : host(host) {}

    Host &host;
    AppState state;
    Document document;
    UndoStore undo;
    RandomSource random;
    Pattern pattern; // the toolbox's 12 x 12 pattern editor
    // The toolbox's merge panel: the second image the merges read.
    MergeImage merge;

    void TakeUndoSnapshot() { undo.TakeUndoSnapshot(document); }

    // A line for the status bar: why a command did nothing (a file refused, an
    // empty clipboard). Never a dialog, so nothing waits on it; the main frame
    // shows it, elsewhere it goes nowhere unless someone listens.
    std::function<void(const QString &)> onReport;
    void report(const QString &text)
    {
        if (onReport)
            onReport(text);
    }

    // The file the picture was last opened from or saved to (empty: never),
    // and whether it changed since then or since New.
    QString fileName;
    bool modified = false;

    // Windows whose look follows the shared state (tool buttons disabled while
    // ClickStage is 1, the Options layout of the current tool, the zoom buttons)
    // listen here. Every handler that may change the state calls stateChanged()
    // when it ends, so the rules hold without polling.
    // A listener given an owner is dropped once the owner is destroyed, so
    // windows that are closed and opened again leave nothing behind.
    void addStateListener(std::function<void()> listener, const QObject *owner = nullptr)
    {
        stateListeners_.add(std::move(listener), owner);
    }
    void stateChanged() { stateListeners_.notify(); }

private:
    Listeners<> stateListeners_;
};

// The core steps of the main frame's load: tool defaults, the picture cleared
// to white, the font list, the history folder made, per-tool settings. The
// windows place themselves around these steps.
void loadStartState(Session &session);
// Closing settings of the load (after the windows are placed).
void finishStartState(Session &session);

// Runs a toolbox operation; one that cannot get its memory stops there and
// says "Not enough memory for <operation> at <W> x <H>". False then.
bool runOperation(Session &session, const QString &operation, const std::function<void(Session &)> &run);

} // namespace quill
