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
void boxPass(const std::vector<float> &in, std::vector<float> &out, QSize size, int r, bool alongRows,
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
                p = wrappedPixel(size, p.x(), p.y());
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

std::vector<float> broadLight(const std::vector<float> &field, QSize size)
{
    std::vector<float> a = field, b(field.size());
    if (field.empty())
        return a;
    std::vector<double> sums;
    for (int r : boxRadii(std::max(size.width(), size.height()) / 8.0)) {
        boxPass(a, b, size, r, true, sums);
        boxPass(b, a, size, r, false, sums);
    }
    return a;
}

Repetition repetition(const QImage &picture)
{
    Repetition rep;
    const std::vector<float> luma = lumaOf(picture);
    if (luma.empty())
        return rep;
    rep.light = broadLight(luma, picture.size());
    rep.mean = meanOf(luma);
    const double spread = stdOf(luma, rep.mean);
    rep.spread = stdOf(rep.light, rep.mean);
    rep.score = spread > 0 ? rep.spread / spread : 0;
    return rep;
}

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

std::vector<bool> patchMask(const QImage &picture)
{
    const Repetition rep = repetition(picture);
    if (repeatGrade(rep.score) == RepeatGrade::Even)
        return {};
    std::vector<bool> mask(rep.light.size());
    for (std::size_t i = 0; i < mask.size(); ++i)
        mask[i] = std::abs(rep.light[i] - rep.mean) > 1.5 * rep.spread;
    return mask;
}

void evenOutLighting(QImage &picture)
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
        const Repetition rep = repetition(picture);
        if (rep.score < kFlat)
            break;
        for (int y = 0; y < h; ++y) {
            auto *line = reinterpret_cast<QRgb *>(picture.scanLine(y));
            const float *light = &rep.light[static_cast<std::size_t>(y) * w];
            for (int x = 0; x < w; ++x) {
                const float off = light[x] - static_cast<float>(rep.mean);
                auto c = [off](int v) { return std::clamp(static_cast<int>(std::lround(v - off)), 0, 255); };
                line[x] = qRgb(c(qRed(line[x])), c(qGreen(line[x])), c(qBlue(line[x])));
            }
        }
    }
}

} // namespace quill
