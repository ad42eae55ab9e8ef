// Growing figures around the picture's centre (circles, squares, diamonds and
// fans of rays), the colour stepping from the foreground towards the
// background colour after every figure. Drawn in points on the picture layer;
// never touches the other layers.
#pragma once

#include "document/operation.h"
#include "surface/surface.h"

#include <vector>

namespace quill {

enum class Figure {
    Circles,
    Squares,
    Diamonds,
    TwelveRays,
    EightRays,
    DiamondsAndRays,
    SparseRays, // eight rays on every fourth step, one pixel wide
};

void paintFigures(Surface &layer, Colour fore, Colour back, Figure figure);

void appendCentredFigureOperations(std::vector<Operation> &operations);

} // namespace quill
