// The tools that paint while the button is held or on every click: Draw (1),
// Point (2), Spray (13), Multi polyline (19) and the gradient brush (22).
// Registered in the tool table; the dispatcher has already taken the snapshot
// and set the layers' width and twips. They draw only through the layers.
#pragma once

#include "canvas/canvas_controller.h"

#include <map>

namespace quill {

void drawStroke(CanvasController &canvas, const MouseEvent &event);
void pointDown(CanvasController &canvas, const MouseEvent &event);
void spray(CanvasController &canvas, const MouseEvent &event);
void multiPolyline(CanvasController &canvas, const MouseEvent &event);
void gradientBrush(CanvasController &canvas, const MouseEvent &event);

// Adds codes 1, 2, 13, 19 and 22 to the tool table.
void addStrokeTools(std::map<int, ToolHandlers> &table);

} // namespace quill
