// The lattice a tile repeats on: the square grid, brick (each row of copies
// shifted by half a tile width) or half-drop (each column shifted by half a
// tile height), and the one mapping of a point across the picture's edges.
// Used by the surface's wrapped drawing and every repeat-aware part above it.
// Pure geometry: no pixels, no state, nothing that can fail.
#pragma once

#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace quill {

enum class Lattice { Grid, Brick, HalfDrop };

inline constexpr std::array<Lattice, 3> kLattices = {Lattice::Grid, Lattice::Brick, Lattice::HalfDrop};

// How a point moves when it crosses an edge: leaving the right edge at row y it
// comes back at the left edge at row y + downAtRight; leaving the bottom at
// column x it comes back at the top at column x + rightAtBottom (both mod the
// extent). Half of an odd extent is floor(extent / 2). At most one is non-zero.
struct EdgeShift {
    int downAtRight = 0;
    int rightAtBottom = 0;
};
EdgeShift edgeShift(Lattice lattice, QSize size);

// The picture pixel shown at a point of the endless repeat (any point, inside
// or outside the picture).
QPoint wrapPoint(Lattice lattice, QSize size, QPoint point);

// Where the copy one step right (column 1) or one step down (row 1) starts:
// the picture's point p shows again at p + copyStep.
QPoint copyStep(Lattice lattice, QSize size, bool right);

// A box of the picture's size showing the picture from `origin` on, rolled with
// wrap-around (a copy on a shifted row or column): where the whole raster goes,
// relative to the box, and clipped to it. One place when nothing is rolled.
std::vector<QPoint> rolledPlacements(QSize size, QPoint origin);

// "grid", "brick", "half-drop" (command line and settings) and the list's labels.
QString latticeKey(Lattice lattice);
QString latticeLabel(Lattice lattice);
std::optional<Lattice> latticeFromKey(const QString &key);

// The endless repeat cut to `columns` x `rows` tiles from the picture's own
// top-left corner; null when the memory cannot be had.
QImage repeatOnLattice(const QImage &tile, int columns, int rows, Lattice lattice);

// The picture moved by (dx, dy) over its own lattice: out(p) = in(p - (dx, dy))
// read through wrapPoint. `out` is resized if needed and may not be `picture`.
void rollOnLattice(const QImage &picture, int dx, int dy, QImage &out, Lattice lattice);

} // namespace quill
