// The Text tool (code 11): a first click drops the floating preview Label1,
// moves drag it, and the second click prints the text at the preview into
// the picture and copies it to the other tiles. Called by the canvas dispatch
// through the tool table; reads the text settings the text window edits.
// Draws only on the document's layers, never on a widget.
#pragma once

#include "canvas/canvas_controller.h"
#include "document/tool_codes.h"

namespace quill {

// Font sizes a picture box accepts, in points.
inline constexpr double kMaxFontSize = 2160;

void textMouseDown(CanvasController &canvas, const MouseEvent &event);
void textMouseMove(CanvasController &canvas, const MouseEvent &event);

// Prints the text at the preview's top-left corner on layer 0 in the colour,
// hides the preview, ends the two-click state and brings the tiles up to date.
void commitText(CanvasController &canvas, Colour colour);

// Gives a surface the text font: size, name, underline, italic, bold.
void applyTextFont(Surface &surface, const TextSettings &text);
// The font a surface prints the text in (two colours, no smoothing).
QFont textFont(const TextSettings &text);

// Takes a size typed or chosen in the text window; sizes that no font can
// have (0, negative, above 2160 points, not a number) are refused.
bool setTextFontSize(TextSettings &text, double points);

} // namespace quill
