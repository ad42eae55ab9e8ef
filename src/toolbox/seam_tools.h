// Tools for the seam where the picture meets its own copy: a score of how
// visible it is, the rows and columns where it shows, and repairing the seam
// in a band along the edges, all across the edges of the picture's lattice.
// Plain functions over rasters; callers take snapshots and sync the layers.
#pragma once

#include "surface/lattice.h"

#include <QImage>
#include <QPoint>

#include <vector>

namespace quill {

struct SeamScore {
    double x = 1; // left/right seam
    double y = 1; // top/bottom seam
    double s = 1; // the worse of the two
};

// Mean step across each wrap line against the mean step beside it, over the
// four pixel pairs on each side (fewer on narrow pictures). About 1 is seamless.
// The step across a wrap line is taken between the pixels the lattice puts
// side by side (on half-drop, the start of row y meets the end of row y - h/2).
SeamScore seamScore(const QImage &picture, Lattice lattice);

// Where a seam shows: rows of the left/right seam and columns of the top/bottom
// seam whose wrap step is above three times the mean interior step nearby
// (nine pixels along the wrap line). rows[y] is the seam between the start of
// row y and the pixel the lattice puts before it; columns[x] likewise at the top.
struct SeamMarks {
    std::vector<bool> rows;
    std::vector<bool> columns;
};
SeamMarks seamMarks(const QImage &picture, Lattice lattice);

// Band width of the repair for an extent: max(2, extent / 8).
int seamBand(int extent);

// Repairs both seams in place by adding a smooth correction to the band on
// either side of each wrap line: the step across the seam becomes one of the
// picture's own steps beside it, the mismatch's fine detail is settled within
// a few pixels of the seam and its broad part fades out over the band. The
// photo's own steps are kept. Pixels outside the bands keep their values.
// The seams are the lattice's: each pixel is matched with the one across the
// edge where the lattice puts it.
void makeSeamless(QImage &picture, Lattice lattice);

} // namespace quill
