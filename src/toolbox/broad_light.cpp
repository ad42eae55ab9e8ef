#include "toolbox/broad_light.h"

#include "toolbox/seam_tools.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace quill {

namespace {

// Radii of three boxes whose sum of variances is sigma squared (widths wl
// and wl + 2, as many of each as matches best).
std::array<int, 3> boxRadii(double sigma)
{
    constexpr int n = 3;
    const double ideal = std::sqrt(12 * sigma * sigma / n + 1);
    int lower = static_cast<int>(std::floor(ideal));
    if (lower % 2 == 0)
        --lower;
    const double m = (12 * sigma * sigma - n * lower * lower - 4.0 * n * lower - 3.0 * n) / (-4.0 * lower - 4);
    const int narrow = static_cast<int>(std::lround(m));
    std::array<int, 3> radii{};
    for (int i = 0; i < n; ++i)
        radii[static_cast<std::size_t>(i)] = ((i < narrow ? lower : lower + 2) - 1) / 2;
    return radii;
}

// One box mean of radius r along rows or columns; whatever lies beyond an
// edge is taken from where the repeat puts it.
void boxPass(const std::vector<float> &in, std::vector<float> &out, QSize size, Lattice lattice, int r, bool alongRows,
             std::vector<double> &sums)
{
    const int w = size.width(), h = size.height();
    const int extent = alongRows ? w : h, lines = alongRows ? h : w;
    sums.resize(static_cast<std::size_t>(extent + 2 * r + 1));
    const double width = 2.0 * r + 1;
    for (int line = 0; line < lines; ++line) {
        sums[0] = 0;
        for (int i = 0; i < extent + 2 * r; ++i) {
            const int a = i - r;
            QPoint p = alongRows ? QPoint(a, line) : QPoint(line, a);
            if (a < 0 || a >= extent)
                p = wrapPoint(lattice, size, p);
            sums[static_cast<std::size_t>(i + 1)] =
                sums[static_cast<std::size_t>(i)] + in[static_cast<std::size_t>(p.y()) * w + p.x()];
        }
        for (int a = 0; a < extent; ++a) {
            const std::size_t at =
                alongRows ? static_cast<std::size_t>(line) * w + a : static_cast<std::size_t>(a) * w + line;
            out[at] = static_cast<float>(
                (sums[static_cast<std::size_t>(a + 2 * r + 1)] - sums[static_cast<std::size_t>(a)]) / width);
        }
    }
}

double meanOf(const std::vector<float> &v)
{
    double sum = 0;
    for (float x : v)
        sum += x;
    return v.empty() ? 0 : sum / static_cast<double>(v.size());
}

double stdOf(const std::vector<float> &v, double mean)
{
    double sum = 0;
    for (float x : v)
        sum += (x - mean) * (x - mean);
    return v.empty() ? 0 : std::sqrt(sum / static_cast<double>(v.size()));
}

} // namespace

std::vector<float> lumaOf(const QImage &picture)
{
    if (picture.isNull())
        return {};
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    const int w = image.width(), h = image.height();
    std::vector<float> luma(static_cast<std::size_t>(w) * h);
    for (int y = 0; y < h; ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < w; ++x)
            luma[static_cast<std::size_t>(y) * w + x] =
                0.299f * qRed(line[x]) + 0.587f * qGreen(line[x]) + 0.114f * qBlue(line[x]);
    }
    return luma;
}

