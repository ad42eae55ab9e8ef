#include "toolbox/blur_mosaic.h"

#include "document/operation.h"
#include "document/pixel_framework.h"
#include "surface/numeric_rules.h"

#include <algorithm>
#include <cstring>
#include <vector>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace quill {

namespace {

// The sum of five components over 5, rounded to nearest ((sum + 2) \ 5; the
// fraction is never one half), as a multiply that is exact for sums up to 1275.
inline QRgb fifth(QRgb sum) { return ((sum + 2) * 13108u) >> 16; }

inline QRgb blurPixel(QRgb c, QRgb l, QRgb r, QRgb u, QRgb d)
{
    const QRgb red = ((c >> 16) & 255) + ((l >> 16) & 255) + ((r >> 16) & 255) + ((u >> 16) & 255) + ((d >> 16) & 255);
    const QRgb green = ((c >> 8) & 255) + ((l >> 8) & 255) + ((r >> 8) & 255) + ((u >> 8) & 255) + ((d >> 8) & 255);
    const QRgb blue = (c & 255) + (l & 255) + (r & 255) + (u & 255) + (d & 255);
    return 0xff000000u | (fifth(red) << 16) | (fifth(green) << 8) | fifth(blue);
}

// One row of the blur; `up` and `down` are rows of black beyond the picture
// (or the rows the lattice puts there when wrapping), and `beforeFirst` and
// `afterLast` the pixels beyond the ends of the row.
void blurRow(const QRgb *in, const QRgb *up, const QRgb *down, QRgb *out, int width, QRgb beforeFirst, QRgb afterLast)
{
    const int last = width - 1;
    if (width == 1) {
        out[0] = blurPixel(in[0], beforeFirst, afterLast, up[0], down[0]);
        return;
    }
    out[0] = blurPixel(in[0], beforeFirst, in[1], up[0], down[0]);
    int x = 1;
#ifdef __SSE2__
    // Four pixels at a time: channels widened to 16 bits, five summed, the
    // rounded fifth as the high half of a multiply, narrowed back.
    const __m128i zero = _mm_setzero_si128(), two = _mm_set1_epi16(2), fifthFactor = _mm_set1_epi16(13108);
    const __m128i opaque = _mm_set1_epi32(static_cast<int>(0xff000000u));
    auto load = [](const QRgb *p) { return _mm_loadu_si128(reinterpret_cast<const __m128i *>(p)); };
    for (; x + 3 < last; x += 4) {
        const __m128i c = load(in + x), l = load(in + x - 1), r = load(in + x + 1), u = load(up + x),
                      d = load(down + x);
        auto sum = [&](auto unpack) {
            __m128i s = _mm_add_epi16(unpack(c, zero), unpack(l, zero));
            s = _mm_add_epi16(s, unpack(r, zero));
            s = _mm_add_epi16(s, unpack(u, zero));
            s = _mm_add_epi16(s, unpack(d, zero));
            return _mm_mulhi_epu16(_mm_add_epi16(s, two), fifthFactor);
        };
        const __m128i lo = sum([](__m128i a, __m128i b) { return _mm_unpacklo_epi8(a, b); });
        const __m128i hi = sum([](__m128i a, __m128i b) { return _mm_unpackhi_epi8(a, b); });
        _mm_storeu_si128(reinterpret_cast<__m128i *>(out + x), _mm_or_si128(_mm_packus_epi16(lo, hi), opaque));
    }
#endif
    for (; x < last; ++x)
        out[x] = blurPixel(in[x], in[x - 1], in[x + 1], up[x], down[x]);
    out[last] = blurPixel(in[last], in[last - 1], afterLast, up[last], down[last]);
}

// Columns [from, to] of one grid row's dots along a result row whose span
// starts `first` columns from each dot's point: dot i shows over 3i + first to
// 3i + first + 2 (the next dot covers the rest of its span), the last dot over
// its whole span.
void paintStretch(QRgb *out, const QRgb *grid, int first, int lastI, int from, int to)
{
    if (from > to)
        return;
    int x = from;
    // Columns before the last dot: three per dot, walked without a division each.
    const int beforeLast = std::min(to, 3 * lastI + first - 1);
    if (x <= beforeLast) {
        int i = std::max(0, floorDiv(x - first, 3));
        for (const int end = std::min(beforeLast, 3 * i + first + 2); x <= end; ++x)
            out[x] = grid[3 * i];
        for (++i; x + 2 <= beforeLast; x += 3, ++i) {
            const QRgb c = grid[3 * i];
            out[x] = c;
            out[x + 1] = c;
            out[x + 2] = c;
        }
        for (; x <= beforeLast; ++x)
            out[x] = grid[3 * i];
    }
    const QRgb last = grid[3 * lastI];
    for (; x <= to; ++x)
        out[x] = last;
}

// Dots at every grid point (3i, 3j), i <= lastI and j <= lastJ, each in the
// colour of the picture there, drawn rows of the grid outer, later dots over
// earlier ones; pixels no dot covers keep `kept`. Row by row of the result:
// within one dot row the latest dot over column X is the one with
// i = (X - first) / 3 (its span is at least three wide), so each grid row
// paints a stretch of colours, and the latest grid row wins. Each pixel is
// written once: the latest grid row first, earlier ones only beyond it.
void paintGridDots(const QImage &source, const QImage &kept, QImage &result, const DotShape &dot, int lastI, int lastJ)
{
    const int width = result.width();
    const int dotRows = static_cast<int>(dot.spans.size());
    const bool wideSpans = std::all_of(dot.spans.begin(), dot.spans.end(),
                                       [](const auto &span) { return span.second - span.first + 1 >= 3; });
    if (!wideSpans) {
        result = kept.copy();
        for (int j = 0; j <= lastJ; ++j)
            for (int i = 0; i <= lastI; ++i)
                paintDot(result, 3 * i, 3 * j, dot, reinterpret_cast<const QRgb *>(source.constScanLine(3 * j))[3 * i]);
        return;
    }
    const auto keep = [&](QRgb *out, int y, int from, int to) {
        if (from <= to)
            std::memcpy(out + from, reinterpret_cast<const QRgb *>(kept.constScanLine(y)) + from,
                        static_cast<std::size_t>(to - from + 1) * sizeof(QRgb));
    };
    forEachRow(source, result, [&](int y, const QRgb *, QRgb *out) {
        // Grid rows j whose dots reach row y: top <= y - 3j < top + dotRows.
        const int jFrom = std::max(0, -floorDiv(-(y - (dot.top + dotRows - 1)), 3));
        const int jTo = std::min(lastJ, floorDiv(y - dot.top, 3));
        int coveredFrom = width, coveredTo = -1; // what later grid rows painted
        for (int j = jTo; j >= jFrom; --j) {
            const auto &span = dot.spans[static_cast<std::size_t>(y - 3 * j - dot.top)];
            const int from = std::max(0, span.first), to = std::min(width - 1, 3 * lastI + span.second);
            const auto *grid = reinterpret_cast<const QRgb *>(source.constScanLine(3 * j));
            if (from > to)
                continue;
            if (coveredFrom > coveredTo) {
                paintStretch(out, grid, span.first, lastI, from, to);
            } else if (to + 1 < coveredFrom || from > coveredTo + 1) {
                // A stretch apart from the later ones would leave a gap between them:
                // never for a round dot, but then paint the row the plain way.
                keep(out, y, 0, width - 1);
                for (int k = jFrom; k <= jTo; ++k) {
                    const auto &s = dot.spans[static_cast<std::size_t>(y - 3 * k - dot.top)];
                    paintStretch(out, reinterpret_cast<const QRgb *>(source.constScanLine(3 * k)), s.first, lastI,
                                 std::max(0, s.first), std::min(width - 1, 3 * lastI + s.second));
                }
                coveredFrom = 0, coveredTo = width - 1;
                break;
            } else {
                paintStretch(out, grid, span.first, lastI, from, std::min(to, coveredFrom - 1));
                paintStretch(out, grid, span.first, lastI, std::max(from, coveredTo + 1), to);
            }
            coveredFrom = std::min(coveredFrom, from);
            coveredTo = std::max(coveredTo, to);
        }
        if (coveredFrom > coveredTo) {
            keep(out, y, 0, width - 1);
        } else {
            keep(out, y, 0, coveredFrom - 1);
            keep(out, y, coveredTo + 1, width - 1);
        }
    });
}

// Where the blur reads beyond the picture: black, or with wrapping what the
// lattice shows there. Rows above and below the picture are whole rows (rolled
// on brick), so the row loop stays one pass over three rows.
class BlurNeighbours {
public:
    BlurNeighbours(const QImage &source, bool wrap, Lattice lattice)
        : source_(source), wrap_(wrap), lattice_(lattice), black_(static_cast<std::size_t>(source.width()), 0u)
    {
        if (!wrap_ || source.isNull())
            return;
        const int w = source.width(), h = source.height();
        above_.resize(static_cast<std::size_t>(w));
        below_.resize(static_cast<std::size_t>(w));
        for (int x = 0; x < w; ++x) {
            above_[static_cast<std::size_t>(x)] = pixel(x, -1);
            below_[static_cast<std::size_t>(x)] = pixel(x, h);
        }
    }

