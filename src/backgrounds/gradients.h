// Two-colour gradient backgrounds: rows of filled bands and sweeps of diagonal
// lines, from the foreground towards the background colour, drawn in points on
// the picture layer. Called by the toolbox buttons and the batch front end;
// they draw on the layer they are given and never touch the other layers.
#pragma once

#include "document/operation.h"
#include "surface/surface.h"

#include <vector>

namespace quill {

enum class Bands {
    Across,              // left to right
    Down,                // top to bottom
    AcrossFromBothEdges, // from the left and right edges towards the middle
    DownFromBothEdges,   // from the top and bottom edges towards the middle
};

enum class Sweep {
    FromTopLeft,
    FromTopRight,
    FromTopLeftAndBottomRight,
    FromTopRightAndBottomLeft,
};

void paintBands(Surface &layer, Colour fore, Colour back, Bands form);
void paintSweep(Surface &layer, Colour fore, Colour back, Sweep form);

// Band width shared by both kinds: the height less `inset`, rounded, \ 100.
int gradientBandWidth(const Surface &layer, int inset);

void appendGradientOperations(std::vector<Operation> &operations);

} // namespace quill
