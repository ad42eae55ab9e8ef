// The picture's broad light, seen with wrap-around as the repeat shows it (on
// the picture's lattice): the
// repetition score (how much a bright or dark patch repeats across the wall),
// where those patches are, and evening the light out.
// Plain functions over rasters, called by the shell, the view and quillmar-batch;
// they never take snapshots or touch the document.
#pragma once

#include "surface/lattice.h"

#include <QImage>

#include <vector>

namespace quill {

// Luma (0.299 R + 0.587 G + 0.114 B) of every pixel, row by row.
std::vector<float> lumaOf(const QImage &picture);

// Gaussian low-pass with sigma = max(w, h) / 8 over a picture-sized field,
// taken with wrap-around over the lattice (three box passes each way; pictures
// larger than 511 pixels a side go through block means, the field comes back
// bilinearly, and the blocks repeat on the same kind of lattice).
std::vector<float> broadLight(const std::vector<float> &field, QSize size, Lattice lattice);

struct Repetition {
    double score = 0;         // std of the low-passed luma over the std of the luma
    double mean = 0;          // mean luma
    double spread = 0;        // std of the low-passed luma
    std::vector<float> light; // the low-passed luma, row by row
};
Repetition repetition(const QImage &picture, Lattice lattice);
inline double repetitionScore(const QImage &picture, Lattice lattice) { return repetition(picture, lattice).score; }

// The score's bands: "even" below 0.15, then "uneven", "patchy" from 0.3.
enum class RepeatGrade { Even, Uneven, Patchy };
RepeatGrade repeatGrade(double score);
// "Repeat 0.03 even".
QString repeatLabel(double score);

// Pixels whose broad light is more than 1.5 of its std off the mean, row by
// row. Empty while the picture grades even: there is no patch worth showing.
std::vector<bool> patchMask(const QImage &picture, Lattice lattice);

// Subtracts the broad light less its mean from every channel, so the picture
// keeps its mean brightness and its fine texture.
void evenOutLighting(QImage &picture, Lattice lattice);

} // namespace quill
