// Checkerboard backgrounds on an 8 x 8 grid of cells: cells in both colours,
// the same with a disc of the other colour in every cell, only the foreground
// cells, or only foreground discs in alternate cells. Drawn in points on the
// picture layer; never touches the other layers.
#pragma once

#include "document/operation.h"
#include "surface/surface.h"

#include <vector>

namespace quill {

enum class Checker {
    Cells,           // cells alternately foreground and background
    CellsWithDiscs,  // and in every cell a disc of the other colour
    ForegroundCells, // only the foreground cells
    ForegroundDiscs, // only foreground discs, in the foreground cells
};

void paintChecker(Surface &layer, Colour fore, Colour back, Checker form);

void appendCheckerboardOperations(std::vector<Operation> &operations);

} // namespace quill
