#include "toolbox/blur_mosaic.h"

#include "surface/numeric_rules.h"
#include "toolbox/operation.h"
#include "toolbox/pixel_framework.h"

#include <algorithm>
#include <vector>

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

// One row of the blur; `up` and `down` are rows of black beyond the picture.
void blurRow(const QRgb *in, const QRgb *up, const QRgb *down, QRgb *out, int width)
{
    if (width == 1) {
        out[0] = blurPixel(in[0], 0, 0, up[0], down[0]);
        return;
    }
    out[0] = blurPixel(in[0], 0, in[1], up[0], down[0]);
    const int last = width - 1;
    for (int x = 1; x < last; ++x)
        out[x] = blurPixel(in[x], in[x - 1], in[x + 1], up[x], down[x]);
    out[last] = blurPixel(in[last], in[last - 1], 0, up[last], down[last]);
}

} // namespace

void blurImage(Session &session)
{
    Document &doc = session.document;
    Surface &picture = doc.picture();
    Surface &work = doc.layer(1);
    picture.setScaleMode(ScaleMode::Pixels);
    work.setScaleMode(ScaleMode::Pixels);
    const QImage &source = picture.Image();
    const int width = source.width(), height = source.height();
    const std::vector<QRgb> black(static_cast<std::size_t>(width), 0u);
    auto row = [&](int y) {
        return y < 0 || y >= height ? black.data() : reinterpret_cast<const QRgb *>(source.constScanLine(y));
    };
    const int pen = work.DrawWidth();
    if (pen == 1) {
        // Every output reads only the unchanged picture, so rows go in memory order.
        QImage result = resultRaster(doc);
        for (int y = 0; y < height; ++y)
            blurRow(row(y), row(y - 1), row(y + 1), reinterpret_cast<QRgb *>(result.scanLine(y)), width);
        storeResult(session, result, OperationLayers::TwoLayer);
        return;
    }
    // A wider pen paints overlapping dots: later ones cover earlier ones, in the
    // blur's own order, columns outer and rows inner.
    QImage result = resultRasterFrom(doc, 1);
    std::vector<QRgb> column(static_cast<std::size_t>(height));
    const DotShape &dot = penDot(pen);
    for (int x = 0; x < width; ++x) {
        for (int y = 0; y < height; ++y) {
            const QRgb *in = row(y);
            column[static_cast<std::size_t>(y)] =
                blurPixel(in[x], x > 0 ? in[x - 1] : 0, x + 1 < width ? in[x + 1] : 0, row(y - 1)[x], row(y + 1)[x]);
        }
        for (int y = 0; y < height; ++y)
            paintDot(result, x, y, dot, column[static_cast<std::size_t>(y)]);
    }
    storeResult(session, result, OperationLayers::TwoLayer);
}

void mosaicImage(Session &session)
{
    session.TakeUndoSnapshot();
    Document &doc = session.document;
    Surface &picture = doc.picture();
    Surface &work = doc.layer(1);
    for (Surface *layer : {&picture, &work}) {
        layer->setScaleMode(ScaleMode::Pixels);
        layer->setDrawWidth(8);
    }
    const QImage &source = picture.Image();
    QImage result = resultRasterFrom(doc, 1);
    const DotShape &dot = penDot(work.DrawWidth());
    const auto rows = roundHalfEven(picture.ScaleHeight() / 3);
    for (std::int64_t j = 0; j <= rows; ++j) {
        const auto columns = roundHalfEven(picture.ScaleWidth() / 3);
        for (std::int64_t i = 0; i <= columns; ++i) {
            const int x = static_cast<int>(3 * i), y = static_cast<int>(3 * j);
            const Colour c = pointRead(source, x, y);
            if (c != kInvalidColour) // a grid point beyond the picture paints nothing
                paintDot(result, x, y, dot, toQRgb(c));
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
                          QStringLiteral("Blur: each pixel the mean of itself and its four neighbours (no undo step)"),
                          0, click(blurImage)});
    operations.push_back({QStringLiteral("Command55"), QStringLiteral("mosaic"),
                          QStringLiteral("Mosaic of 8-pixel dots on a 3-pixel grid"), 1, click(mosaicImage)});
    operations.push_back(
        {QStringLiteral("Command82"), QStringLiteral("bands-h"),
         QStringLiteral("Horizontal bands from the foreground to the background colour (no undo step)"), 0,
         click([](Session &s) { drawColourBands(s, true); })});
    operations.push_back({QStringLiteral("Command83"), QStringLiteral("bands-v"),
                          QStringLiteral("Vertical bands from the foreground to the background colour (no undo step)"),
                          0, click([](Session &s) { drawColourBands(s, false); })});
    operations.push_back({QStringLiteral("Command39"), QStringLiteral("shrink"),
                          QStringLiteral("Combine every three columns into one, in the left third (no undo step)"), 0,
                          click(shrinkImage)});
}

} // namespace quill
