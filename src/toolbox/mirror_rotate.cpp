#include "toolbox/mirror_rotate.h"

#include "document/operation.h"
#include "document/pixel_framework.h"
#include "surface/numeric_rules.h"
#include "surface/parallel_bands.h"

#include <algorithm>
#include <array>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace quill {

namespace {

// The whole picture mirrored along the chosen axes, row by row.
void mirrorInto(const QImage &source, QImage &result, bool leftRight, bool topBottom)
{
    const int height = source.height(), width = source.width();
    const auto rowBytes = static_cast<std::size_t>(width) * sizeof(QRgb);
    forEachRow(source, result, [&](int y, const QRgb *, QRgb *out) {
        const auto *in = reinterpret_cast<const QRgb *>(source.constScanLine(topBottom ? height - 1 - y : y));
        if (!leftRight) {
            std::memcpy(out, in, rowBytes);
            return;
        }
        const QRgb *last = in + width - 1;
        for (int x = 0; x < width; ++x)
            out[x] = last[-x];
    });
}

} // namespace

void flipImage(Session &session, Flip flip)
{
    // The blit of the whole picture onto the whole work layer: an exact mirror,
    // whatever units the layers were left in.
    beginOperation(session, true, OperationLayers::TwoLayer);
    Document &doc = session.document;
    QImage result = resultRaster(doc);
    mirrorInto(doc.picture().Image(), result, flip != Flip::MirrorTopBottom, flip != Flip::MirrorLeftRight);
    storeResult(session, result, OperationLayers::TwoLayer);
}

// A quarter turn is drawn as dots two pixels across, each covering its point and
// the right and lower neighbours, visited a = 0..W outer and b = 0..H inner:
//   counter-clockwise: source (W - b, a), dot at (a + 1, b - 1);
//   clockwise:         source (b, H - a), dot at (a, b).
// A source beyond the picture draws no dot. A pixel shows the last dot covering
// it, which puts the turned picture one pixel right of the exact turn.
std::optional<QPoint> quarterTurnSource(QuarterTurn turn, int width, int height, int x, int y)
{
    const bool ccw = turn == QuarterTurn::CounterClockwise;
    // The dots that cover (x, y), latest in the visiting order first.
    using Candidates = std::array<QPoint, 4>;
    const Candidates candidates =
        ccw ? Candidates{QPoint(x - 1, y + 1), QPoint(x - 1, y), QPoint(x - 2, y + 1), QPoint(x - 2, y)}
            : Candidates{QPoint(x, y), QPoint(x, y - 1), QPoint(x - 1, y), QPoint(x - 1, y - 1)};
    for (const QPoint &ab : candidates) {
        const int a = ab.x(), b = ab.y();
        if (a < 0 || a > width || b < 0 || b > height)
            continue;
        const QPoint source = ccw ? QPoint(width - b, a) : QPoint(b, height - a);
        if (source.x() >= 0 && source.y() >= 0 && source.x() < width && source.y() < height)
            return source;
    }
    return std::nullopt;
}

namespace {

struct TurnRasters {
    const QRgb *in;
    qsizetype inStride;
    QRgb *out;
    qsizetype outStride;
    int width, height;
    bool ccw;
};

#ifdef __SSE2__
// Four rows of four pixels become four columns.
inline void transpose4(__m128i &r0, __m128i &r1, __m128i &r2, __m128i &r3)
{
    const __m128i t0 = _mm_unpacklo_epi32(r0, r1), t1 = _mm_unpacklo_epi32(r2, r3);
    const __m128i t2 = _mm_unpackhi_epi32(r0, r1), t3 = _mm_unpackhi_epi32(r2, r3);
    r0 = _mm_unpacklo_epi64(t0, t1);
    r1 = _mm_unpackhi_epi64(t0, t1);
    r2 = _mm_unpacklo_epi64(t2, t3);
    r3 = _mm_unpackhi_epi64(t2, t3);
}

inline __m128i load4(const QRgb *p) { return _mm_loadu_si128(reinterpret_cast<const __m128i *>(p)); }
inline void store4(QRgb *p, __m128i v) { _mm_storeu_si128(reinterpret_cast<__m128i *>(p), v); }
#endif

// One block of the region where every pixel is a plain lookup of the turned
// picture: counter-clockwise (x, y) <- (W - 1 - y, x - 1), clockwise (x, y) <- (y, H - x).
void turnBlock(const TurnRasters &t, int bx, int bxEnd, int by, int byEnd)
{
    auto source = [&t](int x, int y) {
        return t.ccw ? t.in[(x - 1) * t.inStride + (t.width - 1 - y)] : t.in[(t.height - x) * t.inStride + y];
    };
    int y = by;
#ifdef __SSE2__
    // Four by four tiles: four source rows loaded, transposed, stored as four rows.
    for (; y + 3 <= byEnd; y += 4) {
        int x = bx;
        for (; x + 3 <= bxEnd; x += 4) {
            __m128i r0, r1, r2, r3;
            if (t.ccw) {
                const QRgb *s = t.in + (x - 1) * t.inStride + (t.width - 4 - y);
                r0 = load4(s), r1 = load4(s + t.inStride), r2 = load4(s + 2 * t.inStride),
                r3 = load4(s + 3 * t.inStride);
                transpose4(r0, r1, r2, r3);
                store4(t.out + (y + 3) * t.outStride + x, r0);
                store4(t.out + (y + 2) * t.outStride + x, r1);
                store4(t.out + (y + 1) * t.outStride + x, r2);
                store4(t.out + y * t.outStride + x, r3);
            } else {
                const QRgb *s = t.in + (t.height - x) * t.inStride + y;
                r0 = load4(s), r1 = load4(s - t.inStride), r2 = load4(s - 2 * t.inStride),
                r3 = load4(s - 3 * t.inStride);
                transpose4(r0, r1, r2, r3);
                store4(t.out + y * t.outStride + x, r0);
                store4(t.out + (y + 1) * t.outStride + x, r1);
                store4(t.out + (y + 2) * t.outStride + x, r2);
                store4(t.out + (y + 3) * t.outStride + x, r3);
            }
        }
        for (; x <= bxEnd; ++x)
            for (int yy = y; yy < y + 4; ++yy)
                t.out[yy * t.outStride + x] = source(x, yy);
    }
#endif
    for (; y <= byEnd; ++y)
        for (int x = bx; x <= bxEnd; ++x)
            t.out[y * t.outStride + x] = source(x, y);
}

} // namespace

