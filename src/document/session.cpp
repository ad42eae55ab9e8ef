#include "document/session.h"

#include "document/tool_codes.h"
#include "surface/jpeg_library.h"

#include <algorithm>

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

    UndoStore::deleteStaleFiles();
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

} // namespace quill
