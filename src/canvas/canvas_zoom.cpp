#include "canvas/canvas_zoom.h"

#include "surface/surface.h"

#include <QFontMetrics>

#include <algorithm>
#include <cmath>

namespace quill {

int largerCanvasScale(int scale)
{
    for (const int s : kCanvasScales)
        if (s > scale)
            return s;
    return kCanvasScales.back();
}

int smallerCanvasScale(int scale)
{
    for (auto it = kCanvasScales.rbegin(); it != kCanvasScales.rend(); ++it)
        if (*it < scale)
            return *it;
    return kCanvasScales.front();
}

namespace {

// Whole pixels around a span given in twips, one spare on each side for the
// pen and for rounding.
QRect pixelSpan(double left, double top, double right, double bottom)
{
    const auto lo = [](double twips) { return static_cast<int>(std::floor(twips / kTwipsPerPixel)) - 1; };
    const auto hi = [](double twips) { return static_cast<int>(std::ceil(twips / kTwipsPerPixel)) + 1; };
    return QRect(QPoint(lo(std::min(left, right)), lo(std::min(top, bottom))),
                 QPoint(hi(std::max(left, right)), hi(std::max(top, bottom))));
}

} // namespace

QRect overlayPixelBounds(const CanvasOverlays &o)
{
    QRect bounds;
    for (const OverlayLine *line : {&o.Line1, &o.Line2})
        if (line->Visible)
            bounds |= pixelSpan(line->X1, line->Y1, line->X2, line->Y2);
    const double onePixel = kTwipsPerPixel; // shapes paint at least a pixel across
    for (const OverlayShape *shape : {&o.Shape1, &o.Shape2, &o.Shape3, &o.Shape4})
        if (shape->Visible)
            bounds |= pixelSpan(shape->Left, shape->Top, shape->Left + std::max(shape->Width, onePixel),
                                shape->Top + std::max(shape->Height, onePixel));
    if (o.Label1.Visible && !o.Label1.Caption.isEmpty()) {
        const QFontMetrics metrics(o.Label1.Font);
        const QRect text =
            metrics.boundingRect(QRect(0, 0, 4096, 4096), Qt::AlignLeft | Qt::AlignTop, o.Label1.Caption);
        const QRect at = pixelSpan(o.Label1.Left, o.Label1.Top, o.Label1.Left, o.Label1.Top);
        // Italic overhangs and antialiased edges reach a little past the metrics.
        const int spare = 2 + metrics.height() / 4;
        bounds |= QRect(at.topLeft(), text.size() + QSize(2, 2)).adjusted(-spare, -spare, spare, spare);
    }
    return bounds;
}

} // namespace quill