namespace {

std::vector<float> gaussian(const std::vector<float> &field, QSize size, Lattice lattice, double sigma)
{
    std::vector<float> a = field, b(field.size());
    if (field.empty())
        return a;
    std::vector<double> sums;
    for (int r : boxRadii(sigma)) {
        boxPass(a, b, size, lattice, r, true, sums);
        boxPass(b, a, size, lattice, r, false, sums);
    }
    return a;
}

// Pictures are brought down to about this many pixels a side before the
// low-pass: it keeps nothing finer than an eighth of the side anyway, and
// the status bar rescores after every change.
constexpr int kCoarseSide = 256;

// The low-pass on blocks of `block` pixels a side (1: on the pixels).
struct CoarseLight {
    std::vector<float> light;
    QSize size;
    int block = 1;
    Lattice lattice = Lattice::Grid; // the blocks' own: the shift in blocks, rounded down
};

// Block means, blurred with the sigma left after the blocks and the
// bilinear read back (a quarter of a block squared between them).
CoarseLight coarseLight(const std::vector<float> &field, QSize size, Lattice lattice)
{
    const int w = size.width(), h = size.height();
    const double sigma = std::max(w, h) / 8.0;
    const int f = std::max(1, std::max(w, h) / kCoarseSide);
    if (f == 1)
        return {gaussian(field, size, lattice, sigma), size, 1, lattice};
    const QSize coarse((w + f - 1) / f, (h + f - 1) / f);
    const auto cw = static_cast<std::size_t>(coarse.width());
    std::vector<float> blocks(cw * static_cast<std::size_t>(coarse.height()), 0.0f);
    std::vector<float> counts(blocks.size(), 0.0f);
    for (int y = 0; y < h; ++y) {
        float *row = &blocks[static_cast<std::size_t>(y / f) * cw];
        float *count = &counts[static_cast<std::size_t>(y / f) * cw];
        const float *in = &field[static_cast<std::size_t>(y) * w];
        for (int x = 0; x < w; ++x) {
            row[x / f] += in[x];
            count[x / f] += 1;
        }
    }
    for (std::size_t i = 0; i < blocks.size(); ++i)
        blocks[i] /= counts[i];
    const double left = sigma / f;
    return {gaussian(blocks, coarse, lattice, std::sqrt(std::max(0.25, left * left - 0.25))), coarse, f, lattice};
}

// One axis of the bilinear read back: the two coarse cells each pixel lies
// between (wrapped along this axis alone), the weight of the second, and
// whether the pair reaches over an edge (`cell` is the first one unwrapped).
struct Taps {
    std::vector<int> first, second, cell;
    std::vector<float> weight;
    std::vector<bool> crosses;
};
Taps taps(int extent, int block, int cells)
{
    Taps t;
    for (int i = 0; i < extent; ++i) {
        const double u = (i + 0.5) / block - 0.5;
        const int c = static_cast<int>(std::floor(u));
        t.first.push_back((c % cells + cells) % cells);
        t.second.push_back(((c + 1) % cells + cells) % cells);
        t.cell.push_back(c);
        t.weight.push_back(static_cast<float>(u - c));
        t.crosses.push_back(c < 0 || c + 1 >= cells);
    }
    return t;
}

std::vector<float> fullLight(CoarseLight coarse, QSize size)
{
    if (coarse.block == 1)
        return std::move(coarse.light);
    const int w = size.width(), h = size.height(), cw = coarse.size.width();
    const Taps across = taps(w, coarse.block, cw);
    const Taps down = taps(h, coarse.block, coarse.size.height());
    // Where a pair of cells reaches over an edge of a shifted lattice, the cells
    // beyond are found through the lattice; everywhere else the plain taps hold.
    const bool shifted = coarse.lattice != Lattice::Grid;
    const auto cellAt = [&](int cx, int cy) {
        const QPoint p = wrapPoint(coarse.lattice, coarse.size, QPoint(cx, cy));
        return coarse.light[static_cast<std::size_t>(p.y()) * cw + p.x()];
    };
    std::vector<float> out(static_cast<std::size_t>(w) * h);
    for (int y = 0; y < h; ++y) {
        const float *top = &coarse.light[static_cast<std::size_t>(down.first[static_cast<std::size_t>(y)]) * cw];
        const float *bottom = &coarse.light[static_cast<std::size_t>(down.second[static_cast<std::size_t>(y)]) * cw];
        const float ty = down.weight[static_cast<std::size_t>(y)];
        float *row = &out[static_cast<std::size_t>(y) * w];
        for (int x = 0; x < w; ++x) {
            const auto i = static_cast<std::size_t>(x);
            if (shifted && (across.crosses[i] || down.crosses[static_cast<std::size_t>(y)])) {
                const int cx = across.cell[i], cy = down.cell[static_cast<std::size_t>(y)];
                const float tx = across.weight[i];
                const float upper = cellAt(cx, cy) + (cellAt(cx + 1, cy) - cellAt(cx, cy)) * tx;
                const float lower = cellAt(cx, cy + 1) + (cellAt(cx + 1, cy + 1) - cellAt(cx, cy + 1)) * tx;
                row[x] = upper + (lower - upper) * ty;
                continue;
            }
            const float upper =
                top[across.first[i]] + (top[across.second[i]] - top[across.first[i]]) * across.weight[i];
            const float lower =
                bottom[across.first[i]] + (bottom[across.second[i]] - bottom[across.first[i]]) * across.weight[i];
            row[x] = upper + (lower - upper) * ty;
        }
    }
    return out;
}

// The score and the coarse low-pass it came from.
struct Measured {
    Repetition rep;
    CoarseLight coarse;
};

Measured measure(const QImage &picture, Lattice lattice)
{
    Measured m;
    const std::vector<float> luma = lumaOf(picture);
    if (luma.empty())
        return m;
    m.coarse = coarseLight(luma, picture.size(), lattice);
    m.rep.mean = meanOf(luma);
    const double spread = stdOf(luma, m.rep.mean);
    m.rep.spread = stdOf(m.coarse.light, meanOf(m.coarse.light));
    m.rep.score = spread > 0 ? m.rep.spread / spread : 0;
    return m;
}

} // namespace

