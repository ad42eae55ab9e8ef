// Make seamless: a correction added to the bands on either side of each wrap
// line. The correction is a smooth field, not a blend: a blend of the two sides
// would halve the photo's contrast and show both photos at once.
#include "toolbox/seam_tools.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace quill {

namespace {

// The pixels of one seam: position a = 0, 1, ... steps into the picture on
// line `line`, on the near side (column or row a) and on the far side (the
// pixel a + 1 steps back across the edge, wherever the copies put it).
struct SeamSides {
    QImage &picture;
    bool acrossColumns; // the left/right seam: lines are rows
    Lattice lattice;
    // Wrapped too: on a picture narrower than the pairs the seam's step is
    // measured against, the pairs come round rather than reading past the raster.
    QPoint near(int a, int line) const
    {
        return wrapPoint(lattice, picture.size(), acrossColumns ? QPoint(a, line) : QPoint(line, a));
    }
    QPoint far(int a, int line) const
    {
        return wrapPoint(lattice, picture.size(), acrossColumns ? QPoint(-1 - a, line) : QPoint(line, -1 - a));
    }
    // The pixel itself, without QImage's per-pixel checks: the band is most of a large picture's work.
    QRgb &at(QPoint p) const { return reinterpret_cast<QRgb *>(picture.scanLine(p.y()))[p.x()]; }
};

using Channels = std::array<std::vector<float>, 3>;

float channel(QRgb p, int c) { return static_cast<float>(c == 0 ? qRed(p) : (c == 1 ? qGreen(p) : qBlue(p))); }

int toComponent(float v) { return v <= 0 ? 0 : (v >= 255 ? 255 : static_cast<int>(v + 0.5f)); }

// Box mean of radius r along a closed loop of values (the seam wraps too).
void boxAlongLoop(std::vector<float> &values, int r, std::vector<float> &sums)
{
    const int n = static_cast<int>(values.size());
    r = std::min(r, (n - 1) / 2);
    if (r <= 0)
        return;
    sums.assign(static_cast<std::size_t>(n + 2 * r + 1), 0.0f);
    for (int i = 0; i < n + 2 * r; ++i)
        sums[static_cast<std::size_t>(i + 1)] =
            sums[static_cast<std::size_t>(i)] + values[static_cast<std::size_t>(((i - r) % n + n) % n)];
    const float width = static_cast<float>(2 * r + 1);
    for (int i = 0; i < n; ++i)
        values[static_cast<std::size_t>(i)] =
            (sums[static_cast<std::size_t>(i + 2 * r + 1)] - sums[static_cast<std::size_t>(i)]) / width;
}

void repairSeam(const SeamSides &sides, int extent, int lines)
{
    const int k = std::min(seamBand(extent), extent / 2);
    if (k < 1 || lines < 1)
        return;
    const auto value = [&](QPoint p, int c) { return channel(sides.at(p), c); };

    // Half the change of the step across the seam, per channel and line: the
    // step becomes as large as the photo's own steps beside the seam on that
    // line (the mean of the four pairs on either side), in the direction of
    // one of them taken in turn, so the seam is as rough as the photo there.
    constexpr int kPairs = 4;
    Channels half;
    for (int c = 0; c < 3; ++c) {
        half[static_cast<std::size_t>(c)].resize(static_cast<std::size_t>(lines));
        for (int line = 0; line < lines; ++line) {
            float size = 0, turn = 0;
            for (int a = 0; a < kPairs; ++a) {
                const float nearStep = value(sides.near(a + 1, line), c) - value(sides.near(a, line), c);
                const float farStep = value(sides.far(a, line), c) - value(sides.far(a + 1, line), c);
                size += std::abs(nearStep) + std::abs(farStep);
                if (a == line % kPairs)
                    turn = (line / kPairs) % 2 == 0 ? nearStep : farStep;
            }
            const float own = std::copysign(size / (2 * kPairs), turn);
            const float across = value(sides.near(0, line), c) - value(sides.far(0, line), c);
            half[static_cast<std::size_t>(c)][static_cast<std::size_t>(line)] = (own - across) / 2;
        }
    }

    // At depth a the mismatch is smoothed along the seam over about a pixels
    // and faded by (k - a) / k: fine detail is settled near the seam, broad
    // differences over the whole band, and nothing changes at its inner edge.
    // The far side takes the same field with the opposite sign.
    Channels field = half;
    std::vector<float> sums;
    for (int a = 0; a < k; ++a) {
        const float fade = static_cast<float>(k - a) / static_cast<float>(k);
        for (int c = 0; c < 3; ++c) {
            std::vector<float> &f = field[static_cast<std::size_t>(c)];
            f = half[static_cast<std::size_t>(c)];
            boxAlongLoop(f, a, sums);
            boxAlongLoop(f, a, sums);
        }
        for (int line = 0; line < lines; ++line) {
            const auto l = static_cast<std::size_t>(line);
            const float r = field[0][l] * fade, g = field[1][l] * fade, b = field[2][l] * fade;
            const QPoint n = sides.near(a, line), f = sides.far(a, line);
            QRgb &pn = sides.at(n), &pf = sides.at(f);
            pn = qRgb(toComponent(qRed(pn) + r), toComponent(qGreen(pn) + g), toComponent(qBlue(pn) + b));
            pf = qRgb(toComponent(qRed(pf) - r), toComponent(qGreen(pf) - g), toComponent(qBlue(pf) - b));
        }
    }
}

} // namespace

int seamBand(int extent) { return std::max(2, extent / 8); }

void makeSeamless(QImage &picture, Lattice lattice)
{
    if (picture.isNull())
        return;
    if (picture.format() != QImage::Format_RGB32)
        picture = picture.convertToFormat(QImage::Format_RGB32);
    // The second repair works on the first one's result, so the corners where
    // both bands meet come out right for both seams. A shifted seam pairs lines
    // across the plain one, so the plain seam goes first: a mismatch still
    // there would show as a step halfway along the shifted seam's band.
    const bool columnsFirst = edgeShift(lattice, picture.size()).downAtRight == 0;
    for (const bool acrossColumns : {columnsFirst, !columnsFirst})
        repairSeam(SeamSides{picture, acrossColumns, lattice}, acrossColumns ? picture.width() : picture.height(),
                   acrossColumns ? picture.height() : picture.width());
}

} // namespace quill
