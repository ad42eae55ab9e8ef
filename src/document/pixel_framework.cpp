#include "document/pixel_framework.h"

#include "surface/parallel_bands.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <new>

namespace quill {

namespace {

#if defined(__x86_64__) && defined(__GNUC__)
__attribute__((target("avx"))) void zeroUpperHalves() { __builtin_ia32_vzeroupper(); }
#endif

} // namespace

void clearWideVectorState()
{
#if defined(__x86_64__) && defined(__GNUC__)
    static const bool hasAvx = __builtin_cpu_supports("avx");
    if (hasAvx)
        zeroUpperHalves();
#endif
}

OperationScope::OperationScope(Document &document) : document_(document)
{
    const Surface fresh;
    for (int i = 0; i < kLayerCount; ++i) {
        Surface &l = document.layer(i);
        saved_[static_cast<std::size_t>(i)] = {l.scaleMode(), l.DrawWidth(), l.FillStyle, l.FillColor,
                                               l.ForeColor,   l.CurrentX,    l.CurrentY};
        l.setScaleMode(ScaleMode::Pixels);
        l.setDrawWidth(fresh.DrawWidth());
        l.FillStyle = fresh.FillStyle;
        l.FillColor = fresh.FillColor;
        l.ForeColor = fresh.ForeColor;
        l.CurrentX = fresh.CurrentX;
        l.CurrentY = fresh.CurrentY;
    }
}

OperationScope::~OperationScope()
{
    for (int i = 0; i < kLayerCount; ++i) {
        Surface &l = document_.layer(i);
        const Pens &p = saved_[static_cast<std::size_t>(i)];
        l.setScaleMode(p.scaleMode);
        l.setDrawWidth(p.drawWidth);
        l.FillStyle = p.fillStyle;
        l.FillColor = p.fillColor;
        l.ForeColor = p.foreColor;
        l.CurrentX = p.currentX;
        l.CurrentY = p.currentY;
    }
}

void beginOperation(Session &session, bool takeSnapshot, OperationLayers layers, int penWidth)
{
    clearWideVectorState();
    if (takeSnapshot)
        session.TakeUndoSnapshot();
    Document &doc = session.document;
    doc.layer(0).setScaleMode(ScaleMode::Pixels);
    doc.layer(0).setDrawWidth(penWidth);
    if (layers == OperationLayers::TwoLayer) {
        doc.layer(1).setScaleMode(ScaleMode::Pixels);
        doc.layer(1).setDrawWidth(penWidth);
    }
}

void endOperation(Session &session, OperationLayers layers)
{
    Document &doc = session.document;
    if (layers == OperationLayers::TwoLayer)
        doc.SyncLayers(1);
    else
        doc.PropagateCentre();
}

QImage resultRaster(Document &document) { return document.takeScratchRaster(); }

QImage resultRasterFrom(Document &document, int layer)
{
    QImage result = document.takeScratchRaster();
    const QImage &start = document.layer(layer).Image();
    if (start.size() == result.size() && start.format() == result.format() &&
        start.bytesPerLine() == result.bytesPerLine()) {
        const auto bytes = static_cast<std::size_t>(result.bytesPerLine()) * static_cast<std::size_t>(result.height());
        std::memcpy(result.bits(), start.constBits(), bytes);
    } else {
        result = start.convertToFormat(QImage::Format_RGB32).copy(QRect(QPoint(0, 0), result.size()));
        if (result.isNull() && !start.isNull())
            throw std::bad_alloc();
    }
    return result;
}

void forEachRow(const QImage &source, QImage &result, const std::function<void(int y, const QRgb *in, QRgb *out)> &row)
{
    // One pointer each, taken here: scanLine() on a writable image is not safe from several threads.
    const auto *in = reinterpret_cast<const QRgb *>(source.constBits());
    auto *out = reinterpret_cast<QRgb *>(result.bits());
    const qsizetype inStride = source.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
    const qsizetype outStride = result.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
    forEachBand(source.height(), minRowsForPass(source.width()), [&](int begin, int end) {
        for (int y = begin; y < end; ++y)
            row(y, in + y * inStride, out + y * outStride);
    });
}

void storeResult(Session &session, QImage &result, OperationLayers layers)
{
    Document &doc = session.document;
    doc.layer(layers == OperationLayers::TwoLayer ? 1 : 0).setPicture(result);
    result = QImage(); // the layers hold it now; a later scratch request may reuse it
    endOperation(session, layers);
}

Colour pointRead(const QImage &image, int x, int y)
{
    if (x < 0 || y < 0 || x >= image.width() || y >= image.height())
        return kInvalidColour;
    return fromQRgb(reinterpret_cast<const QRgb *>(image.constScanLine(y))[x]);
}

void writePixel(QImage &image, int x, int y, Colour colour)
{
    if (colour == kInvalidColour || x < 0 || y < 0 || x >= image.width() || y >= image.height())
        return;
    reinterpret_cast<QRgb *>(image.scanLine(y))[x] = toQRgb(colour);
}

namespace {

// The surface's dot: an even dot is centred on a pixel corner, an odd one on a
// pixel centre, and covers the pixels whose centres lie within the radius.
DotShape makeDot(int width)
{
    DotShape dot;
    const double centre = width % 2 ? 0.5 : 0.0;
    const double r2 = width * static_cast<double>(width) / 4.0;
    const int reach = width / 2;
    for (int dy = -reach; dy <= reach; ++dy) {
        const double fy = dy + 0.5 - centre;
        int first = 1, last = 0;
        for (int dx = -reach; dx <= reach; ++dx) {
            const double fx = dx + 0.5 - centre;
            if (fx * fx + fy * fy <= r2) {
                if (first > last)
                    first = dx;
                last = dx;
            }
        }
        if (first > last)
            continue;
        if (dot.spans.empty())
            dot.top = dy;
        dot.spans.emplace_back(first, last);
    }
    return dot;
}

} // namespace

const DotShape &penDot(int width)
{
    // Per thread: batch runs paint on several cores at once.
    thread_local std::map<int, DotShape> shapes;
    width = std::max(1, width);
    auto found = shapes.find(width);
    if (found == shapes.end())
        found = shapes.emplace(width, makeDot(width)).first;
    return found->second;
}

void paintDot(QImage &image, int x, int y, const DotShape &dot, QRgb value)
{
    const int w = image.width(), h = image.height();
    const qsizetype stride = image.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
    QRgb *const bits = reinterpret_cast<QRgb *>(image.bits());
    const int rows = static_cast<int>(dot.spans.size());
    for (int i = 0; i < rows; ++i) {
        const int py = y + dot.top + i;
        if (py < 0 || py >= h)
            continue;
        const auto &span = dot.spans[static_cast<std::size_t>(i)];
        const int x0 = std::max(0, x + span.first);
        const int x1 = std::min(w - 1, x + span.second);
        QRgb *line = bits + py * stride;
        for (int px = x0; px <= x1; ++px)
            line[px] = value;
    }
}

} // namespace quill
