// The two-click shapes: Line (3), Rectangle (7), Filled rectangle (8) and the
// circles (5, 6, 20). The first press keeps the start point, moves drag a
// rubber band made of the canvas overlays, the second press draws in the colour
// of the button pressed for it. Only the finished shape touches the layers.
#pragma once

#include "canvas/canvas_controller.h"

#include <map>

namespace quill {

void lineDown(CanvasController &canvas, const MouseEvent &event);
void lineMove(CanvasController &canvas, const MouseEvent &event);
void rectangleDown(CanvasController &canvas, const MouseEvent &event);
void rectangleMove(CanvasController &canvas, const MouseEvent &event);
void circleDown(CanvasController &canvas, const MouseEvent &event);
void circleMove(CanvasController &canvas, const MouseEvent &event);

// Adds codes 3, 5, 6, 7, 8 and 20 to the tool table.
void addShapeTools(std::map<int, ToolHandlers> &table);

} // namespace quill
