#include "toolbox/tool_buttons.h"

#include "toolbox/button_table.h"

namespace quill {

void selectTool(Session &session, int toolMode, int fillStyle)
{
    session.state.ToolMode = static_cast<std::int16_t>(toolMode);
    if (fillStyle != kFillStyleUnchanged)
        session.document.forEachLayer([fillStyle](Surface &layer) { layer.FillStyle = fillStyle; });
}

bool toolButtonsEnabled(const AppState &state) { return state.ClickStage != 1; }

} // namespace quill
