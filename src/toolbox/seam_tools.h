// Tools for the seam where the picture meets its own copy: a score of how
// visible it is, the rows and columns where it shows, shifting the picture by
// half with wrap-around, and repairing the seam in a band along the edges.
// Plain functions over rasters; callers take snapshots and sync the layers.
#pragma once

#include <QImage>
#include <QPoint>

#include <vector>

namespace quill {

struct SeamScore {
    double x = 1; // left/right seam
    double y = 1; // top/bottom seam
    double s = 1; // the worse of the two
};

// Where the pixel at (x, y), which may lie outside the picture, is found when
// the picture repeats. Every look across an edge goes through here, so the
// way the copies meet is decided in one place.
QPoint wrappedPixel(QSize size, int x, int y);

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

// Repairs both seams in place by adding a smooth correction to the band on
// either side of each wrap line: the step across the seam becomes one of the
// picture's own steps beside it, the mismatch's fine detail is settled within
// a few pixels of the seam and its broad part fades out over the band. The
// photo's own steps are kept. Pixels outside the bands keep their values.
void makeSeamless(QImage &picture);

} // namespace quill
