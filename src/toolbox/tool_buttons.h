// The clicks of the toolbox's tool buttons and the rule that keeps them from
// changing the tool in the middle of a two-click shape.
// Called through the button table by the toolbox window, the batch front end
// and the tests. Touches only the state and the layers' fill style.
#pragma once

#include "document/session.h"

namespace quill {

// Chooses the canvas tool; a fill style of 0 or 1 is also given to all nine
// layers (the circle tools fill or not by it).
void selectTool(Session &session, int toolMode, int fillStyle);

// The tool buttons that follow ClickStage are enabled unless a shape is half done.
bool toolButtonsEnabled(const AppState &state);

} // namespace quill
