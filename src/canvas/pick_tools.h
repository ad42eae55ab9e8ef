// The two canvas tools that read instead of paint: Get colour (code 10) takes
// the colour under the pointer into the left or right swatch, and Zoom
// (code 18) fixes the point the zoom window magnifies, marked by Shape4.
// Called by the canvas dispatch through the tool table; they never draw on the picture.
#pragma once

#include "canvas/canvas_controller.h"
#include "document/tool_codes.h"

namespace quill {

void getColourMouseDown(CanvasController &canvas, const MouseEvent &event);
void getColourMouseMove(CanvasController &canvas, const MouseEvent &event);
void zoomMouseDown(CanvasController &canvas, const MouseEvent &event);

} // namespace quill
