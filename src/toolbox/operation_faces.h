// The faces of the operation buttons: each operation shown at work on a
// sample chosen so its change shows (colour steps on a colourful picture,
// blur on sharp edges, the merges with a merge image loaded), the pattern
// commands as a small drawing of the pattern they leave, and drawings for the
// buttons whose click opens a dialog. Called by button_faces; paints QImages
// in a private session only, never the user's document, files or dialogs.
#pragma once

#include "document/operation.h"

#include <QImage>

namespace quill {

// A sample with every hue across and light to dark down, away from 0 and 255
// so a step up or down shows everywhere.
QImage colourfulSample(int size);
// Black and white squares: sharp edges for a blur to soften.
QImage sharpEdgeSample(int size);
// The face of an operation button, size x size pixels.
QImage operationButtonFace(const Operation &operation, int size);
// A button whose click opens a dialog: an arrow from a folder into (open) or
// out of (save) the pattern grid or a picture.
QImage dialogButtonFace(bool pattern, bool save, int size);

} // namespace quill
