#include "toolbox/seam_tools.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace quill {

namespace {

// One axis of a picture seen as lines crossing a seam: position `a` across the
// seam (0..extent-1) on line `line` (0..lines-1).
struct Axis {
    const QImage &image;
    bool acrossColumns; // true: the left/right seam, lines are rows
    Lattice lattice;
    int extent() const { return acrossColumns ? image.width() : image.height(); }
    int lines() const { return acrossColumns ? image.height() : image.width(); }
    QRgb at(int a, int line) const
    {
        const int x = acrossColumns ? a : line;
        const int y = acrossColumns ? line : a;
        return reinterpret_cast<const QRgb *>(image.constScanLine(y))[x];
    }
    // The pixel across the wrap line from position 0 of the line.
    QRgb across(int line) const
    {
        const QPoint p = wrapPoint(lattice, image.size(), acrossColumns ? QPoint(-1, line) : QPoint(line, -1));
        return image.pixel(p);
    }
};

int channelSteps(QRgb p, QRgb q)
{
    return std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
}

// Pair starts a (pair a, a+1) beside the wrap line: 0..3 and extent-5..extent-2.
std::vector<int> interiorPairs(int extent)
{
    std::vector<int> pairs;
    for (int a = 0; a <= extent - 2; ++a)
        if (a <= 3 || a >= extent - 5)
            pairs.push_back(a);
    return pairs;
}

struct LineSteps {
    std::vector<double> wrap;     // summed over channels
    std::vector<double> interior; // summed over channels and pairs
    int pairs = 0;
};

LineSteps lineSteps(const Axis &axis)
{
    const int extent = axis.extent(), lines = axis.lines();
    const std::vector<int> pairs = interiorPairs(extent);
    LineSteps steps;
    steps.pairs = static_cast<int>(pairs.size());
    steps.wrap.resize(static_cast<std::size_t>(lines));
    steps.interior.resize(static_cast<std::size_t>(lines));
    for (int line = 0; line < lines; ++line) {
        steps.wrap[static_cast<std::size_t>(line)] = channelSteps(axis.at(0, line), axis.across(line));
        double inner = 0;
        for (int a : pairs)
            inner += channelSteps(axis.at(a + 1, line), axis.at(a, line));
        steps.interior[static_cast<std::size_t>(line)] = inner;
    }
    return steps;
}

double axisScore(const Axis &axis)
{
    const LineSteps steps = lineSteps(axis);
    double wrap = 0, inner = 0;
    for (std::size_t i = 0; i < steps.wrap.size(); ++i) {
        wrap += steps.wrap[i];
        inner += steps.interior[i];
    }
    const double lines = static_cast<double>(steps.wrap.size());
    const double wrapMean = wrap / (lines * 3);
    const double innerMean = steps.pairs > 0 ? inner / (lines * 3 * steps.pairs) : 0;
    if (innerMean == 0)
        return wrapMean == 0 ? 1 : wrapMean;
    return wrapMean / innerMean;
}

std::vector<bool> axisMarks(const Axis &axis)
{
    const LineSteps steps = lineSteps(axis);
    const int lines = static_cast<int>(steps.wrap.size());
    std::vector<bool> marks(static_cast<std::size_t>(lines), false);
    for (int line = 0; line < lines; ++line) {
        double inner = 0;
        int counted = 0;
        for (int d = -4; d <= 4 && counted < lines; ++d, ++counted)
            inner += steps.interior[static_cast<std::size_t>(((line + d) % lines + lines) % lines)];
        const double localMean = steps.pairs > 0 ? inner / (counted * steps.pairs) : 0;
        marks[static_cast<std::size_t>(line)] = steps.wrap[static_cast<std::size_t>(line)] > 3 * localMean;
    }
    return marks;
}

} // namespace

SeamScore seamScore(const QImage &picture, Lattice lattice)
{
    SeamScore score;
    if (picture.isNull())
        return score;
    score.x = axisScore(Axis{picture, true, lattice});
    score.y = axisScore(Axis{picture, false, lattice});
    score.s = std::max(score.x, score.y);
    return score;
}

SeamMarks seamMarks(const QImage &picture, Lattice lattice)
{
    if (picture.isNull())
        return {};
    return {axisMarks(Axis{picture, true, lattice}), axisMarks(Axis{picture, false, lattice})};
}

} // namespace quill