    const QRgb *row(int y) const
    {
        if (y >= 0 && y < source_.height())
            return reinterpret_cast<const QRgb *>(source_.constScanLine(y));
        if (!wrap_)
            return black_.data();
        return y < 0 ? above_.data() : below_.data();
    }
    QRgb pixel(int x, int y) const
    {
        if (!wrap_ && (x < 0 || y < 0 || x >= source_.width() || y >= source_.height()))
            return 0;
        const QPoint p = wrapPoint(lattice_, source_.size(), QPoint(x, y));
        return reinterpret_cast<const QRgb *>(source_.constScanLine(p.y()))[p.x()];
    }

private:
    const QImage &source_;
    bool wrap_;
    Lattice lattice_;
    std::vector<QRgb> black_, above_, below_;
};

// While the picture wraps, its grid has no first or last dot. On the plane the
// picture tiles, each pixel shows the latest dot over it in the drawing order:
// the lowest, then the rightmost. Taking that rule on the wrapped grid, instead
// of drawing the wrapped dots in one pass (which buries the first row and column
// under the last), gives every tile of the repeat the same mosaic. The lattice
// says which grid point a dot beyond an edge is.
void paintGridDotsWrapped(const QImage &source, QImage &result, const DotShape &dot, int lastI, int lastJ,
                          Lattice lattice)
{
    const QSize size = result.size();
    auto onGrid = [lastI, lastJ](QPoint g) {
        return g.x() % 3 == 0 && g.x() / 3 <= lastI && g.y() % 3 == 0 && g.y() / 3 <= lastJ;
    };
    const int dotRows = static_cast<int>(dot.spans.size());
    forEachRow(source, result, [&](int y, const QRgb *, QRgb *out) {
        for (int x = 0; x < size.width(); ++x) {
            // The dot over (x, y) from offset (dx, dy) sits at (x - dx, y - dy):
            // the smallest offsets find the latest dot.
            bool found = false;
            for (int row = 0; row < dotRows && !found; ++row) {
                const auto &span = dot.spans[static_cast<std::size_t>(row)];
                for (int dx = span.first; dx <= span.second && !found; ++dx) {
                    const QPoint g = wrapPoint(lattice, size, QPoint(x - dx, y - (dot.top + row)));
                    if (onGrid(g)) {
                        out[x] = reinterpret_cast<const QRgb *>(source.constScanLine(g.y()))[g.x()];
                        found = true;
                    }
                }
            }
        }
    });
}

} // namespace

