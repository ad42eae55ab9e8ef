// Tools for the seam where the picture meets its own copy: a score of how
// visible it is, the rows and columns where it shows, shifting the picture by
// half with wrap-around, and repairing the seam in a band along the edges.
// Plain functions over rasters; callers take snapshots and sync the layers.
#pragma once

#include <QImage>

#include <vector>

namespace quill {

struct SeamScore {
    double x = 1; // left/right seam
    double y = 1; // top/bottom seam
    double s = 1; // the worse of the two
};

// Mean step across each wrap line against the mean step beside it, over the
// four pixel pairs on each side (fewer on narrow pictures). About 1 is seamless.
SeamScore seamScore(const QImage &picture);

// Where a seam shows: rows of the left/right seam and columns of the top/bottom
// seam whose wrap step is above three times the mean interior step nearby
// (nine pixels along the wrap line).
struct SeamMarks {
    std::vector<bool> rows;
    std::vector<bool> columns;
};
SeamMarks seamMarks(const QImage &picture);

// The picture shifted right by dx and down by dy with wrap-around, written into `out`
// (resized if needed; may not be the same raster as `picture`).
void rollInto(const QImage &picture, int dx, int dy, QImage &out);

// Band width of the repair for an extent: max(2, extent / 8).
int seamBand(int extent);

// Repairs both seams in place: the mismatch of each row (and column), smoothed
// along the wrap line, is spread over the band on either side with a correction
// that fades to zero at its inner edge. Pixels outside the bands keep their values.
void makeSeamless(QImage &picture);

} // namespace quill