std::vector<float> broadLight(const std::vector<float> &field, QSize size, Lattice lattice)
{
    return fullLight(coarseLight(field, size, lattice), size);
}

Repetition repetition(const QImage &picture, Lattice lattice) { return measure(picture, lattice).rep; }

RepeatGrade repeatGrade(double score)
{
    if (score < 0.15)
        return RepeatGrade::Even;
    return score < 0.3 ? RepeatGrade::Uneven : RepeatGrade::Patchy;
}

QString repeatLabel(double score)
{
    static const char *const words[] = {"even", "uneven", "patchy"};
    return QStringLiteral("Repeat %1 %2")
        .arg(score, 0, 'f', 2)
        .arg(QLatin1String(words[static_cast<int>(repeatGrade(score))]));
}

std::vector<bool> patchMask(const QImage &picture, Lattice lattice)
{
    Measured m = measure(picture, lattice);
    if (repeatGrade(m.rep.score) == RepeatGrade::Even)
        return {};
    const std::vector<float> light = fullLight(std::move(m.coarse), picture.size());
    std::vector<bool> mask(light.size());
    for (std::size_t i = 0; i < mask.size(); ++i)
        mask[i] = std::abs(light[i] - m.rep.mean) > 1.5 * m.rep.spread;
    return mask;
}

void evenOutLighting(QImage &picture, Lattice lattice)
{
    if (picture.isNull())
        return;
    if (picture.format() != QImage::Format_RGB32)
        picture = picture.convertToFormat(QImage::Format_RGB32);
    const int w = picture.width(), h = picture.height();
    // Subtracting the low-pass once leaves the low-pass of what was taken
    // away (a patch's rim), so it is repeated, a few rounds at most, until
    // the broad light is flat; each round reaches only the broadest changes.
    constexpr int kRounds = 4;
    constexpr double kFlat = 0.03;
    for (int round = 0; round < kRounds; ++round) {
        Measured m = measure(picture, lattice);
        if (m.rep.score < kFlat)
            break;
        const std::vector<float> light = fullLight(std::move(m.coarse), picture.size());
        for (int y = 0; y < h; ++y) {
            auto *line = reinterpret_cast<QRgb *>(picture.scanLine(y));
            const float *row = &light[static_cast<std::size_t>(y) * w];
            for (int x = 0; x < w; ++x) {
                const float off = row[x] - static_cast<float>(m.rep.mean);
                auto c = [off](int v) { return std::clamp(static_cast<int>(std::lround(v - off)), 0, 255); };
                line[x] = qRgb(c(qRed(line[x])), c(qGreen(line[x])), c(qBlue(line[x])));
            }
        }
    }
}

} // namespace quill