void blurImage(Session &session)
{
    beginOperation(session, true, OperationLayers::TwoLayer);
    Document &doc = session.document;
    const QImage &source = doc.picture().Image();
    const int width = source.width();
    const BlurNeighbours around(source, doc.picture().wrapEdges(), doc.picture().lattice());
    // Every output reads only the unchanged picture, so rows go in memory order.
    QImage result = resultRaster(doc);
    forEachRow(source, result, [&](int y, const QRgb *in, QRgb *out) {
        blurRow(in, around.row(y - 1), around.row(y + 1), out, width, around.pixel(-1, y), around.pixel(width, y));
    });
    storeResult(session, result, OperationLayers::TwoLayer);
}

void mosaicImage(Session &session)
{
    beginOperation(session, true, OperationLayers::TwoLayer, 8);
    Document &doc = session.document;
    Surface &picture = doc.picture();
    Surface &work = doc.layer(1);
    const QImage &source = picture.Image();
    const DotShape &dot = penDot(work.DrawWidth());
    const auto rows = roundHalfEven(picture.ScaleHeight() / 3);
    const auto columns = roundHalfEven(picture.ScaleWidth() / 3);
    const int width = source.width(), height = source.height();
    // A grid point beyond the picture reads no colour and paints nothing.
    const int lastJ = static_cast<int>(std::min<std::int64_t>(rows, (height - 1) / 3));
    const int lastI = static_cast<int>(std::min<std::int64_t>(columns, (width - 1) / 3));
    const QImage &kept = work.Image();
    const bool keptInPlace = kept.size() == source.size() && kept.format() == QImage::Format_RGB32 && lastJ >= 0 &&
                             lastI >= 0 && !picture.wrapEdges();
    // Pixels no dot covers keep what the work layer showed; the one-pass path copies them as it meets them.
    QImage result = keptInPlace ? resultRaster(doc) : resultRasterFrom(doc, 1);
    if (lastJ >= 0 && lastI >= 0) {
        if (picture.wrapEdges()) {
            paintGridDotsWrapped(source, result, dot, lastI, lastJ, picture.lattice());
        } else if (keptInPlace) {
            paintGridDots(source, kept, result, dot, lastI, lastJ);
        } else {
            const QImage start = result.copy();
            paintGridDots(source, start, result, dot, lastI, lastJ);
        }
    }
    storeResult(session, result, OperationLayers::TwoLayer);
}

