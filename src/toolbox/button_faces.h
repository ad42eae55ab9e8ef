// The pictures on the toolbox buttons, painted by the program itself: a small
// drawing of each canvas tool, and for each operation a preview of it at work
// (operation_faces.h). Core: paints QImages only and never touches the user's
// document.
#pragma once

#include "document/operation.h"
#include "toolbox/button_table.h"

#include <QImage>

namespace quill {

inline constexpr int kButtonFaceSize = 21;

// The sample picture an operation's face shows it working on.
QImage faceSample(int size = kButtonFaceSize);
// A drawing of the tool of this code; a plain face for a code without one.
QImage toolFace(int toolMode, int size = kButtonFaceSize);
// A blank face for a button without an action.
QImage plainFace(int size = kButtonFaceSize);
// The face of a table row, computed once per row and kept.
const QImage &buttonFace(const ToolboxButton &button);
// The swap button: two arrows between two small squares.
QImage swapFace(int width, int height);

} // namespace quill