void turnImage(Session &session, QuarterTurn turn)
{
    beginOperation(session, true, OperationLayers::TwoLayer, 2);
    Document &doc = session.document;
    Surface &picture = doc.picture();
    Surface &work = doc.layer(1);
    const QImage &source = picture.Image();
    // Pixels no dot covers keep what the work layer showed. When it has the
    // picture's shape they are read from it as the loop below meets them, so the
    // turn does not first copy the whole work layer.
    const QImage &kept = work.Image();
    const bool keepInPlace = kept.size() == source.size() && kept.format() == QImage::Format_RGB32;
    QImage result = keepInPlace ? resultRaster(doc) : resultRasterFrom(doc, 1);
    const int width = source.width(), height = source.height();
    const auto *in = reinterpret_cast<const QRgb *>(source.constBits());
    const qsizetype inStride = source.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
    auto *out = reinterpret_cast<QRgb *>(result.bits());
    const qsizetype outStride = result.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
    const bool ccw = turn == QuarterTurn::CounterClockwise;

    // Inside this rectangle the latest dot always has a source in the picture, so
    // a pixel is a plain lookup; it is walked in 32 x 32 blocks to keep the
    // column reads in cache.
    const int x0 = 1, x1 = std::min(width - 1, height); // inclusive
    const int y0 = 0, y1 = std::min(height - 1, width - 1);
    constexpr int kBlock = 32;
    // Bands of output rows on the cores: each writes only its own rows.
    forEachBand(height, minRowsForPass(width), [&](int begin, int end) {
        const int top = std::max(begin, y0), bottom = std::min(end - 1, y1);
        for (int by = top; by <= bottom; by += kBlock) {
            const int byEnd = std::min(bottom, by + kBlock - 1);
            for (int bx = x0; bx <= x1; bx += kBlock)
                turnBlock({in, inStride, out, outStride, width, height, ccw}, bx, std::min(x1, bx + kBlock - 1), by,
                          byEnd);
        }
        // The rest of the picture (column 0, and the overhang of a non-square
        // picture): the general rule, pixel by pixel.
        for (int y = begin; y < end; ++y) {
            const bool inRows = y >= y0 && y <= y1 && x0 <= x1;
            for (int x = 0; x < width; ++x) {
                if (inRows && x >= x0 && x <= x1) {
                    x = x1;
                    continue;
                }
                if (const auto from = quarterTurnSource(turn, width, height, x, y))
                    out[y * outStride + x] = in[from->y() * inStride + from->x()];
                else if (keepInPlace)
                    out[y * outStride + x] = reinterpret_cast<const QRgb *>(kept.constScanLine(y))[x];
            }
        }
    });
    if (picture.wrapEdges()) {
        // The one-pixel shift pushes a column off the right edge; a wrapping
        // picture takes it in at column 0, so a seamless square tile stays seamless.
        for (int y = 0; y < height; ++y)
            if (const auto from = quarterTurnSource(turn, width, height, width, y))
                out[y * outStride] = in[from->y() * inStride + from->x()];
    }
    storeResult(session, result, OperationLayers::TwoLayer);
}

void appendMirrorRotate(std::vector<Operation> &operations)
{
    auto flip = [](Flip f) {
        return [f](Session &session) {
            flipImage(session, f);
            session.stateChanged();
        };
    };
    auto turn = [](QuarterTurn t) {
        return [t](Session &session) {
            turnImage(session, t);
            session.stateChanged();
        };
    };
    operations.push_back({QStringLiteral("Command61"), QStringLiteral("mirror-h"),
                          QStringLiteral("Mirror H: mirror the picture left to right"), 1,
                          flip(Flip::MirrorLeftRight)});
    operations.push_back({QStringLiteral("Command63"), QStringLiteral("mirror-v"),
                          QStringLiteral("Mirror V: mirror the picture top to bottom"), 1,
                          flip(Flip::MirrorTopBottom)});
    operations.push_back({QStringLiteral("Command60"), QStringLiteral("half-turn"),
                          QStringLiteral("Turn the picture half way round"), 1, flip(Flip::HalfTurn)});
    operations.push_back({QStringLiteral("Command62"), QStringLiteral("half-turn-twips"),
                          QStringLiteral("Turn the picture half way round (the same as the other half-turn button)"), 1,
                          flip(Flip::HalfTurn)});
    operations.push_back({QStringLiteral("Command64"), QStringLiteral("turn-left"),
                          QStringLiteral("Turn the picture a quarter counter-clockwise, one pixel right"), 1,
                          turn(QuarterTurn::CounterClockwise)});
    operations.push_back({QStringLiteral("Command65"), QStringLiteral("turn-right"),
                          QStringLiteral("Turn the picture a quarter clockwise, one pixel right"), 1,
                          turn(QuarterTurn::Clockwise)});
}

} // namespace quill
