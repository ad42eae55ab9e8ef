#include "document/session.h"

#include "document/tool_codes.h"
#include "surface/image_files.h"
#include "surface/jpeg_library.h"

#include <algorithm>
#include <new>

namespace quill {

void loadStartState(Session &session)
{
    AppState &s = session.state;
    s.ToolMode = kDrawTool;
    s.PointCount = 2;
    jpeg::initLibrary();

    // A white picture; the tools bring their own widths.
    Surface &picture = session.document.picture();
    picture.BackColor = kWhite;
    picture.Cls();
    session.document.PropagateCentre();

    s.FontNames = session.host.fontNames().mid(0, kMaxFontNames);

    // The private history folder; a cache that cannot be written turns Undo off.
    session.undo.open();
}

void finishStartState(Session &session)
{
    AppState &s = session.state;
    s.ToolMode = kDrawTool;
    s.PointWidth = 3;
    s.resetToolDrawWidths();
    s.SprayPointWidth = 2;
    s.SprayPointCount = 100;
    s.SprayWidth = 10;
}

bool runOperation(Session &session, const QString &operation, const std::function<void(Session &)> &run)
{
    try {
        run(session);
        return true;
    } catch (const std::bad_alloc &) {
        session.document.PropagateCentre();
        session.host.messageBox(notEnoughMemory(operation, session.document.picture().Image().size()),
                                MessageButtons::Ok, QStringLiteral("Quillmar"));
        return false;
    }
}

} // namespace quill
