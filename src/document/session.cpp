#include "document/session.h"

#include "surface/jpeg_library.h"

#include <algorithm>

namespace quill {

void Session::addStateListener(std::function<void()> listener, const QObject *owner)
{
    stateListeners_.push_back({std::move(listener), owner != nullptr, owner});
}

void Session::stateChanged()
{
    std::erase_if(stateListeners_, [](const StateListener &l) { return l.owned && !l.owner; });
    // By index and by copy: a listener may open a window that adds a listener,
    // or close one whose listener comes later.
    for (std::size_t i = 0; i < stateListeners_.size(); ++i) {
        if (stateListeners_[i].owned && !stateListeners_[i].owner)
            continue;
        const std::function<void()> notify = stateListeners_[i].notify;
        notify();
    }
}

void loadStartState(Session &session)
{
    AppState &s = session.state;
    s.ToolMode = 1;
    s.PointCount = 2;
    jpeg::initLibrary();

    // A white point 3000 pixels across covers the whole picture; the width stays.
    Surface &picture = session.document.picture();
    picture.setDrawWidth(3000);
    picture.PSet(50, 50, kWhite);
    session.document.PropagateCentre();

    s.FontNames = session.host.fontNames().mid(0, kMaxFontNames);

    UndoStore::deleteStaleFiles();
}

void finishStartState(Session &session)
{
    AppState &s = session.state;
    s.ToolMode = 1;
    s.PointWidth = 3;
    s.ToolDrawWidth[1] = 10;
    s.ToolDrawWidth[19] = 1;
    s.SprayPointWidth = 2;
    s.SprayPointCount = 100;
    s.SprayWidth = 10;
}

bool confirmQuit(Host &host)
{
    return host.messageBox(QStringLiteral("Are you sure you want to quit?"), MessageButtons::YesNo,
                           QStringLiteral("Quillmar")) == kAnswerYes;
}

} // namespace quill
