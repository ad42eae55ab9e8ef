// Stripe and line backgrounds: groups of one-pixel lines, two in the foreground
// and two in the background colour (or only the two foreground ones), repeating
// every four pixels across, down or diagonally, and the curve stitching figure.
// Drawn in pixels on the picture layer; never touches the other layers.
#pragma once

#include "document/operation.h"
#include "surface/surface.h"

#include <vector>

namespace quill {

enum class Stripes {
    Across,           // horizontal lines
    Down,             // vertical lines
    AcrossForeground, // only the foreground lines of Across
    DownForeground,   // only the foreground lines of Down
    Rising,           // diagonal, rising to the right, from the bottom-right corner
    RisingForeground,
    Falling, // diagonal, falling to the right, from the top-right corner
    FallingForeground,
    Stitching, // lines from the left edge to the bottom edge, in two passes
};

void paintStripes(Surface &layer, Colour fore, Colour back, Stripes form);

void appendStripeOperations(std::vector<Operation> &operations);

} // namespace quill