void appendBlurMosaic(std::vector<Operation> &operations)
{
    auto click = [](auto fn) {
        return [fn](Session &session) {
            fn(session);
            session.stateChanged();
        };
    };
    operations.push_back({QStringLiteral("Command54"), QStringLiteral("blur"),
                          QStringLiteral("Blur: each pixel the mean of itself and its four neighbours"), 1,
                          click(blurImage)});
    operations.push_back({QStringLiteral("Command55"), QStringLiteral("mosaic"),
                          QStringLiteral("Mosaic of 8-pixel dots on a 3-pixel grid"), 1, click(mosaicImage)});
    operations.push_back({QStringLiteral("Command82"), QStringLiteral("bands-h"),
                          QStringLiteral("Horizontal bands from the foreground to the background colour"), 1,
                          click([](Session &s) { drawColourBands(s, true); })});
    operations.push_back({QStringLiteral("Command83"), QStringLiteral("bands-v"),
                          QStringLiteral("Vertical bands from the foreground to the background colour"), 1,
                          click([](Session &s) { drawColourBands(s, false); })});
    operations.push_back({QStringLiteral("Command39"), QStringLiteral("shrink"),
                          QStringLiteral("Combine every three columns into one, in the left third"), 1,
                          click(shrinkImage)});
}

} // namespace quill
